#include "calculators/buf_mortgage_loan.h"
#include "calculators/loan_equation.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/commands.h"
#include "cli/loan_values.h"

namespace calvora::cli {

int RunMortgageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<OptionSpec> decls = Joined(
        Joined({{"price", "MONEY", "price of the real estate"},
                {"down-percent", "PERCENT", "down payment in percent of the price (20 = 20 %)"}},
               LoanValueOptions("amount of the loan (price less the down payment)")),
        Joined(LoanSettingOptions(), CalcTextOptions()));
    OptionSet options("mortgage",
                      "A mortgage: the price less a percentage down, financed.\n"
                      "Solves the value given as 0 or left out; with none, the payment.",
                      decls);
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended price = options.Number("price");
        const Extended downPercent = options.Number("down-percent");
        const LoanValues values = ReadLoanValues(options);
        const LoanSettings settings = ReadLoanSettings(options);

        TequLoanLessPctDown loan;
        loan.Calculate(static_cast<double>(price), static_cast<double>(downPercent / 100),
                       values.Amount, values.Periods, static_cast<double>(values.RatePercent / 100),
                       values.Payment, settings.PaymentFrequency, settings.Compounding,
                       settings.Timing, settings.Method, settings.LoanDate, settings.DaysPerYear);

        auto rec =
            LoanRecord<TcalcMortgageLoanTransferClass>(loan, loan.AnnualRate * 100.0L, settings);
        rec.TotalPaid = loan.TotalPaid;
        rec.Price = loan.Price;
        rec.DownPayment = loan.DownPayment;
        rec.DownPercent = loan.DownFraction * 100.0L;
        if (WriteCalcText<TbufMortgageLoan>(result, options, rec, "Mortgage Loan Calculator"))
            return;

        ResultReport report("mortgage");
        report.AddInput("price", MoneyValue(price));
        report.AddInput("down_percent", RateValue(downPercent));
        ReportLoanInputs(report, values);
        ReportLoanSettings(report, settings);
        report.AddOutput("price", "Price of Real Estate", MoneyValue(loan.Price));
        report.AddOutput("down_percent", "Down Payment Percent",
                         RateValue(loan.DownFraction * 100.0L));
        report.AddOutput("down_payment", "Down Payment Amount", MoneyValue(loan.DownPayment));
        // The mortgage keeps its rate a fraction, solved or not.
        ReportLoanOutputs(report, loan, loan.AnnualRate * 100.0L);
        report.AddOutput("total_paid", "Total Principal & Interest", MoneyValue(loan.TotalPaid));
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
