#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/loan_equation.h"

#include <cstdint>

namespace calvora {

/// Values of the loan calculator.
struct TcalcLoanTransferRec : TCalcTransferBase {
    Extended Amount = 0;
    std::int16_t Periods = 0;
    /// Percent.
    float AnnualRate = 0;
    Extended Payment = 0;
    ChoiceField PaymentPeriod = PaymentPeriodChoice();
    ChoiceField Compounding = CompoundingChoice();
    ChoiceField PaymentMethod = PaymentMethodChoice();
    ChoiceField AmortMethod = AmortMethodChoice();
    /// Result: interest over the term.
    Extended TotalInterest = 0;
};

using TcalcLoanOptionsTransferRec = TLoanOptionsRec;

/// The loan calculator's buffer: amount, number of payments, annual rate and
/// periodic payment, one of them solved by a plain loan equation.
class TbufLoan : public TCalcBufferOf<TbufLoan, TcalcLoanTransferRec, TcalcLoanOptionsTransferRec> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Solves the zero value (1 amount, 2 periods, 3 rate, 4 payment; with no
    /// zero the value solved before) and the interest for the term.
    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequLoan m_equation;
};

/// The loan buffer values that calculated last, for a newly opened loan window.
inline TLatestCalculation<TcalcLoanTransferRec> LastLoanCalculation;

} // namespace calvora
