// Printer selection, the default-printer dialog and reports rendered to PDF.
#include "app/printer_catalog.h"
#include "app/printer_form.h"
#include "app/report_painter.h"
#include "app_test_support.h"

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

class FixedPrinters : public PrinterCatalog {
public:
    explicit FixedPrinters(QStringList names, QString systemDefault = {})
        : m_names(std::move(names))
        , m_default(std::move(systemDefault)) {}
    QStringList printerNames() const override { return m_names; }
    QString defaultPrinterName() const override { return m_default; }

private:
    QStringList m_names;
    QString m_default;
};

const QStringList kInstalled = {QStringLiteral("Office LaserJet (2nd floor)"),
                                QStringLiteral("Laser"), QStringLiteral("Brother HL-L2350DW")};

// Two pages: a calculator report's opening, then one line on the next page.
std::vector<calvora::TReportPage> SampleReport(const calvora::TReportPrinterConfig& config) {
    return calvora::BuildReport(config, [](calvora::TReportWriter& writer) {
        writer.SetFont("Courier New", 10);
        calvora::SetReportColumns(writer, 4.25, 10);
        writer.SetYPos(1.5);
        writer.SetBold(true);
        writer.PrintCenter("Loan Calculator 1", 4.25);
        writer.SetBold(false);
        writer.NewLine();
        writer.NewLine();
        writer.PrintLn("\tAmount of Loan?:\t$10,000.00");
        writer.PrintLn("\tTotal Periods? (#):\t60");
        writer.NewPage();
        writer.PrintLeft("Second page", 1.0);
    });
}

QString PdfText(const QString& file) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void selectsByExactThenPartialName_data() {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("selected");
        QTest::newRow("exact beats an earlier partial") << "Laser"
                                                        << "Laser";
        QTest::newRow("partial") << "Brother"
                                 << "Brother HL-L2350DW";
        QTest::newRow("partial, any case") << "laserjet"
                                           << "Office LaserJet (2nd floor)";
        QTest::newRow("stored default name") << "DefaultPrinter"
                                             << "";
        QTest::newRow("unknown") << "Epson"
                                 << "";
    }

    void selectsByExactThenPartialName() {
        QFETCH(QString, wanted);
        QFETCH(QString, selected);
        QCOMPARE(SelectReportPrinter(FixedPrinters(kInstalled), wanted), selected);
    }

    void dialogHighlightsAndStoresThePrinter() {
        TempSettings settings;
        settings.store().Set(calvora::appkeys::DefaultPrinter, "Brother");
        TfrmSetPrinter dialog(settings.store(), FixedPrinters(kInstalled, QStringLiteral("Laser")));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Calvora's Default Printer"));
        QCOMPARE(dialog.printerList()->count(), 3);
        QCOMPARE(dialog.printerList()->currentItem()->text(), QStringLiteral("Brother HL-L2350DW"));
        QCOMPARE(dialog.systemDefaultLabel()->text(), QStringLiteral("Laser"));
        QCOMPARE(dialog.programDefaultLabel()->text(), QStringLiteral("Brother"));

        dialog.printerList()->setCurrentRow(1);
        dialog.accept();
        QCOMPARE(settings.reopen().ReadString("Printer", "DefaultPrinter", "?"),
                 std::string("Laser"));
    }

    void cancelStoresNothing() {
        TempSettings settings;
        TfrmSetPrinter dialog(settings.store(), FixedPrinters(kInstalled));
        dialog.printerList()->setCurrentRow(2);
        dialog.reject();
        QCOMPARE(settings.reopen().ReadString("Printer", "DefaultPrinter", "?"), std::string("?"));
    }

    void noPrintersInstalledStoresNothingOnOk() {
        TempSettings settings;
        settings.store().Set(calvora::appkeys::DefaultPrinter, "Old Printer");
        TfrmSetPrinter dialog(settings.store(), FixedPrinters({}));
        QCOMPARE(dialog.printerList()->count(), 0);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(settings.reopen().ReadString("Printer", "DefaultPrinter", "?"),
                 std::string("Old Printer"));
    }

    void reportToPdfReadsBack() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("loan.pdf"));
        const calvora::TReportPrinterConfig config;
        QVERIFY(WriteReportPdf(file, SampleReport(config), config,
                               QStringLiteral("Loan Calculator 1")));
        const QString text = PdfText(file);
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, qPrintable(text));
        QVERIFY(pages[0].contains(QStringLiteral("Loan Calculator 1")));
        QVERIFY(pages[1].contains(QStringLiteral("Second page")));
        // Label and value share one line, the label to the left.
        const QStringList lines = pages[0].split(QLatin1Char('\n'));
        bool found = false;
        for (const QString& line : lines) {
            const qsizetype label = line.indexOf(QStringLiteral("Amount of Loan?:"));
            const qsizetype value = line.indexOf(QStringLiteral("$10,000.00"));
            if (label >= 0 && value > label)
                found = true;
        }
        QVERIFY2(found, qPrintable(pages[0]));
        QVERIFY(pages[0].contains(QStringLiteral("Total Periods? (#):")));
    }

    void pageRangeLimitsWhatIsWritten() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("second.pdf"));
        calvora::TReportPrinterConfig config;
        config.FirstPage = 2;
        QVERIFY(WriteReportPdf(file, SampleReport(config), config));
        const QString text = PdfText(file);
        QVERIFY(text.contains(QStringLiteral("Second page")));
        QVERIFY(!text.contains(QStringLiteral("Loan Calculator 1")));
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
