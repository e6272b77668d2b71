// Expansion of series into one event per period, and the re-merge of
// identical single periods after a sort by date.
#include "schedule/cash_schedule.h"
#include "schedule/schedule_days.h"

#include <utility>
#include <vector>

namespace calvora {

namespace {

bool StartsMonthEndSeries(TDateTime date, bool monthEndOption) {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(date, year, month, day);
    if (day == 31) {
        return true;
    }
    if (!monthEndOption) {
        return false;
    }
    const bool thirtyDayMonthEnd =
        day == 30 && (month == 4 || month == 6 || month == 9 || month == 11);
    return thirtyDayMonthEnd || TcalcDateMathEx::IsFebruaryEnd(date);
}

bool MeasuredByDays(std::uint8_t compounding) {
    return compounding == fqContinuous || compounding == fqDaily || compounding == fqExact;
}

} // namespace

void TCash_Schedule_Base::SetAnchorFrom(const TCashInputClass& event) {
    m_dates.AnchorDay = static_cast<std::uint16_t>(event.AnchorDay);
    m_dates.MonthEndAnchor = event.MonthEndSeries;
}

void TCash_Schedule_Base::ExpandEvents() {
    std::vector<TCashInputClass>& items = m_events->Items();
    std::size_t expandedCount = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        TCashInputClass& event = items[i];
        if (i > 0 && event.CompoundingFrequency > fqExact) {
            event.CompoundingFrequency = items[i - 1].CompoundingFrequency;
        }
        event.ExactInterest = m_exact;
        int year = 0;
        int month = 0;
        int day = 0;
        DecodeDate(event.Date, year, month, day);
        event.AnchorDay = day;
        if (event.Count > 1) {
            event.MonthEndSeries = StartsMonthEndSeries(event.Date, m_events->MonthEndOption);
        }
        expandedCount += event.Count > 1 ? static_cast<std::size_t>(event.Count) : 1;
    }
    if (expandedCount == items.size()) {
        return;
    }

    // Built into a new list in one pass: inserting each period in place would
    // move the tail of the list once per period.
    std::vector<TCashInputClass> expanded;
    expanded.reserve(expandedCount);
    for (TCashInputClass& event : items) {
        TCashInputClass source = std::move(event);
        while (source.Count > 1) {
            TCashInputClass next(source);
            next.Count = static_cast<std::int16_t>(source.Count - 1);
            SetAnchorFrom(source);
            next.Date = m_dates.NextDate(source.PaymentFrequency, source.Date);
            if (MeasuredByDays(source.CompoundingFrequency)) {
                next.WholePeriods = 0;
                next.OddDays = DaysBetween(next.Date, source.Date);
            } else {
                next.WholePeriods = 1;
                next.OddDays = 0;
            }
            source.Count = 1;
            source.LastDate = 0;
            expanded.push_back(std::move(source));
            source = std::move(next);
        }
        expanded.push_back(std::move(source));
    }
    items = std::move(expanded);
}

void TCash_Schedule_Base::SortAndMergeEvents() {
    m_events->SortByDate();
    std::vector<TCashInputClass>& items = m_events->Items();
    std::vector<TCashInputClass> merged;
    merged.reserve(items.size());
    TDateTime runLastDate = 0;
    for (TCashInputClass& event : items) {
        if (!merged.empty()) {
            TCashInputClass& earlier = merged.back();
            bool same = earlier.Kind == event.Kind &&
                        earlier.PaymentFrequency == event.PaymentFrequency &&
                        earlier.CompoundingFrequency == event.CompoundingFrequency &&
                        earlier.SeriesType == event.SeriesType &&
                        earlier.AmountUnknown == event.AmountUnknown &&
                        earlier.Amount == event.Amount && earlier.Count >= 1 && event.Count >= 1;
            if (same) {
                SetAnchorFrom(earlier);
                const int whole =
                    m_dates.PeriodsBetween(earlier.PaymentFrequency, event.Date, earlier.Date);
                same = m_dates.OddDays == 0 && whole == earlier.Count;
            }
            if (same && earlier.Count + event.Count <= INT16_MAX) {
                earlier.Count = static_cast<std::int16_t>(earlier.Count + event.Count);
                for (int step = 0; step < event.Count; ++step) {
                    runLastDate = m_dates.NextDate(earlier.PaymentFrequency, runLastDate);
                }
                earlier.LastDate = runLastDate;
                continue;
            }
        }
        runLastDate = event.Count > 1 && event.LastDate != 0 ? event.LastDate : event.Date;
        merged.push_back(std::move(event));
    }
    items = std::move(merged);
}

} // namespace calvora
