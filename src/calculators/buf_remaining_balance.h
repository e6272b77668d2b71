#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/remaining_balance_equation.h"

#include <cstdint>

namespace calvora {

/// Values of the remaining balance calculator.
struct TcalcRemBalTransferRec : TCalcTransferBase {
    Extended Amount = 0;
    std::int16_t Periods = 0;
    /// Percent.
    float AnnualRate = 0;
    ChoiceField PaymentPeriod = PaymentPeriodChoice();
    ChoiceField Compounding = CompoundingChoice();
    ChoiceField PaymentMethod = PaymentMethodChoice();
    ChoiceField AmortMethod = AmortMethodChoice();
    /// Payment number after which the balance is wanted.
    std::int16_t BalanceAfter = 0;
    /// Results: the balance still owed and the periodic payment.
    Extended Balance = 0;
    Extended Payment = 0;
};

using TcalcRemBalOptionsTransferRec = TLoanOptionsRec;

/// The remaining balance calculator's buffer: the payment of a loan and the
/// balance owed after a given payment, both always found anew.
class TbufRemainingBalance : public TCalcBufferOf<TbufRemainingBalance, TcalcRemBalTransferRec,
                                                  TcalcRemBalOptionsTransferRec> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequRemainingBalance m_equation;
};

/// The remaining balance buffer values that calculated last.
inline TLatestCalculation<TcalcRemBalTransferRec> LastRemBalCalculation;

} // namespace calvora
