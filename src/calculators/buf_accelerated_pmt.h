#pragma once

#include "calculators/accelerated_pmt_equation.h"
#include "calculators/calc_buffer.h"

#include <cstdint>

namespace calvora {

/// Values of the accelerated payment calculator.
struct TcalcAccPmtTransferRec : TCalcTransferBase {
    /// Results: the interest the extra amount saves and the term it leaves.
    Extended InterestSaved = 0;
    std::int16_t NewPeriods = 0;
    ChoiceField AmortMethod = AmortMethodChoice();
    ChoiceField PaymentMethod = PaymentMethodChoice();
    ChoiceField Compounding = CompoundingChoice();
    ChoiceField PaymentPeriod = PaymentPeriodChoice();
    /// Added to each payment from payment ExtraStart on.
    Extended ExtraAmount = 0;
    std::int16_t ExtraStart = 0;
    /// Percent.
    float AnnualRate = 0;
    std::int16_t Periods = 0;
    Extended Amount = 0;
};

using TcalcAccPmtOptionsTransferRec = TLoanOptionsRec;

/// The accelerated payment calculator's buffer: how much sooner a loan is paid
/// off, and how much interest is saved, by an extra amount on each payment.
class TbufAcceleratedPmt : public TCalcBufferOf<TbufAcceleratedPmt, TcalcAccPmtTransferRec,
                                                TcalcAccPmtOptionsTransferRec> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Finds the periods to pay off and the interest saved; solves nothing else.
    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequAcceleratedPmt m_equation;
};

/// The accelerated payment buffer values that calculated last.
inline TLatestCalculation<TcalcAccPmtTransferRec> LastAccPmtCalculation;

} // namespace calvora
