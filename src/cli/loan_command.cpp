#include "calculators/loan_equation.h"
#include "cli/cli_command.h"
#include "cli/commands.h"

namespace calvora::cli {

namespace {

OptionSet LoanOptions()
{
    std::vector<OptionSpec> specs{
        {"amount", "MONEY", "amount of the loan"},
        {"periods", "COUNT", "total number of payments"},
        {"rate", "PERCENT", "annual rate in percent (6 means 6 %)"},
        {"payment", "MONEY", "periodic payment"},
    };
    for (auto& spec : LoanSettingOptions())
        specs.push_back(spec);
    return OptionSet("loan",
                     "Solves a plain loan for the one value given as 0 or left out: amount,\n"
                     "number of payments, annual rate or periodic payment.",
                     specs);
}

} // namespace

int RunLoanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    OptionSet options = LoanOptions();
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended amount = options.Number("amount");
        const std::int32_t periods = CountOption(options, "periods");
        const Extended rate = options.Number("rate");
        const Extended payment = options.Number("payment");
        const LoanSettings settings = ReadLoanSettings(options);

        TequLoan loan;
        loan.Calculate(amount, periods, static_cast<double>(rate / 100), payment,
                       settings.PaymentFrequency, settings.Compounding, settings.Timing,
                       settings.Method, settings.LoanDate, settings.DaysPerYear);

        ResultReport report("loan");
        report.AddInput("amount", MoneyValue(amount));
        report.AddInput("periods", CountValue(periods));
        report.AddInput("rate", RateValue(rate));
        report.AddInput("payment", MoneyValue(payment));
        ReportLoanSettings(report, settings);
        const int solved = loan.SolvedFor;
        // A solved rate comes back in percent, a given one stays a fraction.
        const Extended ratePercent = solved == 3 ? loan.AnnualRate : loan.AnnualRate * 100.0L;
        report.AddOutput("amount", "Amount of Loan", MoneyValue(loan.Amount), solved == 1);
        report.AddOutput("periods", "Total Periods (#)", CountValue(loan.Periods), solved == 2);
        report.AddOutput("rate", "Annual Rate", RateValue(ratePercent), solved == 3);
        report.AddOutput("payment", "Periodic Payment", MoneyValue(loan.Payment), solved == 4);
        report.AddOutput("total_interest", "Interest For Term", MoneyValue(loan.TotalInterest));
        report.SetSolvedFor(SolvedForKey(solved));
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
