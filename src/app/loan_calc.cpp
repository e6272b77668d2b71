#include "app/loan_calc.h"

#include "app/app_context.h"
#include "calculators/buf_loan.h"

#include <stdexcept>

namespace {

using calvora::TbufLoan;
using Rec = calvora::TcalcLoanTransferRec;
using Opt = calvora::TcalcLoanOptionsTransferRec;

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
// Labels of its options record.
enum LoanOptionLabel { oAmortMthd, oPmtMthd, oCmpPYR, oPYR, oRate };

calvora::TAppInfoXML& Settings() {
    if (App().settings == nullptr)
        throw std::logic_error("calculator window opened before the settings store");
    return *App().settings;
}

// The same order as the fields and lists of LoanWindowSpec.
TCalcRecordMap<TbufLoan> LoanRecordMap() {
    TCalcRecordMap<TbufLoan> map;
    map.numbers = {&Rec::Amount, &Rec::Periods, &Rec::AnnualRate, &Rec::Payment,
                   &Rec::TotalInterest};
    map.choices = {&Rec::PaymentPeriod, &Rec::Compounding, &Rec::PaymentMethod, &Rec::AmortMethod};
    map.optionChoices = {&Opt::DefaultPaymentPeriod, &Opt::DefaultCompounding,
                         &Opt::DefaultPaymentMethod, &Opt::DefaultAmortMethod};
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
    desc.choices = {
        {QStringLiteral("cbxPYR"), lPYR, 16},
        {QStringLiteral("cbxCmpPYR"), lCmpPYR, 13},
        {QStringLiteral("cbxPmtMthd"), lPmtMthd, 25},
        {QStringLiteral("cbxAmortMthd"), lAmortMthd, 12},
    };
    desc.defaultRateLabel = oRate;
    desc.defaultRateHelpTopic = 81;
    desc.optionChoices = {
        {QStringLiteral("cbxDefaultPYR"), oPYR, 16},
        {QStringLiteral("cbxDefaultCmpPYR"), oCmpPYR, 13},
        {QStringLiteral("cbxDefaultPmtMthd"), oPmtMthd, 25},
        {QStringLiteral("cbxDefaultAmortMthd"), oAmortMthd, 12},
    };
    desc.markers = true;
    desc.statusLabel = lLoanDate;
    return desc;
}

TcalcLoan::TcalcLoan(QWidget* owner)
    : TCalcWindow(owner, LoanWindowSpec(),
                  std::make_unique<TCalcBufferBinding<TbufLoan>>(
                      Settings(), LoanWindowSpec().section.toStdString(), LoanRecordMap()),
                  Settings(), App().masks) {}
