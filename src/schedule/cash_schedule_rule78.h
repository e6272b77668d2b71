#pragma once

#include "schedule/cash_schedule_normal.h"

#include <vector>

namespace calvora {

/// Working figures of one row's share of the finance charge.
struct TRule78Weights {
    /// Payment / average payment.
    Extended RelativeSize = 0;
    Extended CumulativeWeight = 0;
    Extended CumulativePeriods = 0;
    /// Whole periods plus odd days in periods since the previous row.
    Extended PeriodFraction = 0;
    Extended Share = 0;
    Extended WeightedFraction = 0;
};

/// Schedule of the "Rule of 78's" method: the payment is found as for a normal
/// loan; the rows spread the finance charge (all payments minus all loan
/// advances) by sum-of-the-digits weights, generalised to uneven payments and
/// periods of unequal length.
class TCash_Schedule_Rule78 : public TCash_Schedule_Normal {
public:
    /// Base SetInputs, then raises 1016 for a special series and 1014 for more
    /// than one loan event.
    void SetInputs(TCashInputsList* events, bool rateUnknown, bool exact, int daysInYear,
                   int compounding, Extended annualRate) override;
    /// All payments minus all loan advances of the last calculation.
    double FinanceCharge() const { return m_financeCharge; }
    /// The working figures of every row of the last calculation (row 0 all zero).
    const std::vector<TRule78Weights>& Weights() const { return m_weights; }

protected:
    void Solve() override;

private:
    void ComputeRule78Rows();
    double m_financeCharge = 0;
    std::vector<TRule78Weights> m_weights;
};

} // namespace calvora
