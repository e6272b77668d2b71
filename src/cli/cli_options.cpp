#include "cli/cli_options.h"

#include "finance/date_math.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace calvora::cli {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Sign, then digits with at most one decimal point and at least one digit.
bool IsPlainDecimal(const std::string& text, bool allowPoint) {
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if (text[i] == '.' && allowPoint && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

} // namespace

OptionSet::OptionSet(std::string command, std::string summary, std::vector<OptionSpec> decls)
    : m_command(std::move(command))
    , m_summary(std::move(summary))
    , m_decls(std::move(decls)) {
    m_decls.push_back({"help", "", "show this help and exit"});
}

const OptionSpec* OptionSet::Find(const std::string& name) const {
    for (const auto& decl : m_decls) {
        if (decl.Name == name)
            return &decl;
    }
    return nullptr;
}

const OptionSpec& OptionSet::Declaration(const std::string& name) const {
    const OptionSpec* decl = Find(name);
    if (decl == nullptr)
        throw std::logic_error("option --" + name + " is not declared for " + m_command);
    return *decl;
}

void OptionSet::Parse(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0)
            throw EUsageError("unexpected argument " + Quoted(word) + " (options start with --)");
        std::string name = word.substr(2);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.erase(eq);
        }
        const OptionSpec* decl = Find(name);
        if (decl == nullptr)
            throw EUsageError("unknown option --" + name + " for " + m_command);
        if (decl->IsFlag()) {
            if (inlineValue)
                throw EUsageError("option --" + name + " takes no value");
            m_values[name] = "";
            continue;
        }
        if (inlineValue) {
            m_values[name] = *inlineValue;
        } else if (i + 1 < args.size()) {
            m_values[name] = args[++i];
        } else {
            throw EUsageError("option --" + name + " needs a value (" + decl->Placeholder + ")");
        }
    }
}

bool OptionSet::Flag(const std::string& name) const {
    Declaration(name);
    return m_values.count(name) != 0;
}

std::optional<std::string> OptionSet::Text(const std::string& name) const {
    Declaration(name);
    auto it = m_values.find(name);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

Extended OptionSet::Number(const std::string& name, Extended fallback) const {
    auto text = Text(name);
    return text ? ParseNumber(*text, name) : fallback;
}

long long OptionSet::Integer(const std::string& name, long long fallback) const {
    auto text = Text(name);
    return text ? ParseInteger(*text, name) : fallback;
}

TDateTime OptionSet::Date(const std::string& name, TDateTime fallback) const {
    auto text = Text(name);
    return text ? ParseIsoDate(*text, name) : fallback;
}

int OptionSet::Choice(const std::string& name, const std::vector<NamedCode>& table,
                      int fallback) const {
    auto text = Text(name);
    return text ? ParseChoice(*text, table, name) : fallback;
}

std::string OptionSet::HelpText() const {
    std::ostringstream out;
    out << "Usage: calvora-calc " << m_command << " [options]\n" << m_summary << "\n\nOptions:\n";
    for (const auto& decl : m_decls) {
        std::string head = "  --" + decl.Name;
        if (!decl.IsFlag())
            head += " " + decl.Placeholder;
        out << head;
        if (head.size() < 30)
            out << std::string(30 - head.size(), ' ');
        else
            out << "\n" << std::string(30, ' ');
        out << decl.Help << "\n";
    }
    return out.str();
}

std::vector<OptionSpec> Joined(std::vector<OptionSpec> first,
                               const std::vector<OptionSpec>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Extended ParseNumber(const std::string& text, const std::string& option) {
    if (!IsPlainDecimal(text, true))
        throw EUsageError("option --" + option + ": " + Quoted(text) + " is not a number");
    errno = 0;
    Extended value = std::strtold(text.c_str(), nullptr);
    if (errno == ERANGE)
        throw EUsageError("option --" + option + ": " + Quoted(text) + " is out of range");
    return value;
}

long long ParseInteger(const std::string& text, const std::string& option) {
    if (!IsPlainDecimal(text, false))
        throw EUsageError("option --" + option + ": " + Quoted(text) + " is not a whole number");
    errno = 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE)
        throw EUsageError("option --" + option + ": " + Quoted(text) + " is out of range");
    return value;
}

TDateTime ParseIsoDate(const std::string& text, const std::string& option) {
    auto fail = [&]() -> TDateTime {
        throw EUsageError("option --" + option + ": " + Quoted(text) +
                          " is not a date (YYYY-MM-DD)");
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return fail();
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!IsDigit(text[i]))
            return fail();
    }
    int year = std::stoi(text.substr(0, 4));
    int month = std::stoi(text.substr(5, 2));
    int day = std::stoi(text.substr(8, 2));
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return fail();
    return EncodeDate(year, month, day);
}

int ParseChoice(const std::string& text, const std::vector<NamedCode>& table,
                const std::string& option) {
    std::string accepted;
    for (const auto& row : table) {
        if (text == row.Name)
            return row.Code;
        accepted += accepted.empty() ? "" : ", ";
        accepted += row.Name;
    }
    throw EUsageError("option --" + option + ": unknown value " + Quoted(text) +
                      " (one of: " + accepted + ")");
}

std::string ChoiceName(int code, const std::vector<NamedCode>& table) {
    for (const auto& row : table) {
        if (row.Code == code)
            return row.Name;
    }
    return {};
}

std::string FormatIsoDate(TDateTime date) {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

} // namespace calvora::cli
