#include "calculators/buf_remaining_balance.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

namespace {

using Rec = TcalcRemBalTransferRec;
using Opt = TcalcRemBalOptionsTransferRec;

} // namespace

TbufRemainingBalance::Shape TbufRemainingBalance::MakeShape() {
    TBufferShape<Rec, Opt> shape;
    // The payment is a result here: its caption has no "?".
    shape.Labels = {"&Amount of Loan?:",    "&Total Periods? (#):",         "Annual &Rate?:",
                    "Payme&nt Period?:",    "Compounding Perio&d?:",        "Payment &Method?:",
                    "Amorti&zing Method?:", "&Balance AFTER Payment? (#):", "Remaining Balance:",
                    "Per&iodic Payment:"};
    shape.OptionLabels = LoanOptionLabels();
    shape.Fields = Joined(Joined(LoanTermFields<Rec>(),
                                 std::vector<TRecField<Rec>>{
                                     InputField(&Rec::BalanceAfter, "lBalAfterText"),
                                 }),
                          LoanChoiceFields<Rec>());
    shape.Fields.push_back(ResultField(&Rec::Balance));
    shape.Fields.push_back(ResultField(&Rec::Payment));
    shape.Choices = LoanChoiceDefaults<Rec, Opt>();
    shape.Rate = &Rec::AnnualRate;
    shape.Lines = {
        Line(0, linefmt::Money, &Rec::Amount),
        Line(1, linefmt::Count, &Rec::Periods),
        RateLine(2, linefmt::Rate, &Rec::AnnualRate),
        Line(7, linefmt::LongCount, &Rec::BalanceAfter),
    };
    shape.Lines = Joined(shape.Lines, LoanChoiceLines<Rec>(3, 4, 5, 6));
    shape.Lines.push_back(Line(8, linefmt::Money, &Rec::Balance));
    shape.Lines.push_back(Line(9, linefmt::Money, &Rec::Payment));
    return shape;
}

void TbufRemainingBalance::Calculate() {
    Rec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(values.Amount, values.Periods, values.AnnualRate, values.BalanceAfter,
                         codes.PaymentFrequency, codes.Compounding, codes.Timing, codes.Method,
                         LoanDate(), DaysPerYear());
    values.Payment = m_equation.Payment;
    values.Balance = m_equation.Balance;
}

} // namespace calvora
