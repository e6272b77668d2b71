#include "cli/loan_values.h"

#include "cli/cli_command.h"

namespace calvora::cli {

std::vector<OptionSpec> LoanValueOptions(const char* amountHelp) {
    return {
        {"amount", "MONEY", amountHelp},
        {"periods", "COUNT", "total number of payments"},
        {"rate", "PERCENT", "annual rate in percent (6 means 6 %)"},
        {"payment", "MONEY", "periodic payment"},
    };
}

LoanValues ReadLoanValues(const OptionSet& options) {
    LoanValues values;
    values.Amount = options.Number("amount");
    values.Periods = CountOption(options, "periods");
    values.RatePercent = options.Number("rate");
    values.Payment = options.Number("payment");
    return values;
}

void ReportLoanInputs(ResultReport& report, const LoanValues& values) {
    report.AddInput("amount", MoneyValue(values.Amount));
    report.AddInput("periods", CountValue(values.Periods));
    report.AddInput("rate", RateValue(values.RatePercent));
    report.AddInput("payment", MoneyValue(values.Payment));
}

void ReportLoanOutputs(ResultReport& report, const TequLoan& loan, Extended ratePercent) {
    const int solved = loan.SolvedFor;
    report.AddOutput("amount", "Amount of Loan", MoneyValue(loan.Amount), solved == 1);
    report.AddOutput("periods", "Total Periods (#)", CountValue(loan.Periods), solved == 2);
    report.AddOutput("rate", "Annual Rate", RateValue(ratePercent), solved == 3);
    report.AddOutput("payment", "Periodic Payment", MoneyValue(loan.Payment), solved == 4);
    report.AddOutput("total_interest", "Interest For Term", MoneyValue(loan.TotalInterest));
    report.SetSolvedFor(SolvedForKey(solved));
}

} // namespace calvora::cli
