#include "schedule/transactions.h"

#include "finance/finance_errors.h"

#include <utility>

namespace calvora {

namespace {

// A schedule is built afresh for every calculation. Its row store (about 300
// bytes a row) handed back to the allocator each time made it trim the heap
// and fault the pages in again on the next run; the store of the last list
// destroyed is kept here for the next one instead. Stores beyond the limit are
// mapped by the allocator on their own and gain nothing from being kept.
constexpr std::size_t kKeptRowsLimit = 4096;

// Read in destructors that may run after the thread's spare is gone, so it is
// a plain value: 0 not made yet, 1 alive, 2 destroyed.
thread_local int t_spareState = 0;

struct SpareRows {
    std::vector<TTransactionClass> rows;
    SpareRows() { t_spareState = 1; }
    SpareRows(const SpareRows&) = delete;
    SpareRows& operator=(const SpareRows&) = delete;
    ~SpareRows() { t_spareState = 2; }
};

std::vector<TTransactionClass>* Spare() {
    if (t_spareState == 2) {
        return nullptr;
    }
    thread_local SpareRows spare;
    return &spare.rows;
}

} // namespace

TTransactionsList::~TTransactionsList() {
    const std::size_t capacity = m_items.capacity();
    if (capacity == 0 || capacity > kKeptRowsLimit) {
        return;
    }
    std::vector<TTransactionClass>* spare = Spare();
    if (spare != nullptr && capacity > spare->capacity()) {
        m_items.clear();
        spare->swap(m_items);
    }
}

void TTransactionsList::Reserve(std::size_t count) {
    if (m_items.empty() && m_items.capacity() < count) {
        std::vector<TTransactionClass>* spare = Spare();
        if (spare != nullptr && spare->capacity() >= count) {
            spare->swap(m_items);
        }
    }
    m_items.reserve(count);
}

TTransactionClass& TTransactionsList::Add(TTransactionClass row) {
    m_items.push_back(std::move(row));
    return m_items.back();
}

void TTransactionsList::CopyTo(TTransactionsList* target) const {
    if (target == nullptr) {
        RaiseCashScheduleError(1003);
    }
    if (target != this) {
        target->m_items = m_items;
    }
}

} // namespace calvora
