#pragma once

#include "finance/financial_types.h"
#include "schedule/cash_inputs.h"
#include "schedule/transactions.h"

namespace calvora {

/// The loan runs of the refinance analysis: a loan amortized by level payments
/// on the normal schedule, and the present value of its interest amounts.
///
/// Every loan is dated 1 December 2006 with its first payment one payment
/// period later, so that each period, the first included, is a regular one.
class TAdvisorLoanRuns {
public:
    TAdvisorLoanRuns();

    /// Amortizes amount over count payments at ratePercent a year (payments and
    /// compounding at frequency, 360-day year, last payment adjusted to clear the
    /// balance) and keeps its rows: row 0 is the loan, row i the i-th payment.
    /// Returns the level payment. Schedule errors pass through.
    Extended Run(Extended amount, int frequency, int count, float ratePercent);

    /// Interest paid over the first k payments of the last run.
    Extended CumulativeInterestAt(int k) const;
    /// Balance after payment k of the last run.
    Extended BalanceAt(int k) const;
    /// Interest cost of the first k payments of the last run: their cumulative
    /// interest, or with discountPercent > 0 the present value at the loan date of
    /// the k interest amounts, discounted at discountPercent a year compounded at
    /// frequency (rounded to cents).
    Extended InterestCost(int k, int frequency, float discountPercent);

    TDateTime LoanDate() const { return m_loanDate; }
    /// The rows of the last run.
    const TTransactionsList& Rows() const { return m_rows; }

private:
    const TTransactionClass& Row(int k) const;
    Extended DiscountedInterest(int k, int frequency, float discountPercent);
    Extended RunSchedule(int frequency, float ratePercent);

    TDateTime m_loanDate = 0;
    TCashInputsList m_events;
    TTransactionsList m_rows;
};

} // namespace calvora
