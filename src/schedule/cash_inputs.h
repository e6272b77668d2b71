#pragma once

#include "finance/date_math.h"
#include "finance/financial_types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace calvora {

/// Settings record attached to a payment event ("Fixed Principal" and "Interest
/// Only" series of the amortization tool). It is always created empty; the
/// engine only creates, copies and frees it.
class TSpecialSeriesClass {};

/// One dated cash-flow event: a loan, a payment series or a balloon. A series
/// of equal payments has Count n; Count -1 together with AmountUnknown marks an
/// unknown number of periods. Amounts are money per period, dates are day
/// numbers from 30 December 1899.
class TCashInputClass {
public:
    std::int16_t Count = 0;
    bool AmountUnknown = false;
    /// Set by the engine on every event when the annual rate is the unknown.
    bool RateUnknown = false;
    /// Callers' own bookkeeping; the engine reads Count == -1 instead. Not copied.
    bool CountUnknown = false;
    bool ExtraPayment = false;
    std::uint8_t Kind = ekLoan;
    std::uint8_t PaymentFrequency = fqMonthly;
    /// A code above 12 is replaced by the previous event's during expansion.
    std::uint8_t CompoundingFrequency = fqMonthly;
    std::uint8_t SeriesType = stLevel;
    /// Money of one period; for an unknown amount 0 on entry, the solved value on exit.
    double Amount = 0;
    TDateTime Date = 0;
    /// Date of the last period of a series; set by the engine.
    TDateTime LastDate = 0;
    /// Whole compounding periods and odd days from the previous event; set by the engine.
    std::int32_t WholePeriods = 0;
    std::int32_t OddDays = 0;
    /// Rate per period and per day in force from this event (fractions); set by the engine.
    Extended PeriodicRate = 0;
    Extended DailyRate = 0;
    /// Simple interest by the day for the periods following this event.
    bool ExactInterest = false;
    /// The series started on a month end and keeps to month ends.
    bool MonthEndSeries = false;
    /// Day of month of the event's date.
    std::int32_t AnchorDay = 0;
    std::unique_ptr<TSpecialSeriesClass> SpecialSeries;
    /// Remembers, after the engine clears AmountUnknown, that Amount is a solved value.
    bool AmountWasUnknown = false;

    /// A loan event with monthly frequencies, count 0 and no unknown flags.
    TCashInputClass() = default;
    /// Copies every field except CountUnknown; the attachment is deep-copied.
    TCashInputClass(const TCashInputClass& source);
    TCashInputClass& operator=(const TCashInputClass& source);
    TCashInputClass(TCashInputClass&&) noexcept = default;
    TCashInputClass& operator=(TCashInputClass&&) noexcept = default;
    ~TCashInputClass() = default;

    /// Copies every field of source except CountUnknown; a missing source does nothing.
    void Assign(const TCashInputClass* source);
};

/// The owning, ordered list of events that states one problem. Callers add the
/// loan first, then payment series, then a balloon. The schedule engine
/// expands it in place and writes the solved values into it.
class TCashInputsList {
public:
    /// Date arithmetic whose month-end and twice-monthly settings travel with the list.
    TcalcDateMathEx DateMath;
    /// A series starting on the 30th of a 30-day month or on the last day of
    /// February counts as a month-end series (a start on the 31st always does).
    bool MonthEndOption = true;

    /// Appends a copy of the event (moved in) and returns the stored event.
    TCashInputClass& Add(TCashInputClass event = {});
    void Insert(std::size_t index, TCashInputClass event);
    void Delete(std::size_t index);
    void Clear() { m_items.clear(); }
    std::size_t Count() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }

    TCashInputClass& operator[](std::size_t index) { return m_items[index]; }
    const TCashInputClass& operator[](std::size_t index) const { return m_items[index]; }
    TCashInputClass& Last() { return m_items.back(); }
    const TCashInputClass& Last() const { return m_items.back(); }

    std::vector<TCashInputClass>::iterator begin() { return m_items.begin(); }
    std::vector<TCashInputClass>::iterator end() { return m_items.end(); }
    std::vector<TCashInputClass>::const_iterator begin() const { return m_items.begin(); }
    std::vector<TCashInputClass>::const_iterator end() const { return m_items.end(); }

    /// Raw access for the engine's bulk operations (expansion, sorting).
    std::vector<TCashInputClass>& Items() { return m_items; }
    const std::vector<TCashInputClass>& Items() const { return m_items; }

    /// Clears target, copies the date-arithmetic settings and appends a copy of
    /// every event in order. A missing target raises 1003.
    void CopyTo(TCashInputsList* target) const;
    /// Sorts the events by date, earlier first; events on the same date keep their order.
    void SortByDate();

private:
    std::vector<TCashInputClass> m_items;
};

} // namespace calvora
