#pragma once

#include "cli/cli_options.h"
#include "cli/cli_output.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace calvora::cli {

/// Exit statuses of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCalculationError = 1;
inline constexpr int kExitUsageError = 2;

/// The codes and dates shared by the loan commands, as the windows default them.
struct LoanSettings {
    std::uint8_t PaymentFrequency = 6;
    std::uint8_t Compounding = 6;
    std::uint8_t Timing = 0;
    std::uint8_t Method = 0;
    TDateTime LoanDate = 0;
    std::int32_t DaysPerYear = 360;
};

/// Option declarations of the loan settings (--frequency --compounding --timing
/// --loan-date --days-per-year, and --method unless withMethod is false),
/// followed by --json.
std::vector<OptionSpec> LoanSettingOptions(bool withMethod = true);
/// Reads the loan settings; missing ones take the windows' defaults (monthly,
/// monthly, arrears, normal, the 1st of next month, 360 days).
LoanSettings ReadLoanSettings(const OptionSet& options, bool withMethod = true);
/// Adds the loan settings to the report's inputs.
void ReportLoanSettings(ResultReport& report, const LoanSettings& settings, bool withMethod = true);

/// A count option: a whole number 0..32767, 0 when omitted.
std::int32_t CountOption(const OptionSet& options, const std::string& name);
/// The first day of next month: the windows' assumed loan date.
TDateTime DefaultLoanDate();
/// Key of a solved-for code ("amount", "periods", "rate", "payment",
/// "balloon_period", "balloon"; "none" for 0).
std::string SolvedForKey(int solvedFor);

/// Parses args, answers --help, runs body and prints what it wrote only when
/// it succeeded. A usage error goes to err with status 2, a calculation error
/// (the catalogue message) with status 1.
int RunCommand(OptionSet& options, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err, const std::function<void(std::ostream&)>& body);

} // namespace calvora::cli
