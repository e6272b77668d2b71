#pragma once

#include "calculators/buf_purchase_loan.h"
#include "calculators/loan_equation.h"

namespace calvora {

using TcalcMortgageLoanTransferClass = TPurchaseLoanTransfer;
using TcalcMortgageLoanOptionsTransferClass = TLoanOptionsRec;

/// The mortgage calculator's buffer: a property's price less a percentage
/// down, financed as a loan; the down payment amount is found.
class TbufMortgageLoan : public TCalcBufferOf<TbufMortgageLoan, TcalcMortgageLoanTransferClass,
                                              TcalcMortgageLoanOptionsTransferClass> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Solves the zero value among loan amount, number of payments, rate and
    /// payment (the payment when none is zero); the loan amount is the price
    /// less its percentage down when both are given.
    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequLoanLessPctDown m_equation;
};

/// The mortgage buffer values that calculated last.
inline TLatestCalculation<TcalcMortgageLoanTransferClass> LastMortgageCalculation;

} // namespace calvora
