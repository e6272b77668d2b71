#include "calculators/buf_accelerated_pmt.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

namespace {

using Rec = TcalcAccPmtTransferRec;
using Opt = TcalcAccPmtOptionsTransferRec;

} // namespace

TbufAcceleratedPmt::Shape TbufAcceleratedPmt::MakeShape() {
    TBufferShape<Rec, Opt> shape;
    shape.Labels = {"Compounding Perio&d?:",
                    "&Amount of Loan?:",
                    "&Total Periods? (#):",
                    "Annual &Rate?:",
                    "Increa&se Starts at Period? (#):",
                    "E&xtra Amount Paid?:",
                    "Payme&nt Period?:",
                    "Payment &Method?:",
                    "Amorti&zing Method?:",
                    "Periods To Pay Off:",
                    "Total Interest Saved:",
                    "The assumed loan date is:"};
    shape.OptionLabels = LoanOptionLabels();
    shape.Fields = Joined(Joined(LoanTermFields<Rec>(),
                                 std::vector<TRecField<Rec>>{
                                     InputField(&Rec::ExtraStart, "lIncAfterText"),
                                     InputField(&Rec::ExtraAmount, "lExtraPdText"),
                                 }),
                          LoanChoiceFields<Rec>());
    shape.Fields.push_back(ResultField(&Rec::NewPeriods));
    shape.Fields.push_back(ResultField(&Rec::InterestSaved));
    shape.Choices = LoanChoiceDefaults<Rec, Opt>();
    shape.Rate = &Rec::AnnualRate;
    shape.CopyValuesTakesResults = false;
    shape.Lines = {
        Line(1, linefmt::Money, &Rec::Amount),
        Line(2, linefmt::Count, &Rec::Periods),
        RateLine(3, linefmt::Rate, &Rec::AnnualRate),
        Line(4, {"%-24s %9d", "\t%-24s\t%16d"}, &Rec::ExtraStart),
        Line(5, linefmt::Money, &Rec::ExtraAmount),
    };
    shape.Lines = Joined(shape.Lines, LoanChoiceLines<Rec>(6, 0, 7, 8));
    shape.Lines.push_back(Line(9, linefmt::Count, &Rec::NewPeriods));
    shape.Lines.push_back(Line(10, linefmt::Money, &Rec::InterestSaved));
    return shape;
}

void TbufAcceleratedPmt::Calculate() {
    Rec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(values.Amount, values.Periods, values.AnnualRate, values.ExtraStart,
                         values.ExtraAmount, codes.PaymentFrequency, codes.Compounding,
                         codes.Timing, codes.Method, LoanDate(), DaysPerYear());
    values.InterestSaved = m_equation.InterestSaved;
    // Never more than the regular term, which fits 16 bits.
    values.NewPeriods = static_cast<std::int16_t>(m_equation.NewPeriods);
}

} // namespace calvora
