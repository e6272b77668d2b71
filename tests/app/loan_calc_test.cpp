// The loan calculator window driven as a user drives it: typed keys, buttons, pages and the
// main window's Loan launcher.
#include "app/help_router.h"
#include "app/loan_calc.h"
#include "calc_window_test_support.h"
#include "calculators/buf_loan.h"
#include "persistence/masks_unit.h"

#include <memory>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
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

    std::unique_ptr<CalcWindowFixture> m_app;

    TCalcWindow* openLoan() { return m_app->open(ToolKind::Loan); }

    // 100000, 360, 6 and 0 typed into the four inputs.
    static void typeLoan(TCalcWindow& window, const QString& rate = QStringLiteral("6")) {
        TypeInto(window, "oedPV", QStringLiteral("100000"));
        TypeInto(window, "oedNumPmts", QStringLiteral("360"));
        TypeInto(window, "oedRate", rate);
        TypeInto(window, "oedPmt", QStringLiteral("0"));
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
        m_app = std::make_unique<CalcWindowFixture>();
    }

    void cleanup() { m_app.reset(); }

    void theUsersPath() {
        TCalcWindow* window = openLoan();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Loan Calculator 1"));
        typeLoan(*window);
        // Alt+C is the Calc button's key.
        QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
        // A button's accelerator clicks it after a short press animation.
        QTRY_COMPARE(FieldValue(*window, "oedPmt"), kPayment6);
        QVERIFY(m_app->prompts.failed.isEmpty());
        QCOMPARE(window->shownMarker(), 4);
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::darkGreen));
        QCOMPARE(FieldValue(*window, "oedInterest"), kInterest6);

        TypeInto(*window, "oedRate", QStringLiteral("7"));
        QVERIFY(!window->resultsFresh());
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::red));
        QCOMPARE(window->shownMarker(), 4);
        Press(*window, "btnCalc");
        QCOMPARE(FieldValue(*window, "oedPmt"), kPayment7);
        QCOMPARE(markerColour(*window, "oedPmt"), QColor(Qt::darkGreen));

        Press(*window, "btnCopy");
        QCOMPARE(m_app->output.copied.size(), 1);
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
        QCOMPARE(m_app->output.copied.first(), expected);

        QTemporaryDir dir;
        m_app->output.pdfFile = dir.filePath(QStringLiteral("loan.pdf"));
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(m_app->output.pdfWritten);
        const QString text = PdfText(m_app->output.pdfFile);
        if (!text.isEmpty()) {
            QVERIFY2(text.contains(QStringLiteral("Loan Calculator 1")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Amount of Loan?:")));
            QVERIFY(text.contains(QStringLiteral("$100,000.00")));
            // The printed rate has four decimals.
            QVERIFY(text.contains(QStringLiteral("7.0000%")));
            QVERIFY(text.contains(QStringLiteral("$665.30")));
        }
        QCOMPARE(m_app->output.jobTitle, QStringLiteral("Loan Calculator 1"));

        // Edited but not calculated: closing keeps the values of the last Calc, Print or Copy.
        TypeInto(*window, "oedPV", QStringLiteral("5"));
        window->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        window = openLoan();
        QCOMPARE(FieldValue(*window, "oedPV"), 100000.0);
        QCOMPARE(FieldValue(*window, "oedNumPmts"), 360.0);
        QCOMPARE(FieldValue(*window, "oedRate"), 7.0);
        QCOMPARE(FieldValue(*window, "oedPmt"), kPayment7);

        // Defaults / Local with a default rate: the next window opens with that rate.
        auto* tabs = window->findChild<QTabWidget*>();
        tabs->setCurrentIndex(TCalcWindow::OptionsPage);
        click(*window, "rbDefaults");
        click(*window, "rbLocal");
        TypeInto(*window, "oedDefaultRate", QStringLiteral("8.5"));
        tabs->setCurrentIndex(TCalcWindow::CalculatorPage);
        window->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        window = openLoan();
        QCOMPARE(FieldValue(*window, "oedRate"), 8.5);
        QCOMPARE(window->findChild<QRadioButton*>("rbDefaults")->isChecked(), true);

        // Two zeros: the message, and the typed values stay.
        QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(FieldValue(*window, "oedRate"), 8.5);
        QTRY_COMPARE(FieldValue(*window, "oedPV"), 0.0);
        TypeInto(*window, "oedPV", QStringLiteral("2500"));
        Press(*window, "btnCalc");
        QCOMPARE(m_app->prompts.failed,
                 QStringList{QStringLiteral("Too many unknowns. Enter only one zero value.")});
        QCOMPARE(FieldValue(*window, "oedPV"), 2500.0);
        QCOMPARE(FieldValue(*window, "oedRate"), 8.5);
    }

    void aCountAbove32767IsRefusedBeforeTheBuffer() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        Press(*window, "btnCalc");
        TypeInto(*window, "oedNumPmts", QStringLiteral("40000"));
        Press(*window, "btnCalc");
        QCOMPARE(m_app->prompts.failed,
                 QStringList{QStringLiteral("Value is not within required range")});
        // The buffer still holds the last Calc: Undo shows it.
        Press(*window, "btnUndo");
        QCOMPARE(FieldValue(*window, "oedNumPmts"), 360.0);
        QCOMPARE(FieldValue(*window, "oedPmt"), kPayment6);
    }

    void undoRestoresEveryFieldOfTheLastCalc() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        Press(*window, "btnCalc");
        TypeInto(*window, "oedPV", QStringLiteral("1"));
        TypeInto(*window, "oedPmt", QStringLiteral("2"));
        window->choice(QStringLiteral("cbxPYR"))->setCurrentIndex(0);
        QTest::keyClick(window, Qt::Key_U, Qt::AltModifier);
        QTRY_COMPARE(FieldValue(*window, "oedPV"), 100000.0);
        QCOMPARE(FieldValue(*window, "oedPmt"), kPayment6);
        QCOMPARE(window->choice(QStringLiteral("cbxPYR"))->currentText(),
                 QStringLiteral("Monthly"));
    }

    void aSecondCopyStartsFromTheFirstCopysCalculation() {
        TCalcWindow* first = openLoan();
        typeLoan(*first);
        Press(*first, "btnCalc");
        TCalcWindow* second = openLoan();
        QCOMPARE(second->windowTitle(), QStringLiteral("Loan Calculator 2"));
        QCOMPARE(second->positionKey(), QStringLiteral("LoanCalc2"));
        QCOMPARE(FieldValue(*second, "oedPmt"), kPayment6);
        QCOMPARE(m_app->main->windowsMenu()->actions().size(), 2);
        QVERIFY(m_app->main->openWindow(ToolKind::Loan) == nullptr);

        // Once the first copy is gone a new copy starts from what was stored, not from it.
        second->close();
        TypeInto(*first, "oedPV", QStringLiteral("50000"));
        Press(*first, "btnCopy");
        first->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        QVERIFY(calvora::LastLoanCalculation.Get() == nullptr);
        TCalcWindow* third = openLoan();
        QCOMPARE(FieldValue(*third, "oedPV"), 50000.0);
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
        auto& store = m_app->settings.store();
        store.WriteBool("LoanCalc", "DefaultLastenteredcalculation", false);
        store.WriteBool("LoanCalc", "DefaultDefaults", true);
        store.WriteBool("LoanCalc", "DefaultGlobal", true);
        store.WriteBool("LoanCalc", "DefaultPublishers", false);
        store.WriteFloat("CommonProperties", "RateText", 5.25);
        store.WriteInteger("CommonProperties", "PYRText", 10);
        auto& reopened = m_app->settings.reopen();
        App().settings = &reopened;
        m_app->main = std::make_unique<TfrmCalvoraMain>(reopened, m_app->skins, QSize(1024, 768));
        TCalcWindow* window = openLoan();
        QCOMPARE(FieldValue(*window, "oedRate"), 5.25);
        QCOMPARE(window->choice(QStringLiteral("cbxPYR"))->currentIndex(), 10);
    }

    void windowFacts() {
        TCalcWindow* window = openLoan();
        QCOMPARE(m_app->settings.store().ReadInteger("LoanCalc", "RunTimes", 0), 1);
        QCOMPARE(window->positionKey(), QStringLiteral("LoanCalc1"));
        // The status bar: a blank, the loan-date caption, a blank, the assumed date.
        QVERIFY2(window->statusText().startsWith(QStringLiteral(" The assumed loan date is: ")),
                 qPrintable(window->statusText()));
        QCOMPARE(m_app->main->windowsMenu()->actions().size(), 1);
        QCOMPARE(m_app->main->windowsMenu()->actions().first()->text(),
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
        Press(*window, "btnHelp");
        HelpRouter::instance().setHandler({});
        QCOMPARE(topics, QList<int>{8});

        window->resize(600, 700);
        window->resetToDefaultSize();
        const QSize size = window->defaultSize();
        QCOMPARE(window->size(), size);
        window->close();
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        QCOMPARE(m_app->settings.store().ReadInteger("LoanCalc1", "width", 0), size.width());
        QCOMPARE(m_app->settings.store().ReadInteger("LoanCalc1", "Height", 0), size.height());
        QVERIFY(m_app->main->windowsMenu()->actions().isEmpty());
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
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
        App().masks = nullptr;
    }

    void buttonHintsFollowTheMainWindowsOption() {
        m_app->main->toggleOption(TfrmCalvoraMain::Option::ShowButtonHints);
        QVERIFY(!m_app->main->isOptionChecked(TfrmCalvoraMain::Option::ShowButtonHints));
        TCalcWindow* window = openLoan();
        QVERIFY(window->findChild<QPushButton*>("btnCalc")->toolTip().isEmpty());
    }

    void resetClearsTheValuesUnlessDefaultsApply() {
        TCalcWindow* window = openLoan();
        typeLoan(*window);
        Press(*window, "btnCalc");
        window->choice(QStringLiteral("cbxAmortMthd"))->setCurrentIndex(1);
        Press(*window, "btnReset");
        QCOMPARE(FieldValue(*window, "oedPV"), 0.0);
        QCOMPARE(FieldValue(*window, "oedRate"), 0.0);
        QCOMPARE(FieldValue(*window, "oedPmt"), 0.0);
        QCOMPARE(window->choice(QStringLiteral("cbxAmortMthd"))->currentIndex(), 0);
        QVERIFY(window->field(QStringLiteral("oedPV"))->hasFocus());
    }

    void withoutRestoreAWindowOpensWhereCopyOneWasSaved() {
        m_app->settings.store().WriteBounds("LoanCalc1", {120, 90, 420, 480});
        m_app->settings.store().WriteBounds("LoanCalc2", {300, 200, 430, 490});
        TCalcWindow* first = openLoan();
        QCOMPARE(first->size(), QSize(420, 480));
        m_app->main->toggleOption(TfrmCalvoraMain::Option::RestorePositions);
        TCalcWindow* second = openLoan();
        QCOMPARE(second->positionKey(), QStringLiteral("LoanCalc2"));
        QCOMPARE(second->size(), QSize(420, 480));
    }

    void escTakesBackTypingThenCloses() {
        TCalcWindow* window = openLoan();
        TypeInto(*window, "oedPV", QStringLiteral("123"));
        TqvNumEdit* amount = window->field(QStringLiteral("oedPV"));
        QTest::keyClick(amount, Qt::Key_Escape);
        QCOMPARE(amount->value(), 0.0);
        QVERIFY(window->isVisible());
        QTest::keyClick(amount, Qt::Key_Escape);
        QTRY_VERIFY(m_app->main->windowTable().openCount() == 0);
    }
};

QTEST_MAIN(LoanCalcTest)
#include "loan_calc_test.moc"
