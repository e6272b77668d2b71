#pragma once

#include "app/tool_window.h"

#include <array>

// The main window's table of open tool windows: two slots per kind, 18 in all. Slot
// numbers run 1..18 in ToolKind order (compound/simple interest 1-2 ... refinance 17-18).
class WindowTable {
public:
    // copy is 1 or 2.
    WindowSlot& slot(ToolKind kind, int copy);
    const WindowSlot& slot(ToolKind kind, int copy) const;
    static int slotNumber(ToolKind kind, int copy) { return static_cast<int>(kind) * 2 + copy; }

    // The first copy number whose slot is empty (1 before 2), or 0 when both are taken.
    int firstFreeCopy(ToolKind kind) const;
    int openCount() const;

private:
    std::array<WindowSlot, kToolKindCount * kCopiesPerKind> m_slots;
};
