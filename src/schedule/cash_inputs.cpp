#include "schedule/cash_inputs.h"

#include "finance/finance_errors.h"

#include <algorithm>
#include <utility>

namespace calvora {

TCashInputClass::TCashInputClass(const TCashInputClass& source) {
    Assign(&source);
}

TCashInputClass& TCashInputClass::operator=(const TCashInputClass& source) {
    Assign(&source);
    return *this;
}

void TCashInputClass::Assign(const TCashInputClass* source) {
    if (source == nullptr || source == this) {
        return;
    }
    Count = source->Count;
    AmountUnknown = source->AmountUnknown;
    RateUnknown = source->RateUnknown;
    // CountUnknown is the caller's own mark and stays with the original.
    ExtraPayment = source->ExtraPayment;
    Kind = source->Kind;
    PaymentFrequency = source->PaymentFrequency;
    CompoundingFrequency = source->CompoundingFrequency;
    SeriesType = source->SeriesType;
    Amount = source->Amount;
    Date = source->Date;
    LastDate = source->LastDate;
    WholePeriods = source->WholePeriods;
    OddDays = source->OddDays;
    PeriodicRate = source->PeriodicRate;
    DailyRate = source->DailyRate;
    ExactInterest = source->ExactInterest;
    MonthEndSeries = source->MonthEndSeries;
    AnchorDay = source->AnchorDay;
    SpecialSeries = source->SpecialSeries
                        ? std::make_unique<TSpecialSeriesClass>(*source->SpecialSeries)
                        : nullptr;
    AmountWasUnknown = source->AmountWasUnknown;
}

TCashInputClass& TCashInputsList::Add(TCashInputClass event) {
    m_items.push_back(std::move(event));
    return m_items.back();
}

void TCashInputsList::Insert(std::size_t index, TCashInputClass event) {
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_items.size())),
                   std::move(event));
}

void TCashInputsList::Delete(std::size_t index) {
    if (index < m_items.size()) {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void TCashInputsList::CopyTo(TCashInputsList* target) const {
    if (target == nullptr) {
        RaiseCashScheduleError(1003);
    }
    if (target == this) {
        return;
    }
    target->m_items.clear();
    target->DateMath = DateMath;
    target->MonthEndOption = MonthEndOption;
    target->m_items.reserve(m_items.size());
    for (const TCashInputClass& event : m_items) {
        target->m_items.push_back(event);
    }
}

void TCashInputsList::SortByDate() {
    std::stable_sort(
        m_items.begin(), m_items.end(),
        [](const TCashInputClass& a, const TCashInputClass& b) { return a.Date < b.Date; });
}

} // namespace calvora
