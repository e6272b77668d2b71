// Renders the main window and its dialogs to PNG files for looking at them (not a test).
// Usage: calvora_screenshots <output folder> [scale]
#include "app/app_context.h"
#include "app/calculator_windows.h"
#include "app/help_viewer.h"
#include "app/interest_calc.h"
#include "app/loan_calc.h"
#include "app/main_window.h"
#include "app/num_edit.h"
#include "app/printer_catalog.h"
#include "app/printer_form.h"
#include "app/skin_dialog.h"
#include "app/skin_engine.h"
#include "app/tool_window.h"
#include "persistence/app_info_xml.h"

#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

class NamedPrinters : public PrinterCatalog {
public:
    QStringList printerNames() const override {
        return {QStringLiteral("Office LaserJet 4200"), QStringLiteral("Brother HL-L2350DW"),
                QStringLiteral("PDF Printer")};
    }
    QString defaultPrinterName() const override { return QStringLiteral("Office LaserJet 4200"); }
};

// Stands in for a calculator window so the launch buttons show enabled.
class DummyWindow : public TToolWindow {
public:
    using TToolWindow::TToolWindow;
};

void Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    QTest::qWait(150);
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// One calculator window with a calculation done: field names and values, then Calc.
struct CalculatorShot {
    QString file;
    std::function<TCalcWindow*(QWidget*)> make;
    std::vector<std::pair<const char*, double>> values;
};

void SaveCalculators(QWidget& owner, const QString& folder) {
    const std::vector<CalculatorShot> shots = {
        {QStringLiteral("calc-loan"),
         [](QWidget* o) { return new TcalcLoan(o); },
         {{"oedPV", 100000}, {"oedNumPmts", 360}, {"oedRate", 6}, {"oedPmt", 0}}},
        {QStringLiteral("calc-interest"),
         [](QWidget* o) { return new TcalcInterest(o); },
         {{"oedPV", 10000}, {"oedRate", 5}, {"oedNumDays", 365}}},
        {QStringLiteral("calc-accel"),
         [](QWidget* o) { return new TcalcAccPmt(o); },
         {{"oedPV", 100000},
          {"oedNumPmts", 360},
          {"oedRate", 6},
          {"oedIncAfter", 1},
          {"oedExtraPd", 100}}},
        {QStringLiteral("calc-balloon"),
         [](QWidget* o) { return new TcalcBallPmt(o); },
         {{"pedPV", 100000},
          {"pedRate", 6},
          {"pedPeriodDue", 60},
          {"pedPmt", 0},
          {"pedFV", 50000}}},
        {QStringLiteral("calc-rembal"),
         [](QWidget* o) { return new TcalcRemBal(o); },
         {{"oedPV", 100000}, {"oedNumPmts", 360}, {"oedRate", 6}, {"oedBalAfter", 60}}},
        {QStringLiteral("calc-auto"),
         [](QWidget* o) { return new TcalcAutomobileLoan(o); },
         {{"oedCarPrice", 25000}, {"oedDownPayment", 5000}, {"oedNumPeriods", 60}, {"oedRate", 7}}},
        {QStringLiteral("calc-mortgage"),
         [](QWidget* o) { return new TcalcMortgageLoan(o); },
         {{"oedPrice", 300000},
          {"oedDownPaymentPercentage", 20},
          {"oedNumPeriods", 360},
          {"oedRate", 6.5}}},
    };
    for (const CalculatorShot& shot : shots) {
        TCalcWindow* window = shot.make(&owner);
        window->setupWindow({});
        QTest::qWait(50);
        for (const auto& [name, value] : shot.values)
            window->field(QString::fromLatin1(name))->setValue(value);
        if (auto* start = window->datePicker(QStringLiteral("oedStartDate")))
            start->setDate(QDate(2026, 3, 1));
        window->calc();
        Save(*window, folder, shot.file);
        auto* pages = window->findChild<QTabWidget*>();
        pages->setCurrentIndex(TCalcWindow::OptionsPage);
        Save(*window, folder, shot.file + QStringLiteral("-options"));
        pages->setCurrentIndex(TCalcWindow::CalculatorPage);
        window->close();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir home;
    calvora::TFixedSystemOwner owner("Pat Example", "");
    calvora::TAppInfoEnvironment environment;
    environment.AppFolder = home.path().toStdString() + "/";
    environment.Regional = calvora::TRegionalSettings::UnitedStates();
    environment.Owner = &owner;
    calvora::TAppInfoXML settings(environment);

    for (int kind = 0; kind < kToolKindCount; ++kind)
        ToolWindowRegistry::add(static_cast<ToolKind>(kind),
                                [](QWidget* owner) { return new DummyWindow(owner); });
    TSkinEngine skins;
    skins.addClassMapping(QStringLiteral("TqvNumEdit"), QStringLiteral("QLineEdit"));
    {
        TfrmCalvoraMain main(settings, skins, QSize(1280, 800));
        Save(main, out, QStringLiteral("main"));
        for (const QString& skin : TSkinEngine::skinFiles(TSkinEngine::programSkinsFolder())) {
            skins.loadSkinFile(TSkinEngine::programSkinsFolder() + skin);
            skins.setActive(true);
            Save(main, out, QStringLiteral("main-") + QFileInfo(skin).completeBaseName());
        }
        skins.setActive(false);
        TfrmSetPrinter printer(settings, NamedPrinters(), &main);
        Save(printer, out, QStringLiteral("printer"));
        TfrmSkin skinDialog(settings, skins, &main);
        skinDialog.skinBox()->setCurrentIndex(0);
        Save(skinDialog, out, QStringLiteral("skin-dialog"));
        App() = AppContext{&settings, nullptr, &skins};
        SaveCalculators(main, out);
        App() = AppContext{};
    }
    THelpViewer::instance().showTopic(8);
    Save(THelpViewer::instance(), out, QStringLiteral("help"));
    return 0;
}
