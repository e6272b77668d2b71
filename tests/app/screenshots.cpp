// Renders the main window and its dialogs to PNG files for looking at them (not a test).
// Usage: calvora_screenshots <output folder> [scale]
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/printer_catalog.h"
#include "app/printer_form.h"
#include "app/skin_dialog.h"
#include "app/skin_engine.h"
#include "app/tool_window.h"
#include "persistence/app_info_xml.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStyleFactory>
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
    }
    THelpViewer::instance().showTopic(8);
    Save(THelpViewer::instance(), out, QStringLiteral("help"));
    return 0;
}
