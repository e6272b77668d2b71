#include "cli/cli_command.h"

#include "calculators/loan_equation_base.h"
#include "cli/cli_names.h"
#include "finance/finance_errors.h"

#include <sstream>

namespace calvora::cli {

namespace {

// Catalogue messages carry Windows line ends; a terminal wants plain ones.
std::string PlainLines(const std::string& message) {
    std::string text;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r') {
            if (i + 1 < message.size() && message[i + 1] == '\n')
                continue;
            text += '\n';
        } else {
            text += message[i];
        }
    }
    return text;
}

} // namespace

std::vector<OptionSpec> LoanSettingOptions(bool withMethod) {
    std::vector<OptionSpec> decls{
        {"frequency", "NAME", "payment period (default monthly)"},
        {"compounding", "NAME", "compounding period, also continuous or exact (default monthly)"},
        {"timing", "NAME", "arrears or advance (default arrears)"},
    };
    if (withMethod)
        decls.push_back({"method", "NAME",
                         "normal canadian fixed-principal interest-only no-interest rule-of-78"});
    decls.push_back({"loan-date", "YYYY-MM-DD", "loan date (default the 1st of next month)"});
    decls.push_back({"days-per-year", "DAYS", "360, 364, 365 or 366 (default 360)"});
    decls.push_back({"json", "", "print one JSON object instead of labelled lines"});
    return decls;
}

LoanSettings ReadLoanSettings(const OptionSet& options, bool withMethod) {
    LoanSettings settings;
    settings.PaymentFrequency = static_cast<std::uint8_t>(
        options.Choice("frequency", PaymentFrequencyNames(), settings.PaymentFrequency));
    settings.Compounding = static_cast<std::uint8_t>(
        options.Choice("compounding", CompoundingNames(), settings.Compounding));
    settings.Timing = static_cast<std::uint8_t>(options.Choice("timing", PaymentTimingNames(), 0));
    if (withMethod)
        settings.Method =
            static_cast<std::uint8_t>(options.Choice("method", AmortizationMethodNames(), 0));
    settings.LoanDate = options.Date("loan-date", DefaultLoanDate());
    const long long days = options.Integer("days-per-year", settings.DaysPerYear);
    if (days != 360 && days != 364 && days != 365 && days != 366)
        throw EUsageError("option --days-per-year: " + std::to_string(days) +
                          " is not one of 360, 364, 365, 366");
    settings.DaysPerYear = static_cast<std::int32_t>(days);
    return settings;
}

void ReportLoanSettings(ResultReport& report, const LoanSettings& settings, bool withMethod) {
    report.AddSetting("frequency", "Payment Period",
                      WordValue(ChoiceName(settings.PaymentFrequency, PaymentFrequencyNames())));
    report.AddSetting("compounding", "Compounding Period",
                      WordValue(ChoiceName(settings.Compounding, CompoundingNames())));
    report.AddSetting("timing", "Payment Method",
                      WordValue(ChoiceName(settings.Timing, PaymentTimingNames())));
    if (withMethod)
        report.AddSetting("method", "Amortizing Method",
                          WordValue(ChoiceName(settings.Method, AmortizationMethodNames())));
    report.AddSetting("loan_date", "Loan Date", DateValue(settings.LoanDate));
    report.AddSetting("days_per_year", "Days Per Year", CountValue(settings.DaysPerYear));
}

std::int32_t CountOption(const OptionSet& options, const std::string& name) {
    const long long count = options.Integer(name, 0);
    if (count < 0 || count > 32767)
        throw EUsageError("option --" + name + ": " + std::to_string(count) +
                          " is not a whole number from 0 to 32767");
    return static_cast<std::int32_t>(count);
}

TDateTime DefaultLoanDate() {
    return TcalcDateMathEx::FirstOfNextMonth(TodayDate());
}

std::string SolvedForKey(int solvedFor) {
    switch (solvedFor) {
    case 1:
        return "amount";
    case 2:
        return "periods";
    case 3:
        return "rate";
    case 4:
        return "payment";
    case 9:
        return "balloon_period";
    case 10:
        return "balloon";
    default:
        return "none";
    }
}

int RunCommand(OptionSet& options, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err, const std::function<void(std::ostream&)>& body) {
    try {
        options.Parse(args);
        if (options.Flag("help")) {
            out << options.HelpText();
            return kExitOk;
        }
        std::ostringstream result;
        body(result);
        out << result.str();
        return kExitOk;
    } catch (const EUsageError& e) {
        err << "calvora-calc: " << e.what() << "\n";
        return kExitUsageError;
    } catch (const ECalvoraError& e) {
        err << PlainLines(e.what()) << "\n";
        return kExitCalculationError;
    }
}

} // namespace calvora::cli
