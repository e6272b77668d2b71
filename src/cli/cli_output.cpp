#include "cli/cli_output.h"

#include "cli/cli_options.h"
#include "finance/finance_errors.h"

#include <cmath>
#include <cstdio>

namespace calvora::cli {

namespace {

std::string Fixed(Extended value, int decimals) {
    if (!std::isfinite(value))
        throw ECalvoraError("The calculation gave no finite result.");
    // Keep "-0.00" out of the listing.
    if (std::fabs(value) < 0.5L * std::pow(10.0L, -decimals))
        value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
    return text;
}

constexpr std::size_t kLabelWidth = 32;

void WriteLine(std::ostream& out, const std::string& label, const std::string& text, bool solved) {
    std::string head = label + ":";
    if (head.size() < kLabelWidth)
        head.append(kLabelWidth - head.size(), ' ');
    out << head << ' ' << text;
    if (solved)
        out << "  (solved)";
    out << '\n';
}

} // namespace

ReportValue MoneyValue(Extended amount) {
    std::string text = Fixed(amount, 2);
    return {text, text};
}

ReportValue RateValue(Extended percent) {
    return {Fixed(percent, 6), Fixed(percent, 4) + " %"};
}

ReportValue CountValue(long long count) {
    std::string text = std::to_string(count);
    return {text, text};
}

ReportValue WordValue(const std::string& word) {
    return {JsonString(word), word};
}

ReportValue DateValue(TDateTime date) {
    std::string text = FormatIsoDate(date);
    return {JsonString(text), text};
}

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                json += escape;
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

ResultReport::ResultReport(std::string command)
    : m_command(std::move(command)) {}

void ResultReport::AddInput(const std::string& key, const ReportValue& value) {
    m_inputs.push_back({key, "", value});
}

void ResultReport::AddSetting(const std::string& key, const std::string& label,
                              const ReportValue& value) {
    m_settings.push_back({key, label, value});
}

void ResultReport::AddOutput(const std::string& key, const std::string& label,
                             const ReportValue& value, bool solved) {
    m_outputs.push_back({key, label, value, solved});
}

void ResultReport::SetSolvedFor(const std::string& key) {
    m_solvedFor = key;
}

void ResultReport::AddJsonMember(const std::string& key, const std::string& json) {
    m_jsonMembers.emplace_back(key, json);
}

void ResultReport::AddTextBlock(const std::string& text) {
    m_textBlock += text;
}

void ResultReport::WriteText(std::ostream& out) const {
    for (const auto& entry : m_outputs)
        WriteLine(out, entry.Label, entry.Value.Text, entry.Solved);
    if (!m_settings.empty())
        out << '\n';
    for (const auto& entry : m_settings)
        WriteLine(out, entry.Label, entry.Value.Text, false);
    out << m_textBlock;
}

void ResultReport::WriteJson(std::ostream& out) const {
    auto object = [&out](const std::vector<Entry>& first, const std::vector<Entry>& second) {
        out << '{';
        bool comma = false;
        for (const auto* list : {&first, &second}) {
            for (const auto& entry : *list) {
                out << (comma ? ", " : "") << JsonString(entry.Key) << ": " << entry.Value.Json;
                comma = true;
            }
        }
        out << '}';
    };
    out << "{\"command\": " << JsonString(m_command) << ", \"inputs\": ";
    object(m_inputs, m_settings);
    out << ", \"outputs\": ";
    object(m_outputs, {});
    out << ", \"solved_for\": " << JsonString(m_solvedFor);
    for (const auto& [key, json] : m_jsonMembers)
        out << ", " << JsonString(key) << ": " << json;
    out << "}\n";
}

void ResultReport::Write(std::ostream& out, bool json) const {
    if (json)
        WriteJson(out);
    else
        WriteText(out);
}

} // namespace calvora::cli
