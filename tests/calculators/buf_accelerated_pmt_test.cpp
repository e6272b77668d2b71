#include "calculators/buf_accelerated_pmt.h"
#include "calculators/buf_test_settings.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

TcalcAccPmtTransferRec Entered(Extended amount, std::int16_t periods, float rate,
                               std::int16_t extraStart, Extended extraAmount) {
    TcalcAccPmtTransferRec rec;
    rec.Amount = amount;
    rec.Periods = periods;
    rec.AnnualRate = rate;
    rec.ExtraStart = extraStart;
    rec.ExtraAmount = extraAmount;
    return rec;
}

class AcceleratedPmtBufferTest : public ::testing::Test {
protected:
    testing::TBufferSettings settings;
};

// python3, decimal, monthly interest rounded to cents: 100000 at 6 % pays 599.55 over
// 360 months with 115838.45 interest; paying 699.55 from the first payment clears it
// with payment 252 after 75938.04 interest, which saves 39900.41.
TEST_F(AcceleratedPmtBufferTest, PeriodsToPayOffAndInterestSaved) {
    TbufAcceleratedPmt buffer(*settings);
    const TcalcAccPmtTransferRec shown =
        testing::CalcAndShow(buffer, Entered(100000, 360, 6, 1, 100));
    EXPECT_EQ(shown.NewPeriods, 252);
    EXPECT_NEAR(static_cast<double>(shown.InterestSaved), 39900.41, 0.005);
    EXPECT_EQ(buffer.LastSolved(), 0);
}

TEST_F(AcceleratedPmtBufferTest, ErrorsOfTheExtraPaymentStart) {
    struct Case {
        std::int16_t ExtraStart;
        const char* Message;
    } const data[] = {
        {0, "Extra payments can't start at period '0'"},
        {361, "'Increase Starts Period' can't be greater than 'Total Periods.'"},
    };
    for (const Case& c : data) {
        TbufAcceleratedPmt buffer(*settings);
        buffer.SetTransfer(Entered(100000, 360, 6, c.ExtraStart, 100));
        EXPECT_THROW_MSG(buffer.Calculate(), ECashScheduleException, c.Message);
        EXPECT_EQ(buffer.Transfer().NewPeriods, 0);
    }
}

TEST_F(AcceleratedPmtBufferTest, CopyValuesLeavesTheResults) {
    TbufAcceleratedPmt first(*settings);
    first.SetTransfer(Entered(100000, 360, 6, 1, 100));
    first.Calculate();
    TbufAcceleratedPmt second(*settings);
    second.CopyValuesFrom(first.Transfer());
    EXPECT_EQ(second.Transfer().ExtraAmount, 100);
    EXPECT_EQ(second.Transfer().ExtraStart, 1);
    EXPECT_EQ(second.Transfer().NewPeriods, 0);
    EXPECT_EQ(second.Transfer().InterestSaved, 0);
}

TEST_F(AcceleratedPmtBufferTest, LastEnteredKeys) {
    {
        TbufAcceleratedPmt buffer(*settings);
        TcalcAccPmtTransferRec rec = Entered(150000, 180, 5.5f, 13, 250);
        rec.Compounding.Index = 8;
        buffer.SetTransfer(rec);
        buffer.SaveLastEntered("AccelPayment");
    }
    settings.Reopen();
    testing::ExpectStoredKeys(*settings, "AccelPayment",
                              {{"lPVText", 150000},
                               {"lNumPmtsText", 180},
                               {"lRateText", 5.5L},
                               {"lIncAfterText", 13},
                               {"lExtraPdText", 250},
                               {"lPYRText", 5},
                               {"lCmpPYRText", 8},
                               {"lPmtMthdText", 0},
                               {"lAmortMthdText", 0}});
    TbufAcceleratedPmt buffer(*settings);
    buffer.LoadLastEntered("AccelPayment");
    EXPECT_EQ(buffer.Transfer().ExtraStart, 13);
    EXPECT_EQ(buffer.Transfer().Compounding.Text, "Quarterly");
}

// The start payment shows right-aligned in 9 characters ("%-24s %9d").
TEST_F(AcceleratedPmtBufferTest, ClipboardAndReportToTheCharacter) {
    TbufAcceleratedPmt buffer(*settings);
    buffer.SetTitle("Accelerated Payment Calculator 1");
    buffer.SetTransfer(Entered(100000, 360, 6, 1, 100));
    buffer.Calculate();
    EXPECT_EQ(buffer.ClipboardText(), "Accelerated Payment Calculator 1\r\n"
                                      "\r\n"
                                      "Amount of Loan?:              $100,000.00\r\n"
                                      "Total Periods? (#):                   360\r\n"
                                      "Annual Rate?:                       6.00%\r\n"
                                      "Increase Starts at Period? (#):         1\r\n"
                                      "Extra Amount Paid?:               $100.00\r\n"
                                      "Payment Period?:                  Monthly\r\n"
                                      "Compounding Period?:              Monthly\r\n"
                                      "Payment Method?:                  Arrears\r\n"
                                      "Amortizing Method?:                Normal\r\n"
                                      "Periods To Pay Off:                   252\r\n"
                                      "Total Interest Saved:          $39,900.41\r\n");

    // A 32-character title centred on column 51 starts at column 35.
    const std::string expected =
        std::string(8, '\n') + std::string(35, ' ') + "Accelerated Payment Calculator 1\n\n" +
        ReportRow("Amount of Loan?:", "$100,000.00") + ReportRow("Total Periods? (#):", "360") +
        ReportRow("Annual Rate?:", "6.0000%") + ReportRow("Increase Starts at Period? (#):", "1") +
        ReportRow("Extra Amount Paid?:", "$100.00") + ReportRow("Payment Period?:", "Monthly") +
        ReportRow("Compounding Period?:", "Monthly") + ReportRow("Payment Method?:", "Arrears") +
        ReportRow("Amortizing Method?:", "Normal") + ReportRow("Periods To Pay Off:", "252") +
        ReportRow("Total Interest Saved:", "$39,900.41");
    EXPECT_EQ(buffer.ReportText(), expected);
}

} // namespace
} // namespace calvora
