#pragma once

#include "finance/financial_types.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace calvora::cli {

/// One value in its two printed forms: a JSON literal and the text of the
/// readable listing.
struct ReportValue {
    std::string Json;
    std::string Text;
};

/// Money with two decimals. A value that is not finite raises ECalvoraError, so
/// nothing that was not computed is ever printed.
ReportValue MoneyValue(Extended amount);
/// A rate in percent: four decimals in the listing, six in JSON.
ReportValue RateValue(Extended percent);
ReportValue CountValue(long long count);
ReportValue WordValue(const std::string& word);
ReportValue DateValue(TDateTime date);

/// The result of one calculation, printed either as labelled lines or as one
/// JSON object {"command", "inputs", "outputs", "solved_for"}.
class ResultReport {
public:
    explicit ResultReport(std::string command);

    /// A number as the user gave it (0 for the unknown); JSON only.
    void AddInput(const std::string& key, const ReportValue& value);
    /// A choice or date the calculation used; in JSON inputs and listed last.
    void AddSetting(const std::string& key, const std::string& label, const ReportValue& value);
    /// A value after the calculation; solved marks the value that was found.
    void AddOutput(const std::string& key, const std::string& label, const ReportValue& value,
                   bool solved = false);
    /// Key of the solved value, or "none".
    void SetSolvedFor(const std::string& key);
    /// A further member of the JSON object, its value already JSON.
    void AddJsonMember(const std::string& key, const std::string& json);
    /// Text printed after the labelled lines.
    void AddTextBlock(const std::string& text);

    void WriteText(std::ostream& out) const;
    void WriteJson(std::ostream& out) const;
    void Write(std::ostream& out, bool json) const;

private:
    struct Entry {
        std::string Key;
        std::string Label;
        ReportValue Value;
        bool Solved = false;
    };

    std::string m_command;
    std::vector<Entry> m_inputs;
    std::vector<Entry> m_settings;
    std::vector<Entry> m_outputs;
    std::string m_solvedFor = "none";
    std::vector<std::pair<std::string, std::string>> m_jsonMembers;
    std::string m_textBlock;
};

/// A JSON string literal with the necessary escapes.
std::string JsonString(const std::string& text);

} // namespace calvora::cli
