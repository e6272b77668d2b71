#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

// The printers installed on the system. The set-up dialog and the report printer ask this
// interface, so tests can stand in for the print system.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    virtual QStringList printerNames() const = 0;
    // The operating system's default printer; empty when there is none.
    virtual QString defaultPrinterName() const = 0;
};

// The print system's printers (CUPS on Linux).
const PrinterCatalog& SystemPrinters();

// The printer for the stored DefaultPrinter name: exact match first, then a name that
// contains it; empty when none matches (the current printer stays).
QString SelectReportPrinter(const PrinterCatalog& catalog, const QString& wanted);

// Points `printer` at the stored default printer when one matches.
void ApplyReportPrinter(QPrinter& printer, const PrinterCatalog& catalog, const QString& wanted);
