#include "cli/cli_names.h"
#include "cli/cli_options.h"
#include "finance/date_math.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace calvora::cli {
namespace {

OptionSet Sample() {
    return OptionSet("sample", "A sample command.",
                     {{"amount", "MONEY", "an amount"},
                      {"count", "COUNT", "a count"},
                      {"date", "YYYY-MM-DD", "a date"},
                      {"frequency", "NAME", "a frequency"},
                      {"json", "", "a flag"}});
}

TEST(OptionSetTest, ReadsSpaceAndEqualsFormsAndKeepsTheLastRepetition) {
    OptionSet options = Sample();
    options.Parse({"--amount", "100000", "--count=360", "--json", "--amount=2.5"});
    EXPECT_EQ(options.Number("amount"), 2.5L);
    EXPECT_EQ(options.Integer("count"), 360);
    EXPECT_TRUE(options.Flag("json"));
    EXPECT_FALSE(options.Flag("date"));
    EXPECT_EQ(options.Number("count"), 360);
    EXPECT_EQ(options.Date("date", 17), 17); // omitted: the fallback
    EXPECT_EQ(options.Choice("frequency", PaymentFrequencyNames(), fqMonthly), fqMonthly);
}

TEST(OptionSetTest, RejectsWhatItCannotRead) {
    const std::vector<std::vector<std::string>> bad{
        {"--colour", "red"}, // unknown option
        {"--amount"},        // missing value
        {"--json=yes"},      // value for a flag
        {"100000"},          // stray word
        {"-a", "1"},         // not a long option
    };
    for (const auto& args : bad) {
        OptionSet options = Sample();
        EXPECT_THROW(options.Parse(args), EUsageError) << args.front();
    }
}

TEST(OptionSetTest, HelpListsEveryOption) {
    const std::string help = Sample().HelpText();
    for (const char* name :
         {"--amount MONEY", "--count COUNT", "--date YYYY-MM-DD", "--json", "--help"})
        EXPECT_NE(help.find(name), std::string::npos) << name;
}

TEST(ParseValueTest, NumbersAreStrictDecimals) {
    struct Case {
        const char* Text;
        bool Valid;
        long double Value;
    } const cases[] = {
        {"100000", true, 100000}, {"6.25", true, 6.25L}, {"-3", true, -3},    {".5", true, 0.5L},
        {"+7.", true, 7},         {"", false, 0},        {"1e5", false, 0},   {"nan", false, 0},
        {"inf", false, 0},        {"1,000", false, 0},   {"1.2.3", false, 0}, {" 5", false, 0},
        {"0x10", false, 0},       {"-", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.Valid)
            EXPECT_EQ(ParseNumber(c.Text, "amount"), c.Value);
        else
            EXPECT_THROW(ParseNumber(c.Text, "amount"), EUsageError);
    }
    EXPECT_THROW(ParseInteger("12.5", "count"), EUsageError);
    EXPECT_THROW(ParseInteger("99999999999999999999", "count"), EUsageError);
    EXPECT_EQ(ParseInteger("-12", "count"), -12);
}

TEST(ParseValueTest, DatesAreRealCalendarDays) {
    EXPECT_EQ(ParseIsoDate("2026-01-01", "date"), EncodeDate(2026, 1, 1));
    EXPECT_EQ(ParseIsoDate("2024-02-29", "date"), EncodeDate(2024, 2, 29));
    for (const char* text : {"2023-02-29", "2026-13-01", "2026-00-10", "2026-04-31", "26-01-01",
                             "2026/01/01", "2026-1-1", "0000-01-01", "tomorrow"})
        EXPECT_THROW(ParseIsoDate(text, "date"), EUsageError) << text;
    EXPECT_EQ(FormatIsoDate(EncodeDate(1999, 12, 31)), "1999-12-31");
}

TEST(ParseValueTest, NamesMapToTheFinancialCodes) {
    EXPECT_EQ(ParseChoice("daily", PaymentFrequencyNames(), "frequency"), fqDaily);
    EXPECT_EQ(ParseChoice("annually", PaymentFrequencyNames(), "frequency"), fqAnnually);
    EXPECT_EQ(ParseChoice("every-4-weeks", PaymentFrequencyNames(), "frequency"), fqEvery4Weeks);
    EXPECT_EQ(ParseChoice("continuous", CompoundingNames(), "compounding"), fqContinuous);
    EXPECT_EQ(ParseChoice("exact", CompoundingNames(), "compounding"), fqExact);
    EXPECT_EQ(ParseChoice("4-month", CompoundingNames(), "compounding"), fqFourMonth);
    EXPECT_EQ(ParseChoice("rule-of-78", AmortizationMethodNames(), "method"), amRule78);
    EXPECT_EQ(ParseChoice("with-first", PointsPaidNames(), "points-paid"), ppWithFirst);
    EXPECT_EQ(ParseChoice("none", OddDaysPaidNames(), "odd-days-paid"), odNone);
    EXPECT_EQ(ParseChoice("reduce-all", ShortPeriodPaidNames(), "short-period-paid"), spReduceAll);
    // Compounding-only words are not payment periods.
    EXPECT_THROW(ParseChoice("exact", PaymentFrequencyNames(), "frequency"), EUsageError);
    EXPECT_THROW(ParseChoice("Monthly", PaymentFrequencyNames(), "frequency"), EUsageError);
    EXPECT_EQ(PaymentFrequencyNames().size(), 11u);
    EXPECT_EQ(CompoundingNames().size(), 13u);
}

} // namespace
} // namespace calvora::cli
