#include "persistence/date_pattern.h"
#include "persistence/masks_unit.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

// The money table of the masks, typed in again from the country list: every row
// has two decimals and thousands grouping; "L" puts the sign left, "R" right.
TEST(TMasks, MoneyMaskByCountryCode) {
    struct Case {
        std::uint16_t Code;
        std::int32_t Digits;
        char Side;
        std::int32_t Spaces;
    } const data[] = {
        {1, 8, 'L', 0},
        {2, 9, 'L', 0},
        {31, 9, 'L', 0},
        {32, 8, 'R', 2},
        {33, 8, 'R', 1},
        {34, 8, 'R', 1},
        {39, 8, 'L', 1},
        {41, 6, 'L', 3},
        {43, 9, 'L', 1},
        {44, 8, 'L', 0},
        {45, 7, 'L', 2},
        {46, 7, 'R', 2},
        {47, 7, 'L', 2},
        {49, 6, 'R', 1},
        {52, 9, 'L', 0},
        {55, 7, 'L', 2},
        {61, 9, 'L', 0},
        {64, 9, 'L', 0},
        {82, 9, 'L', 0},
        {351, 8, 'R', 1},
        {353, 9, 'L', 0},
        {354, 7, 'R', 2},
        {358, 8, 'R', 1},
        {886, 9, 'L', 0},
        // Missing and unknown codes take the fallback row.
        {0, 9, 'L', 0},
        {7, 9, 'L', 0},
        {999, 9, 'L', 0},
        {65535, 9, 'L', 0},
    };
    for (const Case& c : data) {
        const TNumberMask mask = TMasks::MoneyMaskOf(c.Code);
        EXPECT_EQ(mask.Decimals, 2) << c.Code;
        EXPECT_EQ(mask.Digits, c.Digits) << c.Code;
        EXPECT_EQ(mask.LeftInfo, c.Side == 'L' ? "\\c" : "") << c.Code;
        EXPECT_EQ(mask.RightInfo, c.Side == 'R' ? "\\c" : "") << c.Code;
        EXPECT_EQ(mask.Spaces, c.Spaces) << c.Code;
        EXPECT_NE(mask.UseThousandSeparator, 0) << c.Code;
    }
}

TEST(TMasks, CreationTakesTheRegionalCountry) {
    TRegionalSettings regional;
    regional.CountryCode = 41;
    const TMasks masks(regional);
    EXPECT_EQ(masks.CountryCode(), 41);
    EXPECT_EQ(masks.MoneyMask(), (TNumberMask{2, 6, "\\c", "", 3, 1}));
    EXPECT_EQ(masks.RateMask(), (TNumberMask{4, 2, "", "%", 0, 1}));
    EXPECT_EQ(masks.CountMask(), (TNumberMask{0, 6, "", "", 0, 1}));

    const TMasks unknown{TRegionalSettings{}};
    EXPECT_EQ(unknown.CountryCode(), 0);
    EXPECT_EQ(unknown.MoneyMask(), (TNumberMask{2, 9, "\\c", "", 0, 1}));
}

TEST(TMasks, DateMaskFourDigitYears) {
    struct Case {
        const char* Regional;
        const char* Expected;
    } const data[] = {
        {"M/d/yy", "MM/dd/yyyy"},
        {"d.M.yyyy", "dd.MM.yyyy"},
        {"yy/M/d", "yyyy/MM/dd"},
        {"MM/dd/yyyy", "MM/dd/yyyy"},
        {"yyyy-MM-dd", "yyyy-MM-dd"},
        {"d/M/y", "dd/MM/yyyy"},
        {"d-m-Y", "dd-MM-yyyy"},
        {"dd.MM.yyy", "dd.MM.yyyy"},
        {"yyyy年M月d", "yyyy年MM月dd"},
        // Longer than ten characters: the numeric pattern of the same order,
        // never a cut that drops year digits or splits a month name.
        {"d. M. yyyy", "dd.MM.yyyy"},
        {"dd-MMM-yy", "dd-MM-yyyy"},
        {"yyyy. MM. dd.", "yyyy.MM.dd"},
        {"dd/MM/yyyyy", "dd/MM/yyyy"},
        {"yyyy.M.d.", "yyyy.MM.dd"},
        // A cut that only drops trailing separators is kept.
        {"yyyy年M月d日", "yyyy年MM月dd"},
        {"d/M/yyyy 'r.'", "dd/MM/yyyy"},
        // A pattern the rules do not touch.
        {"yyyyMMdd", "yyyyMMdd"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(TMasks::BuildDateMask(c.Regional), c.Expected) << c.Regional;
    }
}

TEST(TMasks, DateMaskTwoDigitYears) {
    struct Case {
        const char* Regional;
        const char* Expected;
    } const data[] = {
        {"M/d/yyyy", "MM/dd/yy"}, {"d.M.y", "dd.MM.yy"},        {"dd/MM/yy", "dd/MM/yy"},
        {"yyy-M-d", "yy-MM-dd"},  {"d. M. yyyy", "dd. MM. yy"}, {"dd-MMM-yyyy", "dd-MMM-yy"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(TMasks::BuildDateMask(c.Regional, TDateYearDigits::Two), c.Expected)
            << c.Regional;
    }
}

// The date mask follows the regional pattern in force at each call.
TEST(TMasks, DateMaskFollowsTheSource) {
    class TSwitchingSource : public IRegionalSettingsSource {
    public:
        TRegionalSettings Current() const override {
            TRegionalSettings regional;
            regional.CountryCode = 49;
            regional.ShortDateFormat = Pattern;
            return regional;
        }
        std::string Pattern = "d.M.yyyy";
    } source;
    const TMasks masks(source);
    EXPECT_EQ(masks.CountryCode(), 49);
    EXPECT_EQ(masks.DateMask(), "dd.MM.yyyy");
    source.Pattern = "M/d/yy";
    EXPECT_EQ(masks.DateMask(), "MM/dd/yyyy");
    EXPECT_EQ(masks.DateMask(TDateYearDigits::Two), "MM/dd/yy");
}

TEST(DatePattern, FromStrftime) {
    struct Case {
        const char* Format;
        const char* Expected;
    } const data[] = {
        {"%m/%d/%Y", "MM/dd/yyyy"},
        {"%d.%m.%Y", "dd.MM.yyyy"},
        {"%m/%d/%y", "MM/dd/yy"},
        {"%Y-%m-%d", "yyyy-MM-dd"},
        {"%e/%-m/%Y", "d/M/yyyy"},
        {"%d %b %Y", "dd MMM yyyy"},
        {"%D", "MM/dd/yy"},
        {"%F", "yyyy-MM-dd"},
        {"%Y年%m月%d日", "yyyy年MM月dd日"},
        {"%d de %B", "dd 'de' MMMM"},
        {"%Y. %m. %d.", "yyyy. MM. dd."},
        {"%A %d", "dddd dd"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(DatePatternFromStrftime(c.Format), c.Expected) << c.Format;
    }
}

TEST(DatePattern, ToStrftime) {
    struct Case {
        const char* Pattern;
        const char* Expected;
    } const data[] = {
        {"dd.MM.yyyy", "%d.%m.%Y"},     {"M/d/yy", "%-m/%-d/%y"},     {"dd MMM yyyy", "%d %b %Y"},
        {"dddd, MMMM d", "%A, %B %-d"}, {"dd 'de' MMMM", "%d de %B"}, {"d%M", "%-d%%%-m"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(DatePatternToStrftime(c.Pattern), c.Expected) << c.Pattern;
    }
}

} // namespace
} // namespace calvora
