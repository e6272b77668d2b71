#pragma once

#include "calculators/report_page.h"

#include <vector>

#include <QString>

class QPainter;
class QPrinter;
class QWidget;

// Draws report pages on a paint device whose origin is the paper's top-left corner,
// `dotsPerInchX` by `dotsPerInchY`. A report font that is not installed falls back to a
// fixed-pitch face.
void PaintReportPage(QPainter& painter, const calvora::TReportPage& page,
                     const calvora::TReportPrinterConfig& config, double dotsPerInchX,
                     double dotsPerInchY);

// Prints pages FirstPage..LastPage of the report on `printer` (full page, no margins of its
// own). False when the printer cannot be started.
bool PaintReport(QPrinter& printer, const std::vector<calvora::TReportPage>& pages,
                 const calvora::TReportPrinterConfig& config);

// Writes the report as a PDF file. False when the file cannot be written.
bool WriteReportPdf(const QString& fileName, const std::vector<calvora::TReportPage>& pages,
                    const calvora::TReportPrinterConfig& config, const QString& title = {});

// Shows the report in a print preview with Print and "Save as PDF..." on its tool bar. The
// printer is the stored default printer (DefaultPrinter) when one matches.
void PreviewReport(const std::vector<calvora::TReportPage>& pages,
                   const calvora::TReportPrinterConfig& config, const QString& defaultPrinter,
                   const QString& title, QWidget* parent);
