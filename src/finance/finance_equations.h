#pragma once

#include "finance/date_math.h"
#include "finance/financial_types.h"

#include <cstdint>

namespace calvora {

/// Magnitude from which RoundMoney leaves a value as it is.
inline constexpr Extended kRoundMoneyLimit = 1e12L;

/// Rounds x to n decimals, half away from zero, exactly as the six-decimal text
/// form of x would round: the exact binary value is first rounded to six decimals
/// (half away from zero), then the (n+1)-th decimal of that decides. The result
/// is the extended value nearest to the rounded decimal; a zero result is +0.
/// n is clamped to 0..6. NaN, infinities and |x| >= kRoundMoneyLimit are returned
/// unchanged. Works on the bits of x: no text, no allocation.
Extended RoundMoney(Extended x, int n = 2);

/// Integer and real powers on extended floats. No state.
class TequPower {
public:
    /// x^n by binary exponentiation; n < 0 gives 1 / x^|n|.
    static Extended IntPower(Extended x, std::int32_t n);
    /// base^exponent; integral exponents go through IntPower, others through exp(ln).
    static Extended Power(Extended base, Extended exponent);
};

/// Rate conversions between payment and compounding frequencies. No state.
/// Rates are fractions (0.06 for 6 %); frequencies are Frequency codes.
class TequRate {
public:
    /// Nominal annual rate compounded fromPeriods a year, restated with toPeriods
    /// a year: to * ((1 + rate / from)^(from / to) - 1). toPeriods == -1 (continuous
    /// target) gives ln(1 + rate); any other non-positive count returns rate unchanged.
    static Extended ConvertNominalRate(Extended rate, int fromPeriods, int toPeriods);
    /// The same conversion with the target count first. fromPeriods == -1
    /// (continuous source) gives e^rate - 1; any other non-positive count returns rate.
    static Extended ConvertNominalRateTo(Extended rate, int toPeriods, int fromPeriods);
    /// Rate per payment period under the normal rule; dailyRate = rate / daysInYear.
    static Extended PeriodicRate(int paymentFrequency, int compoundingFrequency, int daysInYear,
                                 Extended annualRate, Extended& dailyRate);
    /// Rate per period without conversion.
    static Extended PeriodicRateSimple(int frequency, int daysInYear, Extended annualRate,
                                       Extended& dailyRate);
    /// Rate per payment period under the Canadian rule; raises 433 / 434.
    static Extended CanadianPeriodicRate(int paymentFrequency, int oddDaysMode,
                                         int compoundingFrequency, int daysInYear,
                                         Extended annualRate, Extended& dailyRate,
                                         Extended& effectiveAnnualRate);
};

/// Closed-form time-value formulas. Remembers the interest part of its last
/// interest, future-value or single-period computation in LastInterest.
class TequFinancial {
public:
    /// Interest earned by principal over periods periods at periodicRate under
    /// the compounding kind (0 continuous, 1..11 periodic, 12 exact/simple).
    Extended Interest(int periods, int compoundingFrequency, Extended principal,
                      Extended periodicRate);
    Extended FutureValue(int periods, bool simple, Extended amount, Extended periodicRate);
    Extended FutureValueOfSeries(int periods, int due, Extended pv, Extended payment,
                                 Extended periodicRate);
    Extended PresentWorth(int periods, bool simple, Extended amount, Extended periodicRate);
    /// Level payment rounded to cents; raises 425 (P < 0), 424 (n < 0), 423 (i < 0).
    Extended Payment(int periods, Extended periodicRate, Extended principal);
    /// Number of periods rounded half to even; raises 426 when PV * i > |PMT|.
    std::int64_t NumberOfPeriods(int due, Extended fv, Extended pv, Extended payment,
                                 Extended periodicRate);
    /// Effective annual yield in percent; raises 422 for days <= 0 or principal <= 0.
    Extended EffectiveAnnualYield(int days, Extended interest, Extended principal);

    Extended LastInterest = 0;

private:
    TequRate m_rate;
    TcalcDateMathEx m_dates;
};

} // namespace calvora
