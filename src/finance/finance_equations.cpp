#include "finance/finance_equations.h"

#include "finance/finance_errors.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace calvora {

namespace {

// The continuous-compounding base the interest formula has always used: e cut
// to nine decimals.
constexpr Extended kTruncatedE = 2.718281828L;

// The conversion itself, for positive period counts on both sides.
Extended ConvertPositive(Extended rate, int fromPeriods, int toPeriods) {
    return toPeriods * (TequPower::Power(1 + rate / fromPeriods,
                                         static_cast<Extended>(fromPeriods) / toPeriods) -
                        1);
}

// A year length of 0 days or less would divide by zero; it counts as 365.
int YearDays(int daysInYear) {
    return daysInYear > 0 ? daysInYear : 365;
}

} // namespace

Extended TequPower::IntPower(Extended x, std::int32_t n) {
    // |INT32_MIN| does not fit in 32 bits.
    std::int64_t remaining = std::llabs(static_cast<std::int64_t>(n));
    Extended result = 1;
    while (remaining > 0) {
        while (remaining % 2 == 0) {
            remaining /= 2;
            x *= x;
        }
        --remaining;
        result *= x;
    }
    return n < 0 ? 1 / result : result;
}

Extended TequPower::Power(Extended base, Extended exponent) {
    if (exponent == 0)
        return 1;
    if (base == 0 && exponent > 0)
        return 0;
    if (std::trunc(exponent) == exponent &&
        std::fabs(exponent) <= std::numeric_limits<std::int32_t>::max())
        return IntPower(base, static_cast<std::int32_t>(exponent));
    return std::exp(exponent * std::log(base));
}

Extended TequRate::ConvertNominalRate(Extended rate, int fromPeriods, int toPeriods) {
    if (toPeriods == -1)
        return std::log(1 + rate);
    if (toPeriods <= 0 || fromPeriods <= 0)
        return rate;
    return ConvertPositive(rate, fromPeriods, toPeriods);
}

Extended TequRate::ConvertNominalRateTo(Extended rate, int toPeriods, int fromPeriods) {
    if (fromPeriods == -1)
        return std::exp(rate) - 1;
    if (fromPeriods <= 0 || toPeriods <= 0)
        return rate;
    return ConvertPositive(rate, fromPeriods, toPeriods);
}

Extended TequRate::PeriodicRate(int paymentFrequency, int compoundingFrequency, int daysInYear,
                                Extended annualRate, Extended& dailyRate) {
    dailyRate = annualRate / YearDays(daysInYear);
    if (compoundingFrequency >= fqWeekly && compoundingFrequency <= fqAnnually &&
        compoundingFrequency <= paymentFrequency)
        return annualRate / PeriodsPerYear(compoundingFrequency);
    if (compoundingFrequency == fqContinuous || compoundingFrequency == fqDaily ||
        compoundingFrequency == fqExact)
        return dailyRate;
    // Compounding less often than payments; codes outside 1..11 raise 1012 here.
    const int paymentsPerYear = PeriodsPerYear(paymentFrequency);
    return ConvertNominalRate(annualRate, PeriodsPerYear(compoundingFrequency), paymentsPerYear) /
           paymentsPerYear;
}

Extended TequRate::PeriodicRateSimple(int frequency, int daysInYear, Extended annualRate,
                                      Extended& dailyRate) {
    dailyRate = annualRate / YearDays(daysInYear);
    if (frequency < fqWeekly || frequency > fqAnnually)
        return dailyRate;
    return annualRate / PeriodsPerYear(frequency);
}

Extended TequRate::CanadianPeriodicRate(int paymentFrequency, int oddDaysMode,
                                        int compoundingFrequency, int daysInYear,
                                        Extended annualRate, Extended& dailyRate,
                                        Extended& effectiveAnnualRate) {
    if (paymentFrequency <= fqContinuous || paymentFrequency >= fqExact)
        RaiseFinanceError(433);
    if (oddDaysMode == 0 && paymentFrequency == fqDaily)
        RaiseFinanceError(434);
    const int paymentsPerYear = PeriodsPerYear(paymentFrequency);
    const int compoundingsPerYear = PeriodsPerYear(compoundingFrequency);
    const bool halfYearly = compoundingFrequency == fqSemiannually;
    const bool monthlyOrLonger = paymentFrequency == fqTwiceMonthly ||
                                 (paymentFrequency >= fqMonthly && paymentFrequency <= fqAnnually);
    const int count = halfYearly && monthlyOrLonger ? compoundingsPerYear : paymentsPerYear;
    const int days = YearDays(daysInYear);

    effectiveAnnualRate = TequPower::Power(1 + annualRate / count, count) - 1;
    if (oddDaysMode == 1 && halfYearly)
        dailyRate = ConvertNominalRate(annualRate, compoundingsPerYear, days) / days;
    else if (oddDaysMode == 1 && compoundingFrequency == fqAnnually)
        dailyRate = ConvertNominalRate(annualRate, paymentsPerYear, days) / days;
    else
        dailyRate = annualRate / days;
    if (halfYearly)
        return ConvertNominalRate(annualRate, compoundingsPerYear, paymentsPerYear) /
               paymentsPerYear;
    return annualRate / paymentsPerYear;
}

Extended TequFinancial::Interest(int periods, int compoundingFrequency, Extended principal,
                                 Extended periodicRate) {
    Extended interest = 0;
    if (compoundingFrequency == fqContinuous)
        interest = principal * std::exp(periodicRate * periods * std::log(kTruncatedE)) - principal;
    else if (compoundingFrequency >= fqDaily && compoundingFrequency <= fqAnnually)
        interest = principal * (TequPower::IntPower(1 + periodicRate, periods) - 1);
    else if (compoundingFrequency == fqExact)
        interest = principal * periodicRate * periods;
    LastInterest = interest;
    return interest;
}

Extended TequFinancial::FutureValue(int periods, bool simple, Extended amount,
                                    Extended periodicRate) {
    Extended result = amount;
    if (std::fabs(amount) < 0.01L || std::fabs(periodicRate) < 0.00002L || periods == 0)
        result = amount;
    else if (simple)
        result = amount * (1 + periodicRate * periods);
    else
        result = amount * TequPower::IntPower(1 + periodicRate, periods);
    LastInterest = result - amount;
    return result;
}

Extended TequFinancial::FutureValueOfSeries(int periods, int due, Extended pv, Extended payment,
                                            Extended periodicRate) {
    Extended result = 0;
    if (periodicRate != 0) {
        const Extended growth = TequPower::IntPower(1 + periodicRate, periods);
        result = pv * growth + payment * (growth - 1) * (1 + periodicRate * due) / periodicRate;
    } else {
        // Without interest the series simply adds up.
        result = pv + payment * periods;
    }
    LastInterest = result - (pv + payment * periods);
    return result;
}

Extended TequFinancial::PresentWorth(int periods, bool simple, Extended amount,
                                     Extended periodicRate) {
    if (simple)
        return amount / (1 + periodicRate * periods);
    return amount / TequPower::IntPower(1 + periodicRate, periods);
}

Extended TequFinancial::Payment(int periods, Extended periodicRate, Extended principal) {
    if (principal < 0)
        RaiseFinanceError(425);
    if (periods < 0)
        RaiseFinanceError(424);
    if (periodicRate < 0)
        RaiseFinanceError(423);
    const Extended discount = 1 - TequPower::IntPower(1 + periodicRate, -periods);
    Extended payment = principal;
    if (discount > 0)
        payment = principal * periodicRate / discount;
    else if (periods > 1)
        payment = principal / periods;
    return RoundMoney(payment, 2);
}

std::int64_t TequFinancial::NumberOfPeriods(int due, Extended fv, Extended pv, Extended payment,
                                            Extended periodicRate) {
    if (pv * periodicRate > std::fabs(payment))
        RaiseFinanceError(426);
    Extended periods = 0;
    if (periodicRate != 0) {
        const Extended duePayment = payment * (1 + periodicRate * due);
        periods = std::log((duePayment + fv * periodicRate) / (pv * periodicRate + duePayment)) /
                  std::log(1 + periodicRate);
    } else {
        periods = std::fabs((pv - fv) / payment);
    }
    // A payment that only just meets the interest (or no payment at all at a
    // zero rate) never ends the term either.
    constexpr Extended kLimit = 9.2e18L;
    if (!(std::fabs(periods) < kLimit))
        RaiseFinanceError(426);
    return std::llrint(periods);
}

Extended TequFinancial::EffectiveAnnualYield(int days, Extended interest, Extended principal) {
    if (days <= 0 || principal <= 0)
        RaiseFinanceError(422);
    return (TequPower::Power(1 + interest / principal, 365.0L / days) - 1) * 100;
}

} // namespace calvora
