#pragma once

#include "schedule/cash_schedule_normal.h"

namespace calvora {

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

protected:
    void Solve() override;

private:
    void ComputeRule78Rows();
    double m_financeCharge = 0;
};

} // namespace calvora
