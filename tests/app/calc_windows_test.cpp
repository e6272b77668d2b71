// Every calculator window driven as a user drives it: keys typed into the fields, a list
// changed, Calc, Copy, Print to PDF, close and reopen, and two zeros where the window has
// unknowns. The expected figures are computed independently of the program (noted per case).
#include "app/calculator_windows.h"
#include "app/interest_calc.h"
#include "app/loan_calc.h"
#include "calc_window_test_support.h"
#include "calculators/buf_accelerated_pmt.h"
#include "calculators/buf_automobile_loan.h"
#include "calculators/buf_balloon_pmt.h"
#include "calculators/buf_interest.h"
#include "calculators/buf_loan.h"
#include "calculators/buf_mortgage_loan.h"
#include "calculators/buf_remaining_balance.h"
#include "persistence/masks_unit.h"

#include <cmath>
#include <vector>

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

struct Typed {
    const char* field;
    const char* keys;
};

struct Chosen {
    const char* list;
    int row;
};

struct Shown {
    const char* field;
    double value; // compared to the shown decimals: within half a unit of the last one
    double unit;
};

struct WindowCase {
    const char* name;
    ToolKind kind;
    const char* caption;
    std::vector<Typed> typed;
    std::vector<Chosen> chosen;
    Shown solved;
    int marker; // LastSolved code whose marker shows; 0 for windows without markers
    std::vector<Shown> alsoShown;
    // The solved value as the copied and printed text shows it.
    const char* solvedText;
    // Typed after reopening to leave two values 0; empty where nothing is unknown.
    std::vector<Typed> twoZeros;
};

constexpr double kCent = 0.01;
constexpr double kWhole = 1;
constexpr double kRateUnit = 0.0001;

// Payment period rows: 5 Monthly, 10 Annually; compounding rows: 6 Monthly, 11 Annually;
// payment method rows: 0 Arrears, 1 Advance; days in year rows: 0 "360", 2 "365".
const std::vector<WindowCase>& Cases() {
    static const std::vector<WindowCase> cases = {
        // 100000 * 0.005 / ((1 - 1.005^-360) * 1.005) = 596.5677 (payments in advance).
        {"loan",
         ToolKind::Loan,
         "Loan Calculator 1",
         {{"oedPV", "100000"}, {"oedNumPmts", "360"}, {"oedRate", "6"}, {"oedPmt", "0"}},
         {{"cbxPmtMthd", 1}},
         {"oedPmt", 596.57, kCent},
         4,
         {},
         "$596.57",
         {{"oedPV", "0"}, {"oedPmt", "0"}}},
        // 10000 * (1 + 0.05/12)^12 - 10000 = 511.6190 over the twelve whole months from
        // 1 March 2026 to 1 March 2027; the daily rate 5 / 365 = 0.013699 %.
        {"interest",
         ToolKind::Interest,
         "Compound & Simple Interest Calculator 1",
         {{"oedPV", "10000"}, {"oedRate", "5"}, {"oedNumDays", "365"}},
         {{"cbxDaysPerYear", 2}},
         {"oedInterest", 511.62, kCent},
         0,
         {{"oedFV", 10511.62, kCent}, {"oedDailyRate", 0.0137, kRateUnit}},
         "$511.62",
         {}},
        // Annual payments at 6 %: 100000 * 0.06 / (1 - 1.06^-30) = 7264.89. Simulated with
        // each year's interest rounded to cents: the regular loan pays 117,946.86 interest;
        // with 2,000 more from payment 1 it is paid off in 18 payments and 65,864.45 interest.
        {"accelerated payment",
         ToolKind::AccelPayment,
         "Accelerated Payment Calculator 1",
         {{"oedPV", "100000"},
          {"oedNumPmts", "30"},
          {"oedRate", "6"},
          {"oedIncAfter", "1"},
          {"oedExtraPd", "2000"}},
         {{"cbxPYR", 10}, {"cbxCmpPYR", 11}},
         {"oedIntSaved", 52082.41, kCent},
         0,
         {{"oedNewNumPmts", 18, kWhole}},
         "$52,082.41",
         {{"oedPV", "0"}, {"oedRate", "0"}}},
        // Monthly payments, annual compounding: i = 1.06^(1/12) - 1, v = 1/(1+i); the balloon
        // is the 60th payment: (100000 - 50000 v^60) / ((1 - v^59) / i) = 1223.9409.
        {"balloon payment",
         ToolKind::BalloonPayment,
         "Balloon Payment Calculator 1",
         {{"pedPV", "100000"},
          {"pedRate", "6"},
          {"pedPeriodDue", "60"},
          {"pedPmt", "0"},
          {"pedFV", "50000"}},
         {{"cbxCmpPYR", 11}},
         {"pedPmt", 1223.94, kCent},
         4,
         {},
         "$1,223.94",
         {{"pedRate", "0"}, {"pedPmt", "0"}}},
        // Same rate: payment 100000 i / (1 - v^360) = 589.37; sixty months with each month's
        // interest rounded to cents leave 92,869.73.
        {"remaining balance",
         ToolKind::RemainingBalance,
         "Remaining Balance Calculator 1",
         {{"oedPV", "100000"}, {"oedNumPmts", "360"}, {"oedRate", "6"}, {"oedBalAfter", "60"}},
         {{"cbxCmpPYR", 11}},
         {"oedFV", 92869.73, kCent},
         0,
         {{"oedPmt", 589.37, kCent}},
         "$92,869.73",
         {{"oedPV", "0"}, {"oedRate", "0"}}},
        // 20000 financed, payments in advance: 20000 (0.07/12) / ((1 - (1+0.07/12)^-60)
        // (1 + 0.07/12)) = 393.7272; the down payment is 20 % of the price.
        {"automobile loan",
         ToolKind::AutomobileLoan,
         "Automobile Loan Calculator - Cash Down 1",
         {{"oedCarPrice", "25000"},
          {"oedDownPayment", "5000"},
          {"oedLoanAmount", "0"},
          {"oedNumPeriods", "60"},
          {"oedRate", "7"},
          {"oedPmt", "0"}},
         {{"cbxPmtMthd", 1}},
         {"oedPmt", 393.73, kCent},
         0,
         {{"oedLoanAmount", 20000, kCent}, {"oedDownPaymentPercentage", 20, kRateUnit}},
         "$393.73",
         {{"oedNumPeriods", "0"}, {"oedPmt", "0"}}},
        // 240000 financed (20 % down), payments in advance: 240000 (0.065/12) /
        // ((1 - (1+0.065/12)^-360) (1 + 0.065/12)) = 1508.7906.
        {"mortgage loan",
         ToolKind::MortgageLoan,
         "Mortgage Loan Calculator - Percent Down 1",
         {{"oedPrice", "300000"},
          {"oedDownPaymentPercentage", "20"},
          {"oedLoanAmount", "0"},
          {"oedNumPeriods", "360"},
          {"oedRate", "6.5"},
          {"oedPmt", "0"}},
         {{"cbxPmtMthd", 1}},
         {"oedPmt", 1508.79, kCent},
         0,
         {{"oedLoanAmount", 240000, kCent}, {"oedDownPayment", 60000, kCent}},
         "$1,508.79",
         {{"oedNumPeriods", "0"}, {"oedPmt", "0"}}},
    };
    return cases;
}

void ForgetLatestCalculations() {
    calvora::LastLoanCalculation = {};
    calvora::LastInterestCalculation = {};
    calvora::LastAccPmtCalculation = {};
    calvora::LastBallPmtCalculation = {};
    calvora::LastRemBalCalculation = {};
    calvora::LastAutomobileCalculation = {};
    calvora::LastMortgageCalculation = {};
}

// Fails unless the field shows `shown.value` to its last decimal.
void VerifyShown(TCalcWindow& window, const Shown& shown) {
    const double value = FieldValue(window, shown.field);
    QVERIFY2(std::fabs(value - shown.value) < shown.unit / 2,
             qPrintable(QStringLiteral("%1 shows %2, expected %3")
                            .arg(QString::fromLatin1(shown.field))
                            .arg(value, 0, 'f', 6)
                            .arg(shown.value, 0, 'f', 6)));
}

bool IsTyped(const WindowCase& c, const char* field) {
    for (const Typed& typed : c.typed)
        if (QByteArray(typed.field) == field)
            return true;
    return false;
}

} // namespace

class CalcWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CalcWindowFixture> m_app;

    static void addCaseColumn() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Cases().size(); ++i)
            QTest::newRow(Cases()[i].name) << static_cast<int>(i);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        RegisterToolWindows();
    }

    void init() {
        ForgetLatestCalculations();
        m_app = std::make_unique<CalcWindowFixture>();
    }

    void cleanup() { m_app.reset(); }

    void aCalculationFromTypingToReopening_data() { addCaseColumn(); }

    void aCalculationFromTypingToReopening() {
        QFETCH(int, index);
        const WindowCase& c = Cases()[static_cast<std::size_t>(index)];
        TCalcWindow* window = m_app->open(c.kind);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(c.caption));

        // The interest window's dates: the start date typed into its picker, then the day
        // count moves the end date.
        if (QDateEdit* start = window->datePicker(QStringLiteral("oedStartDate"))) {
            start->setFocus();
            start->setSelectedSection(QDateTimeEdit::MonthSection);
            // A full section moves on to the next one.
            QTest::keyClicks(start, QStringLiteral("03012026"));
            QCOMPARE(start->date(), QDate(2026, 3, 1));
        }
        for (const Typed& typed : c.typed)
            TypeInto(*window, typed.field, QString::fromLatin1(typed.keys));
        for (const Chosen& chosen : c.chosen) {
            QComboBox* list = window->choice(QString::fromLatin1(chosen.list));
            QVERIFY2(list != nullptr, chosen.list);
            list->setFocus();
            // Down-arrow steps through the rows from the top.
            QTest::keyClick(list, Qt::Key_Home);
            for (int row = 0; row < chosen.row; ++row)
                QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentIndex(), chosen.row);
        }

        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY2(std::fabs(FieldValue(*window, c.solved.field) - c.solved.value) <
                         c.solved.unit / 2,
                     qPrintable(QString::number(FieldValue(*window, c.solved.field), 'f', 4)));
        QVERIFY2(m_app->prompts.failed.isEmpty(), qPrintable(m_app->prompts.failed.join('\n')));
        for (const Shown& shown : c.alsoShown)
            VerifyShown(*window, shown);
        QCOMPARE(window->shownMarker(), c.marker);
        if (c.marker != 0)
            QVERIFY(window->resultsFresh());
        if (QDateEdit* end = window->datePicker(QStringLiteral("oedEndDate"))) {
            QCOMPARE(end->date(), QDate(2027, 3, 1));
            QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("EndDay"))->text(),
                     QStringLiteral("Monday"));
        }

        Press(*window, "btnCopy");
        QCOMPARE(m_app->output.copied.size(), 1);
        const QString copied = m_app->output.copied.first();
        QVERIFY2(copied.startsWith(QString::fromUtf8(c.caption) + QStringLiteral("\r\n")),
                 qPrintable(copied));
        QVERIFY2(copied.contains(QString::fromUtf8(c.solvedText)), qPrintable(copied));

        QTemporaryDir dir;
        m_app->output.pdfFile = dir.filePath(QStringLiteral("calculation.pdf"));
        // Ctrl+P, as the Print hint says (Alt+P also names the price in two windows).
        QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
        QTRY_VERIFY(m_app->output.pdfWritten);
        QCOMPARE(m_app->output.jobTitle, QString::fromUtf8(c.caption));
        const QString printed = PdfText(m_app->output.pdfFile);
        if (!printed.isEmpty()) {
            QVERIFY2(printed.contains(QString::fromUtf8(c.caption)), qPrintable(printed));
            QVERIFY2(printed.contains(QString::fromUtf8(c.solvedText)), qPrintable(printed));
        }

        // "Last entered calculation" is the opening choice when nothing is stored.
        window->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        window = m_app->open(c.kind);
        QVERIFY(window != nullptr);
        for (const Typed& typed : c.typed) {
            if (QByteArray(typed.field) == c.solved.field)
                continue;
            // Values found by the calculation (a loan amount left 0) are stored with it.
            bool found = false;
            for (const Shown& shown : c.alsoShown)
                found = found || QByteArray(typed.field) == shown.field;
            if (!found)
                QCOMPARE(FieldValue(*window, typed.field),
                         QString::fromLatin1(typed.keys).toDouble());
        }
        if (IsTyped(c, c.solved.field))
            VerifyShown(*window, c.solved);
        for (const Chosen& chosen : c.chosen)
            QCOMPARE(window->choice(QString::fromLatin1(chosen.list))->currentIndex(), chosen.row);
        if (QDateEdit* start = window->datePicker(QStringLiteral("oedStartDate")))
            QCOMPARE(start->date(), QDate(2026, 3, 1));

        if (c.twoZeros.empty())
            return;
        const int markerBefore = window->shownMarker();
        for (const Typed& typed : c.twoZeros)
            TypeInto(*window, typed.field, QString::fromLatin1(typed.keys));
        Press(*window, "btnCalc");
        QCOMPARE(m_app->prompts.failed,
                 QStringList{QStringLiteral("Too many unknowns. Enter only one zero value.")});
        // The typed values stay, and the marker is as it was.
        for (const Typed& typed : c.twoZeros)
            QCOMPARE(FieldValue(*window, typed.field), 0.0);
        QCOMPARE(window->shownMarker(), markerBefore);
    }

    void windowFacts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("positionKey");
        QTest::addColumn<int>("helpTopic");
        QTest::addColumn<QSize>("resetSize");
        QTest::addColumn<int>("minimumHeight");
        QTest::addColumn<bool>("statusShown");
        QTest::addColumn<QString>("printHint");
        const QString schedule = QStringLiteral("Print schedule [Ctrl][P]");
        auto row = [&](const char* name, ToolKind kind, const char* key, int topic, QSize size,
                       int minimum, bool status, const QString& hint) {
            QTest::newRow(name) << static_cast<int>(kind) << QString::fromLatin1(key) << topic
                                << size << minimum << status << hint;
        };
        row("loan", ToolKind::Loan, "LoanCalc1", 8, {406, 467}, 450, true, schedule);
        row("interest", ToolKind::Interest, "Interest_calc1", 50, {406, 546}, 450, false, schedule);
        row("accelerated", ToolKind::AccelPayment, "AccelPayment1", 32, {406, 467}, 450, true,
            schedule);
        row("balloon", ToolKind::BalloonPayment, "BalloonPayment1", 92, {406, 467}, 450, true,
            QStringLiteral("Print"));
        row("remaining balance", ToolKind::RemainingBalance, "RemainBalCalc1", 91, {406, 467}, 450,
            false, schedule);
        row("automobile", ToolKind::AutomobileLoan, "AutoMobile1", 5230, {406, 578}, 500, true,
            schedule);
        row("mortgage", ToolKind::MortgageLoan, "Mortgage1", 5250, {406, 578}, 500, true, schedule);
    }

    void windowFacts() {
        QFETCH(int, kind);
        QFETCH(QString, positionKey);
        QFETCH(int, helpTopic);
        QFETCH(QSize, resetSize);
        QFETCH(int, minimumHeight);
        QFETCH(bool, statusShown);
        QFETCH(QString, printHint);
        TCalcWindow* window = m_app->open(static_cast<ToolKind>(kind));
        QVERIFY(window != nullptr);
        QCOMPARE(window->positionKey(), positionKey);
        QCOMPARE(window->desc().helpTopic, helpTopic);
        // The test screen has 96 pixels per inch: the sizes are taken as given.
        QCOMPARE(window->desc().resetSize, resetSize);
        QCOMPARE(window->minimumHeight(), minimumHeight);
        QCOMPARE(window->statusText().startsWith(QStringLiteral(" The assumed loan date is: ")),
                 statusShown);
        if (!statusShown)
            QVERIFY(window->statusText().isEmpty());
        QCOMPARE(window->findChild<QPushButton*>("btnPrint")->toolTip(), printHint);
        QCOMPARE(m_app->main->windowsMenu()->actions().first()->text(), window->windowTitle());
        // Each window counts its own openings.
        const std::string section = window->desc().section.toStdString();
        QCOMPARE(m_app->settings.store().ReadInteger(section, "RunTimes", 0), 1);
    }

    void countsHeldIn16BitsAreRefusedAbove32767_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("field");
        QTest::newRow("accelerated total periods")
            << static_cast<int>(ToolKind::AccelPayment) << QStringLiteral("oedNumPmts");
        QTest::newRow("accelerated increase start")
            << static_cast<int>(ToolKind::AccelPayment) << QStringLiteral("oedIncAfter");
        QTest::newRow("balloon period")
            << static_cast<int>(ToolKind::BalloonPayment) << QStringLiteral("pedPeriodDue");
        QTest::newRow("remaining balance total periods")
            << static_cast<int>(ToolKind::RemainingBalance) << QStringLiteral("oedNumPmts");
        QTest::newRow("balance after payment")
            << static_cast<int>(ToolKind::RemainingBalance) << QStringLiteral("oedBalAfter");
    }

    void countsHeldIn16BitsAreRefusedAbove32767() {
        QFETCH(int, kind);
        QFETCH(QString, field);
        TCalcWindow* window = m_app->open(static_cast<ToolKind>(kind));
        TypeInto(*window, qPrintable(field), QStringLiteral("32768"));
        Press(*window, "btnCalc");
        QCOMPARE(m_app->prompts.failed,
                 QStringList{QStringLiteral("Value is not within required range")});
        // Nothing reached the buffer: Undo shows what it held before.
        Press(*window, "btnUndo");
        QCOMPARE(FieldValue(*window, qPrintable(field)), 0.0);
    }

    void aNumberOfPaymentsHeldIn32BitsIsNotRefusedByTheWindow() {
        TCalcWindow* window = m_app->open(ToolKind::AutomobileLoan);
        for (const Typed& typed : std::vector<Typed>{{"oedCarPrice", "25000"},
                                                     {"oedDownPayment", "5000"},
                                                     {"oedNumPeriods", "40000"},
                                                     {"oedRate", "7"}})
            TypeInto(*window, typed.field, QString::fromLatin1(typed.keys));
        Press(*window, "btnCalc");
        QVERIFY(
            !m_app->prompts.failed.contains(QStringLiteral("Value is not within required range")));
    }

    // 1 March 2026 is a Sunday; 31 March 2026 a Tuesday.
    void interestDaysAndDatesFollowEachOther() {
        TCalcWindow* window = m_app->open(ToolKind::Interest);
        QDateEdit* start = window->datePicker(QStringLiteral("oedStartDate"));
        QDateEdit* end = window->datePicker(QStringLiteral("oedEndDate"));
        auto weekday = [window](const char* name) {
            return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        };
        start->setFocus();
        start->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClicks(start, QStringLiteral("03012026"));
        QCOMPARE(weekday("StartDay"), QStringLiteral("Sunday"));

        // Leaving the start date counts the days to the end date (today's date at opening).
        TypeInto(*window, "oedNumDays", QStringLiteral("30"));
        QCOMPARE(end->date(), QDate(2026, 3, 31));
        QCOMPARE(weekday("EndDay"), QStringLiteral("Tuesday"));

        // A negative count moves the start date back from the end date; leaving the field
        // shows the count without its sign.
        end->setDate(QDate(2026, 4, 30));
        // Coming back into the field selects its value, so the typing replaces it.
        start->setFocus();
        TypeInto(*window, "oedNumDays", QStringLiteral("-45"));
        QCOMPARE(start->date(), QDate(2026, 3, 16));
        QCOMPARE(end->date(), QDate(2026, 4, 30));
        start->setFocus();
        QTRY_COMPARE(FieldValue(*window, "oedNumDays"), 45.0);
        QCOMPARE(start->date(), QDate(2026, 3, 16));

        // Leaving a date picker recounts the days; the end date stays where it was put.
        end->setFocus();
        end->setSelectedSection(QDateTimeEdit::MonthSection);
        QTest::keyClicks(end, QStringLiteral("05312026"));
        TypeInto(*window, "oedPV", QStringLiteral("1000"));
        QCOMPARE(FieldValue(*window, "oedNumDays"), 76.0);
        QCOMPARE(end->date(), QDate(2026, 5, 31));

        // Clicking a weekday box lands in its picker.
        auto* box = window->findChild<QLineEdit*>(QStringLiteral("StartDay"));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->focusPolicy() & Qt::TabFocus, 0);
        QTest::mouseClick(box, Qt::LeftButton);
        QTRY_VERIFY(start->hasFocus());
    }

    void interestWindowMasksOnlyItsMoneyFields() {
        calvora::TRegionalSettings regional = calvora::TRegionalSettings::UnitedStates();
        regional.CountryCode = 49;
        regional.ShortDateFormat = "d.M.yyyy";
        const calvora::TMasks masks(regional);
        App().masks = &masks;
        TCalcWindow* window = m_app->open(ToolKind::Interest);
        QCOMPARE(window->field(QStringLiteral("oedPV"))->editFormat().RightInfo,
                 QString::fromStdString(masks.MoneyMask().RightInfo));
        QCOMPARE(window->field(QStringLiteral("oedFV"))->editFormat().RightInfo,
                 QString::fromStdString(masks.MoneyMask().RightInfo));
        // Rates and counts keep the designed formats: "%" behind, 6-digit day count.
        QCOMPARE(window->field(QStringLiteral("oedRate"))->editFormat().RightInfo,
                 QStringLiteral("%"));
        QCOMPARE(window->field(QStringLiteral("oedNumDays"))->editFormat().Digits, 6);
        QCOMPARE(window->datePicker(QStringLiteral("oedStartDate"))->displayFormat(),
                 QStringLiteral("dd.MM.yyyy"));
        window->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        App().masks = nullptr;
    }

    void onlyTheBalloonWindowsMarkerTurnsRedOnAChange() {
        TCalcWindow* balloon = m_app->open(ToolKind::BalloonPayment);
        for (const Typed& typed : Cases()[3].typed)
            TypeInto(*balloon, typed.field, QString::fromLatin1(typed.keys));
        Press(*balloon, "btnCalc");
        QCOMPARE(balloon->shownMarker(), 4);
        QVERIFY(balloon->resultsFresh());
        balloon->choice(QStringLiteral("cbxPmtMthd"))->setCurrentIndex(1);
        QVERIFY(!balloon->resultsFresh());
        QCOMPARE(balloon->shownMarker(), 4);

        TCalcWindow* accelerated = m_app->open(ToolKind::AccelPayment);
        for (const Typed& typed : Cases()[2].typed)
            TypeInto(*accelerated, typed.field, QString::fromLatin1(typed.keys));
        Press(*accelerated, "btnCalc");
        QCOMPARE(accelerated->shownMarker(), 0);
        QVERIFY(accelerated->findChildren<QLabel*>(QStringLiteral("oedIntSavedMarker")).size() ==
                1);
        QVERIFY(accelerated->findChild<QLabel*>(QStringLiteral("oedIntSavedMarker"))->isHidden());
    }

    void aSecondCopyStartsFromTheFirstCopysCalculation_data() { addCaseColumn(); }

    void aSecondCopyStartsFromTheFirstCopysCalculation() {
        QFETCH(int, index);
        const WindowCase& c = Cases()[static_cast<std::size_t>(index)];
        TCalcWindow* first = m_app->open(c.kind);
        for (const Typed& typed : c.typed)
            TypeInto(*first, typed.field, QString::fromLatin1(typed.keys));
        Press(*first, "btnCalc");
        const double solved = FieldValue(*first, c.solved.field);
        TCalcWindow* second = m_app->open(c.kind);
        QVERIFY(second->windowTitle().endsWith(QStringLiteral(" 2")));
        QCOMPARE(FieldValue(*second, c.typed.front().field),
                 FieldValue(*first, c.typed.front().field));
        // Windows that copy the results along show the first copy's solved value too.
        if (IsTyped(c, c.solved.field))
            QCOMPARE(FieldValue(*second, c.solved.field), solved);
    }

    void theMainWindowOpensTwoCopiesOfEachCalculator_data() { addCaseColumn(); }

    void theMainWindowOpensTwoCopiesOfEachCalculator() {
        QFETCH(int, index);
        const WindowCase& c = Cases()[static_cast<std::size_t>(index)];
        QToolButton* button = m_app->main->launchButton(c.kind);
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(m_app->main->windowTable().openCount(), 1);
        m_app->main->launchAction(c.kind)->trigger();
        QTRY_COMPARE(m_app->main->windowTable().openCount(), 2);
        QStringList captions;
        for (QAction* item : m_app->main->windowsMenu()->actions())
            captions << item->text();
        QString second = QString::fromUtf8(c.caption);
        second.back() = QLatin1Char('2');
        QCOMPARE(captions, (QStringList{QString::fromUtf8(c.caption), second}));
        m_app->main->launchAction(c.kind)->trigger();
        QCOMPARE(m_app->main->windowTable().openCount(), 2);
        QCOMPARE(m_app->prompts.informed + m_app->prompts.warned + m_app->prompts.failed,
                 QStringList{QStringLiteral("Maximum number of this calculator displayed.")});
    }
};

QTEST_MAIN(CalcWindowsTest)
#include "calc_windows_test.moc"
