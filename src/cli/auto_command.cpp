#include "calculators/buf_automobile_loan.h"
#include "calculators/loan_equation.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/commands.h"
#include "cli/loan_values.h"

namespace calvora::cli {

int RunAutoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<OptionSpec> decls =
        Joined(Joined({{"price", "MONEY", "price of the car"},
                       {"down-payment", "MONEY", "cash down payment"}},
                      LoanValueOptions("amount of the loan (price less down payment)")),
               Joined(LoanSettingOptions(), CalcTextOptions()));
    OptionSet options("auto",
                      "An automobile loan: the price less a cash down payment, financed.\n"
                      "Solves the value given as 0 or left out; with none, the payment.",
                      decls);
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended price = options.Number("price");
        const Extended downPayment = options.Number("down-payment");
        const LoanValues values = ReadLoanValues(options);
        const LoanSettings settings = ReadLoanSettings(options);

        TequLoanLessDownPayment loan;
        loan.Calculate(price, downPayment, values.Amount, values.Periods,
                       static_cast<double>(values.RatePercent / 100), values.Payment,
                       settings.PaymentFrequency, settings.Compounding, settings.Timing,
                       settings.Method, settings.LoanDate, settings.DaysPerYear);

        // A solved rate comes back in percent; a given one stays a fraction.
        const Extended ratePercent =
            loan.SolvedFor == 3 ? loan.AnnualRate : loan.AnnualRate * 100.0L;
        auto rec = LoanRecord<TcalcAutomobileLoanTransferClass>(loan, ratePercent, settings);
        rec.TotalPaid = loan.TotalPaid;
        rec.Price = loan.Price;
        rec.DownPayment = loan.DownPayment;
        rec.DownPercent = loan.DownPercent;
        if (WriteCalcText<TbufAutomobileLoan>(result, options, rec, "Automobile Loan Calculator"))
            return;

        ResultReport report("auto");
        report.AddInput("price", MoneyValue(price));
        report.AddInput("down_payment", MoneyValue(downPayment));
        ReportLoanInputs(report, values);
        ReportLoanSettings(report, settings);
        report.AddOutput("price", "Price of Car", MoneyValue(loan.Price));
        report.AddOutput("down_payment", "Down Payment Amount", MoneyValue(loan.DownPayment));
        ReportLoanOutputs(report, loan, ratePercent);
        report.AddOutput("total_paid", "Total Principal & Interest", MoneyValue(loan.TotalPaid));
        report.AddOutput("down_percent", "Down Payment Percent", RateValue(loan.DownPercent));
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
