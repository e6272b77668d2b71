#pragma once

// The calculator windows that are only a description on the shared window pattern, each
// with its description (fields, lists, sizes and help topics). Every one uses the program's
// settings store and masks (App()).
#include "app/calc_window.h"

class QWidget;

// Accelerated payment: a loan and an extra amount paid with each payment from a given
// period on, giving the periods to pay off and the interest saved.
class TcalcAccPmt : public TCalcWindow {
    Q_OBJECT

public:
    explicit TcalcAccPmt(QWidget* owner);
};
CalcWindowSpec AccPmtWindowSpec();

// Balloon payment: amount of loan, rate, balloon period, periodic payment and final
// balloon, one of them left 0 and solved, with the total interest.
class TcalcBallPmt : public TCalcWindow {
    Q_OBJECT

public:
    explicit TcalcBallPmt(QWidget* owner);
};
CalcWindowSpec BallPmtWindowSpec();

// Remaining balance: a loan and a payment number, giving the balance still owed after that
// payment and the periodic payment.
class TcalcRemBal : public TCalcWindow {
    Q_OBJECT

public:
    explicit TcalcRemBal(QWidget* owner);
};
CalcWindowSpec RemBalWindowSpec();

// Automobile loan less cash down: the car's price less a cash down payment, financed as a
// loan; one loan value left 0 is solved and the down payment percent found.
class TcalcAutomobileLoan : public TCalcWindow {
    Q_OBJECT

public:
    explicit TcalcAutomobileLoan(QWidget* owner);
};
CalcWindowSpec AutomobileWindowSpec();

// Mortgage less percent down: the real estate's price less a percentage down, financed as
// a loan; one loan value left 0 is solved and the down payment amount found.
class TcalcMortgageLoan : public TCalcWindow {
    Q_OBJECT

public:
    explicit TcalcMortgageLoan(QWidget* owner);
};
CalcWindowSpec MortgageWindowSpec();
