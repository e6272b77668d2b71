#include "app/calculator_windows.h"
#include "app/loan_window_parts.h"
#include "calculators/buf_balloon_pmt.h"

namespace {

using calvora::TbufBalloonPmt;
using Rec = calvora::TcalcBallPmtTransferRec;

// Labels of the balloon buffer's values record.
enum BallPmtLabel {
    lPV,
    lRate,
    lPeriodDue,
    lPmt,
    lFV,
    lPYR,
    lCmpPYR,
    lPmtMthd,
    lInterest,
    lLoanDate
};
// Labels of its options record, which has no amortizing method.
enum BallPmtOptionLabel { oPmtMthd, oCmpPYR, oPYR, oRate };

TCalcRecordMap<TbufBalloonPmt> BallPmtRecordMap() {
    TCalcRecordMap<TbufBalloonPmt> map;
    map.numbers = {&Rec::Amount,  &Rec::AnnualRate, &Rec::BalloonPeriod,
                   &Rec::Payment, &Rec::Balloon,    &Rec::TotalInterest};
    MapLoanChoices(map);
    map.latest = &calvora::LastBallPmtCalculation;
    return map;
}

} // namespace

CalcWindowSpec BallPmtWindowSpec() {
    CalcWindowSpec desc;
    desc.title = QStringLiteral("Balloon Payment Calculator");
    desc.section = QStringLiteral("BalloonPayment");
    desc.resetSize = QSize(406, 467);
    desc.minimumHeight = 450;
    desc.helpTopic = 92;
    // Marker codes are the buffer's: 1 amount, 3 rate, 4 payment, 9 balloon period,
    // 10 final balloon.
    CalcFieldSpec period =
        CountField(QStringLiteral("pedPeriodDue"), lPeriodDue, CalcRole::Unknown, 328, 9);
    period.roundCount = true;
    CalcFieldSpec balloon = MoneyField(QStringLiteral("pedFV"), lFV, CalcRole::Unknown, 86, 10);
    balloon.helpTextAfter = true;
    desc.fields = {
        MoneyField(QStringLiteral("pedPV"), lPV, CalcRole::Unknown, 6, 1),
        RateField(QStringLiteral("pedRate"), lRate, CalcRole::Unknown, 81, 3),
        period,
        MoneyField(QStringLiteral("pedPmt"), lPmt, CalcRole::Unknown, 271, 4),
        balloon,
        MoneyField(QStringLiteral("pedInterest"), lInterest, CalcRole::Result, 0),
    };
    desc.choices = LoanChoices(lPYR, lCmpPYR, lPmtMthd);
    SetLoanOptions(desc, oRate, oPYR, oCmpPYR, oPmtMthd, -1, 271);
    desc.markers = true;
    desc.statusLabel = lLoanDate;
    desc.printHint = "Print";
    return desc;
}

TcalcBallPmt::TcalcBallPmt(QWidget* owner)
    : TCalcWindow(owner, BallPmtWindowSpec(),
                  MakeCalcBinding<TbufBalloonPmt>(BallPmtWindowSpec(), BallPmtRecordMap()),
                  AppSettings(), App().masks) {}
