#pragma once

#include "calculators/buf_purchase_loan.h"
#include "calculators/loan_equation.h"

namespace calvora {

using TcalcAutomobileLoanTransferClass = TPurchaseLoanTransfer;
using TcalcAutomobileLoanOptionsTransferClass = TLoanOptionsRec;

/// The automobile loan calculator's buffer: a car's price less a cash down
/// payment, financed as a loan; the down payment percent is found.
class TbufAutomobileLoan
    : public TCalcBufferOf<TbufAutomobileLoan, TcalcAutomobileLoanTransferClass,
                           TcalcAutomobileLoanOptionsTransferClass> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Solves the zero value among loan amount, number of payments, rate and
    /// payment (the payment when none is zero); the loan amount is the price
    /// less the down payment when both are given.
    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequLoanLessDownPayment m_equation;
};

/// The automobile buffer values that calculated last.
inline TLatestCalculation<TcalcAutomobileLoanTransferClass> LastAutomobileCalculation;

} // namespace calvora
