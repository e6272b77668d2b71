#pragma once

#include <functional>
#include <string>
#include <vector>

namespace calvora {

/// How a piece of text sits on its anchor: starting at it, ending at it, or centred on it.
enum class TReportAlign { Left, Right, Center };

/// Font of a report text: face name, size in points, bold.
struct TReportFont {
    std::string Name = "Courier New";
    int Size = 10;
    bool Bold = false;

    bool operator==(const TReportFont&) const = default;
};

/// One text of a page. X is the anchor in inches from the left paper edge (the start, end
/// or centre by Align); Y is the baseline in inches from the top paper edge.
struct TReportText {
    double X = 0;
    double Y = 0;
    TReportAlign Align = TReportAlign::Left;
    std::string Text;
    TReportFont Font;
};

/// A printed page, device independent: the texts in the order they were written.
struct TReportPage {
    std::vector<TReportText> Texts;
};

/// A tab stop: a column starting Left inches from the paper edge, Width inches wide; the
/// text sits Margin inches inside the column's edge on the side it is aligned to.
struct TReportTab {
    double Left = 0;
    double Width = 0;
    TReportAlign Align = TReportAlign::Left;
    double Margin = 0;
};

/// Set-up of a text report: copies, page range, line height, margins, orientation, scale.
/// Units are inches. Paper size is US Letter unless changed.
struct TReportPrinterConfig {
    int Copies = 1;
    int FirstPage = 1;
    int LastPage = 9999;
    double LinesPerInch = 6;
    double MarginLeft = 0;
    double MarginRight = 0;
    double MarginTop = 0;
    double MarginBottom = 0;
    bool Portrait = true;
    int ScaleX = 100; // percent
    int ScaleY = 100; // percent
    double PaperWidth = 8.5;
    double PaperHeight = 11;
};

/// The canvas a report's page writer draws on. It keeps a current position (X from the
/// left paper edge, Y the baseline from the top edge), a font and a list of tab stops, and
/// collects what is written into pages.
class TReportWriter {
public:
    explicit TReportWriter(TReportPrinterConfig config = {});

    const TReportPrinterConfig& Config() const { return m_config; }

    void SetFont(const std::string& name, int size);
    void SetBold(bool bold) { m_font.Bold = bold; }
    const TReportFont& Font() const { return m_font; }

    void ClearTabs() { m_tabs.clear(); }
    /// Adds a tab stop; `Print` text moves to the next stop at each tab character.
    void SetTab(double left, TReportAlign align, double width, double margin);
    const std::vector<TReportTab>& Tabs() const { return m_tabs; }

    /// Line height: 1 / lines per inch.
    double LineHeight() const;
    double XPos() const { return m_x; }
    double YPos() const { return m_y; }
    void GotoXY(double x, double y);
    /// Moves to `y` inches from the top; the line starts again at the left margin.
    void SetYPos(double y);

    /// Writes at the current position. Each tab character moves to the next tab stop
    /// (in the order they were set) and writes the following text aligned in that column;
    /// tabs beyond the last stop are dropped.
    void Print(const std::string& text);
    /// Print followed by NewLine.
    void PrintLn(const std::string& text);
    void PrintLeft(const std::string& text, double x);
    void PrintRight(const std::string& text, double x);
    void PrintCenter(const std::string& text, double x);
    /// Next line: Y grows by one line height, X returns to the left margin. Past the
    /// bottom margin a new page starts at the top margin plus one line.
    void NewLine();
    void NewPage();

    /// The pages written so far (at least one).
    const std::vector<TReportPage>& Pages() const { return m_pages; }

private:
    void Add(double x, TReportAlign align, const std::string& text);
    double FirstBaseline() const;

    TReportPrinterConfig m_config;
    TReportFont m_font;
    std::vector<TReportTab> m_tabs;
    std::vector<TReportPage> m_pages;
    double m_x = 0;
    double m_y = 0;
};

/// The callback that draws a report's pages (one call per print job).
using TPageWriter = std::function<void(TReportWriter&)>;

/// Runs a page writer on a fresh canvas and returns the pages it wrote.
std::vector<TReportPage> BuildReport(const TReportPrinterConfig& config, const TPageWriter& writer);

/// Width in inches of each of the two value columns of a calculator report, by the
/// report font size: 1.5 for 1-8 points, 2.0 for 9-10, 2.5 for 11-12, 3.0 for 13-14,
/// 3.25 for any other size.
double ReportColumnWidth(int fontSize);

/// Sets the two value columns of a calculator report meeting at `centre` inches: a
/// left-aligned label column and a right-aligned value column, each ReportColumnWidth wide,
/// with an inner margin of 0.02 inch.
void SetReportColumns(TReportWriter& writer, double centre, int fontSize);

} // namespace calvora
