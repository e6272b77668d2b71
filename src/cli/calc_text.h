#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/loan_equation.h"
#include "cli/cli_command.h"
#include "cli/cli_options.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace calvora::cli {

/// --report (the printed report as plain text) and --clipboard (the text the
/// window copies), both in US forms whatever the machine's locale.
std::vector<OptionSpec> CalcTextOptions();

/// Selects a record's loan choices by the settings' codes (the payment period
/// list starts at code 1; compounding, timing and method rows are their codes).
template <class Rec>
void SetLoanChoices(Rec& rec, const LoanSettings& settings) {
    SelectChoice(rec.PaymentPeriod, settings.PaymentFrequency - 1);
    SelectChoice(rec.Compounding, settings.Compounding);
    SelectChoice(rec.PaymentMethod, settings.Timing);
    if constexpr (requires { rec.AmortMethod; })
        SelectChoice(rec.AmortMethod, settings.Method);
}

/// A values record with a plain loan's four values (the rate in percent), its
/// interest for the term and its choices; the caller adds the rest.
template <class Rec>
Rec LoanRecord(const TequLoan& loan, Extended ratePercent, const LoanSettings& settings) {
    Rec rec;
    rec.Amount = loan.Amount;
    rec.Periods = static_cast<decltype(rec.Periods)>(loan.Periods);
    rec.AnnualRate = static_cast<float>(ratePercent);
    rec.Payment = loan.Payment;
    rec.TotalInterest = loan.TotalInterest;
    SetLoanChoices(rec, settings);
    return rec;
}

/// Writes the report or clipboard text of the buffer kind `Buf` for a filled
/// values record when --report or --clipboard was given (--report wins); false
/// when neither was, so the caller prints its labelled lines or JSON.
template <class Buf>
bool WriteCalcText(std::ostream& out, const OptionSet& options,
                   const typename Buf::TransferRec& rec, std::string_view title) {
    const TCalcOutputStyle style; // US regional forms
    if (options.Flag("report")) {
        out << CalculatorReportText<Buf>(rec, title, style);
        return true;
    }
    if (options.Flag("clipboard")) {
        out << CalculatorClipboardText<Buf>(rec, title, style);
        return true;
    }
    return false;
}

} // namespace calvora::cli
