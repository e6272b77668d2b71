#include "calculators/buf_remaining_balance.h"
#include "calculators/buf_test_settings.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

TcalcRemBalTransferRec Entered(Extended amount, std::int16_t periods, float rate,
                               std::int16_t balanceAfter, Extended payment = 0) {
    TcalcRemBalTransferRec rec;
    rec.Amount = amount;
    rec.Periods = periods;
    rec.AnnualRate = rate;
    rec.BalanceAfter = balanceAfter;
    rec.Payment = payment;
    return rec;
}

class RemainingBalanceBufferTest : public ::testing::Test {
protected:
    testing::TBufferSettings settings;
};

// python3, decimal, monthly interest rounded to cents: 100000 at 6 % over 360 months
// pays 599.55 and owes 93054.37 after payment 60 (the unrounded closed form gives
// 93054.39); 10000 at 8 % over 60 months pays 202.76 and owes 201.74 after payment 59.
TEST_F(RemainingBalanceBufferTest, PaymentAndBalanceAreAlwaysFound) {
    struct Case {
        TcalcRemBalTransferRec In;
        double Payment, Balance;
    } const data[] = {
        {Entered(100000, 360, 6, 60), 599.55, 93054.37},
        {Entered(100000, 360, 6, 60, 1234.56L), 599.55, 93054.37},
        {Entered(10000, 60, 8, 59), 202.76, 201.74},
    };
    for (const Case& c : data) {
        TbufRemainingBalance buffer(*settings);
        const TcalcRemBalTransferRec shown = testing::CalcAndShow(buffer, c.In);
        EXPECT_NEAR(static_cast<double>(shown.Payment), c.Payment, 0.001);
        EXPECT_NEAR(static_cast<double>(shown.Balance), c.Balance, 0.005);
        EXPECT_EQ(buffer.LastSolved(), 0);
    }
}

TEST_F(RemainingBalanceBufferTest, Errors) {
    struct Case {
        TcalcRemBalTransferRec In;
        const char* Message;
    } const data[] = {
        {Entered(100000, 360, 6, 360),
         "Total periods must be greater than remaining balance period"},
        {Entered(100000, 0, 6, 60), "Too many unknowns. Enter only one zero value."},
    };
    for (const Case& c : data) {
        TbufRemainingBalance buffer(*settings);
        buffer.SetTransfer(c.In);
        EXPECT_THROW_MSG(buffer.Calculate(), ECalvoraError, c.Message);
        EXPECT_EQ(buffer.Transfer().Balance, 0);
    }
}

TEST_F(RemainingBalanceBufferTest, LastEnteredKeysAndCopiedResults) {
    TbufRemainingBalance first(*settings);
    first.SetTransfer(Entered(100000, 360, 6, 60));
    first.Calculate();
    first.SaveLastEntered("RemainBalCalc");
    settings.Reopen();
    testing::ExpectStoredKeys(*settings, "RemainBalCalc",
                              {{"lPVText", 100000},
                               {"lNumPmtsText", 360},
                               {"lRateText", 6},
                               {"lBalAfterText", 60},
                               {"lPYRText", 5},
                               {"lCmpPYRText", 6},
                               {"lPmtMthdText", 0},
                               {"lAmortMthdText", 0}});

    TbufRemainingBalance second(*settings);
    second.CopyValuesFrom(first.Transfer());
    EXPECT_EQ(second.Transfer().Balance, first.Transfer().Balance);
    EXPECT_EQ(second.Transfer().Payment, first.Transfer().Payment);
}

TEST_F(RemainingBalanceBufferTest, ClipboardAndReportToTheCharacter) {
    TbufRemainingBalance buffer(*settings);
    buffer.SetTitle("Remaining Balance Calculator 1");
    buffer.SetTransfer(Entered(100000, 360, 6, 60));
    buffer.Calculate();
    EXPECT_EQ(buffer.ClipboardText(), "Remaining Balance Calculator 1\r\n"
                                      "\r\n"
                                      "Amount of Loan?:              $100,000.00\r\n"
                                      "Total Periods? (#):                   360\r\n"
                                      "Annual Rate?:                       6.00%\r\n"
                                      "Balance AFTER Payment? (#):            60\r\n"
                                      "Payment Period?:                  Monthly\r\n"
                                      "Compounding Period?:              Monthly\r\n"
                                      "Payment Method?:                  Arrears\r\n"
                                      "Amortizing Method?:                Normal\r\n"
                                      "Remaining Balance:             $93,054.37\r\n"
                                      "Periodic Payment:                 $599.55\r\n");

    // A 30-character title centred on column 51 starts at column 36.
    const std::string expected =
        std::string(8, '\n') + std::string(36, ' ') + "Remaining Balance Calculator 1\n\n" +
        ReportRow("Amount of Loan?:", "$100,000.00") + ReportRow("Total Periods? (#):", "360") +
        ReportRow("Annual Rate?:", "6.0000%") + ReportRow("Balance AFTER Payment? (#):", "60") +
        ReportRow("Payment Period?:", "Monthly") + ReportRow("Compounding Period?:", "Monthly") +
        ReportRow("Payment Method?:", "Arrears") + ReportRow("Amortizing Method?:", "Normal") +
        ReportRow("Remaining Balance:", "$93,054.37") + ReportRow("Periodic Payment:", "$599.55");
    EXPECT_EQ(buffer.ReportText(), expected);
}

} // namespace
} // namespace calvora
