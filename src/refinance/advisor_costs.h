#pragma once

#include "refinance/advisor_loan_runs.h"
#include "refinance/advisor_types.h"

namespace calvora {

/// Runs the current, the possible and (for a larger new loan) the same-amount
/// loan and fills the payments, costs, points cost, paid-down amounts, interest
/// difference and tax increase of results. results must hold the analysed
/// periods already. Costs are interest over the analysed periods (discounted
/// when a discount rate is given), times (1 - tax bracket) when deductible; the
/// possible cost adds closing costs, cash points and, for a loan paid off
/// before its last payment, the prepayment penalty.
void ComputeRefinanceCosts(const TRefinanceInputs& inputs, TAdvisorLoanRuns& runs,
                           TRefinanceResults& results);

/// Net result of refinancing: current cost - possible cost (with amortized
/// points) + both investment gains - tax increase.
Extended RefinanceBottomLine(const TRefinanceInputs& inputs, const TRefinanceResults& results);

/// Amortized points add to the possible cost only in the bottom line and the narrative.
inline bool AmortizedPointsCount(const TRefinanceInputs& inputs, const TRefinanceResults& results) {
    return results.PointsCost > 0 && inputs.PointsAre == ppAmortized;
}

} // namespace calvora
