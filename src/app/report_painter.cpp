#include "app/report_painter.h"

#include "app/printer_catalog.h"
#include "app/user_prompts.h"

#include <algorithm>

#include <QAction>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

using calvora::TReportAlign;
using calvora::TReportPage;
using calvora::TReportPrinterConfig;

namespace {

QFont ReportFont(const calvora::TReportFont& font) {
    QFont qfont(QString::fromStdString(font.Name));
    qfont.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    qfont.setPointSizeF(font.Size > 0 ? font.Size : 10);
    qfont.setBold(font.Bold);
    return qfont;
}

QPageLayout LayoutOf(const TReportPrinterConfig& config) {
    const QPageSize size(QSizeF(config.PaperWidth, config.PaperHeight), QPageSize::Inch);
    return QPageLayout(size, config.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

void PaintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<TReportPage>& pages,
                const TReportPrinterConfig& config, double dpiX, double dpiY) {
    const int first = std::max(config.FirstPage, 1);
    const int last = std::min<int>(config.LastPage, static_cast<int>(pages.size()));
    for (int number = first; number <= last; ++number) {
        if (number > first)
            device.newPage();
        PaintReportPage(painter, pages[static_cast<std::size_t>(number - 1)], config, dpiX, dpiY);
    }
}

} // namespace

void PaintReportPage(QPainter& painter, const TReportPage& page, const TReportPrinterConfig& config,
                     double dotsPerInchX, double dotsPerInchY) {
    const double scaleX = dotsPerInchX * (config.ScaleX > 0 ? config.ScaleX : 100) / 100.0;
    const double scaleY = dotsPerInchY * (config.ScaleY > 0 ? config.ScaleY : 100) / 100.0;
    painter.setPen(Qt::black);
    for (const calvora::TReportText& text : page.Texts) {
        painter.setFont(ReportFont(text.Font));
        const QString shown = QString::fromStdString(text.Text);
        const double width =
            QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(shown);
        double x = text.X * scaleX;
        if (text.Align == TReportAlign::Right)
            x -= width;
        else if (text.Align == TReportAlign::Center)
            x -= width / 2;
        painter.drawText(QPointF(x, text.Y * scaleY), shown);
    }
}

bool PaintReport(QPrinter& printer, const std::vector<TReportPage>& pages,
                 const TReportPrinterConfig& config) {
    printer.setFullPage(true);
    printer.setPageLayout(LayoutOf(config));
    printer.setCopyCount(std::max(config.Copies, 1));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintPages(painter, printer, pages, config, printer.resolution(), printer.resolution());
    return painter.end();
}

bool WriteReportPdf(const QString& fileName, const std::vector<TReportPage>& pages,
                    const TReportPrinterConfig& config, const QString& title) {
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setPageLayout(LayoutOf(config));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Calvora"));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    PaintPages(painter, writer, pages, config, writer.resolution(), writer.resolution());
    return painter.end();
}

void PreviewReport(const std::vector<TReportPage>& pages, const TReportPrinterConfig& config,
                   const QString& defaultPrinter, const QString& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    ApplyReportPrinter(printer, SystemPrinters(), defaultPrinter);
    printer.setDocName(title);
    printer.setFullPage(true);
    printer.setPageLayout(LayoutOf(config));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title.isEmpty() ? QStringLiteral("Print Preview") : title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages, &config](QPrinter* target) {
                         if (!PaintReport(*target, pages, config))
                             UserPrompts::current().fail(
                                 nullptr, QStringLiteral("The printer could not be started."));
                     });
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("Save as PDF..."));
        QObject::connect(pdf, &QAction::triggered, &preview, [&] {
            const QString name = QFileDialog::getSaveFileName(
                &preview, QStringLiteral("Save as PDF"), title + QStringLiteral(".pdf"),
                QStringLiteral("PDF files (*.pdf)"));
            if (!name.isEmpty() && !WriteReportPdf(name, pages, config, title))
                UserPrompts::current().fail(&preview,
                                            QStringLiteral("The PDF file could not be written."));
        });
    }
    preview.exec();
}
