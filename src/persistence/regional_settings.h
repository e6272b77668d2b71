#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace calvora {

/// Number, money and date conventions of the user's region. Separators and the
/// currency sign are UTF-8 texts (a thousands separator may be a multi-byte blank).
struct TRegionalSettings {
    std::string DecimalSeparator = ".";
    /// Empty means no grouping character.
    std::string ThousandSeparator = ",";
    std::string CurrencyString = "$";
    /// Position of the currency sign for positive amounts:
    /// 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    /// Form of negative amounts: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$",
    /// 6 "1-$", 7 "1$-", 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $",
    /// 14 "($ 1)", 15 "(1 $)".
    int NegCurrFormat = 1;
    /// Digits after the decimal separator of a money amount when none is asked for.
    int CurrencyDecimals = 2;
    /// Short date pattern in d/M/y letters ("M/d/yyyy", "dd.MM.yyyy"); other
    /// characters are separators.
    std::string ShortDateFormat = "M/d/yyyy";
    /// Country in the international dialling-code numbering (1 United States,
    /// 2 Canada, 49 Germany ...); 0 when unknown.
    std::uint16_t CountryCode = 0;

    /// The built-in United States conventions (country code 1).
    static TRegionalSettings UnitedStates();

    bool operator==(const TRegionalSettings&) const = default;
};

/// Where the program gets its regional settings from. The desktop program may
/// supply its own; the plain one reads the POSIX locale.
class IRegionalSettingsSource {
public:
    virtual ~IRegionalSettingsSource() = default;
    /// The settings in force now.
    virtual TRegionalSettings Current() const = 0;
};

/// Regional settings of the POSIX locale named by LC_ALL, else LC_MONETARY /
/// LC_NUMERIC / LC_TIME, else LANG. A locale whose data is not installed keeps
/// the built-in defaults for the separators and the date pattern, but still
/// gives its country code.
class TPosixRegionalSettings : public IRegionalSettingsSource {
public:
    TRegionalSettings Current() const override;
};

/// A fixed set of regional settings, for tests and the command line.
class TFixedRegionalSettings : public IRegionalSettingsSource {
public:
    explicit TFixedRegionalSettings(TRegionalSettings settings)
        : m_settings(std::move(settings)) {}
    TRegionalSettings Current() const override { return m_settings; }

private:
    TRegionalSettings m_settings;
};

/// Regional settings of a POSIX locale name such as "de_DE.UTF-8" or "en_US".
TRegionalSettings RegionalSettingsOfLocale(std::string_view localeName);

/// Dialling-code country of an ISO 3166 two-letter territory ("US" -> 1, "CA" -> 2,
/// "DE" -> 49); 0 for an unknown territory.
std::uint16_t CountryCodeOfTerritory(std::string_view territory);

/// Country code of a POSIX locale name by its territory ("fr_CA.UTF-8" -> 2); 0 for
/// "C", "POSIX" or a name without a territory.
std::uint16_t CountryCodeOfLocale(std::string_view localeName);

} // namespace calvora
