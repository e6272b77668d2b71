#include "persistence/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace calvora {

namespace {

// Decimal expansion of |value| with 18 significant digits: value = 0.digits * 10^exponent.
struct TSignificand {
    std::string Digits;
    int Exponent = 0;
};

TSignificand Expand18(Extended value) {
    TSignificand result;
    if (value == 0) {
        result.Digits = std::string(18, '0');
        result.Exponent = 1;
        return result;
    }
    char buffer[64];
    // to_chars is independent of the process locale, unlike printf.
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 17);
    (void)ec;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto ePos = text.find('e');
    for (char c : text.substr(0, ePos)) {
        if (c >= '0' && c <= '9') {
            result.Digits += c;
        }
    }
    int exponent = 0;
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    result.Exponent = exponent + 1;
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero on the next one. A
// carry out of the first digit adds a leading "1" and raises the exponent.
void RoundDigits(TSignificand& number, int keep) {
    if (keep < 0) {
        number.Digits.assign(1, '0');
        number.Exponent = 1;
        return;
    }
    if (static_cast<std::size_t>(keep) >= number.Digits.size()) {
        number.Digits.append(static_cast<std::size_t>(keep) - number.Digits.size(), '0');
        return;
    }
    const bool up = number.Digits[static_cast<std::size_t>(keep)] >= '5';
    number.Digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && number.Digits[static_cast<std::size_t>(i)] == '9') {
        number.Digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++number.Digits[static_cast<std::size_t>(i)];
    } else {
        number.Digits.insert(number.Digits.begin(), '1');
        ++number.Exponent;
    }
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks [sign] digits [. digits] [e [sign] digits] with at least one mantissa digit.
bool IsDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

[[noreturn]] void RaiseNotFloat(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

} // namespace

TDecimalDigits RoundToDecimals(Extended value, int decimals) {
    TSignificand number = Expand18(value);
    RoundDigits(number, number.Exponent + decimals);
    TDecimalDigits result;
    std::string integerPart;
    std::string fraction;
    if (number.Exponent > 0) {
        integerPart = number.Digits.substr(0, static_cast<std::size_t>(number.Exponent));
        fraction = number.Digits.substr(integerPart.size());
    } else {
        fraction = std::string(static_cast<std::size_t>(-number.Exponent), '0') + number.Digits;
    }
    integerPart.append(static_cast<std::size_t>(std::max(0, number.Exponent)) - integerPart.size(),
                       '0');
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    fraction.resize(static_cast<std::size_t>(std::max(0, decimals)), '0');
    result.Digits = integerPart + fraction;
    result.IntegerDigits = static_cast<int>(integerPart.size());
    result.Negative = value < 0 && result.Digits.find_first_not_of('0') != std::string::npos;
    return result;
}

std::string FloatToText(Extended value, std::string_view decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }
    TSignificand number = Expand18(value);
    RoundDigits(number, 15);
    const auto lastNonZero = number.Digits.find_last_not_of('0');
    number.Digits.resize(lastNonZero + 1);
    std::string text = value < 0 ? "-" : "";
    const int digitCount = static_cast<int>(number.Digits.size());
    if (number.Exponent > 15 || number.Exponent < -3) {
        text += number.Digits[0];
        if (digitCount > 1) {
            text += decimalSeparator;
            text += number.Digits.substr(1);
        }
        text += 'E';
        text += std::to_string(number.Exponent - 1);
    } else if (number.Exponent <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-number.Exponent), '0');
        text += number.Digits;
    } else if (digitCount <= number.Exponent) {
        text += number.Digits;
        text.append(static_cast<std::size_t>(number.Exponent - digitCount), '0');
    } else {
        text += number.Digits.substr(0, static_cast<std::size_t>(number.Exponent));
        text += decimalSeparator;
        text += number.Digits.substr(static_cast<std::size_t>(number.Exponent));
    }
    return text;
}

Extended TextToFloat(std::string_view text, std::string_view decimalSeparator) {
    const std::string_view trimmed = TrimBlanks(text);
    std::string plain(trimmed);
    if (decimalSeparator != ".") {
        if (plain.find('.') != std::string::npos) {
            RaiseNotFloat(text);
        }
        const auto pos =
            decimalSeparator.empty() ? std::string::npos : plain.find(decimalSeparator);
        if (pos != std::string::npos) {
            plain.replace(pos, decimalSeparator.size(), ".");
        }
    }
    if (!IsDecimalNumber(plain)) {
        RaiseNotFloat(text);
    }
    const char* first = plain.data() + (plain[0] == '+' ? 1 : 0);
    Extended value = 0;
    const auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size()) {
        RaiseNotFloat(text);
    }
    return value;
}

std::int32_t TextToInteger(std::string_view text) {
    std::string_view digits = text;
    const auto first = digits.find_first_not_of(" \t");
    digits = first == std::string_view::npos ? std::string_view{} : digits.substr(first);
    if (!digits.empty() && digits[0] == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits[0] == '-') {
            digits = {};
        }
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

} // namespace calvora
