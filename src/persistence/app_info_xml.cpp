#include "persistence/app_info_xml.h"

#include "finance/date_math.h"
#include "persistence/atomic_file.h"
#include "persistence/date_pattern.h"
#include "persistence/masks_unit.h"
#include "persistence/number_text.h"
#include "persistence/text_encoding.h"

#include <cmath>
#include <ctime>
#include <iostream>
#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

namespace calvora {

namespace {

// Key under which files of the old program stored the organization.
constexpr std::string_view kOldOrganizationKey = "UserCompany";

// Entity references are left as text: nothing from outside the file (nor from a
// document type declaration) is ever expanded into a value.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

TDateTime SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsElementName(std::string_view name) {
    if (name.empty() || !IsNameStart(name[0]) || name.starts_with("xml") ||
        name.starts_with("XML")) {
        return false;
    }
    for (const char c : name) {
        if (!IsNameStart(c) && !(c >= '0' && c <= '9') && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

void RequireElementName(std::string_view name) {
    if (!IsElementName(name)) {
        throw std::invalid_argument("'" + std::string(name) + "' cannot name a settings element");
    }
}

std::string AsString(std::string_view text) {
    return std::string(text);
}

} // namespace

struct TAppInfoXML::TDocument {
    pugi::xml_document Xml;

    pugi::xml_node Root() const { return Xml.child(AsString(kRootElement).c_str()); }

    pugi::xml_node Find(std::string_view section, std::string_view key, bool rootLevel) const {
        pugi::xml_node parent = Root();
        if (!rootLevel) {
            parent = parent.child(AsString(section).c_str());
        }
        return parent.child(AsString(key).c_str());
    }
};

TAppInfoXML::TAppInfoXML(TAppInfoEnvironment environment)
    : m_appFolder(std::move(environment.AppFolder))
    , m_fileName(m_appFolder / kSettingsFileName)
    , m_regional(std::move(environment.Regional))
    , m_today(environment.Today != 0 ? environment.Today : SystemToday())
    , m_document(std::make_unique<TDocument>()) {
    RemoveStaleTemporaryFiles(m_fileName);
    LoadFile();
    if (!m_document->Root()) {
        CreateRoot();
    }
    try {
        m_runTimes = ReadInteger(kRootElement, kKeyRunTimes, 0, true);
    } catch (const EConvertError& error) {
        m_loadProblem += std::string(m_loadProblem.empty() ? "" : "\n") + error.what();
    }
    if (m_runTimes == 0) {
        FirstStart(environment.Owner);
    }
    LoadFields();
    m_assumedStartDate = m_fields.AssumedStartDateOptedText
                             ? m_fields.AssumedStartDateDefaultText
                             : AssumedStartDateByRule(m_fields.AssumedStartDateMthdText, m_today);
}

TAppInfoXML::~TAppInfoXML() = default;

void TAppInfoXML::LoadFile() {
    std::error_code error;
    if (!std::filesystem::exists(m_fileName, error)) {
        return;
    }
    std::string bytes;
    pugi::xml_parse_result result;
    std::string reason;
    if (!ReadWholeFile(m_fileName, bytes)) {
        reason = "it cannot be read";
    } else {
        const std::string text = XmlFileTextAsUtf8(bytes);
        result = m_document->Xml.load_buffer(text.data(), text.size(), kParseOptions,
                                             pugi::encoding_utf8);
        if (!result) {
            reason =
                std::string(result.description()) + " at byte " + std::to_string(result.offset);
        } else if (!m_document->Root() ||
                   m_document->Xml.document_element() != m_document->Root()) {
            reason = "its root element is not \"" + AsString(kRootElement) + "\"";
        } else {
            m_newFile = false;
            return;
        }
    }
    // Keep the unreadable file for the user and start from the defaults.
    m_document->Xml.reset();
    const std::filesystem::path aside = KeepDamagedFile(m_fileName);
    m_loadProblem = "The settings file \"" + m_fileName.string() + "\" could not be loaded (" +
                    reason + "). " +
                    (aside.empty() ? std::string("It could not be moved aside")
                                   : "It was kept as \"" + aside.string() + "\"") +
                    " and the program starts with default settings.";
    std::cerr << "Calvora: " << m_loadProblem << '\n';
}

void TAppInfoXML::CreateRoot() {
    pugi::xml_node root = m_document->Xml.append_child(AsString(kRootElement).c_str());
    root.append_attribute("MajorVersion") = "2";
    root.append_attribute("MinorVersion") = "0";
    WriteString(kRootElement, kKeyProgramVersion, kProgramVersion, true);
}

std::string TAppInfoXML::ProgramVersion() const {
    return ReadString(kRootElement, kKeyProgramVersion, "-1", true);
}

std::string TAppInfoXML::DefaultDataPath() const {
    std::error_code error;
    const std::filesystem::path data = m_appFolder / "Data";
    return ((std::filesystem::is_directory(data, error) ? data : m_appFolder) / "").string();
}

void TAppInfoXML::FirstStart(const ISystemOwner* owner) {
    if (ReadString(kSectionCommonProperties, appkeys::DataPath.Key, "").empty()) {
        WriteString(kSectionCommonProperties, appkeys::DataPath.Key, DefaultDataPath());
    }
    std::string userName = ReadString(kSectionCommonProperties, appkeys::UserName.Key, "");
    if (userName.empty() && owner != nullptr) {
        userName = owner->RegisteredOwner();
        WriteString(kSectionCommonProperties, appkeys::UserName.Key, userName);
    }
    std::string organization = ReadString(kSectionCommonProperties, appkeys::Organization.Key, "");
    if (organization.empty() && owner != nullptr) {
        organization = owner->RegisteredOrganization();
        WriteString(kSectionCommonProperties, appkeys::Organization.Key, organization);
    }
    if (ReadString(kSectionCommonProperties, appkeys::Preparer.Key, "").empty()) {
        WriteString(kSectionCommonProperties, appkeys::Preparer.Key, userName);
    }
    if (ReadString(kSectionCommonProperties, appkeys::PreparerCompany.Key, "").empty()) {
        WriteString(kSectionCommonProperties, appkeys::PreparerCompany.Key, organization);
    }
}

template <class T>
T TAppInfoXML::ReadTyped(std::string_view section, std::string_view key,
                         const T& defaultValue) const {
    if constexpr (std::is_same_v<T, std::string>) {
        return ReadString(section, key, defaultValue);
    } else if constexpr (std::is_same_v<T, bool>) {
        return ReadBool(section, key, defaultValue);
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return ReadInteger(section, key, defaultValue);
    } else if constexpr (std::is_same_v<T, Extended>) {
        return ReadFloat(section, key, defaultValue);
    } else {
        static_assert(std::is_same_v<T, TDateTime>);
        const std::string text = ReadString(section, key, "");
        return text.empty() ? defaultValue
                            : ParseDateText(text, m_regional.ShortDateFormat, m_today);
    }
}

template <class T>
std::string TAppInfoXML::EncodeValue(const T& value) const {
    if constexpr (std::is_same_v<T, std::string>) {
        return value;
    } else if constexpr (std::is_same_v<T, bool>) {
        return value ? "1" : "0";
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return std::to_string(value);
    } else if constexpr (std::is_same_v<T, Extended>) {
        return FloatToText(value, m_regional.DecimalSeparator);
    } else {
        static_assert(std::is_same_v<T, TDateTime>);
        // The program's date mask: the regional order with full day, month and
        // year digits, which the regional pattern reads back.
        return FormatDateText(value, TMasks::BuildDateMask(m_regional.ShortDateFormat));
    }
}

template <class T>
void TAppInfoXML::LoadField(const TAppInfoKey<T>& key) {
    T& field = m_fields.*key.Field;
    try {
        field = ReadTyped(key.Section, key.Key, field);
    } catch (const EConvertError& error) {
        // One unreadable value must not keep the program from starting: the
        // default stays and the user is told.
        m_loadProblem += std::string(m_loadProblem.empty() ? "" : "\n") + "Setting " +
                         AsString(key.Key) + ": " + error.what();
        std::cerr << "Calvora: setting " << key.Key << ": " << error.what() << '\n';
    }
}

void TAppInfoXML::LoadFields() {
    m_fields.DataPath = DefaultDataPath();
    m_fields.AssumedStartDateDefaultText = m_today;
#define CALVORA_APP_KEY(section, type, name) LoadField(appkeys::name);
#include "persistence/app_info_keys.inc"
#undef CALVORA_APP_KEY
    if (m_fields.Organization.empty()) {
        m_fields.Organization = ReadString(kSectionCommonProperties, kOldOrganizationKey, "");
    }
}

template <class T>
void TAppInfoXML::Set(const TAppInfoKey<T>& key, const std::type_identity_t<T>& value) {
    T& field = m_fields.*key.Field;
    if (field == value) {
        return;
    }
    field = value;
    WriteString(key.Section, key.Key, EncodeValue(value));
}

template void TAppInfoXML::Set(const TAppInfoKey<std::string>&, const std::string&);
template void TAppInfoXML::Set(const TAppInfoKey<std::int32_t>&, const std::int32_t&);
template void TAppInfoXML::Set(const TAppInfoKey<bool>&, const bool&);
template void TAppInfoXML::Set(const TAppInfoKey<Extended>&, const Extended&);
template void TAppInfoXML::Set(const TAppInfoKey<TDateTime>&, const TDateTime&);

std::string TAppInfoXML::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, bool rootLevel) const {
    const char* text = m_document->Find(section, key, rootLevel).child_value();
    return *text == '\0' ? std::string(defaultValue) : std::string(text);
}

std::int32_t TAppInfoXML::ReadInteger(std::string_view section, std::string_view key,
                                      std::int32_t defaultValue, bool rootLevel) const {
    return TextToInteger(ReadString(section, key, std::to_string(defaultValue), rootLevel));
}

bool TAppInfoXML::ReadBool(std::string_view section, std::string_view key, bool defaultValue,
                           bool rootLevel) const {
    return (ReadInteger(section, key, defaultValue ? 1 : 0, rootLevel) & 0xFF) != 0;
}

Extended TAppInfoXML::ReadFloat(std::string_view section, std::string_view key,
                                Extended defaultValue, bool rootLevel) const {
    const std::string text =
        ReadString(section, key, FloatToText(defaultValue, m_regional.DecimalSeparator), rootLevel);
    return TextToFloat(text, m_regional.DecimalSeparator);
}

void TAppInfoXML::WriteString(std::string_view section, std::string_view key,
                              std::string_view value, bool rootLevel) {
    if (ReadString(section, key, "", rootLevel) == value) {
        return;
    }
    pugi::xml_node parent = m_document->Root();
    if (!rootLevel) {
        RequireElementName(section);
        pugi::xml_node found = parent.child(AsString(section).c_str());
        parent = found ? found : parent.append_child(AsString(section).c_str());
    }
    RequireElementName(key);
    pugi::xml_node element = parent.child(AsString(key).c_str());
    if (!element) {
        element = parent.append_child(AsString(key).c_str());
    }
    element.text().set(AsString(value).c_str());
    m_unsaved = true;
    if (!value.empty()) {
        Save();
    }
}

void TAppInfoXML::WriteInteger(std::string_view section, std::string_view key, std::int32_t value,
                               bool rootLevel) {
    WriteString(section, key, std::to_string(value), rootLevel);
}

void TAppInfoXML::WriteBool(std::string_view section, std::string_view key, bool value,
                            bool rootLevel) {
    WriteString(section, key, value ? "1" : "0", rootLevel);
}

void TAppInfoXML::WriteFloat(std::string_view section, std::string_view key, Extended value,
                             bool rootLevel) {
    WriteString(section, key, FloatToText(value, m_regional.DecimalSeparator), rootLevel);
}

TBounds TAppInfoXML::ReadBounds(std::string_view section, const TBounds& current,
                                std::int32_t screenWidth, std::int32_t screenHeight) const {
    TBounds bounds;
    bounds.Left = ReadInteger(section, kKeyLeft, current.Left);
    bounds.Top = ReadInteger(section, kKeyTop, current.Top);
    bounds.Width = ReadInteger(section, kKeyWidth, current.Width);
    bounds.Height = ReadInteger(section, kKeyHeight, current.Height);
    // A window placed off the screen (another monitor, a smaller display) comes back.
    if (bounds.Left > screenWidth - 50 || bounds.Left < 0) {
        bounds.Left = 20;
    }
    if (bounds.Top > screenHeight - 50 || bounds.Top < 0) {
        bounds.Top = 20;
    }
    return bounds;
}

void TAppInfoXML::WriteBounds(std::string_view section, const TBounds& bounds) {
    WriteInteger(section, kKeyLeft, bounds.Left < 0 ? 1 : bounds.Left);
    WriteInteger(section, kKeyTop, bounds.Top < 0 ? 1 : bounds.Top);
    WriteInteger(section, kKeyWidth, bounds.Width);
    WriteInteger(section, kKeyHeight, bounds.Height);
}

TDateTime TAppInfoXML::AssumedStartDateByRule(std::int32_t rule, TDateTime today) {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(today, year, month, day);
    switch (rule) {
    case 1:
        return std::floor(today) + 1;
    case 2:
        return EncodeDate(year, month, 1);
    case 3:
        return month == 12 ? EncodeDate(year + 1, 1, 1) : EncodeDate(year, month + 1, 1);
    default:
        return std::floor(today);
    }
}

void TAppInfoXML::WriteRunTimesAtExit() {
    WriteInteger(kRootElement, kKeyRunTimes, m_runTimes + 1, true);
}

void TAppInfoXML::Save() {
    // The file is always written in UTF-8, with a declaration that says so.
    pugi::xml_document& xml = m_document->Xml;
    for (pugi::xml_node node = xml.first_child(); node;) {
        const pugi::xml_node next = node.next_sibling();
        if (node.type() == pugi::node_declaration) {
            xml.remove_child(node);
        }
        node = next;
    }
    pugi::xml_node declaration = xml.prepend_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    std::ostringstream text;
    xml.save(text, "\t", pugi::format_indent, pugi::encoding_utf8);
    const std::string problem = WriteFileAtomically(m_fileName, text.str());
    if (!problem.empty()) {
        m_saveProblem = "The settings could not be saved (" + problem + ").";
        std::cerr << "Calvora: " << m_saveProblem << '\n';
        return;
    }
    m_saveProblem.clear();
    m_unsaved = false;
}

} // namespace calvora
