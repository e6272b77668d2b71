#pragma once

// Helpers of the calculator window tests: output that is kept instead of shown, a main
// window with the calculators registered, and the user's keys and clicks.
#include "app/app_context.h"
#include "app/calc_window.h"
#include "app/calc_window_output.h"
#include "app/main_window.h"
#include "app/num_edit.h"
#include "app/report_painter.h"
#include "app/skin_engine.h"
#include "app_test_support.h"

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

// Keeps what a window would print and copy instead of opening a preview; with a PDF file
// named, a print also writes the pages there.
class RecordingOutput : public CalcWindowOutput {
public:
    RecordingOutput() { CalcWindowOutput::install(this); }
    ~RecordingOutput() override { CalcWindowOutput::install(nullptr); }

    void printReport(QWidget*, const std::vector<calvora::TReportPage>& pages,
                     const calvora::TReportPrinterConfig& config, const QString& printer,
                     const QString& title) override {
        printed = pages;
        printerName = printer;
        jobTitle = title;
        if (!pdfFile.isEmpty())
            pdfWritten = WriteReportPdf(pdfFile, pages, config, title);
    }
    void copyText(const QString& text) override { copied << text; }

    std::vector<calvora::TReportPage> printed;
    QString printerName;
    QString jobTitle;
    QString pdfFile;
    bool pdfWritten = false;
    QStringList copied;
};

// The text of a PDF file as pdftotext lays it out; empty when the tool is missing.
inline QString PdfText(const QString& file) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), file, QStringLiteral("-")});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A settings store, recorded prompts and output, and a shown main window; App() points at
// them for the test's lifetime.
class CalcWindowFixture {
public:
    CalcWindowFixture() {
        App() = AppContext{&settings.store(), nullptr, &skins};
        main = std::make_unique<TfrmCalvoraMain>(settings.store(), skins, QSize(1024, 768));
        main->show();
    }
    ~CalcWindowFixture() {
        main.reset();
        App() = AppContext{};
    }

    // Opens the next copy of a kind from the main window and makes it the active window.
    TCalcWindow* open(ToolKind kind) {
        auto* window = qobject_cast<TCalcWindow*>(main->openWindow(kind));
        if (window != nullptr) {
            QApplication::setActiveWindow(window);
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
        }
        return window;
    }

    TempSettings settings;
    RecordingPrompts prompts;
    RecordingOutput output;
    TSkinEngine skins;
    std::unique_ptr<TfrmCalvoraMain> main;
};

// Focuses a numeric field and types keys into it as a user would.
inline void TypeInto(TCalcWindow& window, const char* name, const QString& keys) {
    TqvNumEdit* edit = window.field(QString::fromLatin1(name));
    QVERIFY2(edit != nullptr, name);
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QVERIFY(QTest::qWaitFor([edit] { return edit->hasFocus(); }));
    QTest::keyClicks(edit, keys);
}

inline double FieldValue(TCalcWindow& window, const char* name) {
    return window.field(QString::fromLatin1(name))->value();
}

inline void Press(TCalcWindow& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    QTest::mouseClick(button, Qt::LeftButton);
}
