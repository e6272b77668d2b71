#pragma once

#include "finance/financial_types.h"

#include <cstdint>
#include <string>

namespace calvora {

/// Whether interest and points reduce income tax (`InterestDeductible`).
enum InterestDeduction : std::uint8_t {
    idDeductible = 0,
    idNotDeductible = 1,
};

/// Everything the refinance analysis is given, in the order the advisor takes it.
/// Percent values are percents (7.5 for 7.5 %); counts are numbers of payments.
struct TRefinanceInputs {
    std::string AssetName; ///< stored only; at most 30 characters
    std::uint8_t InterestDeductible = idDeductible;
    std::uint8_t PointsAre = ppWithFirst; ///< ppWithFirst (cash) or ppAmortized (financed)
    std::int16_t YearsUntilSale = 0;      ///< the holding period in years
    float TaxBracket = 0;                 ///< percent
    float DiscountRate = 0;               ///< percent a year; 0 = no discounting
    std::string PossibleLender;           ///< stored only; at most 30 characters
    Extended NewLoanAmount = 0;
    std::int16_t NewPayments = 0;
    float NewRate = 0; ///< percent a year
    std::uint8_t NewFrequency = fqMonthly;
    float Points = 0; ///< percent of NewLoanAmount
    Extended ClosingCosts = 0;
    Extended PrepaymentPenalty = 0; ///< charged when the new loan is paid off early
    std::string CurrentLender;      ///< stored only; at most 30 characters
    double CurrentBalance = 0;      ///< balance of the current loan today
    std::int16_t PeriodsRemaining = 0;
    float CurrentRate = 0; ///< percent a year
    std::uint8_t CurrentFrequency = fqMonthly;
    bool InvestDifference = false; ///< invest money borrowed beyond the balance
};

/// The figures of one refinance analysis, money in currency units. Costs are
/// interest over the analysed periods, discounted and after tax as applicable.
struct TRefinanceResults {
    std::int16_t HoldingPeriods = 0;  ///< payment periods analysed
    std::int16_t CurrentPeriods = 0;  ///< periods analysed of the current loan (k1)
    std::int16_t PossiblePeriods = 0; ///< periods analysed of the possible loan (k2)
    Extended FinancedLoanAmount = 0;  ///< new amount plus points when they are amortized
    Extended CurrentPayment = 0;
    Extended PossiblePayment = 0;
    Extended CurrentCost = 0;
    Extended PossibleCost = 0;       ///< includes closing costs, cash points, penalty
    Extended SameAmountCost = 0;     ///< a new loan of only the current balance
    Extended InterestDifference = 0; ///< current minus possible interest, before tax
    Extended PointsCost = 0;
    Extended TaxIncrease = 0;
    Extended PaymentDifferenceGain = 0;
    Extended ExtraBorrowingGain = 0;
    Extended CurrentPaidDown = 0;
    Extended PossiblePaidDown = 0;
    Extended BottomLine = 0; ///< net result of refinancing; > 0 is a saving
};

/// True when interest and points reduce income tax.
inline bool IsDeductible(const TRefinanceInputs& inputs) {
    return inputs.InterestDeductible == idDeductible;
}

/// The tax bracket as a fraction (tau).
inline Extended TaxFraction(const TRefinanceInputs& inputs) {
    return static_cast<Extended>(inputs.TaxBracket) / 100;
}

/// Whether the tax sentences and the tax increase apply: deductible with a bracket.
inline bool TaxApplies(const TRefinanceInputs& inputs) {
    return IsDeductible(inputs) && inputs.TaxBracket != 0;
}

} // namespace calvora
