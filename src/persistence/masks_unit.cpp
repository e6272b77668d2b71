#include "persistence/masks_unit.h"

#include <algorithm>

namespace calvora {

namespace {

struct TMoneyRow {
    std::uint16_t Code;
    std::int32_t Digits;
    bool SignLeft;
    std::int32_t Spaces;
};

constexpr TMoneyRow kMoneyRows[] = {
    {1, 8, true, 0},   {2, 9, true, 0},    {31, 9, true, 0},   {32, 8, false, 2},
    {33, 8, false, 1}, {34, 8, false, 1},  {39, 8, true, 1},   {41, 6, true, 3},
    {43, 9, true, 1},  {44, 8, true, 0},   {45, 7, true, 2},   {46, 7, false, 2},
    {47, 7, true, 2},  {49, 6, false, 1},  {52, 9, true, 0},   {55, 7, true, 2},
    {61, 9, true, 0},  {64, 9, true, 0},   {82, 9, true, 0},   {351, 8, false, 1},
    {353, 9, true, 0}, {354, 7, false, 2}, {358, 8, false, 1}, {886, 9, true, 0},
};
constexpr TMoneyRow kFallbackMoneyRow = {0, 9, true, 0};

constexpr std::size_t kDateMaskLength = 10;

std::size_t CodePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsLetter(char c, char lower) {
    return c == lower || c == lower - 'a' + 'A';
}

std::size_t CountLetter(std::string_view text, char lower) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [lower](char c) { return IsLetter(c, lower); }));
}

// Position of the first run of exactly `length` or more year letters, taking the
// first `length` of it; npos when there is none.
std::size_t FindYearLetters(std::string_view text, std::size_t length) {
    for (std::size_t i = 0; i + length <= text.size(); ++i) {
        bool all = true;
        for (std::size_t k = 0; k < length; ++k) {
            all = all && IsLetter(text[i + k], 'y');
        }
        if (all) {
            return i;
        }
    }
    return std::string_view::npos;
}

void ReplaceSingleLetter(std::string& pattern, char lower, std::string_view replacement) {
    if (CountLetter(pattern, lower) != 1) {
        return;
    }
    const auto pos =
        pattern.find_first_of(std::string{lower, static_cast<char>(lower - 'a' + 'A')});
    pattern.replace(pos, 1, replacement);
}

// Day, month and year as numbers in the pattern's own order, joined by its first
// separator that is not a blank.
std::string NumericDateMask(std::string_view pattern, TDateYearDigits year) {
    std::string order;
    std::string separator;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower == 'd' || lower == 'm' || lower == 'y') {
            if (order.find(lower) == std::string::npos) {
                order += lower;
            }
        } else if (separator.empty() && c != ' ' && c != '\'' && !(lower >= 'a' && lower <= 'z')) {
            // The whole character, however many bytes it takes.
            std::size_t j = i + 1;
            while (j < pattern.size() && (static_cast<unsigned char>(pattern[j]) & 0xC0) == 0x80) {
                ++j;
            }
            separator = pattern.substr(i, j - i);
        }
    }
    for (const char letter : std::string_view("dmy")) {
        if (order.find(letter) == std::string::npos) {
            order += letter;
        }
    }
    std::string mask;
    for (const char letter : order) {
        if (!mask.empty()) {
            mask += separator;
        }
        mask += letter == 'd'                   ? "dd"
                : letter == 'm'                 ? "MM"
                : year == TDateYearDigits::Four ? "yyyy"
                                                : "yy";
    }
    return mask;
}

// Byte length of the first `count` characters of a UTF-8 text.
std::size_t BytesOfFirst(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) {
            return i;
        }
    }
    return text.size();
}

bool IsDateLetter(char c) {
    return IsLetter(c, 'd') || IsLetter(c, 'm') || IsLetter(c, 'y');
}

} // namespace

TMasks::TMasks(const TRegionalSettings& regional)
    : m_countryCode(regional.CountryCode)
    , m_moneyMask(MoneyMaskOf(regional.CountryCode))
    , m_rateMask{4, 2, "", "%", 0, 1}
    , m_countMask{0, 6, "", "", 0, 1}
    , m_shortDatePattern([pattern = regional.ShortDateFormat] { return pattern; }) {}

TMasks::TMasks(const IRegionalSettingsSource& source)
    : TMasks(source.Current()) {
    m_shortDatePattern = [&source] { return source.Current().ShortDateFormat; };
}

std::string TMasks::DateMask(TDateYearDigits year) const {
    return BuildDateMask(m_shortDatePattern(), year);
}

TNumberMask TMasks::MoneyMaskOf(std::uint16_t countryCode) {
    TMoneyRow row = kFallbackMoneyRow;
    for (const TMoneyRow& candidate : kMoneyRows) {
        if (candidate.Code == countryCode) {
            row = candidate;
        }
    }
    TNumberMask mask;
    mask.Decimals = 2;
    mask.Digits = row.Digits;
    (row.SignLeft ? mask.LeftInfo : mask.RightInfo) = kCurrencyPlaceholder;
    mask.Spaces = row.Spaces;
    mask.UseThousandSeparator = 1;
    return mask;
}

std::string TMasks::BuildDateMask(std::string_view regionalPattern, TDateYearDigits year) {
    std::string pattern(regionalPattern);
    ReplaceSingleLetter(pattern, 'm', "MM");
    ReplaceSingleLetter(pattern, 'd', "dd");
    const std::size_t yearLetters = CountLetter(pattern, 'y');
    if (year == TDateYearDigits::Four) {
        if (yearLetters >= 1 && yearLetters <= 3) {
            const auto pos = FindYearLetters(pattern, yearLetters);
            if (pos != std::string::npos) {
                pattern.replace(pos, yearLetters, "yyyy");
            }
        }
    } else if (yearLetters == 1 || yearLetters == 3 || yearLetters == 4) {
        const auto pos = FindYearLetters(pattern, yearLetters);
        if (pos != std::string::npos) {
            pattern.replace(pos, yearLetters, "yy");
        }
    }
    if (CodePoints(pattern) <= kDateMaskLength) {
        return pattern;
    }
    // The cut may drop trailing separators only: cutting into the date letters
    // would lose year digits or a whole day or month. The numeric pattern of the
    // same order always fits.
    const std::size_t cut = BytesOfFirst(pattern, kDateMaskLength);
    const std::string_view rest = std::string_view(pattern).substr(cut);
    if (std::any_of(rest.begin(), rest.end(), IsDateLetter)) {
        return NumericDateMask(pattern, year);
    }
    return pattern.substr(0, cut);
}

} // namespace calvora
