#include "app/window_table.h"

WindowSlot& WindowTable::slot(ToolKind kind, int copy) {
    return m_slots[static_cast<std::size_t>(slotNumber(kind, copy) - 1)];
}

const WindowSlot& WindowTable::slot(ToolKind kind, int copy) const {
    return m_slots[static_cast<std::size_t>(slotNumber(kind, copy) - 1)];
}

int WindowTable::firstFreeCopy(ToolKind kind) const {
    for (int copy = 1; copy <= kCopiesPerKind; ++copy)
        if (slot(kind, copy).window.isNull())
            return copy;
    return 0;
}

int WindowTable::openCount() const {
    int open = 0;
    for (const WindowSlot& each : m_slots)
        open += each.window.isNull() ? 0 : 1;
    return open;
}
