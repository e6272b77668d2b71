#include "refinance/advisor_costs.h"

#include <algorithm>

namespace calvora {

namespace {

Extended PercentOf(float percent, Extended amount) {
    return static_cast<Extended>(percent) / 100 * amount;
}

// Balance left after k payments; an overpaid loan counts as cleared.
Extended BalanceLeft(const TAdvisorLoanRuns& runs, int k) {
    return std::max<Extended>(runs.BalanceAt(k), 0);
}

} // namespace

void ComputeRefinanceCosts(const TRefinanceInputs& inputs, TAdvisorLoanRuns& runs,
                           TRefinanceResults& results) {
    const bool deductible = IsDeductible(inputs);
    const Extended afterTax = 1 - TaxFraction(inputs);
    const bool amortizedPoints = inputs.PointsAre == ppAmortized;
    const int k1 = results.CurrentPeriods;
    const int k2 = results.PossiblePeriods;
    const Extended balance = inputs.CurrentBalance;

    results.CurrentPayment =
        runs.Run(balance, inputs.CurrentFrequency, inputs.PeriodsRemaining, inputs.CurrentRate);
    results.CurrentCost = runs.InterestCost(k1, inputs.CurrentFrequency, inputs.DiscountRate);
    results.InterestDifference = results.CurrentCost;
    if (deductible) {
        results.CurrentCost *= afterTax;
    }
    results.CurrentPaidDown = balance - BalanceLeft(runs, k1);

    const Extended pointsAmount = PercentOf(inputs.Points, inputs.NewLoanAmount);
    results.FinancedLoanAmount = inputs.NewLoanAmount + (amortizedPoints ? pointsAmount : 0);

    results.PossiblePayment = runs.Run(results.FinancedLoanAmount, inputs.NewFrequency,
                                       inputs.NewPayments, inputs.NewRate);
    results.PossibleCost = runs.InterestCost(k2, inputs.NewFrequency, inputs.DiscountRate);
    results.InterestDifference -= results.PossibleCost;
    const Extended possibleLeft = BalanceLeft(runs, k2);
    if (deductible) {
        results.PossibleCost *= afterTax;
    }

    results.PointsCost = pointsAmount;
    if (deductible && inputs.PointsAre == ppWithFirst) {
        results.PointsCost *= afterTax;
    } else if (deductible) {
        // Financed points are deducted over the loan's life: only the share of
        // the payments made before the sale counts.
        results.PointsCost *= static_cast<Extended>(k2) / inputs.NewPayments * afterTax;
    }

    results.PossibleCost += inputs.ClosingCosts + (amortizedPoints ? 0 : results.PointsCost);
    if (k2 < inputs.NewPayments) {
        results.PossibleCost += inputs.PrepaymentPenalty;
    }
    results.PossiblePaidDown = results.FinancedLoanAmount - possibleLeft;

    if (inputs.NewLoanAmount > balance) {
        Extended samePoints = amortizedPoints ? PercentOf(inputs.Points, balance) : 0;
        runs.Run(balance + samePoints, inputs.NewFrequency, inputs.NewPayments, inputs.NewRate);
        if (inputs.PointsAre == ppWithFirst) {
            samePoints = PercentOf(inputs.Points, balance);
        }
        results.SameAmountCost = runs.InterestCost(k2, inputs.NewFrequency, inputs.DiscountRate) +
                                 inputs.ClosingCosts + samePoints;
    }

    if (TaxApplies(inputs)) {
        results.TaxIncrease = TaxFraction(inputs) * results.InterestDifference;
    }
}

Extended RefinanceBottomLine(const TRefinanceInputs& inputs, const TRefinanceResults& results) {
    const Extended possible =
        results.PossibleCost + (AmortizedPointsCount(inputs, results) ? results.PointsCost : 0);
    return results.CurrentCost - possible + results.PaymentDifferenceGain +
           results.ExtraBorrowingGain - results.TaxIncrease;
}

} // namespace calvora
