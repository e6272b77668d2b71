#include "persistence/date_pattern.h"

#include "finance/date_math.h"
#include "persistence/number_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace calvora {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

// strftime conversions and their d/M/y pattern, with the "-" flag and without.
struct TConversion {
    char Letter;
    std::string_view Pattern;
    std::string_view Unpadded;
};
constexpr TConversion kConversions[] = {
    {'d', "dd", "d"},
    {'e', "d", "d"},
    {'m', "MM", "M"},
    {'y', "yy", "yy"},
    {'Y', "yyyy", "yyyy"},
    {'G', "yyyy", "yyyy"},
    {'b', "MMM", "MMM"},
    {'h', "MMM", "MMM"},
    {'B', "MMMM", "MMMM"},
    {'a', "ddd", "ddd"},
    {'A', "dddd", "dddd"},
    {'D', "MM/dd/yy", "MM/dd/yy"},
    {'F', "yyyy-MM-dd", "yyyy-MM-dd"},
    {'%', "%", "%"},
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsPatternLetter(char c) {
    const char lower = Lower(c);
    return lower == 'd' || lower == 'm' || lower == 'y';
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A piece of a d/M/y pattern: a run of one date letter, or literal text.
struct TPatternPiece {
    char Letter = 0; ///< 'd', 'm' or 'y'; 0 for literal text
    std::size_t Count = 0;
    std::string Literal;
};

std::vector<TPatternPiece> SplitPattern(std::string_view pattern) {
    std::vector<TPatternPiece> pieces;
    auto literal = [&pieces](std::string_view text) {
        if (pieces.empty() || pieces.back().Letter != 0) {
            pieces.push_back({});
        }
        pieces.back().Literal += text;
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '\'') {
            const auto close = pattern.find('\'', i + 1);
            const auto end = close == std::string_view::npos ? pattern.size() : close;
            // Two quotes in a row stand for one quote character.
            literal(end == i + 1 ? std::string_view("'") : pattern.substr(i + 1, end - i - 1));
            i = end + 1;
        } else if (IsPatternLetter(c)) {
            std::size_t j = i;
            while (j < pattern.size() && Lower(pattern[j]) == Lower(c)) {
                ++j;
            }
            pieces.push_back({Lower(c), j - i, {}});
            i = j;
        } else {
            literal(pattern.substr(i, 1));
            ++i;
        }
    }
    return pieces;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

[[noreturn]] void RaiseNotDate(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid date");
}

// 1-based month of an English month name or its abbreviation; 0 if none.
int MonthOfName(std::string_view word) {
    if (word.size() < 3) {
        return 0;
    }
    for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
        const std::string_view name = kMonthNames[m];
        if (word.size() > name.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t k = 0; k < word.size(); ++k) {
            same = same && Lower(word[k]) == Lower(name[k]);
        }
        if (same) {
            return static_cast<int>(m) + 1;
        }
    }
    return 0;
}

// The form for a run of one, two, three or more letters.
std::string_view ByRunLength(std::size_t count, const std::array<std::string_view, 4>& forms) {
    return forms[std::min<std::size_t>(count, 4) - 1];
}

} // namespace

std::string DatePatternFromStrftime(std::string_view format) {
    std::string pattern;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '\'') {
            pattern += "''";
            continue;
        }
        if (IsAsciiLetter(c)) {
            // A run of literal letters is quoted as one piece ("de" -> "'de'").
            std::size_t j = i;
            while (j < format.size() && IsAsciiLetter(format[j])) {
                ++j;
            }
            pattern += "'" + std::string(format.substr(i, j - i)) + "'";
            i = j - 1;
            continue;
        }
        if (c != '%') {
            pattern += c;
            continue;
        }
        bool unpadded = false;
        ++i;
        while (i < format.size() &&
               std::string_view("-_0^#").find(format[i]) != std::string_view::npos) {
            unpadded = unpadded || format[i] == '-';
            ++i;
        }
        while (i < format.size() &&
               ((format[i] >= '0' && format[i] <= '9') || format[i] == 'E' || format[i] == 'O')) {
            ++i;
        }
        if (i >= format.size()) {
            break;
        }
        for (const TConversion& conversion : kConversions) {
            if (conversion.Letter == format[i]) {
                pattern += unpadded ? conversion.Unpadded : conversion.Pattern;
                break;
            }
        }
    }
    return pattern;
}

std::string DatePatternToStrftime(std::string_view pattern) {
    std::string format;
    for (const TPatternPiece& piece : SplitPattern(pattern)) {
        switch (piece.Letter) {
        case 'd':
            format += ByRunLength(piece.Count, {"%-d", "%d", "%a", "%A"});
            break;
        case 'm':
            format += ByRunLength(piece.Count, {"%-m", "%m", "%b", "%B"});
            break;
        case 'y':
            format += piece.Count == 2 ? "%y" : "%Y";
            break;
        default:
            for (const char c : piece.Literal) {
                format += c == '%' ? std::string("%%") : std::string(1, c);
            }
            break;
        }
    }
    return format;
}

std::string FormatDateText(TDateTime date, std::string_view pattern) {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    std::string text;
    for (const TPatternPiece& piece : SplitPattern(pattern)) {
        switch (piece.Letter) {
        case 'd':
            if (piece.Count <= 2) {
                text += piece.Count == 1 ? std::to_string(day) : TwoDigits(day);
            } else {
                const std::string_view name =
                    kDayNames[static_cast<std::size_t>(DayOfWeek(date) - 1)];
                text += piece.Count == 3 ? name.substr(0, 3) : name;
            }
            break;
        case 'm':
            if (piece.Count <= 2) {
                text += piece.Count == 1 ? std::to_string(month) : TwoDigits(month);
            } else {
                const std::string_view name = kMonthNames[static_cast<std::size_t>(month - 1)];
                text += piece.Count == 3 ? name.substr(0, 3) : name;
            }
            break;
        case 'y':
            if (piece.Count == 2) {
                text += TwoDigits(((year % 100) + 100) % 100);
            } else {
                std::string digits = std::to_string(year);
                text += std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
            }
            break;
        default:
            text += piece.Literal;
            break;
        }
    }
    return text;
}

TDateTime ParseDateText(std::string_view text, std::string_view pattern, TDateTime today) {
    // Order of day, month and year as the pattern has them.
    std::vector<char> order;
    bool monthByName = false;
    for (const TPatternPiece& piece : SplitPattern(pattern)) {
        if (piece.Letter == 0 || (piece.Letter == 'd' && piece.Count > 2)) {
            continue;
        }
        bool seen = false;
        for (const char letter : order) {
            seen = seen || letter == piece.Letter;
        }
        if (!seen) {
            order.push_back(piece.Letter);
        }
        monthByName = monthByName || (piece.Letter == 'm' && piece.Count >= 3);
    }
    // Numbers and words of the text, in order.
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t j = i;
        const bool digit = text[i] >= '0' && text[i] <= '9';
        while (j < text.size() &&
               (digit ? (text[j] >= '0' && text[j] <= '9') : IsAsciiLetter(text[j]))) {
            ++j;
        }
        if (j == i) {
            ++i;
            continue;
        }
        tokens.push_back(text.substr(i, j - i));
        i = j;
    }
    int todayYear = 0;
    int todayMonth = 0;
    int todayDay = 0;
    DecodeDate(today, todayYear, todayMonth, todayDay);
    if (order.size() != 3 || (tokens.size() != 3 && tokens.size() != 2)) {
        RaiseNotDate(text);
    }
    int day = 0;
    int month = 0;
    int year = todayYear;
    bool yearGiven = false;
    std::size_t next = 0;
    for (const char letter : order) {
        // Without a year in the text the current year is taken.
        if (letter == 'y' && tokens.size() == 2) {
            continue;
        }
        const std::string_view token = tokens[next++];
        if (letter == 'm' && IsAsciiLetter(token[0])) {
            month = monthByName ? MonthOfName(token) : 0;
            if (month == 0) {
                RaiseNotDate(text);
            }
            continue;
        }
        if (!(token[0] >= '0' && token[0] <= '9') || token.size() > 4) {
            RaiseNotDate(text);
        }
        const int value = TextToInteger(token);
        if (letter == 'd') {
            day = value;
        } else if (letter == 'm') {
            month = value;
        } else {
            year = value;
            yearGiven = token.size() <= 2;
        }
    }
    if (yearGiven) {
        const int threshold = todayYear - 50;
        year += threshold - threshold % 100;
        if (year < threshold) {
            year += 100;
        }
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        RaiseNotDate(text);
    }
    return EncodeDate(year, month, day);
}

} // namespace calvora
