#include "app/calc_window_output.h"

#include "app/report_painter.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

CalcWindowOutput* g_installed = nullptr;

} // namespace

void CalcWindowOutput::printReport(QWidget* parent, const std::vector<calvora::TReportPage>& pages,
                                   const calvora::TReportPrinterConfig& config,
                                   const QString& printerName, const QString& title) {
    PreviewReport(pages, config, printerName, title, parent);
}

void CalcWindowOutput::copyText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

CalcWindowOutput& CalcWindowOutput::current() {
    static CalcWindowOutput standard;
    return g_installed != nullptr ? *g_installed : standard;
}

void CalcWindowOutput::install(CalcWindowOutput* output) {
    g_installed = output;
}
