#include "app/loan_calc.h"

#include "app/loan_window_parts.h"
#include "calculators/buf_loan.h"

namespace {

using calvora::TbufLoan;
using Rec = calvora::TcalcLoanTransferRec;

// Labels of the loan buffer's values record.
enum LoanLabel {
    lPV,
    lNumPmts,
    lRate,
    lPmt,
    lPYR,
    lCmpPYR,
    lPmtMthd,
    lAmortMthd,
    lInterest,
    lLoanDate
};

// The same order as the fields and lists of LoanWindowSpec.
TCalcRecordMap<TbufLoan> LoanRecordMap() {
    TCalcRecordMap<TbufLoan> map;
    map.numbers = {&Rec::Amount, &Rec::Periods, &Rec::AnnualRate, &Rec::Payment,
                   &Rec::TotalInterest};
    MapLoanChoices(map);
    map.latest = &calvora::LastLoanCalculation;
    return map;
}

} // namespace

CalcWindowSpec LoanWindowSpec() {
    CalcWindowSpec desc;
    desc.title = QStringLiteral("Loan") + QLatin1Char(' ') + QStringLiteral("Calculator");
    desc.section = QStringLiteral("LoanCalc");
    desc.resetSize = QSize(406, 467);
    desc.minimumHeight = 450;
    desc.helpTopic = 8;
    CalcFieldSpec amount = MoneyField(QStringLiteral("oedPV"), lPV, CalcRole::Unknown, 6, 1);
    amount.acceptNegatives = false;
    CalcFieldSpec payment = MoneyField(QStringLiteral("oedPmt"), lPmt, CalcRole::Unknown, 11, 4);
    payment.helpTextAfter = true;
    desc.fields = {
        amount,
        CountField(QStringLiteral("oedNumPmts"), lNumPmts, CalcRole::Unknown, 97, 2),
        RateField(QStringLiteral("oedRate"), lRate, CalcRole::Unknown, 81, 3),
        payment,
        MoneyField(QStringLiteral("oedInterest"), lInterest, CalcRole::Result, 0),
    };
    desc.choices = LoanChoices(lPYR, lCmpPYR, lPmtMthd, lAmortMthd);
    SetFullLoanOptions(desc);
    desc.markers = true;
    desc.statusLabel = lLoanDate;
    return desc;
}

TcalcLoan::TcalcLoan(QWidget* owner)
    : TCalcWindow(owner, LoanWindowSpec(),
                  MakeCalcBinding<TbufLoan>(LoanWindowSpec(), LoanRecordMap()), AppSettings(),
                  App().masks) {}
