#include "app/calculator_windows.h"
#include "app/interest_calc.h"
#include "app/loan_calc.h"
#include "app/tool_window.h"

namespace {

template <class Window>
void Register(ToolKind kind) {
    ToolWindowRegistry::add(kind, [](QWidget* owner) { return new Window(owner); });
}

} // namespace

// One line per tool window the program has. A kind left out keeps its launch button and
// menu item visible but disabled.
void RegisterToolWindows() {
    Register<TcalcInterest>(ToolKind::Interest);
    Register<TcalcAccPmt>(ToolKind::AccelPayment);
    Register<TcalcBallPmt>(ToolKind::BalloonPayment);
    Register<TcalcLoan>(ToolKind::Loan);
    Register<TcalcRemBal>(ToolKind::RemainingBalance);
    Register<TcalcAutomobileLoan>(ToolKind::AutomobileLoan);
    Register<TcalcMortgageLoan>(ToolKind::MortgageLoan);
}
