#include "calculators/buf_automobile_loan.h"
#include "calculators/buf_mortgage_loan.h"
#include "calculators/buf_test_settings.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

class PurchaseLoanBufferTest : public ::testing::Test {
protected:
    static TPurchaseLoanTransfer Entered(Extended price, Extended downPayment, Extended downPercent,
                                         Extended amount, std::int32_t periods, float rate,
                                         Extended payment) {
        TPurchaseLoanTransfer rec;
        rec.Price = price;
        rec.DownPayment = downPayment;
        rec.DownPercent = downPercent;
        rec.Amount = amount;
        rec.Periods = periods;
        rec.AnnualRate = rate;
        rec.Payment = payment;
        return rec;
    }

    testing::TBufferSettings settings;
};

// Expected figures (python3, decimal, monthly interest rounded to cents, last payment
// clearing the balance): 20000 at 7 % over 60 months pays 396.02 with 3761.48 interest;
// 200000 at 6.5 % over 360 months pays 1264.14 with 255085.82 interest.
TEST_F(PurchaseLoanBufferTest, AutomobileLoanLessCashDown) {
    struct Case {
        TPurchaseLoanTransfer In;
        std::uint8_t Solved;
        double Amount, Payment, DownPercent, Interest;
    } const data[] = {
        {Entered(25000, 5000, 0, 0, 60, 7, 0), 4, 20000, 396.02, 20.0, 3761.48},
        {Entered(0, 0, 0, 20000, 60, 7, 0), 4, 20000, 396.02, 0.0, 3761.48},
    };
    for (const Case& c : data) {
        TbufAutomobileLoan buffer(*settings);
        const TPurchaseLoanTransfer shown = testing::CalcAndShow(buffer, c.In);
        EXPECT_EQ(buffer.LastSolved(), c.Solved);
        EXPECT_NEAR(static_cast<double>(shown.Amount), c.Amount, 0.001);
        EXPECT_NEAR(static_cast<double>(shown.Payment), c.Payment, 0.001);
        EXPECT_NEAR(static_cast<double>(shown.DownPercent), c.DownPercent, 1e-9);
        EXPECT_NEAR(static_cast<double>(shown.TotalInterest), c.Interest, 0.005);
        EXPECT_NEAR(static_cast<double>(shown.TotalPaid), c.Amount + c.Interest, 0.005);
    }
}

TEST_F(PurchaseLoanBufferTest, MortgageLessPercentDown) {
    TbufMortgageLoan buffer(*settings);
    const TPurchaseLoanTransfer shown =
        testing::CalcAndShow(buffer, Entered(250000, 0, 20, 0, 360, 6.5f, 0));
    EXPECT_EQ(buffer.LastSolved(), 4);
    EXPECT_NEAR(static_cast<double>(shown.Amount), 200000, 0.001);
    EXPECT_NEAR(static_cast<double>(shown.DownPayment), 50000, 0.001);
    EXPECT_NEAR(static_cast<double>(shown.DownPercent), 20, 1e-9);
    EXPECT_NEAR(static_cast<double>(shown.Payment), 1264.14, 0.001);
    // Interest this large must keep its cents.
    EXPECT_NEAR(static_cast<double>(shown.TotalInterest), 255085.82, 0.005);
    EXPECT_NEAR(static_cast<double>(shown.TotalPaid), 455085.82, 0.005);
}

TEST_F(PurchaseLoanBufferTest, MortgageSolvesTheRateInPercent) {
    TbufMortgageLoan buffer(*settings);
    buffer.SetTransfer(Entered(250000, 0, 20, 0, 360, 0, 1264.14L));
    buffer.Calculate();
    EXPECT_EQ(buffer.LastSolved(), 3);
    EXPECT_NEAR(buffer.Transfer().AnnualRate, 6.5, 0.001);
}

TEST_F(PurchaseLoanBufferTest, ErrorsLeaveTheResults) {
    TbufAutomobileLoan automobile(*settings);
    automobile.SetTransfer(Entered(25000, 5000, 0, 0, 0, 7, 0));
    EXPECT_THROW_MSG(automobile.Calculate(), ECashScheduleException,
                     "Too many unknowns. Enter only one zero value.");
    EXPECT_EQ(automobile.LastSolved(), 0);
    EXPECT_EQ(automobile.Transfer().Amount, 0);

    TbufMortgageLoan mortgage(*settings);
    mortgage.SetTransfer(Entered(0, 0, 100, 0, 360, 6.5f, 1000));
    EXPECT_THROW_MSG(mortgage.Calculate(), ECashScheduleException, "Invalid inputs.");
    EXPECT_EQ(mortgage.Transfer().DownPayment, 0);
}

TEST_F(PurchaseLoanBufferTest, SettingsKeysOfBothKinds) {
    TPurchaseLoanTransfer rec = Entered(30000, 6000, 20, 24000, 48, 5.5f, 551.96L);
    rec.TotalInterest = 2494.08L;
    rec.TotalPaid = 26494.08L;
    rec.AmortMethod.Index = 2;
    {
        TbufAutomobileLoan automobile(*settings);
        automobile.SetTransfer(rec);
        automobile.SaveLastEntered("AutoMobile");
        TbufMortgageLoan mortgage(*settings);
        mortgage.SetTransfer(rec);
        mortgage.SaveLastEntered("Mortgage");
    }
    settings.Reopen();
    struct Key {
        const char* Section;
        const char* Name;
        Extended Value;
    } const keys[] = {
        {"AutoMobile", "CarPriceValue", 30000},
        {"Mortgage", "PriceValue", 30000},
        {"Mortgage", "DownPaymentValue", 6000},
        {"Mortgage", "lRateText", 5.5L},
        {"Mortgage", "LoanAmountValue", 24000},
        {"Mortgage", "ScheduledPeriodValue", 48},
        {"Mortgage", "PmtValue", 551.96L},
        {"Mortgage", "InterestValue", 2494.08L},
        {"Mortgage", "TotalPrincipalInterestValue", 26494.08L},
        {"Mortgage", "DownPaymentPercentageValue", 20},
        {"Mortgage", "lPYRText", 5},
        {"Mortgage", "lCmpPYRText", 6},
        {"Mortgage", "lPmtMthdText", 0},
        {"AutoMobile", "lAmortMthdText", 2},
    };
    for (const Key& key : keys)
        EXPECT_EQ(settings->ReadFloat(key.Section, key.Name, -1), key.Value) << key.Name;
    EXPECT_EQ(settings->ReadString("AutoMobile", "PriceValue", "none"), "none");

    TbufAutomobileLoan automobile(*settings);
    automobile.LoadLastEntered("AutoMobile");
    TPurchaseLoanTransfer shown;
    automobile.GetTransfer(shown);
    EXPECT_EQ(shown.Price, 30000);
    EXPECT_EQ(shown.Periods, 48);
    EXPECT_EQ(shown.TotalPaid, 26494.08L);
    EXPECT_EQ(shown.AmortMethod.Index, 2);
}

TEST_F(PurchaseLoanBufferTest, SecondWindowStartsFromTheLatestCalculation) {
    TbufAutomobileLoan first(*settings);
    TPurchaseLoanTransfer rec = Entered(25000, 5000, 0, 0, 60, 7, 0);
    rec.AmortMethod.Index = 1;
    rec.PaymentMethod.Index = 1;
    first.SetTransfer(rec);
    first.Calculate();
    LastAutomobileCalculation.Set(first.Transfer());

    TbufAutomobileLoan second(*settings);
    OpenCalculatorValues(second, "AutoMobile", LastAutomobileCalculation.Get());
    EXPECT_EQ(second.Transfer().AmortMethod.Index, 1);
    EXPECT_EQ(second.Transfer().PaymentMethod.Index, 1);
    EXPECT_EQ(second.Transfer().PaymentMethod.Text, "Advance");
    EXPECT_EQ(second.Transfer().Payment, first.Transfer().Payment);
    EXPECT_EQ(second.Transfer().DownPercent, first.Transfer().DownPercent);
    LastAutomobileCalculation.Release(first.Transfer());
}

// Clipboard formats: money "%-24s %16.2m", count "%-24s %16d", rates "%-24s %15.4n%1s",
// choices "%-24s %16s", total paid "%-24s %13.2m".
TEST_F(PurchaseLoanBufferTest, AutomobileClipboardTextToTheCharacter) {
    TbufAutomobileLoan buffer(*settings);
    buffer.SetTitle("Automobile Loan Calculator - Cash Down 1");
    buffer.SetTransfer(Entered(25000, 5000, 0, 0, 60, 7, 0));
    buffer.Calculate();
    const std::string expected = "Automobile Loan Calculator - Cash Down 1\r\n"
                                 "\r\n"
                                 "Price of Car?:                 $25,000.00\r\n"
                                 "Down Payment Amount?:           $5,000.00\r\n"
                                 "Amount of Loan?:               $20,000.00\r\n"
                                 "Number of Payments?:                   60\r\n"
                                 "Annual Interest Rate?:            7.0000%\r\n"
                                 "Periodic Payment?:                $396.02\r\n"
                                 "Payment Period?:                  Monthly\r\n"
                                 "Compounding Period?:              Monthly\r\n"
                                 "Payment Method?:                  Arrears\r\n"
                                 "Amortizing Method?:                Normal\r\n"
                                 "Total Interest:                 $3,761.48\r\n"
                                 "Total Principal & Interest:    $23,761.48\r\n"
                                 "Down Payment Percent:            20.0000%\r\n";
    EXPECT_EQ(buffer.ClipboardText(), expected);
}

// Mortgage order: price, down percent, loan ... total paid, down payment amount last.
TEST_F(PurchaseLoanBufferTest, MortgageReportTextToTheCharacter) {
    TbufMortgageLoan buffer(*settings);
    buffer.SetTitle("Mortgage Loan Calculator - Percent Down 1");
    buffer.SetTransfer(Entered(250000, 0, 20, 0, 360, 6.5f, 0));
    buffer.Calculate();
    // A 41-character title centred on column 51 starts at column 30.5, drawn at 31.
    const std::string expected =
        std::string(8, '\n') + std::string(31, ' ') +
        "Mortgage Loan Calculator - Percent Down 1\n\n" +
        ReportRow("Price of Real Estate?:", "$250,000.00") +
        ReportRow("Down Payment Percent:", "20.0000%") +
        ReportRow("Amount of Loan?:", "$200,000.00") + ReportRow("Number of Payments?:", "360") +
        ReportRow("Annual Interest Rate?:", "6.5000%") +
        ReportRow("Periodic Payment?:", "$1,264.14") + ReportRow("Payment Period?:", "Monthly") +
        ReportRow("Compounding Period?:", "Monthly") + ReportRow("Payment Method?:", "Arrears") +
        ReportRow("Amortizing Method?:", "Normal") + ReportRow("Total Interest:", "$255,085.82") +
        ReportRow("Total Principal & Interest:", "$455,085.82") +
        ReportRow("Down Payment Amount?:", "$50,000.00");
    EXPECT_EQ(buffer.ReportText(), expected);
}

} // namespace
} // namespace calvora
