#include "calculators/remaining_balance_equation.h"
#include "cli/cli_command.h"
#include "cli/commands.h"

namespace calvora::cli {

int RunRemainingBalanceCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
    OptionSet options("remaining-balance",
                      "The balance still owed after a given payment, and the periodic payment.",
                      Joined({{"amount", "MONEY", "amount of the loan"},
                              {"periods", "COUNT", "total number of payments"},
                              {"rate", "PERCENT", "annual rate in percent"},
                              {"balance-after", "COUNT",
                               "payment number after which the balance "
                               "is wanted"}},
                             LoanSettingOptions()));
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended amount = options.Number("amount");
        const std::int32_t periods = CountOption(options, "periods");
        const Extended rate = options.Number("rate");
        const std::int32_t balanceAfter = CountOption(options, "balance-after");
        const LoanSettings settings = ReadLoanSettings(options);

        TequRemainingBalance loan;
        loan.Calculate(amount, periods, rate, balanceAfter, settings.PaymentFrequency,
                       settings.Compounding, settings.Timing, settings.Method, settings.LoanDate,
                       settings.DaysPerYear);

        ResultReport report("remaining-balance");
        report.AddInput("amount", MoneyValue(amount));
        report.AddInput("periods", CountValue(periods));
        report.AddInput("rate", RateValue(rate));
        report.AddInput("balance_after", CountValue(balanceAfter));
        ReportLoanSettings(report, settings);
        report.AddOutput("payment", "Periodic Payment", MoneyValue(loan.Payment), true);
        report.AddOutput("balance", "Remaining Balance", MoneyValue(loan.Balance), true);
        report.SetSolvedFor("balance");
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
