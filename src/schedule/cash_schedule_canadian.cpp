#include "schedule/cash_schedule_canadian.h"

#include "finance/finance_errors.h"

namespace calvora {

Extended TCash_Schedule_Canadian::PeriodicRateOf(const TCashInputClass& event, Extended annualRate,
                                                 Extended& dailyRate) const {
    Extended effectiveRate = 0;
    return TequRate::CanadianPeriodicRate(event.PaymentFrequency, OddDaysMode, CanadianCompounding,
                                          m_daysInYear, annualRate, dailyRate, effectiveRate);
}

void TCash_Schedule_Canadian::SetRates() {
    if (m_compounding < fqDaily || m_compounding > fqAnnually) {
        RaiseCashScheduleError(1012);
    }
    if (OddDaysMode == 0 && m_compounding == fqDaily) {
        RaiseFinanceError(434);
    }
    m_compounding = CanadianCompounding;
    TCash_Schedule_Base::SetRates();
}

void TCash_Schedule_Canadian::SetTrialRate(Extended trialRate) {
    if (m_compounding > fqExact) {
        RaiseCashScheduleError(1012);
    }
    for (TCashInputClass& event : Events()) {
        if (event.RateUnknown) {
            Extended effectiveRate = 0;
            event.PeriodicRate = TequRate::CanadianPeriodicRate(
                m_firstPaymentFrequency, OddDaysMode, CanadianCompounding, m_daysInYear, trialRate,
                event.DailyRate, effectiveRate);
        }
    }
}

void TCash_Schedule_Canadian::Solve() {
    if (EventCount() > 0) {
        m_firstPaymentFrequency = Events()[0].PaymentFrequency;
    }
    SolveThenComputeRows();
}

// The carried odd-day interest is charged once, where the normal schedule
// charges it (origination row, or the first payment row); it is not added a
// second time at the end of the row.
void TCash_Schedule_Canadian::ComputeRows() {
    AmortizeRows(false);
}

void TCash_Schedule_Canadian::PreparePeriods() {
    for (const TCashInputClass& event : Events()) {
        if (event.CompoundingFrequency < fqDaily || event.CompoundingFrequency > fqAnnually) {
            RaiseCashScheduleError(1012);
        }
    }
    TCash_Schedule_Base::PreparePeriods();
}

// The periodic rate here is the half-yearly rate converted to one payment
// period, whatever compounding the event names, so gaps and the first period
// are measured in payment periods. Measured by a compounding less frequent than
// the payments, a month would be no whole period and charged by the day.
int TCash_Schedule_Canadian::GapFrequency(const TCashInputClass& q) const {
    if (q.ExactInterest || q.CompoundingFrequency == fqDaily) {
        return -1;
    }
    return q.PaymentFrequency;
}

void TCash_Schedule_Canadian::FirstPeriodReference(std::size_t& index, int& startFrequency,
                                                   int& fractionFrequency) const {
    const TCashInputClass& second = (*m_events)[1];
    index = 1;
    startFrequency = second.PaymentFrequency;
    fractionFrequency = second.PaymentFrequency;
}

} // namespace calvora
