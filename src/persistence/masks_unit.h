#pragma once

#include "persistence/date_pattern.h"
#include "persistence/regional_settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace calvora {

/// The six values a format object of the numeric edit takes.
struct TNumberMask {
    std::int32_t Decimals = 0;
    std::int32_t Digits = 0;
    /// Drawn left of the number, at most 2 characters; "\c" is the currency sign.
    std::string LeftInfo;
    /// Drawn right of the number, at most 3 characters; "\c" is the currency sign.
    std::string RightInfo;
    /// Blanks between the currency sign and the number.
    std::int32_t Spaces = 0;
    /// Non-zero: group the integer part in threes.
    std::int32_t UseThousandSeparator = 0;

    bool operator==(const TNumberMask&) const = default;
};

/// Placeholder for the system's currency sign inside LeftInfo/RightInfo.
inline constexpr std::string_view kCurrencyPlaceholder = "\\c";

/// Year form asked of a date mask.
enum class TDateYearDigits { Four, Two };

/// Country-dependent number formats and the program's date pattern. One object per
/// process, made at start-up; the country code and the number masks are fixed for
/// the run, the date mask follows the regional short date pattern of the moment.
class TMasks {
public:
    /// Country code and date pattern from fixed regional settings.
    explicit TMasks(const TRegionalSettings& regional);
    /// Country code read once from the source; the source is asked for the short
    /// date pattern at every DateMask call and must outlive the masks.
    explicit TMasks(const IRegionalSettingsSource& source);

    /// The user's country in the dialling-code numbering; 1 means the built-in
    /// United States formats (windows then keep their designed formats).
    std::uint16_t CountryCode() const { return m_countryCode; }
    /// Format of money fields, chosen by the country code.
    const TNumberMask& MoneyMask() const { return m_moneyMask; }
    /// Format of rate fields: 4 decimals, 2 digits, "%" right, grouping on.
    const TNumberMask& RateMask() const { return m_rateMask; }
    /// Format of counts: no decimals, 6 digits, grouping on.
    const TNumberMask& CountMask() const { return m_countMask; }

    /// The date pattern built from the current regional short date pattern (at
    /// most 10 characters, two-digit day and month, four- or two-digit year).
    std::string DateMask(TDateYearDigits year = TDateYearDigits::Four) const;

    /// Money mask of a country code (any unknown code, 0 included, gets the
    /// fallback row: 9 digits, sign in front, no blanks).
    static TNumberMask MoneyMaskOf(std::uint16_t countryCode);
    /// The date mask of a regional short date pattern in d/M/y letters: a single
    /// day or month letter is doubled, one to three year letters become four (or,
    /// asked for two, one, three or four become two). A result longer than 10
    /// characters is cut to 10 when only trailing separators go; when the cut would
    /// reach a date letter, the numeric pattern of the same order with the first
    /// separator is used instead ("d. M. yyyy" -> "dd.MM.yyyy", "dd-MMM-yy" ->
    /// "dd-MM-yyyy"), so no year digit is ever lost.
    static std::string BuildDateMask(std::string_view regionalPattern,
                                     TDateYearDigits year = TDateYearDigits::Four);

private:
    std::uint16_t m_countryCode = 0;
    TNumberMask m_moneyMask;
    TNumberMask m_rateMask;
    TNumberMask m_countMask;
    std::function<std::string()> m_shortDatePattern;
};

} // namespace calvora
