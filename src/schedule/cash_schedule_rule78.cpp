#include "schedule/cash_schedule_rule78.h"

#include "finance/finance_errors.h"

#include <cmath>

namespace calvora {

namespace {

// Fixed addition to the first payment row's period fraction.
constexpr Extended kFirstRowBias = 0.0000005L;

} // namespace

void TCash_Schedule_Rule78::SetInputs(TCashInputsList* events, bool rateUnknown, bool exact,
                                      int daysInYear, int compounding, Extended annualRate) {
    TCash_Schedule_Normal::SetInputs(events, rateUnknown, exact, daysInYear, compounding,
                                     annualRate);
    int loans = 0;
    for (const TCashInputClass& event : *events) {
        if (event.SeriesType != stLevel) {
            RaiseCashScheduleError(1016);
        }
        if (event.Kind == ekLoan) {
            ++loans;
        }
    }
    if (loans > 1) {
        RaiseCashScheduleError(1014);
    }
}

void TCash_Schedule_Rule78::Solve() {
    if (EventCount() < 2) {
        return;
    }
    TCashInputsList& events = Events();
    PreparePeriods();
    if (!m_rateUnknown) {
        SetRates();
    }
    SolveUnknown();
    if (HasMovedOddDays() && ShortPeriodPaidHow == spReduceFirst && m_firstPeriodShape == fpShort) {
        // The short first period is paid with a first payment of its own size.
        TCashInputClass& second = events[1];
        second.WholePeriods = 0;
        second.OddDays = m_movedOddDays;
        m_movedOddDays = 0;
        second.AmountUnknown = true;
        second.Amount = 0;
        m_result = SolveAmount();
        second.Amount = static_cast<double>(m_result);
    }
    for (TCashInputClass& event : events) {
        event.AmountUnknown = false;
    }
    BuildRows();
    ComputeRule78Rows();
}

void TCash_Schedule_Rule78::ComputeRule78Rows() {
    TCashInputsList& events = Events();
    const std::size_t n = m_rows.Count();
    if (n == 0) {
        return;
    }
    if (HasMovedOddDays() && OddDaysPaidWhen == odWithFirst && m_firstPeriodShape == fpLong &&
        m_firstPaymentIndex >= 1 && m_firstPaymentRow < n &&
        m_rows[m_firstPaymentRow].SolvedAmount) {
        TTransactionClass& first = m_rows[m_firstPaymentRow];
        first.Payment += m_oddDaysInterest;
        m_result = first.Payment;
        events[static_cast<std::size_t>(m_firstPaymentIndex)].Amount =
            static_cast<double>(first.Payment);
    }

    m_financeCharge = 0;
    for (const TCashInputClass& event : events) {
        const double flow = event.Amount * event.Count;
        m_financeCharge += event.Kind == ekPayment ? flow : -flow;
    }

    TTransactionClass& loanRow = m_rows[0];
    loanRow.ScheduleDate = loanRow.Date;
    StartRunningTotals(loanRow);
    loanRow.Balance = loanRow.LoanAdvance;
    m_weights.assign(n, TRule78Weights{});
    if (n < 2) {
        FinishRows(false);
        return;
    }

    Extended paymentSum = 0;
    for (std::size_t i = 1; i < n; ++i) {
        paymentSum += m_rows[i].Payment;
    }
    const Extended averagePayment = paymentSum / static_cast<Extended>(n - 1);
    for (std::size_t i = 1; i < n; ++i) {
        m_weights[i].RelativeSize = averagePayment != 0 ? m_rows[i].Payment / averagePayment : 1;
    }

    Extended digitSum = 0;
    for (std::size_t i = 1; i < n; ++i) {
        const TTransactionClass& previous = m_rows[i - 1];
        TTransactionClass& row = m_rows[i];
        const TRule78Weights& before = m_weights[i - 1];
        TRule78Weights& weights = m_weights[i];
        if (!previous.ExactInterest) {
            row.ScheduleDate = m_dates.NextDate(row.PaymentFrequency, previous.ScheduleDate);
        } else if (i == 1) {
            row.ScheduleDate = row.Date;
        } else {
            row.ScheduleDate =
                previous.ScheduleDate + (previous.ScheduleDate - m_rows[i - 2].ScheduleDate);
        }
        const int whole =
            m_dates.PeriodsBetween(previous.PaymentFrequency, row.Date, previous.Date);
        weights.CumulativeWeight = before.CumulativeWeight + m_weights[n - i].RelativeSize;
        weights.CumulativePeriods = before.CumulativePeriods + whole;
        digitSum += weights.CumulativePeriods;
        weights.PeriodFraction =
            whole + static_cast<Extended>(m_dates.OddDays) / DaysPerPeriod(row.PaymentFrequency);
        if (i == 1) {
            weights.PeriodFraction += kFirstRowBias;
        }
    }
    // Payments less than a whole period apart (daily payments) give no digits
    // to spread the charge by.
    if (digitSum == 0) {
        RaiseCashScheduleError(1046);
    }
    double fractionSum = 0;
    for (std::size_t i = 1; i < n; ++i) {
        TRule78Weights& weights = m_weights[i];
        weights.Share = m_weights[n - i].CumulativeWeight / digitSum;
        weights.WeightedFraction = weights.PeriodFraction * weights.Share;
        fractionSum += static_cast<double>(weights.WeightedFraction);
    }
    if (fractionSum == 0 || !std::isfinite(fractionSum)) {
        RaiseCashScheduleError(1046);
    }
    for (std::size_t i = 1; i < n; ++i) {
        const TTransactionClass& previous = m_rows[i - 1];
        TTransactionClass& row = m_rows[i];
        row.Interest = RoundMoney(m_weights[i].WeightedFraction *
                                      (1 / static_cast<Extended>(fractionSum)) * m_financeCharge,
                                  m_decimalPlaces);
        row.Balance = RoundMoney(previous.Balance + row.Interest - row.Payment, m_decimalPlaces);
        row.Principal = row.Payment - row.Interest;
        row.NetChange = row.LoanAdvance - row.Payment + row.Interest;
        row.CumulativePrincipal = previous.CumulativePrincipal + static_cast<double>(row.Principal);
        row.CumulativePayments = previous.CumulativePayments + static_cast<double>(row.Payment);
        row.CumulativeLoanAdvances =
            previous.CumulativeLoanAdvances + static_cast<double>(row.LoanAdvance);
        row.CumulativeInterest = previous.CumulativeInterest + static_cast<double>(row.Interest);
        row.SolvedAmount = false;
    }
    FinishRows(false);
}

} // namespace calvora
