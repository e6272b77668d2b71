#pragma once

#include "finance/finance_equations.h"
#include "refinance/advisor_types.h"

namespace calvora {

/// Growth and discounting of single amounts at the discount rate, per period of
/// the new loan's frequency (annual rate / periods per year; daily: / 365).
class TAdvisorGrowth {
public:
    TAdvisorGrowth(float discountRatePercent, int frequency);

    /// x compounded over n periods; x itself at a zero rate.
    Extended FV(int n, Extended x);
    /// x discounted over n periods; x itself at a zero rate.
    Extended PV(int n, Extended x);

private:
    Extended m_rate = 0;
    TequFinancial m_future;
    TequFinancial m_present;
};

/// Investment result of the difference between the two payments over the analysed
/// periods (results.CurrentPeriods / PossiblePeriods), discounted when a discount
/// rate is given; positive when the possible loan's payment is the lower one
/// (except when the current loan ends first, where the sign is not turned).
/// 0 when the payments differ by less than a cent.
Extended PaymentDifferenceGain(const TRefinanceInputs& inputs, const TRefinanceResults& results);

/// Investment result of the difference between the current balance and the new
/// loan over the holding period: FV(H, e) - e, discounted over H when a discount
/// rate is given, negative when the financed amount is the smaller; a positive
/// result counts only when InvestDifference is set. 0 below a cent.
Extended ExtraBorrowingGain(const TRefinanceInputs& inputs, const TRefinanceResults& results);

} // namespace calvora
