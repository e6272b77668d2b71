#include "persistence/text_encoding.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(TextEncoding, Windows1252ToUtf8) {
    // Code points from the windows-1252 table: 0x80 euro, 0x8A S caron, 0x9F Y diaeresis,
    // 0xE9 e acute, 0xFC u diaeresis.
    EXPECT_EQ(Windows1252ToUtf8("Caf\xE9 M\xFCller \x80 \x8A\x9F"), "Café Müller € ŠŸ");
    EXPECT_EQ(Windows1252ToUtf8("plain"), "plain");
}

TEST(TextEncoding, ValidUtf8) {
    EXPECT_TRUE(IsValidUtf8("Café € 年"));
    EXPECT_FALSE(IsValidUtf8("Caf\xE9"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));     // cut short
}

TEST(TextEncoding, XmlFileText) {
    struct Case {
        const char* Bytes;
        const char* Expected;
    } const data[] = {
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\xE9</a>",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>é</a>"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><a>\xE9</a>",
         "<?xml version='1.0' encoding='ISO-8859-1'?><a>é</a>"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>é</a>",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>é</a>"},
        {"\xEF\xBB\xBF<a>é</a>", "<a>é</a>"},
        // Not UTF-8 although it says so: an old file, read as windows-1252.
        {"<?xml version=\"1.0\"?><a>\xE9</a>", "<?xml version=\"1.0\"?><a>é</a>"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(XmlFileTextAsUtf8(c.Bytes), c.Expected) << c.Bytes;
    }
    EXPECT_EQ(DeclaredXmlEncoding("<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
              "windows-1252");
    EXPECT_EQ(DeclaredXmlEncoding("<a encoding=\"x\"/>"), "");
}

} // namespace
} // namespace calvora
