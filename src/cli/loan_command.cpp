#include "calculators/buf_loan.h"
#include "calculators/loan_equation.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/commands.h"
#include "cli/loan_values.h"

namespace calvora::cli {

int RunLoanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<OptionSpec> decls =
        Joined(Joined(LoanValueOptions(), LoanSettingOptions()), CalcTextOptions());
    OptionSet options("loan",
                      "Solves a plain loan for the one value given as 0 or left out: amount,\n"
                      "number of payments, annual rate or periodic payment.",
                      decls);
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const LoanValues values = ReadLoanValues(options);
        const LoanSettings settings = ReadLoanSettings(options);

        TequLoan loan;
        loan.Calculate(values.Amount, values.Periods, static_cast<double>(values.RatePercent / 100),
                       values.Payment, settings.PaymentFrequency, settings.Compounding,
                       settings.Timing, settings.Method, settings.LoanDate, settings.DaysPerYear);

        // A solved rate comes back in percent; a given one stays a fraction.
        const Extended ratePercent =
            loan.SolvedFor == 3 ? loan.AnnualRate : loan.AnnualRate * 100.0L;
        const auto rec = LoanRecord<TcalcLoanTransferRec>(loan, ratePercent, settings);
        if (WriteCalcText<TbufLoan>(result, options, rec, "Loan Calculator"))
            return;

        ResultReport report("loan");
        ReportLoanInputs(report, values);
        ReportLoanSettings(report, settings);
        ReportLoanOutputs(report, loan, ratePercent);
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli
