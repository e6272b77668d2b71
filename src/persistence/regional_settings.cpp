#include "persistence/regional_settings.h"

#include "persistence/date_pattern.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <utility>

namespace calvora {

namespace {

struct TTerritoryCode {
    std::string_view Territory;
    std::uint16_t Code;
};

// Territories by their international dialling code; Canada keeps the code 2 so
// that it can be told apart from the United States.
constexpr TTerritoryCode kTerritoryCodes[] = {
    {"AE", 971}, {"AR", 54},  {"AT", 43},  {"AU", 61},  {"BE", 32},  {"BG", 359}, {"BR", 55},
    {"CA", 2},   {"CH", 41},  {"CL", 56},  {"CN", 86},  {"CO", 57},  {"CY", 357}, {"CZ", 420},
    {"DE", 49},  {"DK", 45},  {"EE", 372}, {"EG", 20},  {"ES", 34},  {"FI", 358}, {"FR", 33},
    {"GB", 44},  {"GR", 30},  {"HK", 852}, {"HR", 385}, {"HU", 36},  {"ID", 62},  {"IE", 353},
    {"IL", 972}, {"IN", 91},  {"IS", 354}, {"IT", 39},  {"JP", 81},  {"KR", 82},  {"LI", 423},
    {"LT", 370}, {"LU", 352}, {"LV", 371}, {"MA", 212}, {"MT", 356}, {"MX", 52},  {"MY", 60},
    {"NG", 234}, {"NL", 31},  {"NO", 47},  {"NZ", 64},  {"PE", 51},  {"PH", 63},  {"PK", 92},
    {"PL", 48},  {"PR", 1},   {"PT", 351}, {"RO", 40},  {"RS", 381}, {"RU", 7},   {"SA", 966},
    {"SE", 46},  {"SG", 65},  {"SI", 386}, {"SK", 421}, {"TH", 66},  {"TR", 90},  {"TW", 886},
    {"UA", 380}, {"UK", 44},  {"US", 1},   {"UY", 598}, {"VE", 58},  {"VN", 84},  {"ZA", 27},
    {"KE", 254}, {"DZ", 213},
};

constexpr std::array<std::string_view, 16> kNegativeForms = {
    "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

// Locale name in force for a category: LC_ALL, then the category, then LANG.
std::string LocaleNameFor(const char* category) {
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

bool IsPlainLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

int ByteItem(locale_t locale, nl_item item) {
    const char* value = nl_langinfo_l(item, locale);
    return value == nullptr || *value == CHAR_MAX ? -1 : static_cast<unsigned char>(*value);
}

// Index of the negative money form for the POSIX monetary description.
int NegativeFormOf(bool symbolFirst, bool spaced, int signPosition) {
    const std::string core = symbolFirst ? (spaced ? "$ 1" : "$1") : (spaced ? "1 $" : "1$");
    std::string form;
    switch (signPosition) {
    case 0:
        form = "(" + core + ")";
        break;
    case 2:
        form = core + "-";
        break;
    case 3:
        form = symbolFirst ? "-" + core : (spaced ? "1 -$" : "1-$");
        break;
    case 4:
        form = symbolFirst ? (spaced ? "$- 1" : "$-1") : core + "-";
        break;
    default:
        form = "-" + core;
        break;
    }
    auto found = std::find(kNegativeForms.begin(), kNegativeForms.end(), form);
    if (found == kNegativeForms.end()) {
        found = std::find(kNegativeForms.begin(), kNegativeForms.end(), "-" + core);
    }
    return static_cast<int>(found - kNegativeForms.begin());
}

void ReadNumeric(const std::string& name, TRegionalSettings& settings) {
    locale_t locale = newlocale(LC_NUMERIC_MASK, name.c_str(), nullptr);
    if (locale == nullptr) {
        return;
    }
    settings.DecimalSeparator = nl_langinfo_l(RADIXCHAR, locale);
    settings.ThousandSeparator = nl_langinfo_l(THOUSEP, locale);
    freelocale(locale);
}

void ReadMonetary(const std::string& name, TRegionalSettings& settings) {
    locale_t locale = newlocale(LC_MONETARY_MASK, name.c_str(), nullptr);
    if (locale == nullptr) {
        return;
    }
    settings.CurrencyString = nl_langinfo_l(__CURRENCY_SYMBOL, locale);
    const int positiveFirst = ByteItem(locale, __P_CS_PRECEDES);
    const int positiveSpaced = ByteItem(locale, __P_SEP_BY_SPACE);
    const int negativeFirst = ByteItem(locale, __N_CS_PRECEDES);
    const int negativeSpaced = ByteItem(locale, __N_SEP_BY_SPACE);
    const int signPosition = ByteItem(locale, __N_SIGN_POSN);
    const int decimals = ByteItem(locale, __FRAC_DIGITS);
    if (positiveFirst >= 0) {
        settings.CurrencyFormat = (positiveFirst != 0 ? 0 : 1) + (positiveSpaced == 1 ? 2 : 0);
    }
    if (negativeFirst >= 0) {
        settings.NegCurrFormat =
            NegativeFormOf(negativeFirst != 0, negativeSpaced == 1, signPosition);
    }
    if (decimals >= 0 && decimals <= 4) {
        settings.CurrencyDecimals = decimals;
    }
    freelocale(locale);
}

void ReadTime(const std::string& name, TRegionalSettings& settings) {
    locale_t locale = newlocale(LC_TIME_MASK, name.c_str(), nullptr);
    if (locale == nullptr) {
        return;
    }
    const std::string pattern = DatePatternFromStrftime(nl_langinfo_l(D_FMT, locale));
    if (!pattern.empty()) {
        settings.ShortDateFormat = pattern;
    }
    freelocale(locale);
}

} // namespace

TRegionalSettings TRegionalSettings::UnitedStates() {
    TRegionalSettings settings;
    settings.CountryCode = 1;
    return settings;
}

std::uint16_t CountryCodeOfTerritory(std::string_view territory) {
    std::string upper(territory);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    for (const TTerritoryCode& entry : kTerritoryCodes) {
        if (entry.Territory == upper) {
            return entry.Code;
        }
    }
    return 0;
}

std::uint16_t CountryCodeOfLocale(std::string_view localeName) {
    // language[_territory][.codeset][@modifier]
    const auto underscore = localeName.find('_');
    if (underscore == std::string_view::npos) {
        return 0;
    }
    const std::string_view rest = localeName.substr(underscore + 1);
    return CountryCodeOfTerritory(rest.substr(0, rest.find_first_of(".@")));
}

TRegionalSettings RegionalSettingsOfLocale(std::string_view localeName) {
    TRegionalSettings settings;
    settings.CountryCode = CountryCodeOfLocale(localeName);
    if (IsPlainLocale(localeName)) {
        return settings;
    }
    const std::string name(localeName);
    ReadNumeric(name, settings);
    ReadMonetary(name, settings);
    ReadTime(name, settings);
    return settings;
}

TRegionalSettings TPosixRegionalSettings::Current() const {
    TRegionalSettings settings;
    const std::string monetary = LocaleNameFor("LC_MONETARY");
    settings.CountryCode = CountryCodeOfLocale(monetary);
    if (!IsPlainLocale(monetary)) {
        ReadMonetary(monetary, settings);
    }
    const std::string numeric = LocaleNameFor("LC_NUMERIC");
    if (!IsPlainLocale(numeric)) {
        ReadNumeric(numeric, settings);
    }
    const std::string time = LocaleNameFor("LC_TIME");
    if (!IsPlainLocale(time)) {
        ReadTime(time, settings);
    }
    return settings;
}

} // namespace calvora
