#include "calculators/buf_loan.h"
#include "calculators/buf_test_settings.h"
#include "calculators/report_text_renderer.h"
#include "finance/finance_errors.h"
#include "persistence/app_info_fields.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::ReportRow;

class LoanBufferTest : public ::testing::Test {
protected:
    TcalcLoanTransferRec Entered(Extended amount, std::int16_t periods, float rate,
                                 Extended payment) {
        TcalcLoanTransferRec rec;
        rec.Amount = amount;
        rec.Periods = periods;
        rec.AnnualRate = rate;
        rec.Payment = payment;
        return rec;
    }

    testing::TBufferSettings settings;
};

TEST_F(LoanBufferTest, NewBufferShowsThePublishersValues) {
    TbufLoan buffer(*settings);
    TcalcLoanTransferRec shown;
    TcalcLoanOptionsTransferRec options;
    buffer.GetTexts(shown, options);
    buffer.GetTransfer(shown);
    buffer.GetOptions(options);

    EXPECT_EQ(shown.Labels.size(), 10u);
    EXPECT_EQ(shown.Labels[0], "&Amount of Loan?:");
    EXPECT_EQ(shown.Labels[9], "The assumed loan date is:");
    EXPECT_EQ(shown.Amount, 0);
    EXPECT_EQ(shown.Periods, 0);
    EXPECT_EQ(shown.AnnualRate, 0);
    EXPECT_EQ(shown.Payment, 0);
    EXPECT_EQ(shown.PaymentPeriod.Text, "Monthly");
    EXPECT_EQ(shown.PaymentPeriod.Items.size(), 11u);
    EXPECT_EQ(shown.Compounding.Text, "Monthly");
    EXPECT_EQ(shown.Compounding.Items.size(), 13u);
    EXPECT_EQ(shown.PaymentMethod.Text, "Arrears");
    EXPECT_EQ(shown.AmortMethod.Text, "Normal");
    EXPECT_EQ(shown.AmortMethod.Items.size(), 6u);
    EXPECT_EQ(options.Labels.size(), 5u);
    EXPECT_TRUE(options.LastEntered);
    EXPECT_TRUE(options.Publishers);
    EXPECT_FALSE(options.Defaults || options.Local || options.Global);
    EXPECT_EQ(buffer.LastSolved(), 0);
}

// Expected figures: 100000 at 6 % over 360 months pays 599.55 (P i / (1 - (1 + i)^-n),
// i = 0.005); 10000 at 8 % over 60 months pays 202.76. The total interest adds the
// monthly interest, each rounded to cents, with the last payment clearing the balance
// (python3 decimal: 115838.45 and 2165.92).
TEST_F(LoanBufferTest, SolvesTheZeroValue) {
    struct Case {
        Extended Amount;
        std::int16_t Periods;
        float Rate;
        Extended Payment;
        std::uint8_t Solved;
        double Expected;
        double Tolerance;
    } const data[] = {
        {100000, 360, 6, 0, 4, 599.55, 0.001},   {10000, 60, 8, 0, 4, 202.76, 0.001},
        {0, 360, 6, 599.55, 1, 100000, 1.0},     {100000, 0, 6, 599.55, 2, 360, 0},
        {100000, 360, 0, 599.55, 3, 6.0, 0.001},
    };
    for (const Case& c : data) {
        TbufLoan buffer(*settings);
        const TcalcLoanTransferRec shown =
            testing::CalcAndShow(buffer, Entered(c.Amount, c.Periods, c.Rate, c.Payment));
        EXPECT_EQ(buffer.LastSolved(), c.Solved) << c.Expected;
        const double solved[] = {0, static_cast<double>(shown.Amount),
                                 static_cast<double>(shown.Periods), shown.AnnualRate,
                                 static_cast<double>(shown.Payment)};
        EXPECT_NEAR(solved[c.Solved], c.Expected, c.Tolerance) << static_cast<int>(c.Solved);
        EXPECT_GT(shown.TotalInterest, 0);
    }
}

TEST_F(LoanBufferTest, TotalInterestOfTheSchedule) {
    TbufLoan buffer(*settings);
    buffer.SetTransfer(Entered(100000, 360, 6, 0));
    buffer.Calculate();
    EXPECT_NEAR(static_cast<double>(buffer.Transfer().TotalInterest), 115838.45, 0.005);
}

TEST_F(LoanBufferTest, SecondCalcSolvesTheSameValueAgain) {
    TbufLoan buffer(*settings);
    TcalcLoanTransferRec shown = testing::CalcAndShow(buffer, Entered(10000, 60, 8, 0));
    ASSERT_NEAR(static_cast<double>(shown.Payment), 202.76, 0.001);

    // No value is zero now: the payment is solved again for the new amount
    // (20000 at 8 % over 60 months: 405.53).
    shown.Amount = 20000;
    shown = testing::CalcAndShow(buffer, shown);
    EXPECT_EQ(buffer.LastSolved(), 4);
    EXPECT_NEAR(static_cast<double>(shown.Payment), 405.53, 0.001);
}

TEST_F(LoanBufferTest, FailedCalcKeepsTheEnteredValuesForUndo) {
    TbufLoan buffer(*settings);
    buffer.SetTransfer(Entered(10000, 60, 8, 0));
    buffer.Calculate();
    TcalcLoanTransferRec edited;
    buffer.GetTransfer(edited);
    const Extended interest = edited.TotalInterest;
    edited.Amount = 0;
    edited.Payment = 0;
    buffer.SetTransfer(edited);
    EXPECT_THROW_MSG(buffer.Calculate(), ECashScheduleException,
                     "Too many unknowns. Enter only one zero value.");

    TcalcLoanTransferRec undone;
    buffer.GetTransfer(undone);
    EXPECT_EQ(undone.Amount, 0);
    EXPECT_EQ(undone.Periods, 60);
    EXPECT_EQ(undone.Payment, 0);
    EXPECT_EQ(undone.TotalInterest, interest);
    EXPECT_EQ(buffer.LastSolved(), 4);
}

TEST_F(LoanBufferTest, TransferCopiesIndicesAndTextsOneWay) {
    TbufLoan buffer(*settings);
    TcalcLoanTransferRec entered = Entered(5000, 12, 5, 0);
    entered.PaymentPeriod.Index = 10;
    entered.PaymentPeriod.Text = "Annually";
    entered.AmortMethod.Index = 5;
    entered.AmortMethod.Text = "Rule of 78's";
    entered.Labels = {"changed"};
    buffer.SetTransfer(entered);
    EXPECT_EQ(buffer.Transfer().PaymentPeriod.Text, "Annually");
    EXPECT_EQ(buffer.Transfer().Labels[0], "&Amount of Loan?:");

    TcalcLoanTransferRec shown;
    shown.PaymentPeriod.Text = "untouched";
    buffer.GetTransfer(shown);
    EXPECT_EQ(shown.PaymentPeriod.Index, 10);
    EXPECT_EQ(shown.AmortMethod.Index, 5);
    EXPECT_EQ(shown.Amount, 5000);
}

// Clipboard lines typed from their formats: "%-24s %16.2m", "%-24s %16d",
// "%-24s %15.2n%1s", "%-24s %16s"; labels without their first "&".
TEST_F(LoanBufferTest, ClipboardTextToTheCharacter) {
    TbufLoan buffer(*settings);
    buffer.SetTitle("Loan Calculator 1");
    buffer.SetTransfer(Entered(100000, 360, 6, 0));
    buffer.Calculate();

    const std::string expected = "Loan Calculator 1\r\n"
                                 "\r\n"
                                 "Amount of Loan?:              $100,000.00\r\n"
                                 "Total Periods? (#):                   360\r\n"
                                 "Annual Rate?:                       6.00%\r\n"
                                 "Periodic Payment?:                $599.55\r\n"
                                 "Payment Period?:                  Monthly\r\n"
                                 "Compounding Period?:              Monthly\r\n"
                                 "Payment Method?:                  Arrears\r\n"
                                 "Amortizing Method?:                Normal\r\n"
                                 "Interest For Term:            $115,838.45\r\n";
    EXPECT_EQ(buffer.ClipboardText(), expected);

    struct Clipboard : ICalcClipboard {
        std::string Text;
        void SetText(const std::string& text) override { Text = text; }
    } clipboard;
    buffer.CopyToClipboard(clipboard);
    EXPECT_EQ(clipboard.Text, expected);
}

// The report at 10 points: 12 characters per inch, 6 lines per inch. The title is
// centred on 4.25" on the line at 1.5"; the label column starts at 2.27" (column 27),
// the value column ends at 6.23" (column 75); the rate shows four decimals.
TEST_F(LoanBufferTest, ReportTextToTheCharacter) {
    TbufLoan buffer(*settings);
    buffer.SetTitle("Loan Calculator 1");
    buffer.SetTransfer(Entered(100000, 360, 6, 0));
    buffer.Calculate();

    const std::string expected =
        std::string(8, '\n') + std::string(43, ' ') +
        "Loan Calculator 1\n"
        "\n" +
        ReportRow("Amount of Loan?:", "$100,000.00") + ReportRow("Total Periods? (#):", "360") +
        ReportRow("Annual Rate?:", "6.0000%") + ReportRow("Periodic Payment?:", "$599.55") +
        ReportRow("Payment Period?:", "Monthly") + ReportRow("Compounding Period?:", "Monthly") +
        ReportRow("Payment Method?:", "Arrears") + ReportRow("Amortizing Method?:", "Normal") +
        ReportRow("Interest For Term:", "$115,838.45");
    EXPECT_EQ(buffer.ReportText(), expected);

    const std::vector<TReportPage> pages = buffer.ReportPages();
    ASSERT_EQ(pages.size(), 1u);
    const TReportText& title = pages[0].Texts.at(0);
    EXPECT_EQ(title.Text, "Loan Calculator 1");
    EXPECT_EQ(title.Align, TReportAlign::Center);
    EXPECT_DOUBLE_EQ(title.X, 4.25);
    EXPECT_DOUBLE_EQ(title.Y, 1.5);
    EXPECT_TRUE(title.Font.Bold);
    const TReportText& amount = pages[0].Texts.at(2);
    EXPECT_EQ(amount.Text, "     $100,000.00");
    EXPECT_EQ(amount.Align, TReportAlign::Right);
    EXPECT_NEAR(amount.X, 6.23, 1e-9);
    EXPECT_FALSE(amount.Font.Bold);
    EXPECT_EQ(amount.Font.Name, "Courier New");
}

TEST_F(LoanBufferTest, ReportColumnsFollowThePrinterFont) {
    settings->Set(appkeys::PrinterFontSize, 12);
    settings->Set(appkeys::PrinterFontName, "Liberation Mono");
    TbufLoan buffer(*settings);
    buffer.SetTitle("Loan Calculator 2");
    const std::vector<TReportPage> pages = buffer.ReportPages();
    const TReportText& label = pages[0].Texts.at(1);
    EXPECT_NEAR(label.X, 4.25 - 2.5 + 0.02, 1e-9);
    EXPECT_EQ(label.Font.Name, "Liberation Mono");
    EXPECT_EQ(label.Font.Size, 12);

    struct Output : ICalcReportOutput {
        std::string Printer, Title;
        std::size_t Pages = 0;
        void PrintReport(const std::vector<TReportPage>& pages, const TReportPrinterConfig& config,
                         const std::string& printer, const std::string& title) override {
            Pages = pages.size();
            Printer = printer;
            Title = title;
            EXPECT_EQ(config.LinesPerInch, 6);
            EXPECT_EQ(config.Copies, 1);
        }
    } output;
    settings->Set(appkeys::DefaultPrinter, "Office Laser");
    buffer.Print(output);
    EXPECT_EQ(output.Pages, 1u);
    EXPECT_EQ(output.Printer, "Office Laser");
    EXPECT_EQ(output.Title, "Loan Calculator 2");
}

TEST_F(LoanBufferTest, PlainTextFunctionsMatchTheBuffer) {
    TbufLoan buffer(*settings);
    buffer.SetTitle("Loan Calculator 1");
    buffer.SetTransfer(Entered(100000, 360, 6, 0));
    buffer.Calculate();
    EXPECT_EQ(CalculatorClipboardText<TbufLoan>(buffer.Transfer(), "Loan Calculator 1"),
              buffer.ClipboardText());
    EXPECT_EQ(CalculatorReportText<TbufLoan>(buffer.Transfer(), "Loan Calculator 1"),
              buffer.ReportText());
}

} // namespace
} // namespace calvora
