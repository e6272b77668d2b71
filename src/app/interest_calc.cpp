#include "app/interest_calc.h"

#include "app/calc_field.h"
#include "app/loan_window_parts.h"
#include "app/num_edit.h"
#include "calculators/buf_interest.h"

#include <QDateEdit>
#include <QScopedValueRollback>

namespace {

using calvora::TbufInterest;
using Rec = calvora::TcalcInterestTransferClass;
using Opt = calvora::TcalcInterestOptionsTransferClass;

// Labels of the interest buffer's values record.
enum InterestLabel {
    lDaysPerYear,
    lPV,
    lNumDays,
    lRate,
    lStartDate,
    lEndDate,
    lCmpPYR,
    lInterest,
    lFV,
    lAPY,
    lDailyRate
};
// Labels of its options record.
enum InterestOptionLabel { oCmpPYR, oDaysPerYear, oRate };

// Positions in InterestWindowSpec's fields and dates.
constexpr std::size_t kNumDays = 1;
constexpr std::size_t kStartDate = 0;
constexpr std::size_t kEndDate = 1;

TCalcRecordMap<TbufInterest> InterestRecordMap() {
    TCalcRecordMap<TbufInterest> map;
    map.numbers = {&Rec::Amount,   &Rec::Days, &Rec::AnnualRate, &Rec::TermInterest,
                   &Rec::EndValue, &Rec::Apy,  &Rec::DailyRate};
    map.dates = {&Rec::StartDate, &Rec::EndDate};
    map.choices = {&Rec::Compounding, &Rec::YearLength};
    map.optionChoices = {&Opt::DefaultCompounding, &Opt::DefaultYearLength};
    map.latest = &calvora::LastInterestCalculation;
    return map;
}

} // namespace

CalcWindowSpec InterestWindowSpec() {
    CalcWindowSpec desc;
    desc.title = QStringLiteral("Compound & Simple Interest") + QLatin1Char(' ') +
                 QStringLiteral("Calculator");
    desc.section = QStringLiteral("Interest_calc");
    desc.resetSize = QSize(406, 546);
    desc.minimumHeight = 450;
    desc.helpTopic = 50;
    // Number of Days is held in 32 bits and may be typed negative (days back from the end).
    desc.fields = {
        MoneyField(QStringLiteral("oedPV"), lPV, CalcRole::Input, 6),
        CountField(QStringLiteral("oedNumDays"), lNumDays, CalcRole::Input, 39, 0, 6, false),
        RateField(QStringLiteral("oedRate"), lRate, CalcRole::Input, 81),
        MoneyField(QStringLiteral("oedInterest"), lInterest, CalcRole::Result, 0),
        MoneyField(QStringLiteral("oedFV"), lFV, CalcRole::Result, 0),
        RateField(QStringLiteral("oedAPY"), lAPY, CalcRole::Result, 0),
        RateField(QStringLiteral("oedDailyRate"), lDailyRate, CalcRole::Result, 0),
    };
    desc.dates = {
        {QStringLiteral("oedStartDate"), QStringLiteral("StartDay"), lStartDate, 41},
        {QStringLiteral("oedEndDate"), QStringLiteral("EndDay"), lEndDate, 42},
    };
    desc.choices = {
        {QStringLiteral("cbxCmpPYR"), lCmpPYR, 13},
        {QStringLiteral("cbxDaysPerYear"), lDaysPerYear, 6070},
    };
    desc.defaultRateLabel = oRate;
    desc.defaultRateHelpTopic = 81;
    desc.optionChoices = {
        {QStringLiteral("cbxDefaultCmpPYR"), oCmpPYR, 13},
        {QStringLiteral("cbxDefaultDaysPerYear"), oDaysPerYear, 45},
    };
    desc.markers = false;
    desc.statusLabel = -1;
    desc.maskMoneyOnly = true;
    return desc;
}

TcalcInterest::TcalcInterest(QWidget* owner)
    : TCalcWindow(owner, InterestWindowSpec(),
                  MakeCalcBinding(InterestWindowSpec(), InterestRecordMap()), AppSettings(),
                  App().masks) {
    TqvNumEdit* days = edit(kNumDays);
    connect(days, &TqvNumEdit::valueChanged, this, &TcalcInterest::daysChanged);
    connect(days, &TqvNumEdit::editingFinished, this, &TcalcInterest::daysLeft);
    for (std::size_t index : {kStartDate, kEndDate})
        connect(dateEdit(index), &QDateEdit::editingFinished, this, &TcalcInterest::dateLeft);
}

calvora::TbufInterest& TcalcInterest::interestBuffer() {
    return static_cast<TCalcBufferBinding<TbufInterest>&>(binding()).buffer();
}

void TcalcInterest::showValues() {
    const QScopedValueRollback quiet(m_quiet, true);
    TCalcWindow::showValues();
}

void TcalcInterest::daysChanged() {
    const long double days = edit(kNumDays)->numericValue();
    if (m_quiet || days == 0)
        return;
    const QScopedValueRollback quiet(m_quiet, true);
    if (!sendFields())
        return;
    if (days > 0)
        dateEdit(kEndDate)->setDate(ToQDate(interestBuffer().EndFromDays()));
    else
        dateEdit(kStartDate)->setDate(ToQDate(interestBuffer().StartFromDays()));
}

void TcalcInterest::daysLeft() {
    TqvNumEdit* days = edit(kNumDays);
    if (days->numericValue() < 0) {
        const QScopedValueRollback quiet(m_quiet, true);
        days->setNumericValue(-days->numericValue());
    }
}

void TcalcInterest::dateLeft() {
    const QScopedValueRollback quiet(m_quiet, true);
    if (!sendFields())
        return;
    edit(kNumDays)->setNumericValue(interestBuffer().DaysFromDates());
}
