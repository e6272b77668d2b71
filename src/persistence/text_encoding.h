#pragma once

#include <string>
#include <string_view>

namespace calvora {

/// Converts windows-1252 bytes to UTF-8 (0x80 is the euro sign, 0x8A "Š" ...; the
/// five bytes without a character keep their C1 code points).
std::string Windows1252ToUtf8(std::string_view bytes);

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

/// The encoding named by an XML declaration at the start of the bytes ("" when
/// there is no declaration or no encoding in it).
std::string DeclaredXmlEncoding(std::string_view bytes);

/// The text of an XML file as UTF-8: a file declaring windows-1252 or ISO-8859-1,
/// or one that is not valid UTF-8, is converted from windows-1252; a UTF-8 byte
/// order mark is dropped. Other declared encodings are returned unchanged.
std::string XmlFileTextAsUtf8(std::string_view bytes);

} // namespace calvora
