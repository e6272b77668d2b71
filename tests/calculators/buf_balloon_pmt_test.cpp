#include "calculators/buf_balloon_pmt.h"
#include "calculators/buf_test_settings.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

TcalcBallPmtTransferRec Entered(double amount, float rate, std::int16_t period, double payment,
                                double balloon) {
    TcalcBallPmtTransferRec rec;
    rec.Amount = amount;
    rec.AnnualRate = rate;
    rec.BalloonPeriod = period;
    rec.Payment = payment;
    rec.Balloon = balloon;
    return rec;
}

class BalloonPmtBufferTest : public ::testing::Test {
protected:
    testing::TBufferSettings settings;
};

// 20000 at 8 % paying 300 a month, balloon at payment 60: the closed form
// 20000 (1 + i)^60 - 300 (1 + i) ((1 + i)^59 - 1) / i, i = 0.08 / 12, gives 8053.857,
// a balloon of 8053.86; the schedule's interest, each month rounded to cents, adds
// up to 5753.87 (python3, decimal), the cent of rounding staying in the balance. Level payments of
// 300 would run 89 months; the last balance above 5000 is 5194.95 after payment 70, so a balloon at
// payment 72 takes the balance after payment 71 (4929.58) plus its month's interest: 4962.44.
TEST_F(BalloonPmtBufferTest, SolvesTheZeroValue) {
    struct Case {
        TcalcBallPmtTransferRec In;
        std::uint8_t Solved;
        double Amount, Rate, Period, Payment, Balloon, Interest, Tolerance;
    } const data[] = {
        {Entered(20000, 8, 60, 300, 0), 10, 20000, 8, 60, 300, 8053.86, 5753.87, 0.005},
        {Entered(20000, 8, 0, 300, 5000), 9, 20000, 8, 72, 300, 4962.44, 0, 0.005},
        {Entered(0, 8, 60, 300, 8053.86), 1, 20000, 8, 60, 300, 8053.86, 5753.87, 0.02},
        {Entered(20000, 0, 60, 300, 8053.86), 3, 20000, 8, 60, 300, 8053.86, 5753.87, 0.02},
        {Entered(20000, 8, 60, 0, 8053.86), 4, 20000, 8, 60, 300, 8053.86, 5753.87, 0.02},
    };
    for (const Case& c : data) {
        TbufBalloonPmt buffer(*settings);
        const TcalcBallPmtTransferRec shown = testing::CalcAndShow(buffer, c.In);
        EXPECT_EQ(buffer.LastSolved(), c.Solved);
        EXPECT_NEAR(shown.Amount, c.Amount, c.Tolerance) << int(c.Solved);
        EXPECT_NEAR(shown.AnnualRate, c.Rate, 0.001) << int(c.Solved);
        EXPECT_EQ(shown.BalloonPeriod, c.Period) << int(c.Solved);
        EXPECT_NEAR(shown.Payment, c.Payment, c.Tolerance) << int(c.Solved);
        EXPECT_NEAR(shown.Balloon, c.Balloon, c.Tolerance) << int(c.Solved);
        EXPECT_NEAR(shown.TotalInterest, c.Interest, c.Tolerance * 60) << int(c.Solved);
    }
}

TEST_F(BalloonPmtBufferTest, ErrorsLeaveTheValues) {
    struct Case {
        TcalcBallPmtTransferRec In;
        const char* Message;
    } const data[] = {
        {Entered(20000, 8, 0, 0, 5000), "Too many unknowns. Enter only one zero value."},
        {Entered(20000, 8, 0, 300, 0), "Invalid inputs."},
    };
    for (const Case& c : data) {
        TbufBalloonPmt buffer(*settings);
        buffer.SetTransfer(c.In);
        EXPECT_THROW_MSG(buffer.Calculate(), ECashScheduleException, c.Message);
        EXPECT_EQ(buffer.LastSolved(), 0);
        EXPECT_EQ(buffer.Transfer().TotalInterest, 0);
        EXPECT_EQ(buffer.Transfer().Balloon, c.In.Balloon);
    }
}

TEST_F(BalloonPmtBufferTest, OptionsHaveNoAmortizationMethod) {
    {
        TbufBalloonPmt buffer(*settings);
        TcalcBallPmtOptionsTransferRec options;
        buffer.GetOptions(options);
        options.DefaultPaymentMethod.Index = 1;
        options.DefaultRate = 9;
        buffer.SetOptions(options);
        buffer.SaveOptions("BalloonPayment");
        TcalcBallPmtTransferRec rec = Entered(20000, 8, 60, 300, 5000);
        buffer.SetTransfer(rec);
        buffer.SaveLastEntered("BalloonPayment");
    }
    settings.Reopen();
    EXPECT_EQ(settings->ReadString("BalloonPayment", "DefaultlDefaultAmortMthdText", "none"),
              "none");
    EXPECT_EQ(settings->ReadString("BalloonPayment", "lAmortMthdText", "none"), "none");
    testing::ExpectStoredKeys(*settings, "BalloonPayment",
                              {{"DefaultlDefaultPmtMthdText", 1},
                               {"DefaultlDefaultRateText", 9},
                               {"lPVText", 20000},
                               {"lRateText", 8},
                               {"BalloonDueatPaymentNo", 60},
                               {"lPYRText", 5},
                               {"lCmpPYRText", 6},
                               {"lPmtMthdText", 0},
                               {"PeriodicPayment", 300},
                               {"FinalBalloonPayment", 5000}});

    TbufBalloonPmt buffer(*settings);
    buffer.LoadOptions("BalloonPayment");
    buffer.ApplyLocalDefaults();
    EXPECT_EQ(buffer.Transfer().PaymentMethod.Text, "Advance");
    EXPECT_EQ(buffer.Transfer().AnnualRate, 9);
}

TEST_F(BalloonPmtBufferTest, ClipboardAndReportToTheCharacter) {
    TbufBalloonPmt buffer(*settings);
    buffer.SetTitle("Balloon Payment Calculator 1");
    buffer.SetTransfer(Entered(20000, 8, 60, 300, 0));
    buffer.Calculate();
    EXPECT_EQ(buffer.ClipboardText(), "Balloon Payment Calculator 1\r\n"
                                      "\r\n"
                                      "Amount of Loan?:               $20,000.00\r\n"
                                      "Annual Rate?:                       8.00%\r\n"
                                      "Balloon Due at Period? (#):            60\r\n"
                                      "Periodic Payment?:                $300.00\r\n"
                                      "Final Balloon Payment?:         $8,053.86\r\n"
                                      "Payment Period?:                  Monthly\r\n"
                                      "Compounding Period?:              Monthly\r\n"
                                      "Payment Method?:                  Arrears\r\n"
                                      "Total Interest Paid:            $5,753.87\r\n");

    // A 28-character title centred on column 51 starts at column 37.
    const std::string expected =
        std::string(8, '\n') + std::string(37, ' ') + "Balloon Payment Calculator 1\n\n" +
        ReportRow("Amount of Loan?:", "$20,000.00") + ReportRow("Annual Rate?:", "8.0000%") +
        ReportRow("Balloon Due at Period? (#):", "60") +
        ReportRow("Periodic Payment?:", "$300.00") +
        ReportRow("Final Balloon Payment?:", "$8,053.86") +
        ReportRow("Payment Period?:", "Monthly") + ReportRow("Compounding Period?:", "Monthly") +
        ReportRow("Payment Method?:", "Arrears") + ReportRow("Total Interest Paid:", "$5,753.87");
    EXPECT_EQ(buffer.ReportText(), expected);
}

} // namespace
} // namespace calvora
