#pragma once

#include "finance/financial_types.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace calvora::cli {

/// A command line the program cannot act on (unknown option, malformed value,
/// unknown name). The program prints the message and exits with status 2.
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One option a subcommand accepts. A flag takes no value; every other option
/// takes exactly one, given as "--name value" or "--name=value".
struct OptionSpec {
    std::string Name;        ///< without the leading "--"
    std::string Placeholder; ///< shown in the help ("AMOUNT"); empty for a flag
    std::string Help;        ///< one line of help text
    bool IsFlag() const { return Placeholder.empty(); }
};

/// One row of a name table: the command-line word and the code it stands for.
struct NamedCode {
    const char* Name;
    int Code;
};

/// The options of one subcommand: declared once, parsed once, then read by name.
/// Reading an option that was never declared is a programming error and throws
/// std::logic_error; everything the user typed wrong throws EUsageError.
class OptionSet {
public:
    OptionSet(std::string command, std::string summary, std::vector<OptionSpec> decls);

    /// Reads args (the words after the subcommand). Later repetitions of an
    /// option replace earlier ones. Raises EUsageError for an unknown option, a
    /// missing value, a value given to a flag or a stray positional word.
    void Parse(const std::vector<std::string>& args);

    /// True when the option was given (flags and valued options alike).
    bool Flag(const std::string& name) const;
    std::optional<std::string> Text(const std::string& name) const;

    /// Decimal number ("100000", "6.25", "-3"); omitted gives fallback.
    Extended Number(const std::string& name, Extended fallback = 0) const;
    /// Whole number; omitted gives fallback.
    long long Integer(const std::string& name, long long fallback = 0) const;
    /// ISO 8601 calendar date (YYYY-MM-DD) as a day number; omitted gives fallback.
    TDateTime Date(const std::string& name, TDateTime fallback) const;
    /// The code of a word from table; omitted gives fallback.
    int Choice(const std::string& name, const std::vector<NamedCode>& table, int fallback) const;

    /// "Usage: calvora-calc <command> [options]" followed by the option list.
    std::string HelpText() const;

private:
    const OptionSpec& Declaration(const std::string& name) const;
    const OptionSpec* Find(const std::string& name) const;

    std::string m_command;
    std::string m_summary;
    std::vector<OptionSpec> m_decls;
    std::map<std::string, std::string> m_values;
};

/// The declarations of first followed by those of second.
std::vector<OptionSpec> Joined(std::vector<OptionSpec> first,
                               const std::vector<OptionSpec>& second);

/// Strict decimal number: optional sign, digits with at most one point, no
/// exponent, no spaces. Raises EUsageError naming option otherwise.
Extended ParseNumber(const std::string& text, const std::string& option);
/// Strict whole number within the range of long long.
long long ParseInteger(const std::string& text, const std::string& option);
/// YYYY-MM-DD with a real month and day, years 1..9999.
TDateTime ParseIsoDate(const std::string& text, const std::string& option);
/// The code of text in table, or EUsageError listing the accepted words.
int ParseChoice(const std::string& text, const std::vector<NamedCode>& table,
                const std::string& option);
/// The word of code in table; empty when the code is not there.
std::string ChoiceName(int code, const std::vector<NamedCode>& table);

/// YYYY-MM-DD of a day number.
std::string FormatIsoDate(TDateTime date);

} // namespace calvora::cli
