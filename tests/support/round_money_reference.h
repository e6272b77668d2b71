#pragma once

// Money rounding done the slow way, on text: the six-decimal text of the value
// in the pattern "##########.0#####", then the rounding steps on its characters.
// RoundMoney must agree with it bit for bit. Shared by the tests and the
// benchmark (which includes it by a relative path).
//
// Decisions the production code shares:
// - the six-decimal text rounds the exact binary value half away from zero
//   (ties exist: odd multiples of 1/128 such as 0.0078125);
// - the pattern shows no integer zero (0.5 is ".5"), at least one and at most
//   six decimals, and no minus sign when every shown digit is zero;
// - the result is the extended value nearest to the decimal result (the text
//   is read once, as strtold reads it); a zero result is +0;
// - n is clamped to 0..6; NaN, infinities and |x| >= kRoundMoneyLimit come back
//   unchanged.

#include "finance/finance_equations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace calvora::reference {

/// Text of an amount below kRoundMoneyLimit with at most seven decimals.
struct MoneyText {
    char chars[32];
};

/// Integer digits, '.', and the first seven fraction digits of the exact
/// decimal expansion of ax (0 <= ax < kRoundMoneyLimit), by the C library:
/// with as many decimals as ax has fraction bits the expansion is exact (values
/// below 2^-67 get 130 decimals, far beyond the seventh).
inline MoneyText SevenDecimalsByPrintf(long double ax) {
    const int decimals = ax == 0 ? 7 : std::clamp(63 - std::ilogb(ax), 7, 130);
    char exact[160];
    std::snprintf(exact, sizeof exact, "%.*Lf", decimals, ax);
    MoneyText text;
    const std::size_t length = std::strchr(exact, '.') + 8 - exact;
    std::memcpy(text.chars, exact, length);
    text.chars[length] = '\0';
    return text;
}

/// The same characters by long division of the significand: the value is
/// m * 2^-bits with a 64-bit m; each decimal is the integer part of ten times the
/// remaining fraction.
inline MoneyText SevenDecimalsByDivision(long double ax) {
    __extension__ using Uint128 = unsigned __int128;
    int exponent = 0;
    const long double fraction = std::frexp(ax, &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int bits = 64 - exponent;
    std::uint64_t whole = 0;
    Uint128 rest = 0;
    // Below 2^-61 the first seven decimals are zero; up to 124 bits ten times the
    // rest still fits in 128 bits.
    if (bits <= 124) {
        whole = bits >= 64 ? 0 : m >> bits;
        rest = bits >= 64 ? m : m & ((std::uint64_t{1} << bits) - 1);
    }
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    MoneyText text;
    char* out = text.chars;
    while (count > 0)
        *out++ = reversed[--count];
    *out++ = '.';
    const Uint128 mask = bits <= 124 ? (Uint128{1} << bits) - 1 : 0;
    for (int i = 0; i < 7; ++i) {
        rest *= 10;
        *out++ = static_cast<char>('0' + (bits <= 124 ? static_cast<int>(rest >> bits) : 0));
        rest &= mask;
    }
    *out = '\0';
    return text;
}

/// "##########.0#####" text from the seven-decimal characters: rounds half away
/// from zero at the sixth decimal (the seventh decides), drops trailing zero
/// decimals (keeping one) and an integer zero, and puts '-' before a negative
/// value whose shown digits are not all zero.
inline MoneyText SixDecimalPattern(const MoneyText& sevenDecimals, bool negative) {
    char digits[sizeof(MoneyText::chars) + 1];
    std::size_t length = std::strlen(sevenDecimals.chars) - 1; // drop the seventh decimal
    std::memcpy(digits + 1, sevenDecimals.chars, length);
    digits[0] = '0';
    ++length;
    if (sevenDecimals.chars[length - 1] >= '5') {
        for (std::size_t i = length - 1;; --i) {
            if (digits[i] == '.')
                continue;
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
        }
    }
    while (digits[length - 1] == '0' && digits[length - 2] != '.')
        --length;
    std::size_t first = 0;
    while (digits[first] == '0')
        ++first;
    MoneyText text;
    char* out = text.chars;
    bool nonZero = false;
    for (std::size_t i = first; i < length; ++i)
        nonZero = nonZero || (digits[i] >= '1' && digits[i] <= '9');
    if (negative && nonZero)
        *out++ = '-';
    std::memcpy(out, digits + first, length - first);
    out[length - first] = '\0';
    return text;
}

/// The rounding steps on a six-decimal text: split at the separator (an empty
/// integer text is "0"), take the (n+1)-th fraction character as the deciding
/// digit, keep the integer text and the first n fraction characters, and add
/// 10^-n (x >= 0) or subtract it (x < 0) when the digit is 5 or more. The sum is
/// exact in decimal; finalText receives it ("-12.35"), the return value is the
/// extended value nearest to it.
inline long double RoundSixDecimalText(const MoneyText& text, bool xNegative, int n,
                                       MoneyText* finalText = nullptr) {
    n = std::clamp(n, 0, 6);
    const char* separator = std::strchr(text.chars, '.');
    const char* fraction = separator + 1;
    const std::size_t fractionLength = std::strlen(fraction);
    const char deciding = fractionLength > static_cast<std::size_t>(n) ? fraction[n] : '0';
    const int digit = deciding >= '0' && deciding <= '9' ? deciding - '0' : 0;

    // The kept number as a signed count of 10^-n units.
    const bool numberNegative = text.chars[0] == '-';
    std::int64_t units = 0;
    for (const char* c = text.chars; c != separator; ++c)
        if (*c >= '0' && *c <= '9')
            units = units * 10 + (*c - '0');
    for (int i = 0; i < n; ++i)
        units = units * 10 + (static_cast<std::size_t>(i) < fractionLength ? fraction[i] - '0' : 0);
    if (numberNegative)
        units = -units;
    if (digit >= 5)
        units += xNegative ? -1 : 1;

    const std::uint64_t magnitude = units < 0 ? -static_cast<std::uint64_t>(units) : units;
    if (finalText != nullptr) {
        char* out = finalText->chars;
        if (units < 0)
            *out++ = '-';
        char reversed[24];
        int count = 0;
        std::uint64_t rest = magnitude;
        for (int i = 0; i < n; ++i, rest /= 10)
            reversed[count++] = static_cast<char>('0' + rest % 10);
        if (n > 0)
            reversed[count++] = '.';
        do {
            reversed[count++] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        while (count > 0)
            *out++ = reversed[--count];
        *out = '\0';
    }
    if (magnitude == 0)
        return 0.0L;
    long double scale = 1;
    for (int i = 0; i < n; ++i)
        scale *= 10;
    const long double value = static_cast<long double>(magnitude) / scale;
    return units < 0 ? -value : value;
}

/// True when x is passed through unchanged.
inline bool OutsideRoundingRange(long double x) {
    return !(std::fabs(x) < kRoundMoneyLimit);
}

/// Six-decimal text of x, digits by long division.
inline MoneyText SixDecimalText(long double x) {
    return SixDecimalPattern(SevenDecimalsByDivision(std::fabs(x)), x < 0);
}

/// Six-decimal text of x, digits by the C library.
inline MoneyText SixDecimalTextByPrintf(long double x) {
    return SixDecimalPattern(SevenDecimalsByPrintf(std::fabs(x)), x < 0);
}

/// Money rounding through the six-decimal text (digits by long division).
inline long double RoundMoneyByText(long double x, int n) {
    if (OutsideRoundingRange(x))
        return x;
    return RoundSixDecimalText(SixDecimalText(x), x < 0, n);
}

/// Money rounding entirely by the C library: printf's exact digits, the steps
/// on the text, and strtold reading the final text.
inline long double RoundMoneyByPrintf(long double x, int n) {
    if (OutsideRoundingRange(x))
        return x;
    MoneyText finalText;
    RoundSixDecimalText(SixDecimalTextByPrintf(x), x < 0, n, &finalText);
    const long double value = std::strtold(finalText.chars, nullptr);
    return value == 0 ? 0.0L : value;
}

} // namespace calvora::reference
