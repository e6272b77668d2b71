#pragma once

#include "refinance/advisor_types.h"

#include <vector>

namespace calvora::test {

// A plain, independent model of the refinance analysis for loans whose payment
// and compounding periods coincide (codes 2..11), written from the advisor's
// formulas: a textbook amortization loop with cent rounding, no schedule engine.
struct RefLoan {
    long double Payment = 0;
    std::vector<long double> Interest;   // [0] unused: row 0 is the loan
    std::vector<long double> Balance;    // after each payment
    std::vector<long double> Cumulative; // interest paid up to each payment
};

// Money rounding: to six decimals, then half away from zero on the third decimal.
long double RefCents(long double x);
RefLoan RefAmortize(long double amount, int payments, long double periodicRate);

struct RefResults {
    int Holding = 0, K1 = 0, K2 = 0;
    long double FinancedLoanAmount = 0, CurrentPayment = 0, PossiblePayment = 0;
    long double CurrentCost = 0, PossibleCost = 0, SameAmountCost = 0;
    long double InterestDifference = 0, PointsCost = 0, TaxIncrease = 0;
    long double PaymentDifferenceGain = 0, ExtraBorrowingGain = 0;
    long double CurrentPaidDown = 0, PossiblePaidDown = 0, BottomLine = 0;
};

// The whole analysis; the loans must be equally long within the holding period
// (k1 == k2) or the new one shorter, the only payment-difference cases it models.
RefResults RefAnalyse(const TRefinanceInputs& in);

} // namespace calvora::test
