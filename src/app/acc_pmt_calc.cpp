#include "app/calculator_windows.h"
#include "app/loan_window_parts.h"
#include "calculators/buf_accelerated_pmt.h"

namespace {

using calvora::TbufAcceleratedPmt;
using Rec = calvora::TcalcAccPmtTransferRec;

// Labels of the accelerated payment buffer's values record.
enum AccPmtLabel {
    lCmpPYR,
    lPV,
    lNumPmts,
    lRate,
    lIncAfter,
    lExtraPd,
    lPYR,
    lPmtMthd,
    lAmortMthd,
    lNewNumPmts,
    lIntSaved,
    lLoanDate
};

TCalcRecordMap<TbufAcceleratedPmt> AccPmtRecordMap() {
    TCalcRecordMap<TbufAcceleratedPmt> map;
    map.numbers = {&Rec::Amount,      &Rec::Periods,    &Rec::AnnualRate,   &Rec::ExtraStart,
                   &Rec::ExtraAmount, &Rec::NewPeriods, &Rec::InterestSaved};
    MapLoanChoices(map);
    map.latest = &calvora::LastAccPmtCalculation;
    return map;
}

} // namespace

CalcWindowSpec AccPmtWindowSpec() {
    CalcWindowSpec desc;
    desc.title =
        QStringLiteral("Accelerated Payment") + QLatin1Char(' ') + QStringLiteral("Calculator");
    desc.section = QStringLiteral("AccelPayment");
    desc.resetSize = QSize(406, 467);
    desc.minimumHeight = 450;
    desc.helpTopic = 32;
    desc.fields = {
        MoneyField(QStringLiteral("oedPV"), lPV, CalcRole::Input, 6),
        CountField(QStringLiteral("oedNumPmts"), lNumPmts, CalcRole::Input, 97),
        RateField(QStringLiteral("oedRate"), lRate, CalcRole::Input, 81),
        CountField(QStringLiteral("oedIncAfter"), lIncAfter, CalcRole::Input, 395),
        MoneyField(QStringLiteral("oedExtraPd"), lExtraPd, CalcRole::Input, 57),
        CountField(QStringLiteral("oedNewNumPmts"), lNewNumPmts, CalcRole::Result, 0),
        MoneyField(QStringLiteral("oedIntSaved"), lIntSaved, CalcRole::Result, 0),
    };
    desc.choices = LoanChoices(lPYR, lCmpPYR, lPmtMthd, lAmortMthd);
    SetFullLoanOptions(desc);
    desc.markers = false;
    desc.statusLabel = lLoanDate;
    return desc;
}

TcalcAccPmt::TcalcAccPmt(QWidget* owner)
    : TCalcWindow(owner, AccPmtWindowSpec(),
                  MakeCalcBinding<TbufAcceleratedPmt>(AccPmtWindowSpec(), AccPmtRecordMap()),
                  AppSettings(), App().masks) {}
