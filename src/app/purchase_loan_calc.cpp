// The automobile and mortgage windows: a price less a down payment, financed as a loan.
// They differ in which form of the down payment is typed and which is found.
#include "app/calculator_windows.h"
#include "app/loan_window_parts.h"
#include "calculators/buf_automobile_loan.h"
#include "calculators/buf_mortgage_loan.h"

namespace {

using Rec = calvora::TPurchaseLoanTransfer;

// Labels of the purchase loan buffers' values record.
enum PurchaseLabel {
    lPrice,
    lDownPayment,
    lLoanAmount,
    lNumPeriods,
    lPmt,
    lPYR,
    lCmpPYR,
    lPmtMthd,
    lInterest,
    lRate,
    lAmortMthd,
    lTotalPrincipalInterest,
    lDownPaymentPercentage,
    lLoanDate
};

// The price and the down payment typed with it, then the loan; fields and record members
// in the same order.
struct PurchaseKind {
    CalcFieldSpec price;
    CalcFieldSpec downGiven;
    CalcFieldSpec downFound;
};

CalcFieldSpec WithHelpTextAfter(CalcFieldSpec field) {
    field.helpTextAfter = true;
    return field;
}

CalcWindowSpec PurchaseWindowSpec(const PurchaseKind& kind) {
    CalcWindowSpec desc;
    desc.resetSize = QSize(406, 578);
    desc.minimumHeight = 500;
    CalcFieldSpec price = kind.price;
    price.acceptNegatives = false;
    desc.fields = {
        price,
        kind.downGiven,
        WithHelpTextAfter(
            MoneyField(QStringLiteral("oedLoanAmount"), lLoanAmount, CalcRole::Unknown, 6)),
        // The number of payments is held in 32 bits.
        CountField(QStringLiteral("oedNumPeriods"), lNumPeriods, CalcRole::Unknown, 10, 0, 5,
                   false),
        RateField(QStringLiteral("oedRate"), lRate, CalcRole::Unknown, 81),
        WithHelpTextAfter(MoneyField(QStringLiteral("oedPmt"), lPmt, CalcRole::Unknown, 11)),
        MoneyField(QStringLiteral("oedInterest"), lInterest, CalcRole::Result, 0),
        MoneyField(QStringLiteral("oedTotalPrincipalInterest"), lTotalPrincipalInterest,
                   CalcRole::Result, 0),
        kind.downFound,
    };
    desc.choices = LoanChoices(lPYR, lCmpPYR, lPmtMthd, lAmortMthd);
    SetFullLoanOptions(desc);
    desc.markers = false;
    desc.statusLabel = lLoanDate;
    return desc;
}

template <class Buf>
TCalcRecordMap<Buf> PurchaseRecordMap(calvora::Extended Rec::*downGiven,
                                      calvora::Extended Rec::*downFound,
                                      calvora::TLatestCalculation<Rec>& latest) {
    TCalcRecordMap<Buf> map;
    map.numbers = {&Rec::Price,         downGiven,        &Rec::Amount,
                   &Rec::Periods,       &Rec::AnnualRate, &Rec::Payment,
                   &Rec::TotalInterest, &Rec::TotalPaid,  downFound};
    MapLoanChoices(map);
    map.latest = &latest;
    return map;
}

TCalcRecordMap<calvora::TbufAutomobileLoan> AutomobileRecordMap() {
    return PurchaseRecordMap<calvora::TbufAutomobileLoan>(&Rec::DownPayment, &Rec::DownPercent,
                                                          calvora::LastAutomobileCalculation);
}

TCalcRecordMap<calvora::TbufMortgageLoan> MortgageRecordMap() {
    return PurchaseRecordMap<calvora::TbufMortgageLoan>(&Rec::DownPercent, &Rec::DownPayment,
                                                        calvora::LastMortgageCalculation);
}

} // namespace

CalcWindowSpec AutomobileWindowSpec() {
    CalcFieldSpec down =
        MoneyField(QStringLiteral("oedDownPayment"), lDownPayment, CalcRole::Unknown, 6250);
    down.acceptNegatives = false;
    CalcWindowSpec desc = PurchaseWindowSpec({
        MoneyField(QStringLiteral("oedCarPrice"), lPrice, CalcRole::Unknown, 6230),
        down,
        RateField(QStringLiteral("oedDownPaymentPercentage"), lDownPaymentPercentage,
                  CalcRole::Result, 0),
    });
    desc.title = QStringLiteral("Automobile Loan Calculator - Cash Down");
    desc.section = QStringLiteral("AutoMobile");
    desc.helpTopic = 5230;
    return desc;
}

CalcWindowSpec MortgageWindowSpec() {
    CalcFieldSpec percent = RateField(QStringLiteral("oedDownPaymentPercentage"),
                                      lDownPaymentPercentage, CalcRole::Unknown, 6270);
    percent.acceptNegatives = false;
    CalcWindowSpec desc = PurchaseWindowSpec({
        MoneyField(QStringLiteral("oedPrice"), lPrice, CalcRole::Unknown, 6290),
        percent,
        MoneyField(QStringLiteral("oedDownPayment"), lDownPayment, CalcRole::Result, 6250),
    });
    desc.title = QStringLiteral("Mortgage Loan Calculator - Percent Down");
    desc.section = QStringLiteral("Mortgage");
    desc.helpTopic = 5250;
    return desc;
}

TcalcAutomobileLoan::TcalcAutomobileLoan(QWidget* owner)
    : TCalcWindow(owner, AutomobileWindowSpec(),
                  MakeCalcBinding(AutomobileWindowSpec(), AutomobileRecordMap()), AppSettings(),
                  App().masks) {}

TcalcMortgageLoan::TcalcMortgageLoan(QWidget* owner)
    : TCalcWindow(owner, MortgageWindowSpec(),
                  MakeCalcBinding(MortgageWindowSpec(), MortgageRecordMap()), AppSettings(),
                  App().masks) {}
