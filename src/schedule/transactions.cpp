#include "schedule/transactions.h"

#include "finance/finance_errors.h"

#include <utility>

namespace calvora {

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
