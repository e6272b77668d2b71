#include "refinance/advisor_gains.h"
#include "refinance/refinance_test_support.h"

#include <cmath>
#include <gtest/gtest.h>

namespace calvora {
namespace {

// Independent growth and discounting: (1 + i)^n.
long double Fv(int n, long double x, long double i) {
    return x * std::pow(1 + i, static_cast<long double>(n));
}
long double Pv(int n, long double x, long double i) {
    return x / std::pow(1 + i, static_cast<long double>(n));
}

struct PaymentCase {
    const char* what;
    long double current, possible;
    int k1, k2;
    float discount;
    std::uint8_t deductible;
    float tax;
    long double expected; // from the loops below
};

TRefinanceInputs GainInputs(float discount, std::uint8_t deductible, float tax) {
    TRefinanceInputs in = test::MonthlyInputs();
    in.DiscountRate = discount;
    in.InterestDeductible = deductible;
    in.TaxBracket = tax;
    return in;
}

TRefinanceResults GainResults(long double current, long double possible, int k1, int k2) {
    TRefinanceResults r;
    r.CurrentPayment = current;
    r.PossiblePayment = possible;
    r.CurrentPeriods = static_cast<std::int16_t>(k1);
    r.PossiblePeriods = static_cast<std::int16_t>(k2);
    r.HoldingPeriods = static_cast<std::int16_t>(std::max(k1, k2));
    return r;
}

// Equal lengths: each period's difference grows to the end; the growth is taxed
// as it accrues when deductible.
long double EqualLengths(long double d, int k, long double i, long double tau) {
    long double acc = 0, base = d;
    for (int j = 1; j <= k; ++j) {
        acc += Fv(k - j, d, i);
        acc -= (acc - base) * tau;
        base = acc + d;
    }
    return Pv(k, acc - k * d, i);
}

TEST(PaymentDifferenceGain, EqualLengths) {
    const long double i = 0.06L / 12;
    const long double untaxed = EqualLengths(100, 24, i, 0);
    const long double taxed = EqualLengths(100, 24, i, 0.25L);
    ASSERT_GT(untaxed, taxed);
    const PaymentCase cases[] = {
        {"lower payment", 1000, 900, 24, 24, 6, idDeductible, 0, untaxed},
        {"higher payment", 900, 1000, 24, 24, 6, idDeductible, 0, -untaxed},
        {"taxed growth", 1000, 900, 24, 24, 6, idDeductible, 25, taxed},
        {"not deductible", 1000, 900, 24, 24, 6, idNotDeductible, 25, untaxed},
        {"no discount rate", 1000, 900, 24, 24, 0, idDeductible, 25, 0},
        {"within a cent", 1000, 999.991L, 24, 24, 6, idDeductible, 0, 0},
    };
    for (const PaymentCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(PaymentDifferenceGain(GainInputs(c.discount, c.deductible, c.tax),
                                          GainResults(c.current, c.possible, c.k1, c.k2)),
                    c.expected, 1e-9L);
    }
    // A difference of exactly one cent counts.
    EXPECT_NE(
        PaymentDifferenceGain(GainInputs(6, idDeductible, 0), GainResults(1000.01L, 1000, 24, 24)),
        0);
}

TEST(PaymentDifferenceGain, NewLoanEndsFirst) {
    const long double i = 0.06L / 12;
    long double acc = 0;
    for (int j = 1; j <= 12; ++j) {
        acc += Fv(12 - j, 100, i);
    }
    const long double expected = Pv(12, acc - 12 * 100, i);
    EXPECT_NEAR(
        PaymentDifferenceGain(GainInputs(6, idNotDeductible, 0), GainResults(1000, 900, 24, 12)),
        expected, 1e-9L);
    EXPECT_NEAR(
        PaymentDifferenceGain(GainInputs(6, idNotDeductible, 0), GainResults(900, 1000, 24, 12)),
        -expected, 1e-9L);
    EXPECT_NEAR(
        PaymentDifferenceGain(GainInputs(0, idNotDeductible, 0), GainResults(1000, 900, 24, 12)), 0,
        1e-9L);
}

TEST(PaymentDifferenceGain, CurrentLoanEndsFirst) {
    const long double i = 0.06L / 12;
    // Lower new payment: the difference is invested while both loans run, then
    // the whole new payment from the month the current loan would have ended.
    long double first = 0, second = 0;
    for (int j = 1; j <= 12; ++j) {
        first += Fv(24 - j, 100, i);
    }
    for (int j = 13; j <= 24; ++j) {
        second += Fv(24 - j, 900, i);
    }
    const long double lower = Pv(12, (first - 12 * 100) + (second - 12 * 1000), i);
    EXPECT_NEAR(
        PaymentDifferenceGain(GainInputs(6, idNotDeductible, 0), GainResults(1000, 900, 12, 24)),
        lower, 1e-9L);

    // Higher new payment: one running sum, no sign turned.
    long double acc = 0;
    for (int j = 1; j <= 24; ++j) {
        acc += Fv(24 - j, j <= 12 ? 100 : 1000, i);
    }
    EXPECT_NEAR(
        PaymentDifferenceGain(GainInputs(6, idNotDeductible, 0), GainResults(900, 1000, 12, 24)),
        Pv(12, acc - 12 * 900, i), 1e-9L);
}

TEST(PaymentDifferenceGain, DailyGrowthUsesACalendarYear) {
    const long double i = static_cast<long double>(7.3f) / 100 / 365;
    long double acc = 0;
    for (int j = 1; j <= 30; ++j) {
        acc += Fv(30 - j, 5, i);
    }
    TRefinanceInputs in = GainInputs(7.3f, idNotDeductible, 0);
    in.NewFrequency = in.CurrentFrequency = fqDaily;
    EXPECT_NEAR(PaymentDifferenceGain(in, GainResults(50, 45, 30, 30)), Pv(30, acc - 30 * 5, i),
                1e-9L);
}

struct ExtraCase {
    const char* what;
    double balance;
    long double newAmount, financed;
    bool invest;
    float discount;
    long double expected;
};

TEST(ExtraBorrowingGain, GrowthOfTheDifferenceOverTheHoldingPeriod) {
    const long double i = 0.04L / 12;
    const long double on30000 = Pv(120, Fv(120, 30000, i) - 30000, i);
    const long double on5000 = Pv(120, Fv(120, 5000, i) - 5000, i);
    const long double on1000 = Pv(120, Fv(120, 1000, i) - 1000, i);
    const ExtraCase cases[] = {
        {"larger loan invested", 100000, 130000, 130000, true, 4, on30000},
        {"larger loan not invested", 100000, 130000, 130000, false, 4, 0},
        {"smaller loan", 150000, 145000, 145000, false, 4, -on5000},
        {"smaller loan invested", 150000, 145000, 145000, true, 4, -on5000},
        {"smaller loan grown by financed points", 100000, 99000, 100980, true, 4, on1000},
        {"same amount", 100000, 100000.004L, 100000.004L, true, 4, 0},
        {"no discount rate", 100000, 130000, 130000, true, 0, 0},
    };
    for (const ExtraCase& c : cases) {
        SCOPED_TRACE(c.what);
        TRefinanceInputs in = GainInputs(c.discount, idDeductible, 0);
        in.CurrentBalance = c.balance;
        in.NewLoanAmount = c.newAmount;
        in.InvestDifference = c.invest;
        TRefinanceResults r = GainResults(0, 0, 120, 120);
        r.FinancedLoanAmount = c.financed;
        EXPECT_NEAR(ExtraBorrowingGain(in, r), c.expected, 1e-9L);
    }
}

} // namespace
} // namespace calvora
