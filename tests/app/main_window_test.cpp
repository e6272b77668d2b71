// The main window: window table, option marks and their keys, bounds, drops, skins,
// status bar, and the start-up duties.
#include "app/main_window.h"
#include "app/skin_engine.h"
#include "app/startup.h"
#include "app_test_support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

const QString kUnsupported = QStringLiteral(
    "Data file was created with an unsupported version.\r\rOr unrecognized file type.");

// A tool window that records what the main window handed it.
class FakeToolWindow : public TToolWindow {
public:
    using TToolWindow::TToolWindow;
    static inline QList<ToolWindowSetup> setups;

    void setupWindow(const ToolWindowSetup& setup) override {
        setWindowTitle(QStringLiteral("Fake Calculator %1").arg(setup.copy));
        setups << setup;
        TToolWindow::setupWindow(setup);
    }
};

TToolWindow* MakeFake(QWidget* owner) {
    return new FakeToolWindow(owner);
}

QString WriteFile(const QString& folder, const QString& name) {
    const QString path = folder + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("x");
    return path;
}

// Bounds as a hand-edited or foreign file may hold them (WriteBounds never stores a
// negative position).
void WriteRawBounds(calvora::TAppInfoXML& store, const QRect& bounds) {
    store.WriteInteger("MainForm", "Left", bounds.x());
    store.WriteInteger("MainForm", "Top", bounds.y());
    store.WriteInteger("MainForm", "width", bounds.width());
    store.WriteInteger("MainForm", "Height", bounds.height());
}

int WindowsMenuItems(const TfrmCalvoraMain& main) {
    return static_cast<int>(main.windowsMenu()->actions().size());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempSettings> m_settings;
    std::unique_ptr<RecordingPrompts> m_prompts;
    std::unique_ptr<TSkinEngine> m_skins;

    std::unique_ptr<TfrmCalvoraMain> makeMain(QSize screen = QSize(1024, 768)) {
        return std::make_unique<TfrmCalvoraMain>(m_settings->store(), *m_skins, screen);
    }

private slots:
    void initTestCase() {
        for (ToolKind kind : {ToolKind::Loan, ToolKind::Amortization, ToolKind::Refinance})
            ToolWindowRegistry::add(kind, MakeFake);
    }

    void init() {
        m_settings = std::make_unique<TempSettings>();
        m_prompts = std::make_unique<RecordingPrompts>();
        m_skins = std::make_unique<TSkinEngine>();
        FakeToolWindow::setups.clear();
    }

    void cleanup() {
        m_skins->setActive(false);
        m_skins.reset();
        m_prompts.reset();
        m_settings.reset();
    }

    void twoCopiesPerKindAndSlotsAreReused() {
        auto main = makeMain();
        QVERIFY(!main->windowsMenu()->menuAction()->isEnabled());

        TToolWindow* first = main->openWindow(ToolKind::Loan);
        TToolWindow* second = main->openWindow(ToolKind::Loan);
        QVERIFY(first && second);
        QCOMPARE(first->windowTitle(), QStringLiteral("Fake Calculator 1"));
        QCOMPARE(second->windowTitle(), QStringLiteral("Fake Calculator 2"));
        QCOMPARE(main->windowTable().slot(ToolKind::Loan, 1).window.data(), first);
        QCOMPARE(WindowTable::slotNumber(ToolKind::Loan, 2), 8);
        QCOMPARE(WindowsMenuItems(*main), 2);
        QVERIFY(main->windowsMenu()->menuAction()->isEnabled());

        QVERIFY(main->openWindow(ToolKind::Loan) == nullptr);
        QCOMPARE(m_prompts->informed,
                 QStringList{QStringLiteral("Maximum number of this calculator displayed.")});
        QCOMPARE(main->windowTable().openCount(), 2);

        first->close();
        QVERIFY(main->windowTable().slot(ToolKind::Loan, 1).window.isNull());
        QCOMPARE(WindowsMenuItems(*main), 1);
        TToolWindow* again = main->openWindow(ToolKind::Loan);
        QCOMPARE(again->copyNumber(), 1);
        QCOMPARE(main->windowTable().slot(ToolKind::Loan, 2).window.data(), second);

        again->close();
        second->close();
        QTRY_VERIFY(!main->windowsMenu()->menuAction()->isEnabled());
    }

    void kindsWithoutAWindowStayVisibleAndDisabled() {
        auto main = makeMain();
        main->show();
        QToolButton* interest = main->launchButton(ToolKind::Interest);
        QVERIFY(interest->isVisible());
        QVERIFY(!interest->isEnabled());
        QVERIFY(!main->launchAction(ToolKind::Interest)->isEnabled());
        QVERIFY(main->launchButton(ToolKind::Loan)->isEnabled());
        QVERIFY(main->openWindow(ToolKind::Interest) == nullptr);
        QVERIFY(m_prompts->informed.isEmpty());
    }

    void optionTogglesWriteTheirKeys_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("key");
        QTest::newRow("Show Hints") << int(TfrmCalvoraMain::Option::ShowHints) << "ShowHints";
        QTest::newRow("Show Button Hints")
            << int(TfrmCalvoraMain::Option::ShowButtonHints) << "ShowBtnHints";
        QTest::newRow("Show Toolbar Hints")
            << int(TfrmCalvoraMain::Option::ShowToolbarHints) << "ShowToolBarHints";
        QTest::newRow("Save Positions")
            << int(TfrmCalvoraMain::Option::SavePositions) << "SaveCalculatorPos";
        QTest::newRow("Restore Positions")
            << int(TfrmCalvoraMain::Option::RestorePositions) << "RestoreCalcPos";
        QTest::newRow("Gradient Background")
            << int(TfrmCalvoraMain::Option::GradientBackground) << "ColorBackground";
    }

    void optionTogglesWriteTheirKeys() {
        QFETCH(int, option);
        QFETCH(QString, key);
        const auto which = static_cast<TfrmCalvoraMain::Option>(option);
        {
            auto main = makeMain();
            QAction* action = main->optionAction(which);
            QVERIFY(action->isCheckable());
            QVERIFY(action->isChecked()); // every mark starts on
            action->trigger();
            QVERIFY(!main->isOptionChecked(which));
        }
        // Written at once: the next run reads it from the file.
        calvora::TAppInfoXML& reread = m_settings->reopen();
        QCOMPARE(reread.ReadBool("CommonProperties", key.toStdString(), true), false);
        auto main = makeMain();
        QVERIFY(!main->optionAction(which)->isChecked());
        main->optionAction(which)->trigger();
        QCOMPARE(m_settings->reopen().ReadBool("CommonProperties", key.toStdString(), false), true);
    }

    void buttonHintsFollowTheMarkButOpenWindowsKeepTheirs() {
        auto main = makeMain();
        QCOMPARE(
            main->launchButton(ToolKind::Loan)->toolTip(),
            QStringLiteral("Solve for any unknown\namount of loan, rate, term or payment amount."));
        QCOMPARE(main->launchButton(ToolKind::AutomobileLoan)->toolTip(),
                 QStringLiteral("A loan calculator incorporating\na cash down payment"));
        main->openWindow(ToolKind::Loan);
        main->toggleOption(TfrmCalvoraMain::Option::ShowButtonHints);
        QVERIFY(main->launchButton(ToolKind::Loan)->toolTip().isEmpty());
        QCOMPARE(FakeToolWindow::setups.size(), 1);
        QVERIFY(FakeToolWindow::setups[0].showButtonHints);
        main->openWindow(ToolKind::Loan);
        QVERIFY(!FakeToolWindow::setups[1].showButtonHints);
    }

    void startBoundsRules_data() {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<int>("minimumHeight");
        QTest::newRow("negative left") << true << QRect(-30, 40, 700, 500) << QSize(1024, 768)
                                       << QRect(20, 40, 700, 500) << 442;
        QTest::newRow("left beyond the screen")
            << true << QRect(2000, 40, 700, 500) << QSize(1024, 768) << QRect(20, 40, 700, 500)
            << 442;
        QTest::newRow("top beyond the screen")
            << true << QRect(10, 740, 700, 500) << QSize(1024, 768) << QRect(10, 20, 700, 500)
            << 442;
        QTest::newRow("left at screen width - 50 stays")
            << true << QRect(974, 0, 700, 500) << QSize(1024, 768) << QRect(974, 0, 700, 500)
            << 442;
        QTest::newRow("restore off")
            << false << QRect(300, 200, 700, 500) << QSize(1024, 768) << QRect(0, 0, 680, 400) << 0;
    }

    void startBoundsRules() {
        QFETCH(bool, restore);
        QFETCH(QRect, stored);
        QFETCH(QSize, screen);
        QFETCH(QRect, expected);
        QFETCH(int, minimumHeight);
        WriteRawBounds(m_settings->store(), stored);
        const MainWindowBounds bounds =
            MainWindowStartBounds(m_settings->store(), restore, QRect(5, 5, 624, 442), screen);
        QCOMPARE(bounds.rect, expected);
        QCOMPARE(bounds.minimumHeight, minimumHeight);
    }

    void noStoredBoundsKeepsTheDesignSize() {
        auto main = makeMain();
        QCOMPARE(main->startBounds().rect.size(), QSize(624, 442));
    }

    void firstShowAppliesTheBoundsAndCloseStoresThem() {
        WriteRawBounds(m_settings->store(), QRect(-30, 60, 700, 480));
        {
            auto main = makeMain();
            main->show();
            QVERIFY(QTest::qWaitForWindowExposed(main.get()));
            QCOMPARE(main->pos(), QPoint(20, 60));
            QCOMPARE(main->size(), QSize(700, 480));
            QCOMPARE(main->minimumHeight(), 442);
            main->move(-8, 70);
            main->close();
        }
        calvora::TAppInfoXML& reread = m_settings->reopen();
        QCOMPARE(reread.ReadInteger("MainForm", "Left", 0), 1);
        QCOMPARE(reread.ReadInteger("MainForm", "Top", 0), 70);
        QCOMPARE(reread.ReadInteger("MainForm", "width", 0), 700);
    }

    void saveOffStoresNoBounds() {
        m_settings->store().Set(calvora::appkeys::SaveCalculatorPos, false);
        auto main = makeMain();
        main->show();
        main->close();
        QCOMPARE(m_settings->reopen().ReadInteger("MainForm", "Left", 777), 777);
    }

    void dropOpensTheFirstFileOnly() {
        QTemporaryDir dir;
        const QString first = WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("Loan.BAM"));
        const QString second = WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("b.ref"));
        const QString third = WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("c.ref"));
        auto main = makeMain();
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second), QUrl::fromLocalFile(third)});
        main->dropMimeData(data);
        QCOMPARE(FakeToolWindow::setups.size(), 1);
        QCOMPARE(FakeToolWindow::setups[0].pendingDataFile, first);
        QVERIFY(main->windowTable().slot(ToolKind::Amortization, 1).window);
        QVERIFY(main->windowTable().slot(ToolKind::Refinance, 1).window.isNull());
        QVERIFY(main->pendingDataFile().isEmpty());
        QVERIFY(m_prompts->failed.isEmpty());
    }

    void unknownOrUnopenableFilesGiveTheUnsupportedMessage() {
        QTemporaryDir dir;
        auto main = makeMain();
        main->dropFiles({WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("notes.txt"))});
        QCOMPARE(m_prompts->failed, QStringList{kUnsupported});
        QVERIFY(main->pendingDataFile().isEmpty());
        // A kind with no window built yet is refused the same way.
        ToolWindowRegistry::remove(ToolKind::Refinance);
        main->openDataFile(WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("x.ref")));
        ToolWindowRegistry::add(ToolKind::Refinance, MakeFake);
        QCOMPARE(m_prompts->failed.size(), 2);
        QCOMPARE(FakeToolWindow::setups.size(), 0);
    }

    void refusedThirdCopyStillEmptiesThePendingFile() {
        QTemporaryDir dir;
        const QString file = WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("a.ref"));
        auto main = makeMain();
        main->openWindow(ToolKind::Refinance);
        main->openWindow(ToolKind::Refinance);
        main->openDataFile(file);
        QCOMPARE(m_prompts->informed.size(), 1);
        QVERIFY(main->pendingDataFile().isEmpty());
    }

    void firstActivationOpensTheCommandLineFile() {
        QTemporaryDir dir;
        const QString file = WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("Last.ref"));
        TfrmMain startup({file}, m_settings->store(), *m_skins, QSize(1024, 768));
        QCOMPARE(startup.mainWindow().pendingDataFile(), file);
        QVERIFY(startup.activate());
        QApplication::setActiveWindow(&startup.mainWindow());
        QTRY_COMPARE(FakeToolWindow::setups.size(), 1);
        QCOMPARE(FakeToolWindow::setups[0].pendingDataFile, file);
        QVERIFY(startup.mainWindow().pendingDataFile().isEmpty());
    }

    void fromInstallInAnyCaseShowsNoWindowAndCountsTheRun() {
        {
            TfrmMain startup({QStringLiteral("/fromInstall")}, m_settings->store(), *m_skins,
                             QSize(1024, 768));
            QVERIFY(startup.fromInstall());
            QVERIFY(!startup.activate());
            QVERIFY(!startup.mainWindow().isVisible());
        }
        QCOMPARE(RunCalvora({QStringLiteral("/FromInstall")}, m_settings->store(), *m_skins,
                            QSize(1024, 768)),
                 0);
        QCOMPARE(m_settings->reopen().ReadInteger("Calvora", "RunTimes", 0, true), 1);
    }

    void commandLineArgument() {
        QTemporaryDir dir;
        const QString file =
            WriteFile(dir.path() + QLatin1Char('/'), QStringLiteral("MixedCase.bam"));
        QCOMPARE(PendingFileOf(FirstArgument({file, QStringLiteral("ignored")})), file);
        QVERIFY(
            PendingFileOf(FirstArgument({dir.path() + QStringLiteral("/missing.bam")})).isEmpty());
        QVERIFY(PendingFileOf(FirstArgument({QStringLiteral("/FROMINSTALL")})).isEmpty());
        QVERIFY(PendingFileOf(FirstArgument({})).isEmpty());
        QVERIFY(IsFromInstall(FirstArgument({QStringLiteral("/FrOmInStAlL")})));
    }

    void resolutionCheck_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("runs");
        QTest::addColumn<bool>("shown");
        QTest::newRow("799 wide, 4 runs") << 799 << 4 << true;
        QTest::newRow("799 wide, 5 runs") << 799 << 5 << false;
        QTest::newRow("800 wide, first run") << 800 << 0 << false;
    }

    void resolutionCheck() {
        QFETCH(int, width);
        QFETCH(int, runs);
        QFETCH(bool, shown);
        m_settings->store().WriteInteger("Calvora", "RunTimes", runs, true);
        TfrmMain startup({}, m_settings->store(), *m_skins, QSize(width, 600));
        QCOMPARE(m_prompts->informed.size(), shown ? 1 : 0);
        if (shown)
            QCOMPARE(m_prompts->informed[0],
                     QStringLiteral("Your monitor is not set to a high enough resolution.\r\n"
                                    "Please increase resolution for best results.\r\n"
                                    "The minimum resolution should be 800 x 600\r\n"
                                    "This message will not display after 5 times."));
    }

    void storedSkinThatIsGoneSwitchesSkinningOff() {
        m_settings->store().Set(calvora::appkeys::SkinName, "Gone.skn");
        m_settings->store().Set(calvora::appkeys::HasSkinned, true);
        auto main = makeMain();
        QVERIFY(!m_skins->isActive());
        QCOMPARE(m_settings->reopen().ReadBool("CommonProperties", "HasSkinned", true), false);
        QVERIFY(!main->unskinAction()->isEnabled());
        QVERIFY(m_prompts->failed.isEmpty());
    }

    void storedSkinIsAppliedAndUnSkinResetsTheKeys() {
        QTemporaryDir dir;
        QFile skin(dir.path() + QStringLiteral("/Test.skn"));
        QVERIFY(skin.open(QIODevice::WriteOnly));
        skin.write(
            "[Skin]\nName=Test\nFaceColor=#123456\n[StyleSheet]\nQPushButton { color: red; }\n");
        skin.close();
        m_settings->store().Set(calvora::appkeys::SkinPath,
                                (dir.path() + QLatin1Char('/')).toStdString());
        m_settings->store().Set(calvora::appkeys::SkinName, "Test.skn");
        m_settings->store().Set(calvora::appkeys::HasSkinned, true);
        auto main = makeMain();
        QVERIFY(m_skins->isActive());
        QCOMPARE(SkinFaceColor(), QColor(0x12, 0x34, 0x56));
        QVERIFY(main->unskinAction()->isEnabled());

        main->unskin();
        QVERIFY(!m_skins->isActive());
        QVERIFY(!main->unskinAction()->isEnabled());
        QCOMPARE(SkinFaceColor(), QApplication::palette().color(QPalette::Button));
        calvora::TAppInfoXML& reread = m_settings->reopen();
        QCOMPARE(reread.ReadString("CommonProperties", "SkinPath", "?"), std::string("./skins/"));
        QCOMPARE(reread.ReadString("CommonProperties", "SkinName", "?"), std::string("?"));
        QCOMPARE(reread.ReadBool("CommonProperties", "HasSkinned", true), false);
    }

    void statusBarPanels() {
        auto main = makeMain();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QCOMPARE(main->statusPanel(0)->text(), QStringLiteral("Calvora v.3.0d 01/03/2010"));
        QVERIFY(main->statusPanel(1)->text().isEmpty());
        QVERIFY(!main->statusPanel(2)->text().isEmpty());
        const int width = main->statusBar()->width();
        QCOMPARE(main->statusPanel(0)->width(), int(width * 220.0 / 624.0));
        QCOMPARE(main->statusPanel(1)->width(), int(width * 120.0 / 624.0));
        QCOMPARE(main->windowTitle(), QStringLiteral("Calvora, for Easy Loan Analysis"));
    }

    void resetToDefaultSize() {
        auto main = makeMain();
        main->show();
        main->resize(900, 700);
        main->resetToDefaultSize();
        QCOMPARE(main->size(), QSize(624, 442));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
