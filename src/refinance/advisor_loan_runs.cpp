#include "refinance/advisor_loan_runs.h"

#include "finance/date_math.h"
#include "finance/finance_errors.h"
#include "schedule/cash_schedule_normal.h"

#include <cstddef>

namespace calvora {

namespace {

// The analysis compares loans, not dates: any fixed start serves.
constexpr int kLoanYear = 2006;
constexpr int kLoanMonth = 12;
constexpr int kLoanDay = 1;
constexpr int kScheduleDaysInYear = 360;
constexpr unsigned kRowOutsideSchedule = 1033;

TCashInputClass SingleEvent(std::uint8_t kind, int frequency, TDateTime date) {
    TCashInputClass event;
    event.Kind = kind;
    event.Count = 1;
    event.PaymentFrequency = static_cast<std::uint8_t>(frequency);
    event.CompoundingFrequency = static_cast<std::uint8_t>(frequency);
    event.Date = date;
    return event;
}

} // namespace

TAdvisorLoanRuns::TAdvisorLoanRuns()
    : m_loanDate(EncodeDate(kLoanYear, kLoanMonth, kLoanDay)) {}

Extended TAdvisorLoanRuns::Run(Extended amount, int frequency, int count, float ratePercent) {
    m_events.Clear();
    TCashInputClass& loan = m_events.Add(SingleEvent(ekLoan, frequency, m_loanDate));
    loan.Amount = static_cast<double>(amount);

    TcalcDateMathEx dates;
    dates.SetAnchorDate(m_loanDate);
    TCashInputClass payment(loan);
    payment.Kind = ekPayment;
    payment.AmountUnknown = true;
    payment.Amount = 0;
    payment.Count = static_cast<std::int16_t>(count);
    payment.Date = dates.NextDate(frequency, m_loanDate);
    m_events.Add(std::move(payment));

    return RunSchedule(frequency, ratePercent);
}

Extended TAdvisorLoanRuns::RunSchedule(int frequency, float ratePercent) {
    // The rows are refilled only by a run that succeeds.
    TTransactionsList rows;
    TCash_Schedule_Normal schedule;
    schedule.LastPaymentMode = 0;
    schedule.SetInputs(&m_events, false, false, kScheduleDaysInYear, frequency,
                       static_cast<Extended>(ratePercent) / 100);
    schedule.Calculate();
    schedule.GetRows(&rows);
    m_events.Clear();
    m_rows = std::move(rows);
    return schedule.Result();
}

const TTransactionClass& TAdvisorLoanRuns::Row(int k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= m_rows.Count()) {
        RaiseCashScheduleError(kRowOutsideSchedule);
    }
    return m_rows[static_cast<std::size_t>(k)];
}

Extended TAdvisorLoanRuns::CumulativeInterestAt(int k) const {
    return Row(k).CumulativeInterest;
}

Extended TAdvisorLoanRuns::BalanceAt(int k) const {
    return Row(k).Balance;
}

Extended TAdvisorLoanRuns::InterestCost(int k, int frequency, float discountPercent) {
    if (discountPercent > 0) {
        return DiscountedInterest(k, frequency, discountPercent);
    }
    return CumulativeInterestAt(k);
}

Extended TAdvisorLoanRuns::DiscountedInterest(int k, int frequency, float discountPercent) {
    Row(k);
    TCashInputsList flows;
    TCashInputClass& start = flows.Add(SingleEvent(ekLoan, frequency, m_rows[0].Date));
    start.AmountUnknown = true;
    for (int i = 1; i <= k; ++i) {
        const TTransactionClass& row = m_rows[static_cast<std::size_t>(i)];
        TCashInputClass& interest = flows.Add(SingleEvent(ekPayment, frequency, row.Date));
        interest.Amount = static_cast<double>(row.Interest);
    }
    TCash_Schedule_Normal schedule;
    schedule.LastPaymentMode = 0;
    schedule.SetInputs(&flows, false, false, kScheduleDaysInYear, frequency,
                       static_cast<Extended>(discountPercent) / 100);
    schedule.Calculate();
    return schedule.Result();
}

} // namespace calvora
