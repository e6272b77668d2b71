// Storing a problem, finding its unknown, and the schedule's accessors.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_days.h"

#include <cmath>

namespace calvora {

namespace {

// A second unknown amount next to the one already found.
void RejectSecondUnknown(std::uint8_t unknownKind, std::int16_t count) {
    switch (unknownKind) {
    case ukRate:
        if (count > 0) {
            RaiseCashScheduleError(1007);
        }
        if (count == -1) {
            RaiseCashScheduleError(1008);
        }
        break;
    case ukTerm:
        if (count == -1) {
            RaiseCashScheduleError(1006);
        }
        if (count > 0) {
            RaiseCashScheduleError(1009);
        }
        break;
    case ukFirstAmount:
        if (count == -1) {
            RaiseCashScheduleError(1009);
        }
        break;
    default:
        // Further periods of an unknown later amount share that unknown.
        break;
    }
}

} // namespace

void TCash_Schedule_Base::SetInputs(TCashInputsList* events, bool rateUnknown, bool exact,
                                    int daysInYear, int compounding, Extended annualRate) {
    if (events == nullptr) {
        RaiseCashScheduleError(1003);
    }
    m_events = events;
    if (events->Count() < 2) {
        return;
    }
    // Daily rates divide by the year length; a code outside a byte cannot be a frequency.
    if (daysInYear <= 0) {
        RaiseCashScheduleError(1046);
    }
    if (compounding < 0 || compounding > 255) {
        RaiseCashScheduleError(1012);
    }
    m_annualRate = annualRate;
    m_daysInYear = daysInYear;
    m_compounding = static_cast<std::uint8_t>(compounding);
    m_exact = exact;
    m_rateUnknown = rateUnknown;
    m_unknownKind = rateUnknown ? ukRate : ukNone;
    m_rows.Clear();
    m_result = m_firstAmount = m_finalBalance = m_balanceAfterAdjustment = 0;
    m_unpaidInterest = m_totalPrincipal = m_totalPayments = m_totalInterest = 0;
    m_oddDaysInterest = m_dailyInterest = m_pointsAmount = m_wholePeriodsTotal = 0;
    m_numberOfPeriods = 0;
    m_movedOddDays = 0;
    m_firstPaymentIndex = -1;
    m_firstPaymentFrequency = (*events)[0].PaymentFrequency;
    m_dates.TwiceMonthlyRule = events->DateMath.TwiceMonthlyRule;

    if (WholeDay((*events)[1].Date) < WholeDay((*events)[0].Date) + m_prepaidDays) {
        RaiseCashScheduleError(1019);
    }

    ExpandEvents();
    m_lastEventIndex = static_cast<std::int32_t>(events->Count()) - 1;
    PreparePeriods();
    for (std::size_t i = 1; i < events->Count(); ++i) {
        const TCashInputClass& previous = (*events)[i - 1];
        if ((*events)[i].Date < previous.Date || (*events)[i].Date < previous.LastDate) {
            SortAndMergeEvents();
            m_lastEventIndex = static_cast<std::int32_t>(events->Count()) - 1;
            break;
        }
    }

    for (std::size_t i = 0; i < events->Count(); ++i) {
        TCashInputClass& event = (*events)[i];
        if (event.Count >= 0) {
            event.AmountWasUnknown = event.AmountUnknown;
        }
        event.RateUnknown = rateUnknown;
        if (!event.AmountUnknown) {
            continue;
        }
        if (m_unknownKind != ukNone) {
            RejectSecondUnknown(m_unknownKind, event.Count);
        } else if (event.Count == -1) {
            m_unknownKind = ukTerm;
        } else if (event.SeriesType != stInterestOnly) {
            m_unknownKind = i == 0 ? ukFirstAmount : ukLaterAmount;
        }
    }
    m_firstAmount = m_unknownKind == ukFirstAmount ? 0 : (*events)[0].Amount;
    m_paymentOnLoanDate = WholeDay((*events)[1].Date) == WholeDay((*events)[0].Date);
}

void TCash_Schedule_Base::Calculate() {
    if (m_events == nullptr) {
        RaiseCashScheduleError(1003);
    }
    TCashInputsList& events = *m_events;
    if (!events.Empty() && events[0].Kind == ekLoan && Points != 0) {
        m_pointsAmount = m_firstAmount * Points;
        if (PointsPaidWhen == ppAmortized) {
            events[0].Amount += static_cast<double>(m_pointsAmount);
        }
    }
    Solve();
    if (m_unknownKind == ukNone && events.Count() >= 2 && events[1].SeriesType == stInterestOnly &&
        m_rows.Count() > 1) {
        m_result = m_rows[1].Interest;
    }
}

void TCash_Schedule_Base::GetRows(TTransactionsList* target) const {
    m_rows.CopyTo(target);
}

Extended TCash_Schedule_Base::BalanceAt(int n) const {
    if (n < 0 || static_cast<std::size_t>(n) >= m_rows.Count()) {
        RaiseCashScheduleError(1033);
    }
    return m_rows[static_cast<std::size_t>(n)].Balance;
}

Extended TCash_Schedule_Base::InterestAt(int n) const {
    if (n < 0 || static_cast<std::size_t>(n) >= m_rows.Count()) {
        RaiseCashScheduleError(1033);
    }
    return m_rows[static_cast<std::size_t>(n)].Interest;
}

} // namespace calvora
