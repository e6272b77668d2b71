#pragma once

#include <QDialog>

class PrinterCatalog;
class QLabel;
class QListWidget;

namespace calvora {
class TAppInfoXML;
}

// "Set Calvora's Default Printer": the installed printers, the system's default and the
// program's own default printer (settings "Printer", DefaultPrinter). OK stores the
// highlighted printer; with no printer highlighted (none installed) nothing is stored.
class TfrmSetPrinter : public QDialog {
    Q_OBJECT

public:
    TfrmSetPrinter(calvora::TAppInfoXML& settings, const PrinterCatalog& printers,
                   QWidget* parent = nullptr);

    QListWidget* printerList() const { return m_list; }
    QLabel* systemDefaultLabel() const { return m_systemDefault; }
    QLabel* programDefaultLabel() const { return m_programDefault; }

    void accept() override;

private:
    calvora::TAppInfoXML& m_settings;
    QListWidget* m_list = nullptr;
    QLabel* m_systemDefault = nullptr;
    QLabel* m_programDefault = nullptr;
};
