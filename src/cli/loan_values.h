#pragma once

#include "calculators/loan_equation.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"

#include <cstdint>
#include <vector>

namespace calvora::cli {

/// The four values of a plain loan as typed (rate in percent); 0 marks the unknown.
struct LoanValues {
    Extended Amount = 0;
    std::int32_t Periods = 0;
    Extended RatePercent = 0;
    Extended Payment = 0;
};

/// --amount --periods --rate --payment, with amountHelp describing --amount.
std::vector<OptionSpec> LoanValueOptions(const char* amountHelp = "amount of the loan");
LoanValues ReadLoanValues(const OptionSet& options);
void ReportLoanInputs(ResultReport& report, const LoanValues& values);
/// The loan's four values after the calculation and its total interest;
/// ratePercent is the loan's rate in percent.
void ReportLoanOutputs(ResultReport& report, const TequLoan& loan, Extended ratePercent);

} // namespace calvora::cli
