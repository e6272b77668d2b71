#include "persistence/format_text.h"

#include "persistence/number_text.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace calvora {

namespace {

// Templates of the regional money forms: '$' stands for the currency sign and
// '1' for the number.
constexpr std::array<std::string_view, 4> kPositiveMoney = {"$1", "1$", "$ 1", "1 $"};
constexpr std::array<std::string_view, 16> kNegativeMoney = {
    "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// The first `limit` code points of a UTF-8 text.
std::string_view FirstCodePoints(std::string_view text, std::size_t limit) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == limit) {
                return text.substr(0, i);
            }
            ++count;
        }
    }
    return text;
}

// |value| with `decimals` places, the regional decimal separator and, when
// grouped, the regional thousands separator. Sets `negative` for a value that
// is still below zero after rounding.
std::string UnsignedDecimalText(Extended value, int decimals, bool grouped,
                                const TRegionalSettings& regional, bool& negative) {
    if (std::isnan(value) || std::isinf(value)) {
        negative = std::isinf(value) && value < 0;
        return std::isnan(value) ? "NAN" : "INF";
    }
    const TDecimalDigits rounded = RoundToDecimals(value, decimals);
    negative = rounded.Negative;
    const std::string integerPart =
        rounded.Digits.substr(0, static_cast<std::size_t>(rounded.IntegerDigits));
    std::string text;
    for (std::size_t i = 0; i < integerPart.size(); ++i) {
        if (grouped && i > 0 && (integerPart.size() - i) % 3 == 0) {
            text += regional.ThousandSeparator;
        }
        text += integerPart[i];
    }
    if (decimals > 0) {
        text += regional.DecimalSeparator;
        text += rounded.Digits.substr(integerPart.size());
    }
    return text;
}

std::string MoneyText(Extended value, int decimals, const TRegionalSettings& regional) {
    bool negative = false;
    const std::string number = UnsignedDecimalText(value, decimals, true, regional, negative);
    std::string_view form;
    if (negative) {
        const auto index = static_cast<std::size_t>(regional.NegCurrFormat);
        form = index < kNegativeMoney.size() ? kNegativeMoney[index] : kNegativeMoney[1];
    } else {
        const auto index = static_cast<std::size_t>(regional.CurrencyFormat);
        form = index < kPositiveMoney.size() ? kPositiveMoney[index] : kPositiveMoney[0];
    }
    std::string text;
    for (const char c : form) {
        if (c == '$') {
            text += regional.CurrencyString;
        } else if (c == '1') {
            text += number;
        } else {
            text += c;
        }
    }
    return text;
}

std::string SignedDecimalText(Extended value, int decimals, bool grouped,
                              const TRegionalSettings& regional) {
    bool negative = false;
    std::string text = UnsignedDecimalText(value, decimals, grouped, regional, negative);
    return negative ? "-" + text : text;
}

std::string IntegerText(std::int64_t value, int minimumDigits, bool hexadecimal) {
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    std::string digits = hexadecimal ? "" : std::to_string(magnitude);
    if (hexadecimal) {
        unsigned long long rest = static_cast<unsigned long long>(value);
        do {
            digits.insert(digits.begin(), "0123456789ABCDEF"[rest % 16]);
            rest /= 16;
        } while (rest != 0);
    }
    if (minimumDigits > 0 && digits.size() < static_cast<std::size_t>(minimumDigits)) {
        digits.insert(0, static_cast<std::size_t>(minimumDigits) - digits.size(), '0');
    }
    return value < 0 && !hexadecimal ? "-" + digits : digits;
}

class TFormatter {
public:
    TFormatter(std::string_view pattern, std::initializer_list<FormatArg> args,
               const TRegionalSettings& regional)
        : m_pattern(pattern)
        , m_args(args)
        , m_regional(regional) {}

    std::string Run() {
        std::string out;
        std::size_t i = 0;
        while (i < m_pattern.size()) {
            const auto percent = m_pattern.find('%', i);
            out.append(
                m_pattern.substr(i, percent == std::string_view::npos ? percent : percent - i));
            if (percent == std::string_view::npos) {
                break;
            }
            i = Directive(percent + 1, out);
        }
        return out;
    }

private:
    [[noreturn]] void Fail() const {
        throw EFormatError("Format '" + std::string(m_pattern) +
                           "' invalid or incompatible with argument");
    }

    const FormatArg& NextArg() {
        if (m_next >= m_args.size()) {
            Fail();
        }
        return m_args.begin()[m_next++];
    }

    // A width or precision: digits, or "*" taking the next integer argument.
    int Number(std::size_t& i) {
        if (i < m_pattern.size() && m_pattern[i] == '*') {
            ++i;
            const auto* value = std::get_if<std::int64_t>(&NextArg().Value());
            if (value == nullptr) {
                Fail();
            }
            return static_cast<int>(*value);
        }
        int number = 0;
        while (i < m_pattern.size() && m_pattern[i] >= '0' && m_pattern[i] <= '9') {
            number = number * 10 + (m_pattern[i] - '0');
            if (number > 10000) {
                Fail();
            }
            ++i;
        }
        return number;
    }

    Extended FloatArg() {
        const auto& value = NextArg().Value();
        if (const auto* number = std::get_if<Extended>(&value)) {
            return *number;
        }
        if (const auto* integer = std::get_if<std::int64_t>(&value)) {
            return static_cast<Extended>(*integer);
        }
        Fail();
    }

    std::int64_t IntegerArg() {
        const auto* integer = std::get_if<std::int64_t>(&NextArg().Value());
        if (integer == nullptr) {
            Fail();
        }
        return *integer;
    }

    std::size_t Directive(std::size_t i, std::string& out) {
        if (i < m_pattern.size() && m_pattern[i] == '%') {
            out += '%';
            return i + 1;
        }
        bool leftJustify = false;
        if (i < m_pattern.size() && m_pattern[i] == '-') {
            leftJustify = true;
            ++i;
        }
        const int width = Number(i);
        int precision = -1;
        if (i < m_pattern.size() && m_pattern[i] == '.') {
            ++i;
            precision = Number(i);
        }
        if (i >= m_pattern.size()) {
            Fail();
        }
        const char type = static_cast<char>(m_pattern[i] | 0x20);
        std::string text;
        switch (type) {
        case 'd':
        case 'u':
            text = IntegerText(IntegerArg(), precision, false);
            break;
        case 'x':
            text = IntegerText(IntegerArg(), precision, true);
            break;
        case 's': {
            const auto* value = std::get_if<std::string>(&NextArg().Value());
            if (value == nullptr) {
                Fail();
            }
            text = precision >= 0
                       ? std::string(FirstCodePoints(*value, static_cast<std::size_t>(precision)))
                       : *value;
            break;
        }
        case 'f':
            text = SignedDecimalText(FloatArg(), precision >= 0 ? precision : 2, false, m_regional);
            break;
        case 'n':
            text = SignedDecimalText(FloatArg(), precision >= 0 ? precision : 2, true, m_regional);
            break;
        case 'm':
            text = MoneyText(FloatArg(), precision >= 0 ? precision : m_regional.CurrencyDecimals,
                             m_regional);
            break;
        case 'g':
            text = FloatToText(FloatArg(), m_regional.DecimalSeparator);
            break;
        default:
            Fail();
        }
        const std::size_t length = CodePoints(text);
        if (width > 0 && length < static_cast<std::size_t>(width)) {
            const std::string padding(static_cast<std::size_t>(width) - length, ' ');
            text = leftJustify ? text + padding : padding + text;
        }
        out += text;
        return i + 1;
    }

    std::string_view m_pattern;
    std::initializer_list<FormatArg> m_args;
    const TRegionalSettings& m_regional;
    std::size_t m_next = 0;
};

} // namespace

std::string FormatText(std::string_view pattern, std::initializer_list<FormatArg> args,
                       const TRegionalSettings& regional) {
    return TFormatter(pattern, args, regional).Run();
}

std::string FormatMoney(Extended value, int decimals, const TRegionalSettings& regional) {
    return MoneyText(value, decimals, regional);
}

std::string FormatNumber(Extended value, int decimals, const TRegionalSettings& regional) {
    return SignedDecimalText(value, decimals, true, regional);
}

} // namespace calvora
