#include "finance/finance_equations.h"
#include "support/round_money_reference.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace calvora {
namespace {

using reference::MoneyText;

bool SameBits(long double a, long double b) {
    // The 80-bit value occupies the first ten bytes; the rest is padding.
    return std::memcmp(&a, &b, 10) == 0;
}

std::string Show(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", x);
    return text;
}

// Collects disagreements between RoundMoney and a reference without flooding
// the output: the count and the first few cases.
class Disagreements {
public:
    void Check(long double x, int n, long double expected) {
        const long double actual = RoundMoney(x, n);
        if (SameBits(actual, expected))
            return;
        if (++m_count <= 5)
            m_first += "RoundMoney(" + Show(x) + ", " + std::to_string(n) + ") = " + Show(actual) +
                       ", text gives " + Show(expected) + "\n";
    }
    void Note(const std::string& what) {
        if (++m_count <= 5)
            m_first += what + "\n";
    }
    int Count() const { return m_count; }
    const std::string& First() const { return m_first; }

private:
    int m_count = 0;
    std::string m_first;
};

TEST(RoundMoney, WorkedCasesRoundHalfAwayFromZero) {
    struct Case {
        long double x;
        int n;
        long double expected;
    };
    // The documented examples, plus the same amounts held as doubles (2.675 as a
    // double is 2.67499999999999982..., whose six-decimal text is 2.675000).
    const Case data[] = {
        {2.675L, 2, 2.68L},
        {-2.675L, 2, -2.68L},
        {1.5L, 2, 1.5L},
        {0.004999L, 2, 0.0L},
        {0.125L, 2, 0.13L},
        {-0.125L, 2, -0.13L},
        {static_cast<long double>(2.675), 2, 2.68L},
        {static_cast<long double>(1.005), 2, 1.01L},
        {1.005L, 2, 1.01L},
        {9999999999.995L, 2, 10000000000.0L},
        {1e-7L, 2, 0.0L},
        {1e-7L, 6, 0.0L},
        {5e-7L, 6, 0.000001L},
        {599.5521L, 2, 599.55L},
        {0.0049999996L, 2, 0.01L}, // six-decimal text 0.005000
        {2.5L, 0, 3.0L},
        {-2.5L, 0, -3.0L},
        {123.456789L, 6, 123.456789L},
        {123.4567895L, 6, 123.45679L},
    };
    for (const Case& c : data) {
        const long double actual = RoundMoney(c.x, c.n);
        EXPECT_TRUE(SameBits(actual, c.expected))
            << "RoundMoney(" << Show(c.x) << ", " << c.n << ") = " << Show(actual);
        EXPECT_TRUE(SameBits(reference::RoundMoneyByPrintf(c.x, c.n), c.expected))
            << "text reference on " << Show(c.x);
    }
}

TEST(RoundMoney, EdgeValuesHaveDocumentedResults) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double tie = 0.0078125L; // 1/128: exactly half a millionth above 0.007812
    struct Case {
        long double x;
        int n;
        long double expected;
    };
    const Case data[] = {
        {inf, 2, inf},
        {-inf, 2, -inf},
        {kRoundMoneyLimit, 2, kRoundMoneyLimit},
        {-1e15L + 0.25L, 2, -1e15L + 0.25L},
        {LDBL_MAX, 2, LDBL_MAX},
        {std::nextafter(kRoundMoneyLimit, 0.0L), 2, kRoundMoneyLimit},
        {999999999999.994L, 2, 999999999999.99L},
        {LDBL_TRUE_MIN, 2, 0.0L},
        {-LDBL_MIN, 6, 0.0L},
        {-0.0L, 2, 0.0L},   // never a negative zero
        {-0.001L, 2, 0.0L}, // "-.001" keeps "-.00": still +0
        {-0.0049L, 2, 0.0L},
        {tie, 6, 0.007813L}, // the six-decimal step rounds ties away from zero
        {-tie, 6, -0.007813L},
        {tie, 5, 0.00781L},
        {1.6L, -3, 2.0L},    // n below 0 acts as 0
        {tie, 9, 0.007813L}, // n above 6 acts as 6
    };
    for (const Case& c : data) {
        const long double actual = RoundMoney(c.x, c.n);
        EXPECT_TRUE(SameBits(actual, c.expected))
            << "RoundMoney(" << Show(c.x) << ", " << c.n << ") = " << Show(actual);
        EXPECT_TRUE(SameBits(reference::RoundMoneyByPrintf(c.x, c.n), c.expected))
            << "text reference on " << Show(c.x);
    }
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(RoundMoney(nan, 2)));
    EXPECT_TRUE(std::isnan(RoundMoney(-nan, 2)));
}

TEST(RoundMoney, ReferenceTextHasThePatternShape) {
    struct Case {
        long double x;
        const char* text;
    };
    const Case data[] = {
        {0.5L, ".5"},
        {0.0L, ".0"},
        {-0.0000004L, ".0"},
        {-0.0000005L, "-.000001"},
        {2.675L, "2.675"},
        {static_cast<long double>(2.675), "2.675"},
        {12.0L, "12.0"},
        {9999999999.9999996L, "10000000000.0"},
        {0.0078125L, ".007813"},
        {-1234.5678901L, "-1234.56789"},
    };
    for (const Case& c : data) {
        EXPECT_STREQ(reference::SixDecimalTextByPrintf(c.x).chars, c.text) << Show(c.x);
        EXPECT_STREQ(reference::SixDecimalText(c.x).chars, c.text) << Show(c.x);
    }
}

// A million values of every magnitude up to the limit, with a bias towards the
// values that matter: decimal amounts (as read from text), their neighbours a
// few units in the last place away, exact ties of the six-decimal step, and raw
// bit patterns. Each one is checked at every n against the reference made
// entirely of C library text functions (printf digits, strtold of the result);
// the long-division digits used by the half-cent sweep are checked against
// printf's on the same values.
TEST(RoundMoney, MatchesTextReferenceOnRandomValues) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_int_distribution<int> decimals(0, 8);
    std::uniform_int_distribution<int> nudge(-3, 3);
    std::uniform_real_distribution<long double> unit(0.0L, 1.0L);
    std::uniform_int_distribution<int> binaryExponent(-80, 39);
    std::uniform_int_distribution<int> decimalExponent(-8, 11);

    auto next = [&]() -> long double {
        const long double sign = (random() & 1) != 0 ? -1.0L : 1.0L;
        switch (kind(random)) {
        case 0: // log-uniform magnitude
            return sign * std::pow(10.0L, decimalExponent(random) + unit(random));
        case 1: { // a decimal amount with 0..8 decimals, as read from text
            const int d = decimals(random);
            const std::uint64_t scale = static_cast<std::uint64_t>(std::pow(10.0L, d));
            const std::uint64_t digits = random() % (static_cast<std::uint64_t>(1e12) * scale);
            return sign * (static_cast<long double>(digits) / static_cast<long double>(scale));
        }
        case 2: { // the same, a few units in the last place away
            const int d = decimals(random) % 7;
            const std::uint64_t scale = static_cast<std::uint64_t>(std::pow(10.0L, d));
            long double x = static_cast<long double>(random() % (100000000ULL * scale)) /
                            static_cast<long double>(scale);
            for (int steps = nudge(random); steps != 0; steps += steps > 0 ? -1 : 1)
                x = std::nextafter(x, steps > 0 ? LDBL_MAX : -LDBL_MAX);
            return sign * x;
        }
        case 3: // an exact tie of the six-decimal step: an odd multiple of 1/128
            return sign * static_cast<long double>((random() % (1ULL << 46)) | 1) / 128.0L;
        default: // raw significand and exponent
            return sign * std::ldexp(static_cast<long double>(random() | (1ULL << 63)),
                                     binaryExponent(random) - 63);
        }
    };

    const long double fixed[] = {2.675L,     1.005L, 0.125L,       1e-7L, 9999999999.995L,
                                 0.0078125L, 5e-7L,  4.999999e-7L, 0.0L,  1.0L};
    Disagreements disagreements;
    int formatterDisagreements = 0;
    constexpr int kValues = 1'000'000;
    for (int i = 0; i < kValues; ++i) {
        const long double x = i < static_cast<int>(std::size(fixed)) ? fixed[i] : next();
        const MoneyText byPrintf = reference::SixDecimalTextByPrintf(x);
        if (!reference::OutsideRoundingRange(x) &&
            std::strcmp(byPrintf.chars, reference::SixDecimalText(x).chars) != 0 &&
            ++formatterDisagreements <= 5)
            disagreements.Note("digits differ for " + Show(x));
        for (int n = 0; n <= 6; ++n) {
            long double expected = x;
            if (!reference::OutsideRoundingRange(x)) {
                MoneyText finalText;
                reference::RoundSixDecimalText(byPrintf, x < 0, n, &finalText);
                expected = std::strtold(finalText.chars, nullptr);
                expected = expected == 0 ? 0.0L : expected;
            }
            disagreements.Check(x, n, expected);
        }
    }
    EXPECT_EQ(formatterDisagreements, 0);
    EXPECT_EQ(disagreements.Count(), 0) << disagreements.First();
}

// Half cents from -100,000.00 to 100,000.00: each k / 200 as read from text and
// its neighbours one unit in the last place either way, against the text
// reference with long-division digits. Every half cent within 1,000.00 of zero;
// beyond, every ninth half cent (9 is coprime to 2 and 5, so every cent ending
// and both halves are met throughout). CALVORA_FULL_HALF_CENT_SWEEP=1 checks
// every half cent of the whole range (about half a minute under the sanitizers).
TEST(RoundMoney, MatchesTextReferenceOnHalfCents) {
    constexpr std::int64_t kHalfCents = 20'000'000;
    constexpr std::int64_t kDenseHalfCents = 200'000;
    const bool full = std::getenv("CALVORA_FULL_HALF_CENT_SWEEP") != nullptr;
    Disagreements disagreements;
    for (std::int64_t k = -kHalfCents; k <= kHalfCents;
         k += full || (k >= -kDenseHalfCents && k < kDenseHalfCents) ? 1 : 9) {
        const long double x = static_cast<long double>(k) / 200.0L;
        const long double around[] = {std::nextafter(x, -LDBL_MAX), x, std::nextafter(x, LDBL_MAX)};
        for (const long double value : around)
            disagreements.Check(value, 2, reference::RoundMoneyByText(value, 2));
    }
    EXPECT_EQ(disagreements.Count(), 0) << disagreements.First();
}

} // namespace
} // namespace calvora
