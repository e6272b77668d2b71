#include "calculators/buf_balloon_pmt.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

namespace {

using Rec = TcalcBallPmtTransferRec;
using Opt = TcalcBallPmtOptionsTransferRec;

} // namespace

TbufBalloonPmt::Shape TbufBalloonPmt::MakeShape() {
    TBufferShape<Rec, Opt> shape;
    shape.Labels = {
        "&Amount of Loan?:",        "Annual &Rate?:",           "Ball&oon Due at Period? (#):",
        "Per&iodic Payment?:",      "Final &Balloon Payment?:", "Payme&nt Period?:",
        "Compounding Perio&d?:",    "Payment &Method?:",        "Total Interest Paid:",
        "The assumed loan date is:"};
    shape.OptionLabels = {
        "Payment &Method?:", "Compounding Perio&d?:", "Payme&nt Period?:", "Annual &Rate?:"};
    shape.Fields = Joined(
        std::vector<TRecField<Rec>>{
            InputField(&Rec::Amount, "lPVText"),
            InputField(&Rec::AnnualRate, "lRateText"),
            InputField(&Rec::BalloonPeriod, "BalloonDueatPaymentNo"),
        },
        LoanChoiceFields<Rec>());
    shape.Fields.push_back(InputField(&Rec::Payment, "PeriodicPayment"));
    shape.Fields.push_back(InputField(&Rec::Balloon, "FinalBalloonPayment"));
    shape.Fields.push_back(ResultField(&Rec::TotalInterest));
    shape.Choices = LoanChoiceDefaults<Rec, Opt>();
    shape.Rate = &Rec::AnnualRate;
    shape.CopyValuesTakesResults = false;
    shape.Lines = {
        Line(0, linefmt::Money, &Rec::Amount),
        RateLine(1, linefmt::Rate, &Rec::AnnualRate),
        Line(2, linefmt::LongCount, &Rec::BalloonPeriod),
        Line(3, linefmt::Money, &Rec::Payment),
        Line(4, linefmt::Money, &Rec::Balloon),
    };
    shape.Lines = Joined(shape.Lines, LoanChoiceLines<Rec>(5, 6, 7));
    shape.Lines.push_back(Line(8, linefmt::Money, &Rec::TotalInterest));
    return shape;
}

void TbufBalloonPmt::Calculate() {
    Rec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(values.Amount, static_cast<double>(values.AnnualRate) / 100,
                         values.Payment, values.BalloonPeriod, values.Balloon,
                         codes.PaymentFrequency, codes.Compounding, codes.Timing, LoanDate(),
                         DaysPerYear());
    switch (m_equation.SolvedFor) {
    case 1:
        values.Amount = static_cast<double>(m_equation.Amount);
        break;
    case 3:
        values.AnnualRate = static_cast<float>(m_equation.AnnualRate * 100);
        break;
    case 4:
        values.Payment = static_cast<double>(m_equation.Payment);
        break;
    case 9:
        values.BalloonPeriod = CheckedCount16(m_equation.BalloonPeriod);
        values.Balloon = static_cast<double>(m_equation.Balloon);
        break;
    case 10:
        values.Balloon = static_cast<double>(m_equation.Balloon);
        break;
    default:
        break;
    }
    values.TotalInterest = static_cast<double>(m_equation.TotalInterest);
    SetLastSolved(m_equation.SolvedFor);
}

} // namespace calvora
