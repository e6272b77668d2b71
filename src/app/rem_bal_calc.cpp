#include "app/calculator_windows.h"
#include "app/loan_window_parts.h"
#include "calculators/buf_remaining_balance.h"

namespace {

using calvora::TbufRemainingBalance;
using Rec = calvora::TcalcRemBalTransferRec;

// Labels of the remaining balance buffer's values record.
enum RemBalLabel {
    lPV,
    lNumPmts,
    lRate,
    lPYR,
    lCmpPYR,
    lPmtMthd,
    lAmortMthd,
    lBalAfter,
    lFV,
    lPmt
};

TCalcRecordMap<TbufRemainingBalance> RemBalRecordMap() {
    TCalcRecordMap<TbufRemainingBalance> map;
    map.numbers = {&Rec::Amount,       &Rec::Periods, &Rec::AnnualRate,
                   &Rec::BalanceAfter, &Rec::Balance, &Rec::Payment};
    MapLoanChoices(map);
    map.latest = &calvora::LastRemBalCalculation;
    return map;
}

} // namespace

CalcWindowSpec RemBalWindowSpec() {
    CalcWindowSpec desc;
    desc.title =
        QStringLiteral("Remaining Balance") + QLatin1Char(' ') + QStringLiteral("Calculator");
    desc.section = QStringLiteral("RemainBalCalc");
    desc.resetSize = QSize(406, 467);
    desc.minimumHeight = 450;
    desc.helpTopic = 91;
    desc.fields = {
        MoneyField(QStringLiteral("oedPV"), lPV, CalcRole::Input, 6),
        CountField(QStringLiteral("oedNumPmts"), lNumPmts, CalcRole::Input, 97),
        RateField(QStringLiteral("oedRate"), lRate, CalcRole::Input, 81),
        CountField(QStringLiteral("oedBalAfter"), lBalAfter, CalcRole::Input, 34),
        MoneyField(QStringLiteral("oedFV"), lFV, CalcRole::Result, 0),
        MoneyField(QStringLiteral("oedPmt"), lPmt, CalcRole::Result, 0),
    };
    desc.choices = LoanChoices(lPYR, lCmpPYR, lPmtMthd, lAmortMthd);
    SetFullLoanOptions(desc);
    desc.markers = false;
    // This window's status bar stays empty.
    desc.statusLabel = -1;
    return desc;
}

TcalcRemBal::TcalcRemBal(QWidget* owner)
    : TCalcWindow(owner, RemBalWindowSpec(),
                  MakeCalcBinding<TbufRemainingBalance>(RemBalWindowSpec(), RemBalRecordMap()),
                  AppSettings(), App().masks) {}
