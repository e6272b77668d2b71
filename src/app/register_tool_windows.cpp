#include "app/loan_calc.h"
#include "app/tool_window.h"

// One line per tool window the program has, e.g.
//     ToolWindowRegistry::add(ToolKind::Loan, [](QWidget* owner) { return new TcalcLoan(owner); });
// A kind left out keeps its launch button and menu item visible but disabled.
void RegisterToolWindows() {
    ToolWindowRegistry::add(ToolKind::Loan, [](QWidget* owner) { return new TcalcLoan(owner); });
}
