#pragma once

#include "calculators/balloon_pmt_equation.h"
#include "calculators/calc_buffer.h"

#include <cstdint>
#include <string>

namespace calvora {

/// Values of the balloon payment calculator; its money is held in doubles.
struct TcalcBallPmtTransferRec : TCalcTransferBase {
    double Amount = 0;
    /// Percent.
    float AnnualRate = 0;
    /// Payment number of the balloon.
    std::int16_t BalloonPeriod = 0;
    double Payment = 0;
    /// The final balloon payment.
    double Balloon = 0;
    ChoiceField PaymentPeriod = PaymentPeriodChoice();
    ChoiceField Compounding = CompoundingChoice();
    ChoiceField PaymentMethod = PaymentMethodChoice();
    /// Result.
    double TotalInterest = 0;
    std::string HelpText = "Enter a '0' (zero) for one unknown value above.";
};

/// The balloon calculator's options page: it always amortizes "Normal", so it
/// has no default amortization method.
struct TcalcBallPmtOptionsTransferRec : TCalcOptionsBase {
    ChoiceField DefaultPaymentMethod = PaymentMethodChoice();
    ChoiceField DefaultCompounding = CompoundingChoice();
    ChoiceField DefaultPaymentPeriod = PaymentPeriodChoice();
};

/// The balloon payment calculator's buffer: regular payments and a final
/// balloon; solves the amount, rate, payment, balloon or its period.
class TbufBalloonPmt : public TCalcBufferOf<TbufBalloonPmt, TcalcBallPmtTransferRec,
                                            TcalcBallPmtOptionsTransferRec> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Solves the zero value: 1 amount, 3 rate, 4 payment, 9 balloon period,
    /// 10 balloon; always the total interest.
    void Calculate() override;

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    TequBalloonPmt m_equation;
};

/// The balloon buffer values that calculated last.
inline TLatestCalculation<TcalcBallPmtTransferRec> LastBallPmtCalculation;

} // namespace calvora
