// Rows from events, and the finishing steps every row computation shares.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"

#include <cmath>
#include <limits>

namespace calvora {

Extended TCash_Schedule_Base::RoundedInterest(Extended value, bool rateUnknown) const {
    // During the rate search interest stays unrounded so that the final balance
    // moves smoothly with the trial rate.
    return rateUnknown ? value : RoundMoney(value, m_decimalPlaces);
}

void TCash_Schedule_Base::BuildRows() {
    m_rows.Clear();
    TCashInputsList& events = Events();
    std::size_t rowCount = 0;
    for (const TCashInputClass& event : events) {
        if (event.Count < 1) {
            RaiseCashScheduleError(1046);
        }
        CashFlowSign(event.Kind);
        rowCount += static_cast<std::size_t>(event.Count);
    }
    m_rows.Reserve(rowCount);
    m_firstPaymentRow = 0;

    // Consecutive periods of a series repeat one amount: round it once.
    double roundedFrom = std::numeric_limits<double>::quiet_NaN();
    Extended rounded = 0;
    std::int32_t number = 0;
    for (std::size_t e = 0; e < events.Count(); ++e) {
        const TCashInputClass& event = events[e];
        if (static_cast<std::int32_t>(e) == m_firstPaymentIndex) {
            m_firstPaymentRow = m_rows.Count();
        }
        TDateTime date = event.Date;
        // Only a series steps from its anchor, and the last event's anchor is
        // the one left for the row computations; single periods need none.
        if (event.Count > 1 || e + 1 == events.Count()) {
            m_dates.SetAnchorDate(event.Date);
        }
        for (int k = 0; k < event.Count; ++k) {
            if (k > 0) {
                date = m_dates.NextDate(m_firstPaymentFrequency, date);
            }
            TTransactionClass& row = m_rows.Add();
            row.Date = date;
            row.PeriodNumber = number++;
            row.AnnualRate = m_annualRate;
            row.PeriodicRate = event.PeriodicRate;
            row.DailyRate = event.DailyRate;
            row.PaymentFrequency = event.PaymentFrequency;
            row.CompoundingFrequency = event.CompoundingFrequency;
            row.Kind = event.Kind;
            row.SeriesType = event.SeriesType;
            row.ExactInterest = event.ExactInterest;
            row.OddDays = event.OddDays;
            row.WholePeriods = event.WholePeriods;
            row.ExtraPayment = event.ExtraPayment;
            row.RateUnknown = event.RateUnknown;
            row.SolvedAmount = event.AmountWasUnknown;
            if (event.Kind == ekPayment) {
                if (event.Amount != roundedFrom) {
                    roundedFrom = event.Amount;
                    rounded = RoundMoney(event.Amount, m_decimalPlaces);
                }
                row.Payment = rounded;
            } else {
                row.LoanAdvance = event.Amount;
            }
        }
    }
    if (!m_rows.Empty()) {
        const TCashInputClass& first = events[0];
        m_rows[0].Balance = CashFlowSign(first.Kind) * static_cast<Extended>(first.Amount);
        if (first.Kind == ekPayment) {
            m_rows[0].Principal = first.Amount;
        }
    }
}

void TCash_Schedule_Base::RunSchedule() {
    BuildRows();
    ComputeRows();
}

void TCash_Schedule_Base::TrimPaidOffRows() {
    if (KeepPaidOffRows || m_rows.Count() < 3 || std::fabs(m_finalBalance) < 0.01L) {
        return;
    }
    while (m_rows.Count() > 2 && m_rows[m_rows.Count() - 2].Balance < 0) {
        m_rows.DeleteLast();
    }
    m_finalBalance = m_rows.Last().Balance;
}

void TCash_Schedule_Base::AdjustFinalPayment() {
    if (m_rows.Count() < 2 || std::fabs(m_finalBalance) < 0.005L || LastPaymentMode != 0) {
        return;
    }
    const Extended f = m_finalBalance;
    TTransactionClass& last = m_rows.Last();
    if (f >= 0) {
        // A last row without a loan advance pays the rest even when its own
        // payment rounded to nothing (a loan of a few cents): lowering only the
        // balance would write the rest off.
        if (std::fabs(last.LoanAdvance) < 0.01L) {
            last.Payment += f;
            last.Principal += f;
        } else {
            last.Principal += f;
            last.Interest -= f;
        }
        last.Balance -= f;
    } else {
        last.Payment += f;
        last.Principal += f;
        last.Balance += std::fabs(f);
    }
    last.NetChange -= f;
    last.CumulativePrincipal += static_cast<double>(f);
    last.CumulativePayments += static_cast<double>(f);
    Events().Last().Amount = static_cast<double>(last.Payment + last.LoanAdvance);
}

void TCash_Schedule_Base::FinishRows(bool reportUnpaidInterest) {
    if (m_rows.Empty()) {
        return;
    }
    m_finalBalance = m_rows.Last().Balance;
    TrimPaidOffRows();
    // Interest compounded past the range of the arithmetic leaves no schedule
    // to show (an infinite row stays infinite, so the last kept row tells).
    if (m_rejectOverflow &&
        (!std::isfinite(m_finalBalance) || !std::isfinite(m_rows.Last().CumulativeInterest))) {
        RaiseCashScheduleError(1017);
    }
    if (Events().Last().Count != -1) {
        AdjustFinalPayment();
    }
    const TTransactionClass& last = m_rows.Last();
    m_balanceAfterAdjustment = last.Balance;
    m_unpaidInterest = 0;
    if (reportUnpaidInterest && last.Interest > 0 && last.Interest > last.Payment &&
        m_rows.Count() >= 2) {
        m_balanceAfterAdjustment = m_rows[m_rows.Count() - 2].Balance;
        m_unpaidInterest = last.Interest - last.Payment;
    }
    m_totalPrincipal = last.CumulativePrincipal;
    m_totalPayments = last.CumulativePayments;
    m_totalInterest = last.CumulativeInterest;
}

} // namespace calvora
