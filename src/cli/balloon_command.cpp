#include "calculators/balloon_pmt_equation.h"
#include "calculators/buf_balloon_pmt.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/commands.h"

namespace calvora::cli {

int RunBalloonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    OptionSet options(
        "balloon",
        "Regular payments followed by a final balloon payment. Solves the one value\n"
        "given as 0 or left out: amount, rate, payment, balloon period or balloon.",
        Joined({{"amount", "MONEY", "amount of the loan"},
                {"rate", "PERCENT", "annual rate in percent"},
                {"payment", "MONEY", "periodic payment"},
                {"balloon-period", "COUNT", "payment number at which the balloon is due"},
                {"balloon", "MONEY", "final balloon payment"}},
               Joined(LoanSettingOptions(false), CalcTextOptions())));
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended amount = options.Number("amount");
        const Extended rate = options.Number("rate");
        const Extended payment = options.Number("payment");
        const std::int32_t balloonPeriod = CountOption(options, "balloon-period");
        const Extended balloon = options.Number("balloon");
        const LoanSettings settings = ReadLoanSettings(options, false);

        TequBalloonPmt loan;
        loan.Calculate(amount, static_cast<double>(rate / 100), payment, balloonPeriod, balloon,
                       settings.PaymentFrequency, settings.Compounding, settings.Timing,
                       settings.LoanDate, settings.DaysPerYear);

        TcalcBallPmtTransferRec rec;
        rec.Amount = static_cast<double>(loan.Amount);
        rec.AnnualRate = static_cast<float>(loan.AnnualRate * 100.0L);
        rec.Payment = static_cast<double>(loan.Payment);
        rec.BalloonPeriod = static_cast<std::int16_t>(loan.BalloonPeriod);
        rec.Balloon = static_cast<double>(loan.Balloon);
        rec.TotalInterest = static_cast<double>(loan.TotalInterest);
        SetLoanChoices(rec, settings);
        if (WriteCalcText<TbufBalloonPmt>(result, options, rec, "Balloon Payment Calculator"))
            return;

        ResultReport report("balloon");
        report.AddInput("amount", MoneyValue(amount));
        report.AddInput("rate", RateValue(rate));
        report.AddInput("payment", MoneyValue(payment));
        report.AddInput("balloon_period", CountValue(balloonPeriod));
        report.AddInput("balloon", MoneyValue(balloon));
        ReportLoanSettings(report, settings, false);
        const int solved = loan.SolvedFor;
        report.AddOutput("amount", "Amount of Loan", MoneyValue(loan.Amount), solved == 1);
        report.AddOutput("rate", "Annual Rate", RateValue(loan.AnnualRate * 100.0L), solved == 3);
        report.AddOutput("payment", "Periodic Payment", MoneyValue(loan.Payment), solved == 4);
        report.AddOutput("balloon_period", "Balloon Due at Period (#)",
                         CountValue(loan.BalloonPeriod), solved == 9);
        report.AddOutput("balloon", "Final Balloon Payment", MoneyValue(loan.Balloon),
                         solved == 9 || solved == 10);
        // Fitting the balloon into a loan's tail leaves no interest figure.
        if (solved != 9)
            report.AddOutput("total_interest", "Total Interest Paid",
                             MoneyValue(loan.TotalInterest));
        report.SetSolvedFor(SolvedForKey(solved));
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
