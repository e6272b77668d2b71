#pragma once

#include "calculators/report_page.h"

#include <string>
#include <vector>

#include <QString>

class QWidget;

// Where the calculator windows send their printed reports and copied texts. The default
// shows the report in the print preview (with Print and "Save as PDF...") and puts the text
// on the system clipboard; tests install their own.
class CalcWindowOutput {
public:
    virtual ~CalcWindowOutput() = default;
    virtual void printReport(QWidget* parent, const std::vector<calvora::TReportPage>& pages,
                             const calvora::TReportPrinterConfig& config,
                             const QString& printerName, const QString& title);
    // Clears the clipboard and puts the text on it as plain text.
    virtual void copyText(const QString& text);

    // The output in use (never null).
    static CalcWindowOutput& current();
    // Replaces the output in use; null puts the default back. Not owned.
    static void install(CalcWindowOutput* output);
};
