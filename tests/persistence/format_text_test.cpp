#include "persistence/format_text.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TRegionalSettings German() {
    TRegionalSettings regional;
    regional.DecimalSeparator = ",";
    regional.ThousandSeparator = ".";
    regional.CurrencyString = "€";
    regional.CurrencyFormat = 3; // "1 €"
    regional.NegCurrFormat = 8;  // "-1 €"
    regional.ShortDateFormat = "dd.MM.yyyy";
    regional.CountryCode = 49;
    return regional;
}

TRegionalSettings French() {
    TRegionalSettings regional = German();
    regional.ThousandSeparator = "\u202F"; // narrow no-break space, three UTF-8 bytes
    regional.CountryCode = 33;
    return regional;
}

TRegionalSettings UsWithParentheses() {
    TRegionalSettings regional = TRegionalSettings::UnitedStates();
    regional.NegCurrFormat = 0;
    return regional;
}

struct FormatCase {
    const char* Pattern;
    std::initializer_list<FormatArg> Args;
    TRegionalSettings Regional;
    const char* Expected;
};

// Expected texts are counted out by hand: the value in the regional form, then
// blanks up to the field width.
TEST(FormatText, Directives) {
    const TRegionalSettings us = TRegionalSettings::UnitedStates();
    const FormatCase data[] = {
        {"%-28s|", {"Loan Amount"}, us, "Loan Amount                 |"},
        {"%s", {"abc"}, us, "abc"},
        {"%16.2m", {1234.5}, us, "       $1,234.50"},
        {"%16.2m", {-1234.5}, us, "      -$1,234.50"},
        {"%16.2m", {-1234.5}, UsWithParentheses(), "     ($1,234.50)"},
        {"%16.2m", {0.0}, us, "           $0.00"},
        {"%16.2m", {-0.004}, us, "           $0.00"},
        {"%m", {0.125L}, us, "$0.13"},
        {"%20.2m", {1234567.891L}, us, "       $1,234,567.89"},
        {"%16.2n", {1234567.891L}, us, "    1,234,567.89"},
        {"%n", {1E9L}, us, "1,000,000,000.00"},
        {"%15.4n%1s", {7.1f, "%"}, us, "         7.1000%"},
        {"%15.6n%1S", {0.0194520548L, "%"}, us, "       0.019452%"},
        {"%14.4f", {7.125}, us, "        7.1250"},
        {"%.2f", {2.675L}, us, "2.68"},
        {"%.f", {7.5}, us, "8"},
        {"%16.2f", {-12}, us, "          -12.00"},
        {"%16d", {360}, us, "             360"},
        {"%12d", {-5}, us, "          -5"},
        {"%5.3d", {7}, us, "  007"},
        {"%*d", {5, 42}, us, "   42"},
        {"%-10.2m|", {5}, us, "$5.00     |"},
        {"%.3s", {"abcdef"}, us, "abc"},
        {"%8s", {"Zürich"}, us, "  Zürich"},
        {"%5s", {"Zürich"}, us, "Zürich"},
        {"100%%", {}, us, "100%"},
        {"%x", {255}, us, "FF"},
        {"%d years, %s", {30, "monthly"}, us, "30 years, monthly"},
        {"%16.2m", {1234.5}, German(), "      1.234,50 €"},
        {"%16.2m", {-1234.5}, German(), "     -1.234,50 €"},
        {"%14.4f", {7.125}, German(), "        7,1250"},
        {"%14.2n", {1234567.5}, French(), "  1\u202F234\u202F567,50"},
    };
    for (const FormatCase& c : data) {
        EXPECT_EQ(FormatText(c.Pattern, c.Args, c.Regional), c.Expected) << c.Pattern;
    }
}

TEST(FormatText, MismatchedArgumentsRaise) {
    const TRegionalSettings us = TRegionalSettings::UnitedStates();
    struct Case {
        const char* Pattern;
        std::initializer_list<FormatArg> Args;
    } const data[] = {
        {"%d", {1.5}}, {"%s", {5}}, {"%m", {"five"}}, {"%d", {}}, {"%q", {1}}, {"%16", {1}},
    };
    for (const Case& c : data) {
        EXPECT_THROW_MSG(FormatText(c.Pattern, c.Args, us), EFormatError,
                         std::string("Format '") + c.Pattern +
                             "' invalid or incompatible with argument");
    }
}

TEST(FormatMoney, UsesTheRegionalCurrencyForm) {
    const TRegionalSettings us = TRegionalSettings::UnitedStates();
    EXPECT_EQ(FormatMoney(1234.5L, 2, us), "$1,234.50");
    EXPECT_EQ(FormatMoney(-0.5L, 2, us), "-$0.50");
    EXPECT_EQ(FormatMoney(-0.5L, 2, UsWithParentheses()), "($0.50)");
    EXPECT_EQ(FormatMoney(1234.5L, 0, German()), "1.235 €");
    EXPECT_EQ(FormatNumber(-9876543.215L, 2, us), "-9,876,543.22");
    EXPECT_EQ(FormatNumber(1234.5L, 1, German()), "1.234,5");
}

TEST(FormatMoney, EveryNegativeForm) {
    // The sixteen negative forms with "$" as the sign and 1.00 as the amount.
    const char* const expected[] = {
        "($1.00)", "-$1.00",  "$-1.00",  "$1.00-",  "(1.00$)", "-1.00$",  "1.00-$",   "1.00$-",
        "-1.00 $", "-$ 1.00", "1.00 $-", "$ 1.00-", "$ -1.00", "1.00- $", "($ 1.00)", "(1.00 $)"};
    TRegionalSettings regional = TRegionalSettings::UnitedStates();
    for (int form = 0; form < 16; ++form) {
        regional.NegCurrFormat = form;
        EXPECT_EQ(FormatMoney(-1, 2, regional), expected[form]) << form;
    }
    const char* const positive[] = {"$1.00", "1.00$", "$ 1.00", "1.00 $"};
    for (int form = 0; form < 4; ++form) {
        regional.CurrencyFormat = form;
        EXPECT_EQ(FormatMoney(1, 2, regional), positive[form]) << form;
    }
}

} // namespace
} // namespace calvora
