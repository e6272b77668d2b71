#include "refinance/advisor_gains.h"

#include <cmath>

namespace calvora {

namespace {

// Investments grow by the calendar year, whatever year the loans use.
constexpr int kGrowthDaysInYear = 365;
constexpr Extended kCent = 0.01L;

} // namespace

TAdvisorGrowth::TAdvisorGrowth(float discountRatePercent, int frequency) {
    Extended dailyRate = 0;
    m_rate = TequRate::PeriodicRate(frequency, frequency, kGrowthDaysInYear,
                                    static_cast<Extended>(discountRatePercent) / 100, dailyRate);
}

Extended TAdvisorGrowth::FV(int n, Extended x) {
    return m_future.FutureValue(n, false, x, m_rate);
}

Extended TAdvisorGrowth::PV(int n, Extended x) {
    return m_present.PresentWorth(n, false, x, m_rate);
}

Extended PaymentDifferenceGain(const TRefinanceInputs& inputs, const TRefinanceResults& results) {
    const Extended current = results.CurrentPayment;
    const Extended possible = results.PossiblePayment;
    const Extended d = std::fabs(current - possible);
    if (d < kCent) {
        return 0;
    }
    TAdvisorGrowth growth(inputs.DiscountRate, inputs.NewFrequency);
    const bool discounted = inputs.DiscountRate > 0;
    const int k1 = results.CurrentPeriods;
    const int k2 = results.PossiblePeriods;
    Extended gain = 0;
    if (k1 == k2) {
        const bool taxed = IsDeductible(inputs) && inputs.TaxBracket > 0;
        const Extended tau = TaxFraction(inputs);
        Extended acc = 0;
        Extended base = d;
        for (int j = 1; j <= k1; ++j) {
            acc += growth.FV(k1 - j, d);
            if (taxed) {
                acc = acc - (acc - base) * tau;
                base = acc + d;
            }
        }
        gain = acc - k1 * d;
        if (discounted) {
            gain = growth.PV(k1, gain);
        }
        return current < possible ? -gain : gain;
    }
    if (k1 < k2) {
        // The current loan ends first: from then on the whole possible payment
        // is what the borrower would otherwise have been free to invest.
        Extended acc = 0;
        Extended invested = d;
        for (int j = 1; j <= k2; ++j) {
            if (j == k1 + 1) {
                invested = possible;
                if (possible < current) {
                    gain = acc - k1 * d;
                    acc = 0;
                }
            }
            acc += growth.FV(k2 - j, invested);
        }
        gain += acc - (k2 - k1) * current;
        return discounted ? growth.PV(k1, gain) : gain;
    }
    Extended acc = 0;
    for (int j = 1; j <= k2; ++j) {
        acc += growth.FV(k2 - j, d);
    }
    gain = acc - k2 * d;
    if (discounted) {
        gain = growth.PV(k2, gain);
    }
    return current < possible ? -gain : gain;
}

Extended ExtraBorrowingGain(const TRefinanceInputs& inputs, const TRefinanceResults& results) {
    const Extended balance = inputs.CurrentBalance;
    const Extended e = std::fabs(balance - inputs.NewLoanAmount);
    if (e < kCent) {
        return 0;
    }
    TAdvisorGrowth growth(inputs.DiscountRate, inputs.NewFrequency);
    const int holding = results.HoldingPeriods;
    Extended gain = growth.FV(holding, e) - e;
    if (inputs.DiscountRate > 0) {
        gain = growth.PV(holding, gain);
    }
    if (balance - results.FinancedLoanAmount > 0) {
        gain = -gain;
    }
    if (!inputs.InvestDifference && gain > 0) {
        gain = 0;
    }
    return gain;
}

} // namespace calvora
