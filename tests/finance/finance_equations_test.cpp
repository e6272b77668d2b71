#include "finance/finance_equations.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

// Unless a case says otherwise, expected values were computed independently with
// python3 and mpmath at 40 significant digits from the closed forms, e.g.
// mp.dps = 40; 12 * ((1 + mpf('0.06') / 2) ** (mpf(2) / 12) - 1).

namespace calvora {
namespace {

constexpr const char* kAmountBelowZero = "Amount less than zero.";
constexpr const char* kRateBelowZero =
    "Rate less than '0.00'.\r\nPayment for term does not cover principal.\r\nIncrease payment, "
    "lengthen term or\r\nreduce the amount of the loan.";
constexpr const char* kTermInfinite =
    "Term is infinite. Payment or withdrawal is too small.\r\nIt does not exceed periodic "
    "interest amount.\r\nIncrease payment or withdrawal amount.";
constexpr const char* kApyUndefined = "APY Undefined. Term and PV can't be '0'.";
constexpr const char* kCanadianFrequency =
    "'Exact', 'Continuous' and 'Daily'\r\nare not valid for this Canadian method.";
constexpr const char* kCanadianDaily =
    "'Daily' is not valid\r\nwhen straight-line odd days is selected.";
constexpr const char* kUnknownScheduleError = "Unknown schedule error.";
constexpr const char* kCompoundingNotSupported = "Compounding frequency not supported.";

// Relative closeness for values computed in extended precision against a
// 40-digit reference.
::testing::AssertionResult Near(long double actual, long double expected,
                                long double relative = 1e-15L) {
    const long double tolerance = relative * std::fmax(1.0L, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << static_cast<double>(actual) << ", expected "
                                         << static_cast<double>(expected) << " (difference "
                                         << static_cast<double>(actual - expected) << ")";
}

TEST(TequPower, IntPowerByBinaryExponentiation) {
    struct Case {
        long double x;
        std::int32_t n;
        long double expected;
    };
    const Case data[] = {
        {2, 10, 1024},
        {2, -2, 0.25L},
        {-2, 3, -8},
        {0.5L, -3, 8},
        {7, 0, 1},
        {0, 5, 0},
        {1.005L, 360, 6.022575212263216184054047L},
        {1.01L, -12, 1 / 1.126825030131969720661201L},
        {1, std::numeric_limits<std::int32_t>::min(), 1}, // |n| beyond 32 bits
        {2, std::numeric_limits<std::int32_t>::min(), 0},
    };
    for (const Case& c : data)
        EXPECT_TRUE(Near(TequPower::IntPower(c.x, c.n), c.expected)) << c.x << "^" << c.n;
}

TEST(TequPower, PowerChoosesIntegerOrLogarithmPath) {
    struct Case {
        long double base;
        long double exponent;
        long double expected;
    };
    const Case data[] = {
        {5, 0, 1},
        {0, 0, 1},
        {0, 2.5L, 0},
        {2, 3, 8},
        {2, -1, 0.5L},
        {-2, 3, -8}, // integral exponent: no logarithm of a negative base
        {2, 0.5L, 1.414213562373095048801689L},
        {1.03L, 1.0L / 6, 1.004938622031196978410834L},
        {1, 3e9L, 1}, // integral but beyond 32 bits: exp(ln)
    };
    for (const Case& c : data)
        EXPECT_TRUE(Near(TequPower::Power(c.base, c.exponent), c.expected))
            << c.base << "^" << c.exponent;
}

TEST(TequRate, ConvertNominalRateBothArgumentOrders) {
    struct Case {
        long double rate;
        int from;
        int to;
        long double expected;
    };
    const Case data[] = {
        {0.06L, 2, 12, 0.05926346437436374093000999L},
        {0.12L, 12, 1, 0.126825030131969720661201L},
        {0.06L, 12, 12, 0.06L},
        {0.06L, 12, 0, 0.06L}, // other non-positive counts leave the rate
        {0.06L, 12, -5, 0.06L},
        {0.06L, 0, 12, 0.06L}, // a source count of 0 would divide by zero
    };
    for (const Case& c : data) {
        EXPECT_TRUE(Near(TequRate::ConvertNominalRate(c.rate, c.from, c.to), c.expected))
            << c.from << " -> " << c.to;
        EXPECT_TRUE(Near(TequRate::ConvertNominalRateTo(c.rate, c.to, c.from), c.expected))
            << c.from << " -> " << c.to << " (target first)";
    }
    // Continuous counts: each entry point knows -1 only in its own position.
    EXPECT_TRUE(Near(TequRate::ConvertNominalRate(0.06L, 12, -1), 0.05826890812397577552571835L));
    EXPECT_TRUE(Near(TequRate::ConvertNominalRateTo(0.05L, 12, -1), 0.05127109637602403969751764L));
    EXPECT_TRUE(Near(TequRate::ConvertNominalRate(0.06L, -1, 12), 0.06L));
    EXPECT_TRUE(Near(TequRate::ConvertNominalRateTo(0.06L, -1, 12), 0.06L));
}

TEST(TequRate, PeriodicRateNormalRule) {
    struct Case {
        int payment;
        int compounding;
        int daysInYear;
        long double rate;
        long double expected;
        long double expectedDaily;
    };
    const Case data[] = {
        {fqMonthly, fqMonthly, 365, 0.06L, 0.005L, 0.06L / 365},
        // compounding more often than payments: the rate per compounding period
        {fqAnnually, fqMonthly, 360, 0.06L, 0.005L, 0.06L / 360},
        {fqMonthly, fqWeekly, 365, 0.052L, 0.001L, 0.052L / 365},
        // compounding less often: converted, (1 + 0.06/4)^(4/12) - 1
        {fqMonthly, fqQuarterly, 365, 0.06L, 0.004975206272652512013625378L, 0.06L / 365},
        {fqWeekly, fqMonthly, 365, 0.06L, 0.001151633739384250220662049L, 0.06L / 365},
        // continuous, daily and exact compounding use the daily rate
        {fqMonthly, fqContinuous, 360, 0.06L, 0.06L / 360, 0.06L / 360},
        {fqMonthly, fqDaily, 365, 0.06L, 0.06L / 365, 0.06L / 365},
        {fqMonthly, fqExact, 366, 0.06L, 0.06L / 366, 0.06L / 366},
        // a year of no days counts as 365
        {fqMonthly, fqExact, 0, 0.06L, 0.06L / 365, 0.06L / 365},
    };
    for (const Case& c : data) {
        long double daily = -1;
        EXPECT_TRUE(
            Near(TequRate::PeriodicRate(c.payment, c.compounding, c.daysInYear, c.rate, daily),
                 c.expected))
            << c.payment << "/" << c.compounding;
        EXPECT_TRUE(Near(daily, c.expectedDaily)) << c.payment << "/" << c.compounding;
    }
}

TEST(TequRate, PeriodicRateRejectsCodesOutsideTheTable) {
    struct Case {
        int payment;
        int compounding;
    };
    const Case data[] = {
        {fqMonthly, 13}, {fqMonthly, -1}, {fqMonthly, 200}, {0, fqMonthly}, {-3, fqQuarterly}};
    for (const Case& c : data) {
        long double daily = 0;
        EXPECT_THROW_MSG(TequRate::PeriodicRate(c.payment, c.compounding, 365, 0.06L, daily),
                         ECashScheduleException, kCompoundingNotSupported);
    }
}

TEST(TequRate, PeriodicRateSimpleNeedsNoTableOutsidePeriodicCodes) {
    struct Case {
        int frequency;
        long double expected;
    };
    const Case data[] = {{fqMonthly, 0.005L},         {fqAnnually, 0.06L},
                         {fqWeekly, 0.06L / 52},      {fqDaily, 0.06L / 360},
                         {fqContinuous, 0.06L / 360}, {fqExact, 0.06L / 360},
                         {-7, 0.06L / 360},           {99, 0.06L / 360}};
    for (const Case& c : data) {
        long double daily = 0;
        EXPECT_TRUE(Near(TequRate::PeriodicRateSimple(c.frequency, 360, 0.06L, daily), c.expected))
            << c.frequency;
        EXPECT_TRUE(Near(daily, 0.06L / 360));
    }
}

TEST(TequRate, CanadianPeriodicRate) {
    struct Case {
        int payment;
        int oddDaysMode;
        int compounding;
        long double expected;
        long double expectedDaily;
        long double expectedEffective;
    };
    const Case data[] = {
        // monthly, half-yearly at 6 %: 1.03^(1/6) - 1 a month, 1.03^2 - 1 = 0.0609 a year
        {fqMonthly, 0, fqSemiannually, 0.004938622031196978410834166L, 0.06L / 365, 0.0609L},
        // weekly: effective rate over 52 periods, daily rate 1.03^(2/365) - 1 with mode 1
        {fqWeekly, 1, fqSemiannually, 0.001137523498927151617683775L,
         0.0001619791568868712605390694L, 0.06179981954938603395536244L},
        // annual compounding: rate / q, daily (1 + 0.06/12)^(12/365) - 1, 1.005^12 - 1
        {fqMonthly, 1, fqAnnually, 0.005L, 0.0001639874119520601310453392L,
         0.06167781186449956878970762L},
        {fqMonthly, 2, fqMonthly, 0.005L, 0.06L / 365, 0.06167781186449956878970762L},
        // daily payments are fine when odd days are not straight-line
        {fqDaily, 1, fqMonthly, 0.06L / 365, 0.06L / 365, 0.06183131067785368935076848L},
    };
    for (const Case& c : data) {
        long double daily = -1;
        long double effective = -1;
        EXPECT_TRUE(Near(TequRate::CanadianPeriodicRate(c.payment, c.oddDaysMode, c.compounding,
                                                        365, 0.06L, daily, effective),
                         c.expected))
            << c.payment << "/" << c.compounding;
        EXPECT_TRUE(Near(daily, c.expectedDaily)) << c.payment << "/" << c.compounding;
        EXPECT_TRUE(Near(effective, c.expectedEffective)) << c.payment << "/" << c.compounding;
    }
}

TEST(TequRate, CanadianPeriodicRateRejectsFrequencies) {
    struct Case {
        int payment;
        int oddDaysMode;
        int compounding;
        const char* message;
    };
    const Case data[] = {
        {fqContinuous, 1, fqSemiannually, kCanadianFrequency},
        {fqExact, 1, fqSemiannually, kCanadianFrequency},
        {-1, 1, fqSemiannually, kCanadianFrequency},
        {fqDaily, 0, fqSemiannually, kCanadianDaily},
    };
    for (const Case& c : data) {
        long double daily = 0;
        long double effective = 0;
        EXPECT_THROW_MSG(TequRate::CanadianPeriodicRate(c.payment, c.oddDaysMode, c.compounding,
                                                        365, 0.06L, daily, effective),
                         EFinanceException, c.message);
    }
    long double daily = 0;
    long double effective = 0;
    EXPECT_THROW_MSG(TequRate::CanadianPeriodicRate(fqMonthly, 1, 13, 365, 0.06L, daily, effective),
                     ECashScheduleException, kCompoundingNotSupported);
}

TEST(TequFinancial, InterestByCompoundingKind) {
    struct Case {
        int periods;
        int compounding;
        long double principal;
        long double rate;
        long double expected;
    };
    const Case data[] = {
        {30, fqExact, 1000, 0.0002L, 6},
        {12, fqMonthly, 1000, 0.01L, 126.825030131969720661201L},
        {12, fqDaily, 1000, 0.01L, 126.825030131969720661201L},
        // continuous with e cut to 2.718281828: 105.17091805698...; the exact e
        // would give 105.17091807564..., outside the tolerance below
        {10, fqContinuous, 1000, 0.01L, 105.170918056984238295692L},
        {10, 13, 1000, 0.01L, 0},
        {10, -1, 1000, 0.01L, 0},
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_TRUE(Near(financial.Interest(c.periods, c.compounding, c.principal, c.rate),
                         c.expected, 1e-17L))
            << "compounding " << c.compounding;
        EXPECT_TRUE(Near(financial.LastInterest, c.expected, 1e-17L));
    }
}

TEST(TequFinancial, FutureValueAndLastInterest) {
    struct Case {
        int periods;
        bool simple;
        long double amount;
        long double rate;
        long double expected;
    };
    const Case data[] = {
        {12, false, 1000, 0.01L, 1126.825030131969720661201L},
        {12, true, 1000, 0.01L, 1120},
        {12, false, 1000, 0.00001L, 1000}, // rate below 0.00002: unchanged
        {12, false, -1000, -0.0000199L, -1000},
        {12, false, 0.009L, 0.01L, 0.009L}, // amount below a cent: unchanged
        {0, false, 1000, 0.01L, 1000},
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_TRUE(Near(financial.FutureValue(c.periods, c.simple, c.amount, c.rate), c.expected));
        EXPECT_TRUE(Near(financial.LastInterest, c.expected - c.amount, 1e-17L));
    }
}

TEST(TequFinancial, FutureValueOfSeries) {
    struct Case {
        int periods;
        int due;
        long double pv;
        long double payment;
        long double rate;
        long double expected;
    };
    const Case data[] = {
        {1, 0, 1000, 0, 0.01L, 1010}, // one balance grown by one period
        {12, 0, 0, 100, 0.01L, 1268.25030131969720661201L},
        {12, 1, 0, 100, 0.01L, 1280.93280433289417867813L},
        {12, 0, 1000, 100, 0.01L, 2395.075331451666927273211L},
        {12, 0, 1000, 0, 0, 1000},
        // without interest the payments add up and no interest is earned
        {12, 0, 1000, 100, 0, 2200},
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_TRUE(Near(financial.FutureValueOfSeries(c.periods, c.due, c.pv, c.payment, c.rate),
                         c.expected));
        EXPECT_TRUE(Near(financial.LastInterest, c.expected - (c.pv + c.payment * c.periods)));
    }
}

TEST(TequFinancial, PresentWorth) {
    TequFinancial financial;
    EXPECT_TRUE(Near(financial.PresentWorth(12, false, 1126.825030131969720661201L, 0.01L), 1000));
    EXPECT_TRUE(Near(financial.PresentWorth(10, true, 1100, 0.01L), 1000));
    EXPECT_TRUE(Near(financial.PresentWorth(0, false, 1100, 0.01L), 1100));
}

TEST(TequFinancial, PaymentRoundedToCents) {
    struct Case {
        int periods;
        long double rate;
        long double principal;
        long double expected;
    };
    // 599.5505..., 88.8487... and 33.333... before rounding.
    const Case data[] = {
        {360, 0.005L, 100000, 599.55L},
        {12, 0, 1200, 100},
        {1, 0, 50, 50},
        {12, 0.01L, 1000, 88.85L},
        {3, 0, 100, 33.33L},
        {0, 0.01L, 500, 500},
        {12, 0.01L, 0, 0},
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_EQ(financial.Payment(c.periods, c.rate, c.principal), c.expected)
            << c.periods << " at " << static_cast<double>(c.rate);
    }
}

TEST(TequFinancial, PaymentRejectsNegativeInputs) {
    TequFinancial financial;
    EXPECT_THROW_MSG(financial.Payment(12, 0.01L, -1), EFinanceException, kAmountBelowZero);
    EXPECT_THROW_MSG(financial.Payment(-12, 0.01L, 1000), EFinanceException, kUnknownScheduleError);
    EXPECT_THROW_MSG(financial.Payment(12, -0.01L, 1000), EFinanceException, kRateBelowZero);
    // the amount is checked first
    EXPECT_THROW_MSG(financial.Payment(-12, -0.01L, -1), EFinanceException, kAmountBelowZero);
}

TEST(TequFinancial, NumberOfPeriodsRoundsHalfToEven) {
    struct Case {
        int due;
        long double fv;
        long double pv;
        long double payment;
        long double rate;
        std::int64_t expected;
    };
    const Case data[] = {
        {0, 0, 100000, -599.55L, 0.005L, 360}, // 360.00088...
        {1, 0, 100000, -596.57L, 0.005L, 360}, // 359.99609...
        {0, 0, 1200, -100, 0, 12},
        {0, 0, 1200, 100, 0, 12}, // zero rate: the magnitude
        {0, 0, 25, -10, 0, 2},    // 2.5
        {0, 0, 35, -10, 0, 4},    // 3.5
        {0, 100, 1200, -100, 0, 11},
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_EQ(financial.NumberOfPeriods(c.due, c.fv, c.pv, c.payment, c.rate), c.expected);
    }
}

TEST(TequFinancial, NumberOfPeriodsOfAnEndlessTerm) {
    struct Case {
        long double pv;
        long double payment;
        long double rate;
    };
    const Case data[] = {
        {100000, -400, 0.005L}, // interest 500 a period
        {100000, -500, 0.005L}, // the payment only meets the interest
        {1000, 0, 0},           // nothing paid, nothing charged
    };
    for (const Case& c : data) {
        TequFinancial financial;
        EXPECT_THROW_MSG(financial.NumberOfPeriods(0, 0, c.pv, c.payment, c.rate),
                         EFinanceException, kTermInfinite);
    }
}

TEST(TequFinancial, EffectiveAnnualYield) {
    TequFinancial financial;
    EXPECT_TRUE(Near(financial.EffectiveAnnualYield(365, 60, 1000), 6));
    EXPECT_TRUE(Near(financial.EffectiveAnnualYield(182, 30, 1000), 6.107231582392197603588412L));
    struct Case {
        int days;
        long double principal;
    };
    const Case bad[] = {{0, 1000}, {-30, 1000}, {30, 0}, {30, -5}};
    for (const Case& c : bad)
        EXPECT_THROW_MSG(financial.EffectiveAnnualYield(c.days, 10, c.principal), EFinanceException,
                         kApyUndefined);
}

} // namespace
} // namespace calvora
