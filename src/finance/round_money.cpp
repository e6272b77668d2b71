#include "finance/finance_equations.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace calvora {

namespace {

static_assert(std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384,
              "RoundMoney reads the 80-bit extended layout: 64-bit significand, 15-bit exponent");

__extension__ using Uint128 = unsigned __int128;

constexpr std::uint64_t kPowersOfTen[7]{1, 10, 100, 1000, 10000, 100000, 1000000};
constexpr int kExponentBias = 16383;
constexpr int kSignificandBits = 64;
// 10^6 = 2^6 * 15625: the power of two goes into the shift.
constexpr std::uint64_t kMicrosOdd = 15625;
constexpr int kMicrosTwos = 6;

// |x| * 10^6 rounded half away from zero, computed exactly from the binary
// value. |x| < 10^12 keeps the result below 10^18.
std::uint64_t ExactMicros(Extended x) {
    std::uint64_t significand = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&significand, &x, sizeof significand);
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&x) + sizeof significand,
                sizeof signAndExponent);
    // Subnormals share the smallest normal exponent (their biased field is 0).
    const int biased = std::max(signAndExponent & 0x7FFF, 1);
    // |x| = significand * 2^-shift; shift >= 18 for |x| < 2^40.
    const int shift = kExponentBias + kSignificandBits - 1 - biased - kMicrosTwos;
    // significand * 15625 < 2^78: anything shifted further is below half a millionth.
    if (shift >= 79)
        return 0;
    const Uint128 scaled = static_cast<Uint128>(significand) * kMicrosOdd;
    return static_cast<std::uint64_t>((scaled + (static_cast<Uint128>(1) << (shift - 1))) >> shift);
}

} // namespace

Extended RoundMoney(Extended x, int n) {
    // Also lets NaN and infinities through unchanged.
    if (!(x < kRoundMoneyLimit && x > -kRoundMoneyLimit))
        return x;
    n = std::clamp(n, 0, 6);
    const std::uint64_t micros = ExactMicros(x);
    // Only the first dropped digit decides: add half a unit of the last kept
    // decimal and cut (for n = 6 nothing is dropped).
    const std::uint64_t unit = kPowersOfTen[6 - n];
    const std::uint64_t kept = (micros + unit / 2) / unit;
    if (kept == 0)
        return 0.0L;
    // kept <= 10^18 and 10^n are exact, so one correctly rounded division gives
    // the extended value nearest to the decimal result.
    const Extended magnitude = static_cast<Extended>(static_cast<std::int64_t>(kept)) /
                               static_cast<Extended>(static_cast<std::int64_t>(kPowersOfTen[n]));
    return std::signbit(x) ? -magnitude : magnitude;
}

} // namespace calvora
