#include "calculators/accelerated_pmt_equation.h"
#include "calculators/buf_accelerated_pmt.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/commands.h"

namespace calvora::cli {

int RunAcceleratedCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
    OptionSet options("accelerated",
                      "A loan whose payment is raised by an extra amount from a given payment\n"
                      "on: the regular payment, the new term and the interest saved.",
                      Joined({{"amount", "MONEY", "amount of the loan"},
                              {"periods", "COUNT", "total number of payments"},
                              {"rate", "PERCENT", "annual rate in percent"},
                              {"extra-start", "COUNT", "payment number the extra amount starts at"},
                              {"extra-amount", "MONEY", "extra amount paid with each payment"}},
                             Joined(LoanSettingOptions(), CalcTextOptions())));
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const Extended amount = options.Number("amount");
        const std::int32_t periods = CountOption(options, "periods");
        const Extended rate = options.Number("rate");
        const std::int32_t extraStart = CountOption(options, "extra-start");
        const Extended extraAmount = options.Number("extra-amount");
        const LoanSettings settings = ReadLoanSettings(options);

        TequAcceleratedPmt loan;
        loan.Calculate(amount, periods, static_cast<double>(rate), extraStart, extraAmount,
                       settings.PaymentFrequency, settings.Compounding, settings.Timing,
                       settings.Method, settings.LoanDate, settings.DaysPerYear);

        TcalcAccPmtTransferRec rec;
        rec.Amount = amount;
        rec.Periods = static_cast<std::int16_t>(periods);
        rec.AnnualRate = static_cast<float>(rate);
        rec.ExtraStart = static_cast<std::int16_t>(extraStart);
        rec.ExtraAmount = extraAmount;
        rec.NewPeriods = static_cast<std::int16_t>(loan.NewPeriods);
        rec.InterestSaved = loan.InterestSaved;
        SetLoanChoices(rec, settings);
        if (WriteCalcText<TbufAcceleratedPmt>(result, options, rec,
                                              "Accelerated Payment Calculator"))
            return;

        ResultReport report("accelerated");
        report.AddInput("amount", MoneyValue(amount));
        report.AddInput("periods", CountValue(periods));
        report.AddInput("rate", RateValue(rate));
        report.AddInput("extra_start", CountValue(extraStart));
        report.AddInput("extra_amount", MoneyValue(extraAmount));
        ReportLoanSettings(report, settings);
        report.AddOutput("payment", "Periodic Payment", MoneyValue(loan.Payment), true);
        report.AddOutput("new_periods", "Periods To Pay Off", CountValue(loan.NewPeriods), true);
        report.AddOutput("interest_saved", "Total Interest Saved", MoneyValue(loan.InterestSaved),
                         true);
        report.SetSolvedFor("new_periods");
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
