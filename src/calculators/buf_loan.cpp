#include "calculators/buf_loan.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

namespace {

using Rec = TcalcLoanTransferRec;
using Opt = TcalcLoanOptionsTransferRec;

} // namespace

TbufLoan::Shape TbufLoan::MakeShape() {
    TBufferShape<Rec, Opt> shape;
    shape.Labels = {"&Amount of Loan?:",        "&Total Periods? (#):", "Annual &Rate?:",
                    "Per&iodic Payment?:",      "Payme&nt Period?:",    "Compounding Perio&d?:",
                    "Payment &Method?:",        "Amorti&zing Method?:", "Interest For Term:",
                    "The assumed loan date is:"};
    shape.OptionLabels = LoanOptionLabels();
    shape.Fields = {
        InputField(&Rec::Amount, "lPVText"),
        InputField(&Rec::Periods, "lNumPmtsText"),
        InputField(&Rec::AnnualRate, "lRateText"),
        InputField(&Rec::Payment, "PeriodicPayment"),
    };
    shape.Fields = Joined(shape.Fields, LoanChoiceFields<Rec>());
    shape.Fields.push_back(ResultField(&Rec::TotalInterest));
    shape.Choices = LoanChoiceDefaults<Rec, Opt>();
    shape.Rate = &Rec::AnnualRate;
    shape.Lines = {
        Line(0, linefmt::Money, &Rec::Amount),
        Line(1, linefmt::Count, &Rec::Periods),
        RateLine(2, linefmt::Rate, &Rec::AnnualRate),
        Line(3, linefmt::Money, &Rec::Payment),
    };
    shape.Lines = Joined(shape.Lines, LoanChoiceLines<Rec>(4, 5, 6, 7));
    shape.Lines.push_back(Line(8, linefmt::Money, &Rec::TotalInterest));
    return shape;
}

void TbufLoan::Calculate() {
    Rec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(values.Amount, values.Periods,
                         static_cast<double>(values.AnnualRate) / 100, values.Payment,
                         codes.PaymentFrequency, codes.Compounding, codes.Timing, codes.Method,
                         LoanDate(), DaysPerYear());
    // A solved rate comes back in percent.
    StoreSolvedLoanValue(values, m_equation, 1);
    values.TotalInterest = m_equation.TotalInterest;
    SetLastSolved(m_equation.SolvedFor);
}

} // namespace calvora
