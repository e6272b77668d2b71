// The loan calculator window driven as a user drives it: typed keys, buttons, pages and the
// main window's Loan launcher.
#include "app/app_context.h"
#include "app/calc_window_output.h"
#include "app/help_router.h"
#include "app/loan_calc.h"
#include "app/main_window.h"
#include "app/num_edit.h"
#include "app/report_painter.h"
#include "app/skin_engine.h"
#include "app_test_support.h"
#include "calc_window_test_support.h"
#include "calculators/buf_loan.h"
#include "persistence/masks_unit.h"

#include <memory>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

// The payment of 100,000 over 360 monthly payments at 6 % a year:
// 100000 * 0.005 / (1 - 1.005^-360) = 599.5505 (computed with python3's decimal module).
constexpr double kPayment6 = 599.55;
// The interest of that loan, each month's interest rounded to cents and the last payment
// settling the balance (python3 decimal, ROUND_HALF_UP): 115,838.45; at 7 %: 139,510.98.
constexpr double kInterest6 = 115838.45;
// At 7 %: 100000 * (0.07/12) / (1 - (1 + 0.07/12)^-360) = 665.3025.
constexpr double kPayment7 = 665.30;

} // namespace

class LoanCalcTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<RecordingOutput> m_output;
    std::unique_ptr<TSkinEngine> m_skins;
    std::unique_ptr<TfrmCalvoraMain> m_main;

    TCalcWindow* openLoan() {
        auto* window = qobject_cast<TCalcWindow*>(m_main->openWindow(ToolKind::Loan));
        if (window != nullptr) {
            QApplication::setActiveWindow(window);
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
        }
        return window;
    }

    static void type(TCalcWindow& window, const char* name, const QString& keys) {
        TqvNumEdit* edit = window.field(QString::fromLatin1(name));
        QVERIFY(edit != nullptr);
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        QVERIFY(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
        QTest::keyClicks(edit, keys);
    }

    static double value(TCalcWindow& window, const char* name) {
        return window.field(QString::fromLatin1(name))->value();
    }

    static void press(TCalcWindow& window, const char* name) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // 100000, 360, 6 and 0 typed into the four inputs.
    static void typeLoan(TCalcWindow& window, const QString& rate = QStringLiteral("6")) {
        type(window, "oedPV", QStringLiteral("100000"));
        type(window, "oedNumPmts", QStringLiteral("360"));
        type(window, "oedRate", rate);
        type(window, "oedPmt", QStringLiteral("0"));
    }

    static QColor markerColour(TCalcWindow& window, const char* field) {
        auto* marker = window.findChild<QLabel*>(QString::fromLatin1(field) + "Marker");
        return marker->palette().color(QPalette::WindowText);
    }

    static void click(TCalcWindow& window, const char* name) {
        auto* choice = window.findChild<QRadioButton*>(QString::fromLatin1(name));
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ToolWindowRegistry::add(ToolKind::Loan,
                                [](QWidget* owner) { return new TcalcLoan(owner); });
    }

    void init() {
        calvora::LastLoanCalculation = {};
        m_settings = std::make_unique<TempSettings>();
        m_prompts = std::make_unique<RecordingPrompts>();
        m_output = std::make_unique<RecordingOutput>();
        m_skins = std::make_unique<TSkinEngine>();
        App() = AppContext{&m_settings->store(), nullptr, m_skins.get()};
        m_main = std::make_unique<TfrmCalvoraMain>(m_settings->store(), *m_skins, QSize(1024, 768));
        m_main->show();
    }

    void cleanup() {
        m_main.reset();
        App() = AppContext{};
        m_skins.reset();
        m_output.reset();
        m_prompts.reset();
        m_settings.reset();
    }

    void theUsersPath() {
        TCalcWindow* window = openLoan();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Loan Calculator 1"));
        typeLoan(*window);
        // Alt+C is the Calc button's key.
        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        // A button's accelerator clicks it after a short press animation.
        QTRY_COMPARE(value(*window, "oedPmt"), kPayment6);
        QVERIFY(m_prompts->failed.isEmpty());
        QCOMPARE(window->shownMarker(), 4);
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::darkGreen));
        QCOMPARE(value(*window, "oedInterest"), kInterest6);

        type(*window, "oedRate", QStringLiteral("7"));
        QVERIFY(!window->resultsFresh());
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::red));
        QCOMPARE(window->shownMarker(), 4);
        press(*window, "btnCalc");
        QCOMPARE(value(*window, "oedPmt"), kPayment7);
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::darkGreen));

        press(*window, "btnCopy");
        QCOMPARE(m_output->copied.size(), 1);
        // Label left in 24 characters, a blank, the value right-aligned in 16; the rate in
        // 15 with its "%" behind.
        auto line = [](const char* label, const char* value) {
            return QString::asprintf("%-24s %16s\r\n", label, value);
        };
        const QString expected =
            QStringLiteral("Loan Calculator 1\r\n\r\n") + line("Amount of Loan?:", "$100,000.00") +
            line("Total Periods? (#):", "360") +
            QString::asprintf("%-24s %15s%%\r\n", "Annual Rate?:", "7.00") +
            line("Periodic Payment?:", "$665.30") + line("Payment Period?:", "Monthly") +
            line("Compounding Period?:", "Monthly") + line("Payment Method?:", "Arrears") +
            line("Amortizing Method?:", "Normal") + line("Interest For Term:", "$139,510.98");
        QCOMPARE(m_output->copied.first(), expected);

        QTemporaryDir dir;
        m_output->pdfFile = dir.filePath(QStringLiteral("loan.pdf"));
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(m_output->pdfWritten);
        const QString text = PdfText(m_output->pdfFile);
        if (!text.isEmpty()) {
            QVERIFY2(text.contains(QStringLiteral("Loan Calculator 1")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Amount of Loan?:")));
            QVERIFY(text.contains(QStringLiteral("$100,000.00")));
            // The printed rate has four decimals.
            QVERIFY(text.contains(QStringLiteral("7.0000%")));
            QVERIFY(text.contains(QStringLiteral("$665.30")));
        }
        QCOMPARE(m_output->jobTitle, QStringLiteral("Loan Calculator 1"));

        // Edited but not calculated: closing keeps the values of the last Calc, Print or Copy.
        type(*window, "oedPV", QStringLiteral("5"));
        window->close();
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
        window = openLoan();
        QCOMPARE(value(*window, "oedPV"), 100000.0);
        QCOMPARE(value(*window, "oedNumPmts"), 360.0);
        QCOMPARE(value(*window, "oedRate"), 7.0);
        QCOMPARE(value(*window, "oedPmt"), kPayment7);

        // Defaults / Local with a default rate: the next window opens with that rate.
        auto* tabs = window->findChild<QTabWidget*>();
        tabs->setCurrentIndex(TCalcWindow::OptionsPage);
        click(*window, "rbDefaults");
        click(*window, "rbLocal");
        type(*window, "oedDefaultRate", QStringLiteral("8.5"));
        tabs->setCurrentIndex(TCalcWindow::CalculatorPage);
        window->close();
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
        window = openLoan();
        QCOMPARE(value(*window, "oedRate"), 8.5);
        QCOMPARE(window->findChild<QRadioButton*>("rbDefaults")->isChecked(), true);

        // Two zeros: the message, and the typed values stay.
        QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(value(*window, "oedRate"), 8.5);
        QTRY_COMPARE(value(*window, "oedPV"), 0.0);
        type(*window, "oedPV", QStringLiteral("2500"));
        press(*window, "btnCalc");
        QCOMPARE(m_prompts->failed,
                 QStringList{QStringLiteral("Too many unknowns. Enter only one zero value.")});
        QCOMPARE(value(*window, "oedPV"), 2500.0);
        QCOMPARE(value(*window, "oedRate"), 8.5);
    }

    void aCountAbove32767IsRefusedBeforeTheBuffer() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        press(*window, "btnCalc");
        type(*window, "oedNumPmts", QStringLiteral("40000"));
        press(*window, "btnCalc");
        QCOMPARE(m_prompts->failed,
                 QStringList{QStringLiteral("Value is not within required range")});
        // The buffer still holds the last Calc: Undo shows it.
        press(*window, "btnUndo");
        QCOMPARE(value(*window, "oedNumPmts"), 360.0);
        QCOMPARE(value(*window, "oedPmt"), kPayment6);
    }

    void undoRestoresEveryFieldOfTheLastCalc() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        press(*window, "btnCalc");
        type(*window, "oedPV", QStringLiteral("1"));
        type(*window, "oedPmt", QStringLiteral("2"));
        window->choice(QStringLiteral("cbxPYR"))->setCurrentIndex(0);
        QTest::keyClick(window, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(value(*window, "oedPV"), 100000.0);
        QCOMPARE(value(*window, "oedPmt"), kPayment6);
        QCOMPARE(window->choice(QStringLiteral("cbxPYR"))->currentText(),
                 QStringLiteral("Monthly"));
    }

    void aSecondCopyStartsFromTheFirstCopysCalculation() {
        TCalcWindow* first = openLoan();
        typeLoan(*first);
        press(*first, "btnCalc");
        TCalcWindow* second = openLoan();
        QCOMPARE(second->windowTitle(), QStringLiteral("Loan Calculator 2"));
        QCOMPARE(second->positionKey(), QStringLiteral("LoanCalc2"));
        QCOMPARE(value(*second, "oedPmt"), kPayment6);
        QCOMPARE(m_main->windowsMenu()->actions().size(), 2);
        QVERIFY(m_main->openWindow(ToolKind::Loan) == nullptr);

        // Once the first copy is gone a new copy starts from what was stored, not from it.
        second->close();
        type(*first, "oedPV", QStringLiteral("50000"));
        press(*first, "btnCopy");
        first->close();
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
        QVERIFY(calvora::LastLoanCalculation.Get() == nullptr);
        TCalcWindow* third = openLoan();
        QCOMPARE(value(*third, "oedPV"), 50000.0);
    }

    void optionsPageEnablingRules_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("defaultsAre");
        QTest::addColumn<bool>("local");
        QTest::newRow("last entered") << QStringList{"rbLastEntered"} << false << false;
        QTest::newRow("defaults, global") << QStringList{"rbDefaults", "rbGlobal"} << true << false;
        QTest::newRow("defaults, local") << QStringList{"rbDefaults", "rbLocal"} << true << true;
        QTest::newRow("defaults, publisher's")
            << QStringList{"rbDefaults", "rbPublishers"} << true << false;
    }

    void optionsPageEnablingRules() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, defaultsAre);
        QFETCH(bool, local);
        TCalcWindow* window = openLoan();
        window->findChild<QTabWidget*>()->setCurrentIndex(TCalcWindow::OptionsPage);
        // Nothing stored: "Last entered calculation" and "Publisher's".
        QVERIFY(window->findChild<QRadioButton*>("rbLastEntered")->isChecked());
        QVERIFY(window->findChild<QRadioButton*>("rbPublishers")->isChecked());
        for (const QString& name : clicks)
            click(*window, qPrintable(name));
        auto groups = window->findChildren<QGroupBox*>();
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups[1]->title(), QStringLiteral(" Defaults are: "));
        QCOMPARE(groups[1]->isEnabled(), defaultsAre);
        QCOMPARE(groups[2]->title(), QStringLiteral(" Local Defaults "));
        QCOMPARE(groups[2]->isEnabled(), local);
    }

    void globalDefaultsOpenWithTheGlobalRate() {
        auto& store = m_settings->store();
        store.WriteBool("LoanCalc", "DefaultLastenteredcalculation", false);
        store.WriteBool("LoanCalc", "DefaultDefaults", true);
        store.WriteBool("LoanCalc", "DefaultGlobal", true);
        store.WriteBool("LoanCalc", "DefaultPublishers", false);
        store.WriteFloat("CommonProperties", "RateText", 5.25);
        store.WriteInteger("CommonProperties", "PYRText", 10);
        auto& reopened = m_settings->reopen();
        App().settings = &reopened;
        m_main = std::make_unique<TfrmCalvoraMain>(reopened, *m_skins, QSize(1024, 768));
        TCalcWindow* window = openLoan();
        QCOMPARE(value(*window, "oedRate"), 5.25);
        QCOMPARE(window->choice(QStringLiteral("cbxPYR"))->currentIndex(), 10);
    }

    void windowFacts() {
        TCalcWindow* window = openLoan();
        QCOMPARE(m_settings->store().ReadInteger("LoanCalc", "RunTimes", 0), 1);
        QCOMPARE(window->positionKey(), QStringLiteral("LoanCalc1"));
        // The status bar: a blank, the loan-date caption, a blank, the assumed date.
        QVERIFY2(window->statusText().startsWith(QStringLiteral(" The assumed loan date is: ")),
                 qPrintable(window->statusText()));
        QCOMPARE(m_main->windowsMenu()->actions().size(), 1);
        QCOMPARE(m_main->windowsMenu()->actions().first()->text(),
                 QStringLiteral("Loan Calculator 1"));
        auto* calc = window->findChild<QPushButton*>("btnCalc");
        QCOMPARE(calc->toolTip(), QStringLiteral("Calculate [Alt][C]"));
        QCOMPARE(window->choice(QStringLiteral("cbxCmpPYR"))->count(), 13);
        QCOMPARE(window->choice(QStringLiteral("cbxCmpPYR"))->maxVisibleItems(), 13);

        // F1 asks for the focused field's topic; the Help button for the window's.
        QList<int> topics;
        HelpRouter::instance().setHandler(
            [&topics](const HelpRouter::Request& request) { topics << request.topic; });
        QCOMPARE(HelpRouter::topicFor(window->field(QStringLiteral("oedRate"))), 81);
        QCOMPARE(HelpRouter::topicFor(window->choice(QStringLiteral("cbxAmortMthd"))), 12);
        press(*window, "btnHelp");
        HelpRouter::instance().setHandler({});
        QCOMPARE(topics, QList<int>{8});

        window->resize(600, 700);
        window->resetToDefaultSize();
        const QSize size = window->defaultSize();
        QCOMPARE(window->size(), size);
        window->close();
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
        QCOMPARE(m_settings->store().ReadInteger("LoanCalc1", "width", 0), size.width());
        QCOMPARE(m_settings->store().ReadInteger("LoanCalc1", "Height", 0), size.height());
        QVERIFY(m_main->windowsMenu()->actions().isEmpty());
    }

    void regionalMasksReplaceTheDesignedFormats() {
        calvora::TRegionalSettings regional = calvora::TRegionalSettings::UnitedStates();
        regional.CountryCode = 49;
        const calvora::TMasks masks(regional);
        App().masks = &masks;
        TCalcWindow* window = openLoan();
        const calvora::TNumberMask& money = masks.MoneyMask();
        QCOMPARE(window->field(QStringLiteral("oedPV"))->editFormat().Digits, money.Digits);
        QCOMPARE(window->field(QStringLiteral("oedInterest"))->editFormat().RightInfo,
                 QString::fromStdString(money.RightInfo));
        QCOMPARE(window->field(QStringLiteral("oedNumPmts"))->editFormat().Digits,
                 masks.CountMask().Digits);
        QCOMPARE(window->field(QStringLiteral("oedDefaultRate"))->editFormat().Decimals,
                 masks.RateMask().Decimals);
        window->close();
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
        App().masks = nullptr;
    }

    void buttonHintsFollowTheMainWindowsOption() {
        m_main->toggleOption(TfrmCalvoraMain::Option::ShowButtonHints);
        QVERIFY(!m_main->isOptionChecked(TfrmCalvoraMain::Option::ShowButtonHints));
        TCalcWindow* window = openLoan();
        QVERIFY(window->findChild<QPushButton*>("btnCalc")->toolTip().isEmpty());
    }

    void resetClearsTheValuesUnlessDefaultsApply() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        press(*window, "btnCalc");
        window->choice(QStringLiteral("cbxAmortMthd"))->setCurrentIndex(1);
        press(*window, "btnReset");
        QCOMPARE(value(*window, "oedPV"), 0.0);
        QCOMPARE(value(*window, "oedRate"), 0.0);
        QCOMPARE(value(*window, "oedPmt"), 0.0);
        QCOMPARE(window->choice(QStringLiteral("cbxAmortMthd"))->currentIndex(), 0);
        QVERIFY(window->field(QStringLiteral("oedPV"))->hasFocus());
    }

    void withoutRestoreAWindowOpensWhereCopyOneWasSaved() {
        m_settings->store().WriteBounds("LoanCalc1", {120, 90, 420, 480});
        m_settings->store().WriteBounds("LoanCalc2", {300, 200, 430, 490});
        TCalcWindow* first = openLoan();
        QCOMPARE(first->size(), QSize(420, 480));
        m_main->toggleOption(TfrmCalvoraMain::Option::RestorePositions);
        TCalcWindow* second = openLoan();
        QCOMPARE(second->positionKey(), QStringLiteral("LoanCalc2"));
        QCOMPARE(second->size(), QSize(420, 480));
    }

    void escTakesBackTypingThenCloses() {
        TCalcWindow* window = openLoan();
        type(*window, "oedPV", QStringLiteral("123"));
        TqvNumEdit* amount = window->field(QStringLiteral("oedPV"));
        QTest::keyClick(amount, Qt::Key_Escape);
        QCOMPARE(amount->value(), 0.0);
        QVERIFY(window->isVisible());
        QTest::keyClick(amount, Qt::Key_Escape);
        QTRY_VERIFY(m_main->windowTable().openCount() == 0);
    }
};

QTEST_MAIN(LoanCalcTest)
#include "loan_calc_test.moc"
