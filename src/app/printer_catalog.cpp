#include "app/printer_catalog.h"

#include "calculators/report_printer_select.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

class QtPrinterCatalog : public PrinterCatalog {
public:
    QStringList printerNames() const override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultPrinterName() const override { return QPrinterInfo::defaultPrinterName(); }
};

} // namespace

const PrinterCatalog& SystemPrinters() {
    static QtPrinterCatalog catalog;
    return catalog;
}

QString SelectReportPrinter(const PrinterCatalog& catalog, const QString& wanted) {
    const QStringList names = catalog.printerNames();
    std::vector<std::string> installed;
    installed.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        installed.push_back(name.toStdString());
    const int index = calvora::SelectPrinterIndex(installed, wanted.toStdString());
    return index < 0 ? QString() : names.at(index);
}

void ApplyReportPrinter(QPrinter& printer, const PrinterCatalog& catalog, const QString& wanted) {
    const QString name = SelectReportPrinter(catalog, wanted);
    if (!name.isEmpty())
        printer.setPrinterName(name);
}
