#pragma once

#include "finance/finance_errors.h"
#include "finance/financial_types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calvora {

/// A text that does not convert to the number or date asked for. The message
/// names the text: "'abc' is not a valid integer value".
class EConvertError : public ECalvoraError {
public:
    using ECalvoraError::ECalvoraError;
};

/// Shortest general decimal form with up to 15 significant digits: fixed notation
/// for 0.0001 <= |value| < 1E15, otherwise scientific ("1E-5", "1.5E20"); no trailing
/// zeros, the decimal separator given (8.5, 0.25, 7.09999990463257).
std::string FloatToText(Extended value, std::string_view decimalSeparator = ".");

/// Reads a decimal number with the given decimal separator and an optional
/// exponent; blanks around it are allowed, grouping characters are not.
/// Raises EConvertError "'<text>' is not a valid floating point value".
Extended TextToFloat(std::string_view text, std::string_view decimalSeparator = ".");

/// Reads a 32-bit decimal integer with an optional sign; leading blanks allowed.
/// Raises EConvertError "'<text>' is not a valid integer value".
std::int32_t TextToInteger(std::string_view text);

/// The decimal digits of |value| rounded half away from zero to `decimals` places
/// after the point, without sign or separators ("1234.5", 2 -> "123450" with
/// integerDigits 4). Rounding first takes 18 significant digits, so a value that
/// is a hair below a half in binary (2.675) still rounds up as written.
struct TDecimalDigits {
    std::string Digits;    ///< all digits, at least one before the point
    int IntegerDigits = 1; ///< how many of them stand before the point
    bool Negative = false; ///< sign of the rounded value (never set for zero)
};
TDecimalDigits RoundToDecimals(Extended value, int decimals);

} // namespace calvora
