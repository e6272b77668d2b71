#pragma once

#include "finance/finance_errors.h"
#include "finance/financial_types.h"
#include "persistence/regional_settings.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace calvora {

/// One argument of FormatText: an integer, an extended float or a text.
class FormatArg {
public:
    template <class T>
    requires std::is_integral_v<T> FormatArg(T value)
        : m_value(static_cast<std::int64_t>(value)) {}
    template <class T>
    requires std::is_floating_point_v<T> FormatArg(T value)
        : m_value(static_cast<Extended>(value)) {}
    FormatArg(const char* value)
        : m_value(std::string(value)) {}
    FormatArg(std::string value)
        : m_value(std::move(value)) {}
    FormatArg(std::string_view value)
        : m_value(std::string(value)) {}

    const std::variant<std::int64_t, Extended, std::string>& Value() const { return m_value; }

private:
    std::variant<std::int64_t, Extended, std::string> m_value;
};

/// A format pattern that does not fit its arguments (unknown conversion, too few
/// arguments, a text given for a number or a number for "%s"). The message is
/// "Format '<pattern>' invalid or incompatible with argument".
class EFormatError : public ECalvoraError {
public:
    using ECalvoraError::ECalvoraError;
};

/// printf-like formatting with the regional conventions. A directive is
/// "%" ["-"] [width] ["." precision] type; width and precision may be "*" (taken
/// from the next integer argument). Types (either case):
///   d  integer; precision = minimum digits
///   s  text; precision = maximum characters
///   f  fixed decimals (default 2), regional decimal separator, "-" for negatives
///   n  as f with regional thousands separators
///   m  money in the regional currency form (sign position, negative form), thousands
///      grouped, default decimals the regional currency decimals
///   %  a percent sign
/// The result is padded with blanks on the left to `width` characters, or on the
/// right with "-". Widths count characters (UTF-8 code points), not bytes.
/// Numbers round half away from zero. f, n and m also take integers.
std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args,
                       const TRegionalSettings& regional);

/// A money amount as "%.<decimals>m" gives it ("$1,234.50", "-$12.00" or "1.234,50 €").
std::string FormatMoney(Extended value, int decimals, const TRegionalSettings& regional);

/// A number with thousands separators as "%.<decimals>n" gives it ("1,234.50").
std::string FormatNumber(Extended value, int decimals, const TRegionalSettings& regional);

} // namespace calvora
