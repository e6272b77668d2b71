// Whole periods and odd days between events, the shape of the first period,
// and the rates of every event.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_days.h"

#include <algorithm>

namespace calvora {

int TCash_Schedule_Base::GapFrequency(const TCashInputClass& q) const {
    if (q.ExactInterest) {
        return -1;
    }
    return std::min(q.PaymentFrequency, q.CompoundingFrequency);
}

void TCash_Schedule_Base::FirstPeriodReference(std::size_t& index, int& startFrequency,
                                               int& fractionFrequency) const {
    index = static_cast<std::size_t>(m_firstPaymentIndex);
    startFrequency = (*m_events)[index].PaymentFrequency;
    fractionFrequency = startFrequency;
}

void TCash_Schedule_Base::PreparePeriods() {
    TCashInputsList& events = Events();
    m_wholePeriodsTotal = 0;
    m_daysAfterFirstPayment = 0;
    m_movedOddDays = 0;
    if (events.Count() < 2) {
        return;
    }
    m_firstPaymentIndex = 0;
    for (std::size_t i = 0; i < events.Count(); ++i) {
        if (events[i].Kind == ekPayment) {
            m_firstPaymentIndex = static_cast<std::int32_t>(i);
            break;
        }
    }

    for (std::size_t i = events.Count() - 1; i >= 1; --i) {
        TCashInputClass& later = events[i];
        const TCashInputClass& earlier = events[i - 1];
        SetAnchorFrom(later);
        const int frequency = GapFrequency(earlier);
        if (frequency < 0) {
            later.OddDays = DaysBetween(later.Date, earlier.Date);
            later.WholePeriods = 0;
        } else {
            later.WholePeriods = m_dates.PeriodsBetween(frequency, later.Date, earlier.Date);
            later.OddDays = m_dates.OddDays;
        }
        m_wholePeriodsTotal += later.WholePeriods;
    }
    events[0].WholePeriods = 0;
    events[0].OddDays = 0;

    std::size_t referenceIndex = 0;
    int startFrequency = 0;
    int fractionFrequency = 0;
    FirstPeriodReference(referenceIndex, startFrequency, fractionFrequency);
    const TCashInputClass& reference = events[referenceIndex];
    SetAnchorFrom(reference);
    const double loanDate = WholeDay(events[0].Date);
    const double paymentDate = WholeDay(reference.Date);
    const double periodStart = referenceIndex == 0
                                   ? paymentDate
                                   : WholeDay(m_dates.PrevDate(startFrequency, reference.Date));
    m_oddPeriodFraction =
        static_cast<Extended>(reference.OddDays) / DaysPerPeriod(fractionFrequency);
    if (periodStart != loanDate && loanDate != paymentDate) {
        m_firstPeriodShape = periodStart >= loanDate ? fpLong : fpShort;
    } else {
        m_firstPeriodShape = fpRegular;
    }

    if (m_unknownKind == ukFirstAmount && OddDaysPaidWhen == odWithFirst &&
        m_firstPeriodShape == fpLong) {
        RaiseCashScheduleError(1074);
    }
    TCashInputClass& first = events[static_cast<std::size_t>(m_firstPaymentIndex)];
    if (m_firstPeriodShape == fpLong && (OddDaysPaidWhen < odAmortized || m_prepaidDays > 0)) {
        if (m_firstPaymentIndex > 1 && OddDaysPaidWhen == odWithOrigination) {
            RaiseCashScheduleError(1072);
        }
        if (events[0].ExactInterest) {
            SetAnchorFrom(first);
            const TDateTime regularStart = m_dates.PrevDate(first.PaymentFrequency, first.Date);
            m_movedOddDays = DaysBetween(regularStart, events[0].Date);
            first.OddDays = OddDaysPaidWhen == odWithFirst ? DaysBetween(first.Date, events[0].Date)
                                                           : DaysBetween(first.Date, regularStart);
        } else {
            m_movedOddDays = first.OddDays;
            first.OddDays = 0;
        }
    } else if (m_firstPeriodShape == fpShort && ShortPeriodPaidHow < spReduceAll &&
               first.AmountUnknown) {
        m_movedOddDays = first.OddDays;
        first.OddDays = 0;
        first.WholePeriods = 1;
    }
    m_numberOfPeriods = static_cast<std::int32_t>(m_wholePeriodsTotal);
    m_daysAfterFirstPayment = DaysBetween(events.Last().Date, first.Date);
}

Extended TCash_Schedule_Base::PeriodicRateOf(const TCashInputClass& event, Extended annualRate,
                                             Extended& dailyRate) const {
    return TequRate::PeriodicRate(event.PaymentFrequency, event.CompoundingFrequency, m_daysInYear,
                                  annualRate, dailyRate);
}

void TCash_Schedule_Base::SetRates() {
    if (m_compounding > fqExact) {
        RaiseCashScheduleError(1012);
    }
    TCashInputsList& events = Events();
    Extended periodicRate = 0;
    Extended dailyRate = 0;
    for (std::size_t i = 0; i < events.Count(); ++i) {
        TCashInputClass& event = events[i];
        if (i == 0 || event.CompoundingFrequency != events[i - 1].CompoundingFrequency) {
            if (event.CompoundingFrequency > fqExact) {
                RaiseCashScheduleError(1012);
            }
            if (event.RateUnknown) {
                periodicRate = 0;
                dailyRate = 0;
            } else {
                periodicRate = PeriodicRateOf(event, m_annualRate, dailyRate);
                dailyRate = m_annualRate / m_daysInYear;
            }
        }
        event.PeriodicRate = periodicRate;
        event.DailyRate = dailyRate;
    }
    if (m_firstPaymentIndex >= 1) {
        const TCashInputClass& beforeFirst =
            events[static_cast<std::size_t>(m_firstPaymentIndex) - 1];
        m_dailyInterest = RoundMoney(beforeFirst.DailyRate * beforeFirst.Amount, m_decimalPlaces);
        m_oddDaysInterest = m_movedOddDays * m_dailyInterest;
    }
}

void TCash_Schedule_Base::SetTrialRate(Extended trialRate) {
    if (m_compounding > fqExact) {
        RaiseCashScheduleError(1012);
    }
    for (TCashInputClass& event : Events()) {
        if (event.RateUnknown) {
            Extended dailyRate = 0;
            event.PeriodicRate = PeriodicRateOf(event, trialRate, dailyRate);
            event.DailyRate = trialRate / m_daysInYear;
        }
    }
}

} // namespace calvora
