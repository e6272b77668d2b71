#include "calculators/buf_interest.h"
#include "calculators/buf_test_settings.h"
#include "persistence/app_info_fields.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

// Day numbers and weekdays of the dates used (python3 datetime, from 30 December 1899).
constexpr TDateTime kJan1st2027 = 46388;  // Friday
constexpr TDateTime kJan15th2027 = 46402; // Friday
constexpr TDateTime kMar1st2027 = 46447;  // Monday
constexpr TDateTime kMar31st2027 = 46477; // Wednesday
constexpr TDateTime kApr1st2027 = 46478;  // Thursday
constexpr TDateTime kJan1st2028 = 46753;  // Saturday

constexpr int kExactSimple = 12;
constexpr int kMonthlyCompounding = 6;

TcalcInterestTransferClass Entered(Extended amount, float rate, TDateTime start, TDateTime end,
                                   int compounding, int yearLength) {
    TcalcInterestTransferClass rec;
    rec.Amount = amount;
    rec.AnnualRate = rate;
    rec.StartDate = start;
    rec.EndDate = end;
    rec.Days = static_cast<std::int32_t>(end - start);
    rec.Compounding.Index = compounding;
    rec.YearLength.Index = yearLength;
    return rec;
}

class InterestBufferTest : public ::testing::Test {
protected:
    testing::TBufferSettings settings;
};

// 10000 at 5 % for 365 days by the day on a 365-day year: 500.00, a yield of 5 % and a
// daily rate of 5 / 365 = 0.013699 %. Monthly from 15 January to 1 April 2027 at 6 % on
// a 360-day year: two months back from 1 April earn 10000 (1.005^2 - 1) = 100.25, the
// 17 days from 15 January to 1 February earn 10100.25 x 0.06 / 360 x 17 = 28.62, in all
// 128.87; the yield over 76 days is ((1 + 128.87 / 10000)^(365 / 76) - 1) x 100 = 6.3426.
TEST_F(InterestBufferTest, InterestBetweenTwoDates) {
    struct Case {
        TcalcInterestTransferClass In;
        std::int32_t Days;
        double Interest, EndValue, Apy, DailyRate;
    } const data[] = {
        {Entered(10000, 5, kJan1st2027, kJan1st2028, kExactSimple, 2), 365, 500.00, 10500.00, 5.0,
         0.0136986},
        {Entered(10000, 6, kJan15th2027, kApr1st2027, kMonthlyCompounding, 0), 76, 128.87, 10128.87,
         6.34264, 0.0166667},
    };
    for (const Case& c : data) {
        TbufInterest buffer(*settings);
        const TcalcInterestTransferClass shown = testing::CalcAndShow(buffer, c.In);
        EXPECT_EQ(shown.Days, c.Days);
        EXPECT_NEAR(static_cast<double>(shown.TermInterest), c.Interest, 0.001);
        EXPECT_NEAR(static_cast<double>(shown.EndValue), c.EndValue, 0.001);
        EXPECT_NEAR(shown.Apy, c.Apy, 0.0001);
        EXPECT_NEAR(shown.DailyRate, c.DailyRate, 1e-6);
    }
}

TEST_F(InterestBufferTest, EqualDatesWithNoDaysGiveZeroResults) {
    TbufInterest buffer(*settings);
    buffer.SetTransfer(Entered(10000, 5, kJan1st2027, kJan1st2028, kExactSimple, 2));
    buffer.Calculate();
    buffer.SetTransfer(Entered(10000, 5, kJan1st2027, kJan1st2027, kExactSimple, 2));
    buffer.Calculate();
    EXPECT_EQ(buffer.Transfer().TermInterest, 0);
    EXPECT_EQ(buffer.Transfer().EndValue, 0);
    EXPECT_EQ(buffer.Transfer().Apy, 0);
    EXPECT_EQ(buffer.Transfer().DailyRate, 0);
    EXPECT_EQ(buffer.Transfer().Amount, 10000);
}

TEST_F(InterestBufferTest, DatesWinOverAMismatchedDayCount) {
    TbufInterest buffer(*settings);
    TcalcInterestTransferClass rec = Entered(10000, 5, kJan1st2027, kJan1st2028, kExactSimple, 2);
    rec.Days = 10;
    buffer.SetTransfer(rec);
    buffer.Calculate();
    EXPECT_EQ(buffer.Transfer().Days, 365);
    EXPECT_NEAR(static_cast<double>(buffer.Transfer().TermInterest), 500.00, 0.001);
}

TEST_F(InterestBufferTest, EndDateBeforeStartGivesNoYield) {
    TbufInterest buffer(*settings);
    buffer.SetTransfer(Entered(10000, 5, kJan1st2028, kJan1st2027, kExactSimple, 2));
    buffer.Calculate();
    EXPECT_EQ(buffer.Transfer().Days, -365);
    EXPECT_EQ(buffer.Transfer().Apy, 0);
}

TEST_F(InterestBufferTest, DaysAndDatesKeptInStep) {
    TbufInterest buffer(*settings);
    TcalcInterestTransferClass rec = Entered(0, 0, kMar1st2027, kMar1st2027, 6, 0);
    rec.Days = 30;
    buffer.SetTransfer(rec);
    EXPECT_EQ(buffer.EndFromDays(), kMar31st2027);
    EXPECT_EQ(buffer.Transfer().EndDayName, "Wednesday");

    rec = buffer.Transfer();
    rec.Days = -30;
    buffer.SetTransfer(rec);
    EXPECT_EQ(buffer.StartFromDays(), kMar1st2027);
    EXPECT_EQ(buffer.Transfer().StartDayName, "Monday");

    rec = buffer.Transfer();
    // 75 days from 15 January to 31 March, less the time of day of the start: 74.25,
    // cut to 74.
    rec.StartDate = kJan15th2027 + 0.75;
    buffer.SetTransfer(rec);
    EXPECT_EQ(buffer.DaysFromDates(), 74);
}

TEST_F(InterestBufferTest, GetTransferHandsOverWholeDays) {
    TbufInterest buffer(*settings);
    buffer.SetTransfer(Entered(1, 1, kJan1st2027 + 0.5, kJan1st2028 + 0.25, kExactSimple, 2));
    TcalcInterestTransferClass shown;
    buffer.GetTransfer(shown);
    EXPECT_EQ(shown.StartDate, kJan1st2027);
    EXPECT_EQ(shown.EndDate, kJan1st2028);
}

TEST_F(InterestBufferTest, LastEnteredKeysKeepDatesInTheShortDateFormat) {
    {
        TbufInterest buffer(*settings);
        buffer.SetTransfer(Entered(2500, 4.5f, kMar1st2027, kMar31st2027, 8, 1));
        buffer.SaveLastEntered("Interest_calc");
    }
    settings.Reopen();
    EXPECT_EQ(settings->ReadString("Interest_calc", "lStartDateText", ""), "3/1/2027");
    EXPECT_EQ(settings->ReadString("Interest_calc", "lEndDateText", ""), "3/31/2027");
    testing::ExpectStoredKeys(*settings, "Interest_calc",
                              {{"lPVText", 2500},
                               {"lNumdaysText", 30},
                               {"lRateText", 4.5L},
                               {"lCmpPYRText", 8},
                               {"lDaysPerYear", 1}});

    TbufInterest buffer(*settings);
    buffer.LoadLastEntered("Interest_calc");
    TcalcInterestTransferClass shown;
    buffer.GetTransfer(shown);
    EXPECT_EQ(shown.StartDate, kMar1st2027);
    EXPECT_EQ(shown.EndDate, kMar31st2027);
    EXPECT_EQ(shown.Days, 30);
    EXPECT_EQ(shown.YearLength.Index, 1);
}

TEST_F(InterestBufferTest, LocalAndGlobalDefaults) {
    settings->Set(appkeys::RateText, 3.5L);
    settings->Set(appkeys::CmpPYRText, 12);
    settings->Set(appkeys::YearLengthText, 2);
    TbufInterest buffer(*settings);
    buffer.ApplyGlobalDefaults();
    EXPECT_EQ(buffer.Transfer().AnnualRate, 3.5f);
    EXPECT_EQ(buffer.Transfer().Compounding.Text, "Exact/Simple");
    EXPECT_EQ(buffer.Transfer().YearLength.Text, "365");

    TcalcInterestOptionsTransferClass options;
    buffer.GetOptions(options);
    options.DefaultRate = 2;
    options.DefaultYearLength.Index = 1;
    buffer.SetOptions(options);
    buffer.SaveOptions("Interest_calc");
    buffer.ApplyLocalDefaults();
    EXPECT_EQ(buffer.Transfer().AnnualRate, 2);
    EXPECT_EQ(buffer.Transfer().YearLength.Text, "364");
    EXPECT_EQ(buffer.Transfer().Compounding.Index, 6);
    EXPECT_EQ(settings->ReadInteger("Interest_calc", "DefaultlDefaultlDaysPerYearText", -1), 1);
}

// Clipboard formats: "%-34s %16.2m", "%-34s %16d", "%-34s %15.4n%1s", dates
// "%-24s %15s " + "%10s", choices "%-34s %16s", the daily rate "%-34s %15.6n%1S".
TEST_F(InterestBufferTest, ClipboardAndReportToTheCharacter) {
    TbufInterest buffer(*settings);
    buffer.SetTitle("Compound & Simple Interest Calculator 1");
    buffer.SetTransfer(Entered(10000, 5, kJan1st2027, kJan1st2028, kExactSimple, 2));
    buffer.Calculate();
    EXPECT_EQ(buffer.ClipboardText(), "Compound & Simple Interest Calculator 1\r\n"
                                      "\r\n"
                                      "Amount?:                                 $10,000.00\r\n"
                                      "Number of Days? (#):                            365\r\n"
                                      "Annual Rate?:                               5.0000%\r\n"
                                      "Start Date?:                      Friday 01/01/2027\r\n"
                                      "End Date?:                      Saturday 01/01/2028\r\n"
                                      "Compounding Period?:                   Exact/Simple\r\n"
                                      "Days In Year?:                                  365\r\n"
                                      "Interest For Term:                          $500.00\r\n"
                                      "Future Value:                            $10,500.00\r\n"
                                      "Annual Percentage Yield (APY):              5.0000%\r\n"
                                      "Daily Periodic Rate:                      0.013699%\r\n");

    // Centred on half the 8.5-inch paper width: a 39-character title starts at column
    // 31.5, drawn at 32; the weekday ends the label column ("\t%-25s %10s").
    const std::string expected =
        std::string(8, '\n') + std::string(32, ' ') +
        "Compound & Simple Interest Calculator 1\n\n" + ReportRow("Amount?:", "$10,000.00") +
        ReportRow("Number of Days? (#):", "365") + ReportRow("Annual Rate?:", "5.0000%") +
        ReportRow("Start Date?:                  Friday", "01/01/2027") +
        ReportRow("End Date?:                  Saturday", "01/01/2028") +
        ReportRow("Compounding Period?:", "Exact/Simple") + ReportRow("Days In Year?:", "365") +
        ReportRow("Interest For Term:", "$500.00") + ReportRow("Future Value:", "$10,500.00") +
        ReportRow("Annual Percentage Yield (APY):", "5.0000%") +
        ReportRow("Daily Periodic Rate:", "0.013699%");
    EXPECT_EQ(buffer.ReportText(), expected);
}

TEST_F(InterestBufferTest, ReportCentreFollowsThePaperWidth) {
    settings->Set(appkeys::DefaultPaperWidth, 11.0L);
    TbufInterest buffer(*settings);
    buffer.SetTitle("Compound & Simple Interest Calculator 1");
    const std::vector<TReportPage> pages = buffer.ReportPages();
    EXPECT_DOUBLE_EQ(pages[0].Texts.at(0).X, 5.5);
    EXPECT_NEAR(pages[0].Texts.at(1).X, 5.5 - 2.0 + 0.02, 1e-9);
}

} // namespace
} // namespace calvora
