#include "calculators/buf_purchase_loan.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

namespace {

using Rec = TPurchaseLoanTransfer;
using Opt = TLoanOptionsRec;

TReportLine<Rec> DownPaymentLine() {
    return Line(1, linefmt::Money, &Rec::DownPayment);
}
TReportLine<Rec> DownPercentLine() {
    return RateLine(12, linefmt::Rate4, &Rec::DownPercent);
}

} // namespace

TBufferShape<Rec, Opt> PurchaseLoanShape(const TPurchaseLoanKind& kind) {
    TBufferShape<Rec, Opt> shape;
    shape.Labels = {
        std::string(kind.PriceLabel), "Do&wn Payment Amount?:",   "Amount of &Loan?:",
        "Number of Payments?:",       "Periodic Pa&yment?:",      "Payme&nt Period?:",
        "Compounding Perio&d?:",      "Payment &Method?:",        "Total Interest:",
        "Annual Interest &Rate?:",    "Amorti&zing Method?:",     "Total Principal && Interest:",
        "Down Payment Percent:",      "The assumed loan date is:"};
    shape.OptionLabels = LoanOptionLabels();
    const bool cashDown = kind.DownPaymentGiven;
    shape.Fields = {
        InputField(&Rec::Price, kind.PriceKey),
        TRecField<Rec>{&Rec::DownPayment, "DownPaymentValue", !cashDown},
        InputField(&Rec::AnnualRate, "lRateText"),
        InputField(&Rec::Amount, "LoanAmountValue"),
        InputField(&Rec::Periods, "ScheduledPeriodValue"),
        InputField(&Rec::Payment, "PmtValue"),
        ResultField(&Rec::TotalInterest, "InterestValue"),
        ResultField(&Rec::TotalPaid, "TotalPrincipalInterestValue"),
        TRecField<Rec>{&Rec::DownPercent, "DownPaymentPercentageValue", cashDown},
    };
    shape.Fields = Joined(shape.Fields, LoanChoiceFields<Rec>());
    shape.Choices = LoanChoiceDefaults<Rec, Opt>();
    shape.Rate = &Rec::AnnualRate;
    shape.Lines = {
        Line(0, linefmt::Money, &Rec::Price),
        cashDown ? DownPaymentLine() : DownPercentLine(),
        Line(2, linefmt::Money, &Rec::Amount),
        Line(3, {"%-24s %16d", "\t%-24s\t%15d"}, &Rec::Periods),
        RateLine(9, linefmt::Rate4, &Rec::AnnualRate),
        Line(4, linefmt::Money, &Rec::Payment),
    };
    shape.Lines = Joined(shape.Lines, LoanChoiceLines<Rec>(5, 6, 7, 10));
    shape.Lines.push_back(Line(8, linefmt::Money, &Rec::TotalInterest));
    shape.Lines.push_back(Line(11, {"%-24s %13.2m", "\t%-24s\t%13.2m"}, &Rec::TotalPaid));
    shape.Lines.push_back(cashDown ? DownPercentLine() : DownPaymentLine());
    return shape;
}

} // namespace calvora
