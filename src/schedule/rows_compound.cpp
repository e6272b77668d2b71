// Row arithmetic of the compound-interest schedules (normal and Canadian).
#include "schedule/cash_schedule.h"

namespace calvora {

void TCash_Schedule_Base::ChargeFirstPaymentOddDays(const TTransactionClass& q,
                                                    TTransactionClass& s, Extended& interest) {
    const Extended onePeriod =
        m_financial.Interest(1, q.CompoundingFrequency, q.Balance, q.PeriodicRate);
    Extended dailyBase = q.Balance;
    if (m_firstPeriodShape == fpLong && m_firstPaymentIndex != 1) {
        dailyBase += interest;
    }
    m_dailyInterest = RoundedInterest(dailyBase * q.DailyRate, q.RateUnknown);
    const Extended oddInterest = m_movedOddDays * m_dailyInterest;
    TCashInputClass& firstPayment = Events()[static_cast<std::size_t>(m_firstPaymentIndex)];

    if (m_firstPeriodShape == fpLong && OddDaysPaidWhen == odWithFirst) {
        interest += oddInterest;
        if (s.SolvedAmount) {
            s.Payment = s.Payment + interest - onePeriod;
            m_result = s.Payment;
            firstPayment.Amount = static_cast<double>(s.Payment);
        }
    } else if (m_firstPeriodShape == fpShort && ShortPeriodPaidHow == spReduceFirst) {
        s.WholePeriods = 0;
        const Extended replaced = interest;
        interest = oddInterest;
        if (s.SolvedAmount) {
            s.Payment += oddInterest - replaced;
            m_result = s.Payment;
            firstPayment.Amount = static_cast<double>(s.Payment);
        }
    } else if (m_firstPeriodShape == fpShort && ShortPeriodPaidHow == spNoReduction) {
        s.WholePeriods = 0;
        interest = oddInterest;
    }
}

void TCash_Schedule_Base::StartRunningTotals(TTransactionClass& loanRow) {
    loanRow.CumulativePrincipal = static_cast<double>(loanRow.Principal);
    loanRow.CumulativePayments = static_cast<double>(loanRow.Payment);
    loanRow.CumulativeLoanAdvances = static_cast<double>(loanRow.LoanAdvance);
    loanRow.CumulativeInterest = static_cast<double>(loanRow.Interest);
}

void TCash_Schedule_Base::AmortizeRows(bool reportUnpaidInterest) {
    if (m_rows.Empty()) {
        return;
    }
    m_dailyInterest = 0;
    TTransactionClass& loanRow = m_rows[0];
    if (m_firstPaymentIndex == 1) {
        m_dailyInterest = RoundedInterest(loanRow.Balance * loanRow.DailyRate, loanRow.RateUnknown);
        const Extended carriedOddInterest = m_movedOddDays * m_dailyInterest;
        if (PointsPaidWhen == ppWithOrigination) {
            loanRow.Interest = m_pointsAmount;
            loanRow.Payment = loanRow.Interest;
        }
        if (m_firstPeriodShape == fpLong && OddDaysPaidWhen == odWithOrigination) {
            loanRow.Interest += carriedOddInterest;
            loanRow.Payment = loanRow.Interest;
        }
    }
    StartRunningTotals(loanRow);
    loanRow.NetChange = loanRow.Balance;

    for (std::size_t i = 1; i < m_rows.Count(); ++i) {
        const TTransactionClass& q = m_rows[i - 1];
        TTransactionClass& s = m_rows[i];
        Extended interest = 0;
        if (q.ExactInterest || q.CompoundingFrequency == fqContinuous) {
            // Simple interest by the day, or continuous growth by the day.
            interest = m_financial.Interest(s.OddDays, q.ExactInterest ? fqExact : fqContinuous,
                                            q.Balance, q.DailyRate);
        } else {
            interest = m_financial.Interest(static_cast<int>(s.WholePeriods),
                                            q.CompoundingFrequency, q.Balance, q.PeriodicRate);
            if (s.OddDays == 0 && i == m_firstPaymentRow && HasMovedOddDays()) {
                ChargeFirstPaymentOddDays(q, s, interest);
            }
            if (s.OddDays != 0) {
                // Odd days grow the balance already grown by the whole periods:
                // compounded by the day under daily compounding, simple otherwise
                // (always simple with straight-line odd days).
                const int oddKind = q.CompoundingFrequency == fqDaily && !StraightLineDiscounting()
                                        ? fqDaily
                                        : fqExact;
                interest +=
                    m_financial.Interest(s.OddDays, oddKind, q.Balance + interest, q.DailyRate);
            }
        }
        s.Interest = RoundedInterest(interest, q.RateUnknown);
        if (s.LoanAdvance != 0) {
            s.LoanAdvance = RoundMoney(s.LoanAdvance, m_decimalPlaces);
        }
        switch (s.SeriesType) {
        case stInterestOnly:
            s.Principal = 0;
            s.Payment = s.Interest;
            s.Balance = q.Balance + s.LoanAdvance;
            break;
        case stFixedPrincipal:
            s.Principal = s.Payment;
            s.Payment = s.Principal + s.Interest;
            s.Balance = q.Balance + s.Interest - s.Payment + s.LoanAdvance;
            break;
        default:
            s.Balance = q.Balance + s.Interest - s.Payment + s.LoanAdvance;
            s.Principal = s.Payment - s.Interest;
            break;
        }
        s.NetChange = s.LoanAdvance - s.Payment + s.Interest;
        s.CumulativePrincipal = q.CumulativePrincipal + static_cast<double>(s.Principal);
        s.CumulativePayments = q.CumulativePayments + static_cast<double>(s.Payment);
        s.CumulativeLoanAdvances = q.CumulativeLoanAdvances + static_cast<double>(s.LoanAdvance);
        s.CumulativeInterest = q.CumulativeInterest + static_cast<double>(s.Interest);
        s.SolvedAmount = false;
    }
    FinishRows(reportUnpaidInterest);
}

} // namespace calvora
