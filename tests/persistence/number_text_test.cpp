#include "persistence/number_text.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

// Expected texts: the shortest general form with 15 significant digits, fixed
// notation while the decimal exponent lies between -4 and 15, worked by hand.
TEST(FloatToText, ShortestGeneralFormWithFifteenDigits) {
    struct Case {
        Extended Value;
        const char* Separator;
        const char* Expected;
    } const data[] = {
        {8.5L, ".", "8.5"},
        {0.25L, ".", "0.25"},
        {1E-5L, ".", "1E-5"},
        {0.0001L, ".", "0.0001"},
        {0, ".", "0"},
        {-3, ".", "-3"},
        {100, ".", "100"},
        // 7.1 held as a 32-bit float is 7.099999904632568359375 exactly.
        {static_cast<Extended>(7.1f), ".", "7.09999990463257"},
        {0.1, ".", "0.1"},
        {1.0L / 3.0L, ".", "0.333333333333333"},
        {2.0L / 3.0L, ".", "0.666666666666667"},
        {123456789012345.0L, ".", "123456789012345"},
        {1E15L, ".", "1E15"},
        {1234567890123456.0L, ".", "1.23456789012346E15"},
        {1.5E20L, ".", "1.5E20"},
        {-0.00001234L, ".", "-1.234E-5"},
        {9.9999999999999999L, ".", "10"},
        {8.5L, ",", "8,5"},
        {-1234.75L, ",", "-1234,75"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(FloatToText(c.Value, c.Separator), c.Expected) << c.Expected;
    }
}

TEST(TextToFloat, ReadsWithTheRegionalSeparator) {
    EXPECT_EQ(TextToFloat("8.5"), 8.5L);
    EXPECT_EQ(TextToFloat("8,5", ","), 8.5L);
    EXPECT_EQ(TextToFloat(" 1E-5 "), 1E-5L);
    EXPECT_EQ(TextToFloat("-0,25", ","), -0.25L);
    EXPECT_EQ(TextToFloat("+3"), 3.0L);
    EXPECT_EQ(TextToFloat("7.09999990463257"), 7.09999990463257L);
}

TEST(TextToFloat, RejectsWhatIsNoNumber) {
    struct Case {
        const char* Text;
        const char* Separator;
    } const data[] = {{"abc", "."}, {"", "."},    {"8.5", ","}, {"1,234.5", "."},
                      {"1E", "."},  {"--1", "."}, {".", "."},   {"1.5x", "."}};
    for (const Case& c : data) {
        EXPECT_THROW_MSG(TextToFloat(c.Text, c.Separator), EConvertError,
                         std::string("'") + c.Text + "' is not a valid floating point value");
    }
}

TEST(TextToInteger, ReadsThirtyTwoBitIntegers) {
    EXPECT_EQ(TextToInteger("42"), 42);
    EXPECT_EQ(TextToInteger("-7"), -7);
    EXPECT_EQ(TextToInteger("+7"), 7);
    EXPECT_EQ(TextToInteger("  12"), 12);
    EXPECT_EQ(TextToInteger("2147483647"), 2147483647);
    for (const char* text : {"", "abc", "12 ", "1.0", "2147483648", "+-1", "0x10"}) {
        EXPECT_THROW_MSG(TextToInteger(text), EConvertError,
                         std::string("'") + text + "' is not a valid integer value");
    }
}

// Rounding takes 18 significant digits first, then half away from zero.
TEST(RoundToDecimals, RoundsHalfAwayFromZero) {
    struct Case {
        Extended Value;
        int Decimals;
        const char* Digits;
        int IntegerDigits;
        bool Negative;
    } const data[] = {
        {1234.5L, 2, "123450", 4, false}, {0.125L, 2, "013", 1, false},
        {-0.125L, 2, "013", 1, true},     {2.675L, 2, "268", 1, false},
        {-0.004L, 2, "000", 1, false},    {999.995L, 2, "100000", 4, false},
        {7.5L, 0, "8", 1, false},         {0.0000001L, 3, "0000", 1, false},
    };
    for (const Case& c : data) {
        const TDecimalDigits rounded = RoundToDecimals(c.Value, c.Decimals);
        EXPECT_EQ(rounded.Digits, c.Digits) << static_cast<double>(c.Value);
        EXPECT_EQ(rounded.IntegerDigits, c.IntegerDigits) << static_cast<double>(c.Value);
        EXPECT_EQ(rounded.Negative, c.Negative) << static_cast<double>(c.Value);
    }
}

} // namespace
} // namespace calvora
