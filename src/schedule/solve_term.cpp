// The unknown number of periods of a series (the event with count -1).
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_days.h"
#include "schedule/setting_scope.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace calvora {

namespace {

// Longest series the iterative search tries.
constexpr std::int32_t kSearchCap = 1560;

// The closer of two neighbouring candidates' final balances; the earlier on a tie.
std::int32_t CloserCount(std::int32_t count, Extended balance, Extended nextBalance) {
    return std::fabs(nextBalance) < std::fabs(balance) ? count + 1 : count;
}

bool SignChanged(Extended before, Extended after) {
    return (before < 0) != (after < 0);
}

} // namespace

std::int32_t TCash_Schedule_Base::SolveTerm() {
    TCashInputsList& events = Events();
    std::size_t unknown = events.Count();
    for (std::size_t i = 0; i < events.Count(); ++i) {
        if (events[i].Count == -1) {
            unknown = i;
            break;
        }
    }
    if (unknown == events.Count()) {
        RaiseCashScheduleError(1046);
    }
    TCashInputsList original;
    events.CopyTo(&original);
    const std::size_t last = events.Count() - 1;

    std::int32_t count = 0;
    if (events.Count() == 2 && unknown == 1 && m_firstPeriodShape == fpRegular &&
        events[0].Kind == ekLoan && events[1].Kind == ekPayment &&
        events[0].SeriesType == stLevel && events[1].SeriesType == stLevel) {
        count = TermByFormula();
    } else if (events.Count() > 2 && unknown == last && events[last].Kind == ekPayment &&
               events[0].Kind == ekLoan) {
        count = TermBeforeLastSeries(unknown);
    } else if (unknown < last) {
        count = TermBeforeNextEvent(unknown, original);
    } else if (LiteralTermSearch) {
        count = TermBySearchLiteral(unknown, original);
    } else {
        count = TermBySearch(unknown, original);
    }

    original.CopyTo(&events);
    events[unknown].Count = static_cast<std::int16_t>(count);
    ExpandEvents();
    m_lastEventIndex = static_cast<std::int32_t>(events.Count()) - 1;
    PreparePeriods();
    return count;
}

std::int32_t TCash_Schedule_Base::CheckedNumberOfPeriods(bool paymentDue, Extended presentValue,
                                                         Extended payment, Extended periodicRate) {
    // The count the formula will give, checked first: a payment that never
    // covers the interest, only just covers it, or is missing gives an infinite
    // term; one beyond a 16-bit count cannot be stored in the event.
    const int due = paymentDue ? 1 : 0;
    Extended estimate = 0;
    if (periodicRate != 0) {
        const Extended duePayment = payment * (1 + periodicRate * due);
        const Extended ratio = duePayment / (presentValue * periodicRate + duePayment);
        estimate = std::log(ratio) / std::log1p(periodicRate);
    } else {
        estimate = presentValue / payment;
    }
    if (presentValue * periodicRate > std::fabs(payment) || !std::isfinite(estimate)) {
        RaiseFinanceError(426);
    }
    if (std::fabs(estimate) > std::numeric_limits<std::int16_t>::max()) {
        RaiseCashScheduleError(1047);
    }
    const std::int64_t periods =
        m_financial.NumberOfPeriods(due, 0, presentValue, payment, periodicRate);
    if (periods < 1) {
        RaiseCashScheduleError(1046);
    }
    if (periods > std::numeric_limits<std::int16_t>::max()) {
        RaiseCashScheduleError(1047);
    }
    return static_cast<std::int32_t>(periods);
}

std::int32_t TCash_Schedule_Base::TermByFormula() {
    const TCashInputsList& events = Events();
    const TCashInputClass& loan = events[0];
    const Extended rate =
        loan.CompoundingFrequency >= fqWeekly && loan.CompoundingFrequency <= fqAnnually
            ? loan.PeriodicRate
            : m_annualRate / PeriodsPerYear(m_firstPaymentFrequency);
    return CheckedNumberOfPeriods(m_paymentOnLoanDate, loan.Amount,
                                  -static_cast<Extended>(events[1].Amount), rate);
}

std::int32_t TCash_Schedule_Base::TermBeforeLastSeries(std::size_t unknown) {
    TCashInputsList& events = Events();
    // The run adjusts the last payment in place; the series' own amount counts.
    const Extended payment = events[unknown].Amount;
    const TDateTime seriesStart = events[unknown].Date;
    events[unknown].Count = 1;
    RunSchedule();
    std::size_t rowsBefore = 0;
    for (std::size_t i = 0; i < unknown; ++i) {
        rowsBefore += static_cast<std::size_t>(events[i].Count);
    }
    // Paid-off rows dropped before the series leave no balance to run down.
    if (rowsBefore == 0 || m_rows.Count() < rowsBefore) {
        RaiseCashScheduleError(1046);
    }
    // The series is an annuity from that balance, paid in advance only when its
    // first payment falls on the balance's own date; whether the loan itself
    // was paid in advance does not matter here, as the earlier payments lie
    // between the two.
    const TTransactionClass& from = m_rows[rowsBefore - 1];
    const bool due = WholeDay(seriesStart) == WholeDay(from.Date);
    return CheckedNumberOfPeriods(due, from.Balance, -payment, events[unknown - 1].PeriodicRate);
}

Extended TCash_Schedule_Base::FinalBalanceWithCount(std::size_t unknown, std::int32_t count,
                                                    const TCashInputsList& original) {
    TCashInputsList& events = Events();
    original.CopyTo(&events);
    events[unknown].Count = static_cast<std::int16_t>(count);
    ExpandEvents();
    m_lastEventIndex = static_cast<std::int32_t>(events.Count()) - 1;
    PreparePeriods();
    RunSchedule();
    return m_finalBalance;
}

std::int32_t TCash_Schedule_Base::TermBeforeNextEvent(std::size_t unknown,
                                                      const TCashInputsList& original) {
    TCashInputsList& events = Events();
    const TCashInputClass& series = events[unknown];
    SetAnchorFrom(series);
    std::int32_t count =
        m_dates.PeriodsBetween(series.PaymentFrequency, events[unknown + 1].Date, series.Date);
    if (count < 1) {
        count = 1;
    }
    if (count > std::numeric_limits<std::int16_t>::max()) {
        RaiseCashScheduleError(1060);
    }
    const bool loanSeries = series.Kind == ekLoan;
    if (loanSeries && events.Last().Kind != ekPayment) {
        return count;
    }
    const bool paymentSeries = series.Kind == ekPayment;
    // An overpaid balance has the sign of the series' own flows.
    const Extended overpaidSign =
        -CashFlowSign(series.Kind) * (series.Amount > 0 ? Extended{1} : Extended{-1});
    const auto overpaid = [overpaidSign](Extended balance) { return balance * overpaidSign < 0; };

    Extended balance = 0;
    {
        SettingScope<bool> keep(KeepPaidOffRows, false);
        std::size_t builtRows = 0;
        balance = FinalBalanceWithCount(unknown, count, original);
        for (const TCashInputClass& event : events) {
            builtRows += static_cast<std::size_t>(event.Count);
        }
        if (loanSeries && m_rows.Count() < builtRows) {
            RaiseCashScheduleError(1060);
        }
    }
    bool lowered = false;
    Extended higherBalance = balance;
    while (overpaid(balance) && count > 1) {
        higherBalance = balance;
        --count;
        balance = FinalBalanceWithCount(unknown, count, original);
        lowered = true;
    }
    if (!lowered) {
        return count;
    }
    if (!paymentSeries || std::fabs(balance) >= std::fabs(higherBalance)) {
        return count + 1;
    }
    return count;
}

std::int32_t TCash_Schedule_Base::TermBySearchLiteral(std::size_t unknown,
                                                      const TCashInputsList& original) {
    SettingScope<std::uint8_t> mode(LastPaymentMode, 4);
    Extended before = FinalBalanceWithCount(unknown, 1, original);
    std::int32_t count = 1;
    while (count < kSearchCap) {
        const Extended after = FinalBalanceWithCount(unknown, count + 1, original);
        if (SignChanged(before, after) || count + 1 == kSearchCap) {
            return CloserCount(count, before, after);
        }
        before = after;
        ++count;
    }
    return count;
}

std::int32_t TCash_Schedule_Base::TermBySearch(std::size_t unknown,
                                               const TCashInputsList& original) {
    // A row depends only on the rows before it, so the schedule with the series
    // at the cap holds every shorter candidate's rows as a prefix: one run
    // replaces a run per candidate. The final balance of each candidate is read
    // off its prefix, with the paid-off trimming applied as that run would.
    SettingScope<std::uint8_t> mode(LastPaymentMode, 4);
    {
        SettingScope<bool> keep(KeepPaidOffRows, true);
        SettingScope<bool> overflow(m_rejectOverflow, false);
        FinalBalanceWithCount(unknown, kSearchCap, original);
    }
    if (m_rows.Count() < static_cast<std::size_t>(kSearchCap)) {
        RaiseCashScheduleError(1046);
    }
    const std::size_t rowsBefore = m_rows.Count() - static_cast<std::size_t>(kSearchCap);

    // Largest index j in [1, rows - 2] whose balance is not below zero (0 if none),
    // which is where the trimming of that candidate's run would stop.
    std::size_t lastNotNegative = 0;
    std::size_t scanned = 1;
    const auto finalBalance = [&](std::int32_t count) {
        const std::size_t rows = rowsBefore + static_cast<std::size_t>(count);
        for (; scanned + 2 <= rows; ++scanned) {
            if (!(m_rows[scanned].Balance < 0)) {
                lastNotNegative = scanned;
            }
        }
        const Extended balance = m_rows[rows - 1].Balance;
        const bool trimmed = !KeepPaidOffRows && rows >= 3 && std::fabs(balance) >= 0.01L;
        const TTransactionClass& last = m_rows[trimmed ? lastNotNegative + 1 : rows - 1];
        // The run of this one candidate would have stopped here.
        if (!std::isfinite(last.Balance) || !std::isfinite(last.CumulativeInterest)) {
            RaiseCashScheduleError(1017);
        }
        return last.Balance;
    };

    Extended before = finalBalance(1);
    std::int32_t count = 1;
    while (count < kSearchCap) {
        const Extended after = finalBalance(count + 1);
        if (SignChanged(before, after) || count + 1 == kSearchCap) {
            return CloserCount(count, before, after);
        }
        before = after;
        ++count;
    }
    return count;
}

} // namespace calvora
