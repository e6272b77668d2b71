#include "calculators/report_page.h"

namespace calvora {

TReportWriter::TReportWriter(TReportPrinterConfig config)
    : m_config(config)
    , m_pages(1) {
    m_x = m_config.MarginLeft;
    m_y = FirstBaseline();
}

double TReportWriter::LineHeight() const {
    // A non-positive line count would stall the writer on one line; fall back to 6.
    const double lines = m_config.LinesPerInch > 0 ? m_config.LinesPerInch : 6.0;
    return 1.0 / lines;
}

double TReportWriter::FirstBaseline() const {
    return m_config.MarginTop + LineHeight();
}

void TReportWriter::SetFont(const std::string& name, int size) {
    m_font.Name = name;
    m_font.Size = size;
}

void TReportWriter::SetTab(double left, TReportAlign align, double width, double margin) {
    m_tabs.push_back({left, width, align, margin});
}

void TReportWriter::GotoXY(double x, double y) {
    m_x = x;
    m_y = y;
}

void TReportWriter::SetYPos(double y) {
    m_x = m_config.MarginLeft;
    m_y = y;
}

void TReportWriter::Add(double x, TReportAlign align, const std::string& text) {
    if (text.empty())
        return;
    m_pages.back().Texts.push_back({x, m_y, align, text, m_font});
}

void TReportWriter::Print(const std::string& text) {
    std::size_t start = 0;
    std::size_t tabIndex = 0;
    bool inTab = false;
    const TReportTab* tab = nullptr;
    while (true) {
        const std::size_t end = text.find('\t', start);
        const std::string piece =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!inTab) {
            Add(m_x, TReportAlign::Left, piece);
        } else if (tab != nullptr) {
            switch (tab->Align) {
            case TReportAlign::Left:
                Add(tab->Left + tab->Margin, TReportAlign::Left, piece);
                break;
            case TReportAlign::Right:
                Add(tab->Left + tab->Width - tab->Margin, TReportAlign::Right, piece);
                break;
            case TReportAlign::Center:
                Add(tab->Left + tab->Width / 2, TReportAlign::Center, piece);
                break;
            }
            m_x = tab->Left + tab->Width;
        }
        if (end == std::string::npos)
            break;
        inTab = true;
        tab = tabIndex < m_tabs.size() ? &m_tabs[tabIndex] : nullptr;
        ++tabIndex;
        start = end + 1;
    }
}

void TReportWriter::PrintLn(const std::string& text) {
    Print(text);
    NewLine();
}

void TReportWriter::PrintLeft(const std::string& text, double x) {
    Add(x, TReportAlign::Left, text);
}

void TReportWriter::PrintRight(const std::string& text, double x) {
    Add(x, TReportAlign::Right, text);
}

void TReportWriter::PrintCenter(const std::string& text, double x) {
    Add(x, TReportAlign::Center, text);
}

void TReportWriter::NewLine() {
    m_x = m_config.MarginLeft;
    m_y += LineHeight();
    if (m_y > m_config.PaperHeight - m_config.MarginBottom)
        NewPage();
}

void TReportWriter::NewPage() {
    m_pages.emplace_back();
    m_x = m_config.MarginLeft;
    m_y = FirstBaseline();
}

std::vector<TReportPage> BuildReport(const TReportPrinterConfig& config,
                                     const TPageWriter& writer) {
    TReportWriter canvas(config);
    if (writer)
        writer(canvas);
    return canvas.Pages();
}

double ReportColumnWidth(int fontSize) {
    if (fontSize >= 1 && fontSize <= 8)
        return 1.5;
    if (fontSize == 9 || fontSize == 10)
        return 2.0;
    if (fontSize == 11 || fontSize == 12)
        return 2.5;
    if (fontSize == 13 || fontSize == 14)
        return 3.0;
    return 3.25;
}

void SetReportColumns(TReportWriter& writer, double centre, int fontSize) {
    const double width = ReportColumnWidth(fontSize);
    writer.ClearTabs();
    writer.SetTab(centre - width, TReportAlign::Left, width, 0.02);
    writer.SetTab(centre, TReportAlign::Right, width, 0.02);
}

} // namespace calvora
