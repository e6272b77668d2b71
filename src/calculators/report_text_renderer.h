#pragma once

#include "calculators/report_page.h"

#include <string>
#include <vector>

namespace calvora {

/// Renders report pages as plain text on a fixed character grid: `charsPerInch` columns
/// and the writer's lines per inch rows (a text's row is its baseline's line). Texts are
/// placed by their anchor and alignment; blanks do not erase what is under them; trailing
/// blanks are dropped; pages are separated by a form feed. Bold is not shown.
std::string RenderReportText(const std::vector<TReportPage>& pages, double linesPerInch = 6,
                             double charsPerInch = 12);

/// Columns per inch of a fixed-pitch font of `fontSize` points (glyphs 0.6 em wide):
/// 12 for 10 points.
double CharsPerInchForFont(int fontSize);

} // namespace calvora
