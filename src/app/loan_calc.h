#pragma once

#include "app/calc_window.h"

class QWidget;

// The loan calculator window: amount of loan, total periods, annual rate and periodic
// payment, one of them left 0 and solved by the loan buffer, with the four loan lists and
// the interest for the term.
class TcalcLoan : public TCalcWindow {
    Q_OBJECT

public:
    // Uses the program's settings store and masks (App()).
    explicit TcalcLoan(QWidget* owner);
};

// The loan window's fields, lists, sizes and help topics.
CalcWindowSpec LoanWindowSpec();
