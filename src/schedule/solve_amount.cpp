// Solving an unknown amount: the level-payment formula where it applies,
// otherwise discounting the known and the unknown flows to the first event.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"

#include <cmath>

namespace calvora {

namespace {

// The continuous-compounding constant the rows use for e.
constexpr Extended kContinuousBase = 2.718281828L;

bool ByTheDay(int compounding) {
    return compounding == fqContinuous || compounding == fqDaily || compounding == fqExact;
}

} // namespace

Extended TCash_Schedule_Base::SolveAmount() {
    TCashInputsList& events = Events();
    if (events.Count() < 2) {
        return 0;
    }
    bool closedForm = m_annualRate > 0;
    for (const TCashInputClass& event : events) {
        closedForm =
            closedForm && (event.SeriesType == stLevel || event.SeriesType == stFixedPrincipal);
    }
    closedForm =
        closedForm && (m_firstPeriodShape == fpRegular ||
                       (m_firstPeriodShape == fpShort && ShortPeriodPaidHow < spReduceAll) ||
                       (m_firstPeriodShape == fpLong && OddDaysPaidWhen < odAmortized));
    int unknownPeriods = 0;
    if (closedForm && events.Count() > 2) {
        for (std::size_t i = 1; i < events.Count() && closedForm; ++i) {
            const TCashInputClass& event = events[i];
            closedForm = event.AmountUnknown && event.OddDays == 0 && event.WholePeriods == 1 &&
                         event.SeriesType != stFixedPrincipal;
            unknownPeriods += event.Count;
        }
    } else if (closedForm) {
        closedForm = events[1].Count >= 2 && events[1].AmountUnknown;
        unknownPeriods = events[1].Count;
    }
    if (closedForm) {
        const int f = PeriodsPerYear(m_firstPaymentFrequency);
        const int g = ByTheDay(m_compounding) ? m_daysInYear : PeriodsPerYear(m_compounding);
        const Extended rate = TequRate::ConvertNominalRate(m_annualRate, g, f) / f;
        return RoundMoney(m_financial.Payment(unknownPeriods, rate, events[0].Amount),
                          m_decimalPlaces);
    }
    if (m_unknownKind == ukNone) {
        return 0;
    }

    for (TCashInputClass& event : events) {
        if (event.AmountUnknown) {
            event.Amount = 0;
        }
    }
    // Odd-day interest paid with the first payment is not part of the principal
    // that the payments amortize.
    TCashInputClass& firstPayment = events[static_cast<std::size_t>(m_firstPaymentIndex)];
    const double firstPaymentAmount = firstPayment.Amount;
    const bool lowerFirstPayment = m_firstPeriodShape == fpLong && OddDaysPaidWhen == odWithFirst &&
                                   HasMovedOddDays() &&
                                   (!firstPayment.AmountUnknown || m_unknownKind == ukFirstAmount);
    if (lowerFirstPayment) {
        firstPayment.Amount -= static_cast<double>(m_oddDaysInterest);
    }
    const Extended known = DiscountKnownFlows();
    for (TCashInputClass& event : events) {
        if (event.AmountUnknown) {
            event.Amount = 1;
        }
    }
    const Extended unknown = DiscountUnknownFlows();
    if (lowerFirstPayment) {
        firstPayment.Amount = firstPaymentAmount;
    }

    const int firstSign = CashFlowSign(events[0].Kind);
    Extended answer = 0;
    Extended divisor = 0;
    if (m_unknownKind == ukFirstAmount) {
        divisor = unknown - firstSign;
        answer = known / divisor;
    } else {
        divisor = unknown;
        answer = (known + firstSign * static_cast<Extended>(events[0].Amount)) / divisor;
    }
    // No unknown flow reaches the first event, or the discounting overflowed.
    if (divisor == 0 || !std::isfinite(answer)) {
        RaiseCashScheduleError(1071);
    }
    return RoundMoney(answer, m_decimalPlaces);
}

Extended TCash_Schedule_Base::DiscountFlows(bool unknownFlows, bool straightLine) const {
    const TCashInputsList& events = *m_events;
    Extended value = 0;
    for (std::size_t i = events.Count() - 1; i >= 1; --i) {
        const TCashInputClass& event = events[i];
        const TCashInputClass& q = events[i - 1];
        if (event.SeriesType != stInterestOnly) {
            const int sign = CashFlowSign(event.Kind);
            if (!unknownFlows) {
                value += sign * static_cast<Extended>(event.Amount);
            } else if (event.AmountUnknown) {
                value -= sign * static_cast<Extended>(event.Amount);
            }
        }
        // A fixed-principal amount is principal only: it is not discounted.
        const bool noRate = event.SeriesType == stFixedPrincipal;
        const Extended periodic = noRate ? 0 : q.PeriodicRate;
        const Extended daily = noRate ? 0 : q.DailyRate;
        const int compounding = straightLine ? int{fqMonthly} : int{q.CompoundingFrequency};
        if (compounding == fqContinuous) {
            value *= TequPower::Power(kContinuousBase, -daily * event.OddDays);
        } else if (compounding == fqDaily) {
            value /= TequPower::IntPower(1 + daily, event.OddDays);
        } else if (compounding == fqExact) {
            value /= 1 + daily * event.OddDays;
        } else if (compounding < fqExact) {
            value /= TequPower::IntPower(1 + periodic, event.WholePeriods);
            value /= 1 + daily * event.OddDays;
        }
    }
    return value;
}

Extended TCash_Schedule_Base::DiscountKnownFlows() {
    return DiscountFlows(false, StraightLineDiscounting());
}

Extended TCash_Schedule_Base::DiscountUnknownFlows() {
    return DiscountFlows(true, StraightLineDiscounting());
}

} // namespace calvora
