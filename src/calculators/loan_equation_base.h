#pragma once

#include "finance/date_math.h"
#include "finance/financial_types.h"
#include "schedule/cash_inputs.h"
#include "schedule/cash_schedule.h"

#include <cstdint>
#include <memory>

namespace calvora {

/// Today's date (local time) as a day number without time of day.
TDateTime TodayDate();

/// Date of the payment `periods` payment periods after `date` (date itself for
/// 0), stepped by `dates` as one series anchored on `date`.
TDateTime StepPaymentDates(TcalcDateMathEx& dates, int frequency, TDateTime date, int periods);

/// `SeriesType` of the payment series an amortization method gives: fixed
/// principal 2, interest only 1, every other method 0.
std::uint8_t SeriesTypeOfMethod(int amortMethod);

/// Raises the method rules on a validated unknown: 1048 when the rate is solved
/// (solvedFor 3) under "Fixed Principal" or "Interest Only", 1049 when
/// "No Interest" carries a rate above 0.0001 in magnitude (in the units the
/// caller holds it), 1048 when the term (solvedFor 2) is solved under
/// "Interest Only".
void CheckMethodRules(int solvedFor, int amortMethod, Extended rate);

/// Counts the inputs that mark an unknown; the last one that matches is the
/// value to solve.
class ZeroInputs {
public:
    void Check(bool isZero, std::uint8_t code);
    int Count() const { return m_count; }
    std::uint8_t Last() const { return m_last; }
    /// The code of the one unknown, or whenNone when every input was given.
    std::uint8_t SolvedOr(std::uint8_t whenNone) const { return m_count == 1 ? m_last : whenNone; }
    /// Raises 1045 when more than one input is unknown.
    void RequireAtMostOne() const;

private:
    int m_count = 0;
    std::uint8_t m_last = 0;
};

/// What every loan equation holds: the date arithmetic, the event list, the
/// loan date, the year length and the four codes of the loan. Calculations
/// build their events here and run one schedule per calculation.
class TequLoanEquation {
public:
    /// Loan date (day number), today until the first calculation.
    TDateTime LoanDate = 0;
    /// Days per year of the daily rate (360, 364, 365 or 366).
    std::int32_t DaysPerYear = 365;
    /// `Frequency` codes: payment 1..11, compounding 0..12.
    std::uint8_t PaymentFrequency = fqMonthly;
    std::uint8_t CompoundingFrequency = fqMonthly;
    /// 0 arrears (first payment one period after the loan date), 1 advance.
    std::uint8_t PaymentTiming = 0;
    /// `AmortizationMethod` code.
    std::uint8_t AmortMethod = amNormal;

protected:
    TequLoanEquation();

    void StoreCodes(std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                    std::uint8_t paymentTiming, std::uint8_t amortMethod, TDateTime loanDate,
                    std::int32_t daysPerYear);

    /// Date of the first payment: one period after the loan date in arrears,
    /// the loan date in advance.
    TDateTime FirstPaymentDate();
    /// Payment date `periods` periods after `date`.
    TDateTime StepPeriods(TDateTime date, int periods);

    /// Loan event of count 1 on the loan date, with the codes of the loan.
    TCashInputClass LoanEvent(Extended amount, bool amountUnknown) const;
    /// Payment series copied from the loan event: kind 2, `count` payments of
    /// `amount` from `date`. A count outside -1..32767 raises 1046.
    static TCashInputClass PaymentSeries(const TCashInputClass& loan, std::int32_t count,
                                         Extended amount, bool amountUnknown, TDateTime date);

    /// Schedule of the loan's method with the given last-payment mode.
    std::unique_ptr<TCash_Schedule_Base> NewSchedule(int amortMethod,
                                                     std::uint8_t lastPaymentMode) const;
    /// SetInputs over the event list, then Calculate.
    void RunSchedule(TCash_Schedule_Base& schedule, bool rateUnknown, Extended annualRate);

    /// Loan event and payment series of a plain loan, solved by a schedule of
    /// the loan's method in last-payment mode 4. solvedFor picks the unknown
    /// (1 amount, 2 count, 3 rate, 4 payment, 0 none); annualRate is a fraction.
    std::unique_ptr<TCash_Schedule_Base> RunTwoEventLoan(Extended amount, std::int32_t periods,
                                                         Extended payment, std::uint8_t solvedFor,
                                                         Extended annualRate);

    TcalcDateMathEx m_dates;
    TCashInputsList m_events;
};

} // namespace calvora
