#pragma once

#include "finance/date_math.h"
#include "schedule/cash_inputs.h"
#include "schedule/transactions.h"

#include <memory>

namespace calvora {

/// The generic cash-flow buffer: owns the event list a tool states its problem
/// in, the rows of its last schedule and a date-arithmetic object.
class TCash_Buffer {
public:
    TCash_Buffer() = default;
    TCash_Buffer(const TCash_Buffer&) = delete;
    TCash_Buffer& operator=(const TCash_Buffer&) = delete;
    virtual ~TCash_Buffer() = default;

protected:
    /// Held by pointer so that a schedule kept after its calculation still
    /// refers to the list it was given.
    std::unique_ptr<TCashInputsList> m_events = std::make_unique<TCashInputsList>();
    TTransactionsList m_rows;
    TcalcDateMathEx m_dates;
};

} // namespace calvora
