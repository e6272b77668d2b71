#include "calculators/buf_remaining_balance.h"
#include "calculators/remaining_balance_equation.h"
#include "cli/calc_text.h"
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
                             Joined(LoanSettingOptions(), CalcTextOptions())));
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

        TcalcRemBalTransferRec rec;
        rec.Amount = amount;
        rec.Periods = static_cast<std::int16_t>(periods);
        rec.AnnualRate = static_cast<float>(rate);
        rec.BalanceAfter = static_cast<std::int16_t>(balanceAfter);
        rec.Balance = loan.Balance;
        rec.Payment = loan.Payment;
        SetLoanChoices(rec, settings);
        if (WriteCalcText<TbufRemainingBalance>(result, options, rec,
                                                "Remaining Balance Calculator"))
            return;

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
