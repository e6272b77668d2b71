#include "calculators/report_text_renderer.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace calvora {

namespace {

using TextGrid = std::map<long, std::string>;

void PutText(TextGrid& grid, long row, long column, const std::string& text) {
    std::string& line = grid[row];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const long at = column + static_cast<long>(i);
        if (at < 0 || text[i] == ' ')
            continue;
        if (line.size() <= static_cast<std::size_t>(at))
            line.resize(static_cast<std::size_t>(at) + 1, ' ');
        line[static_cast<std::size_t>(at)] = text[i];
    }
}

std::string RenderPage(const TReportPage& page, double linesPerInch, double charsPerInch) {
    TextGrid grid;
    for (const TReportText& item : page.Texts) {
        // Baselines lie at the bottom of their line: y = 1/6" is row 0 at 6 lines per inch.
        const long row = std::lround(item.Y * linesPerInch) - 1;
        const double width = static_cast<double>(item.Text.size());
        double column = item.X * charsPerInch;
        if (item.Align == TReportAlign::Right)
            column -= width;
        else if (item.Align == TReportAlign::Center)
            column -= width / 2;
        PutText(grid, std::max(row, 0L), std::lround(column), item.Text);
    }
    std::string out;
    long nextRow = 0;
    for (auto& [row, line] : grid) {
        out.append(static_cast<std::size_t>(row - nextRow), '\n');
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
        nextRow = row + 1;
    }
    return out;
}

} // namespace

double CharsPerInchForFont(int fontSize) {
    return fontSize > 0 ? 72.0 / (0.6 * fontSize) : 12.0;
}

std::string RenderReportText(const std::vector<TReportPage>& pages, double linesPerInch,
                             double charsPerInch) {
    if (linesPerInch <= 0)
        linesPerInch = 6;
    if (charsPerInch <= 0)
        charsPerInch = 12;
    std::string out;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            out += '\f';
        out += RenderPage(pages[i], linesPerInch, charsPerInch);
    }
    return out;
}

} // namespace calvora
