// Device-independent report pages and their plain-text rendering.
#include "calculators/report_page.h"
#include "calculators/report_text_renderer.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

// A calculator report's opening: title centred on 4.25", then one label/value line in the
// two value columns (10-point font: columns 2.0" wide meeting at 4.25").
void WriteLoanHead(TReportWriter& writer) {
    writer.SetFont("Courier New", 10);
    SetReportColumns(writer, 4.25, 10);
    writer.SetYPos(1.5);
    writer.SetBold(true);
    writer.PrintCenter("Loan Calculator 1", 4.25);
    writer.SetBold(false);
    writer.NewLine();
    writer.NewLine();
    writer.PrintLn("\tAmount of Loan?:\t$10,000.00");
}

TEST(ReportWriter, PlacesTitleAndTabbedColumnsInInches) {
    const auto pages = BuildReport({}, WriteLoanHead);
    ASSERT_EQ(pages.size(), 1u);
    const auto& texts = pages[0].Texts;
    ASSERT_EQ(texts.size(), 3u);

    EXPECT_EQ(texts[0].Text, "Loan Calculator 1");
    EXPECT_EQ(texts[0].Align, TReportAlign::Center);
    EXPECT_DOUBLE_EQ(texts[0].X, 4.25);
    EXPECT_DOUBLE_EQ(texts[0].Y, 1.5);
    EXPECT_TRUE(texts[0].Font.Bold);

    // Label column from 2.25" (4.25 - 2.0) plus the 0.02" inner margin.
    EXPECT_EQ(texts[1].Text, "Amount of Loan?:");
    EXPECT_EQ(texts[1].Align, TReportAlign::Left);
    EXPECT_DOUBLE_EQ(texts[1].X, 2.27);
    EXPECT_NEAR(texts[1].Y, 1.5 + 2.0 / 6.0, 1e-12);
    EXPECT_FALSE(texts[1].Font.Bold);

    // Value column 4.25" to 6.25", text ending 0.02" inside its right edge.
    EXPECT_EQ(texts[2].Text, "$10,000.00");
    EXPECT_EQ(texts[2].Align, TReportAlign::Right);
    EXPECT_DOUBLE_EQ(texts[2].X, 6.23);
}

TEST(ReportWriter, ColumnWidthFollowsFontSize) {
    struct Case {
        int size;
        double width;
    } const data[] = {{0, 3.25}, {1, 1.5},  {8, 1.5},  {9, 2.0},   {10, 2.0}, {11, 2.5},
                      {12, 2.5}, {13, 3.0}, {14, 3.0}, {15, 3.25}, {-4, 3.25}};
    for (const Case& c : data) {
        EXPECT_DOUBLE_EQ(ReportColumnWidth(c.size), c.width) << "size " << c.size;
        TReportWriter writer;
        SetReportColumns(writer, 4.25, c.size);
        ASSERT_EQ(writer.Tabs().size(), 2u);
        // The two columns meet at the centre line.
        EXPECT_DOUBLE_EQ(writer.Tabs()[0].Left + writer.Tabs()[0].Width, 4.25);
        EXPECT_DOUBLE_EQ(writer.Tabs()[1].Left, 4.25);
    }
}

TEST(ReportWriter, TabsBeyondTheLastStopAndEmptyPiecesAreDropped) {
    TReportWriter writer;
    writer.SetTab(1.0, TReportAlign::Left, 1.0, 0);
    writer.Print("\t\tlost");
    writer.Print("\tkept");
    ASSERT_EQ(writer.Pages()[0].Texts.size(), 1u);
    EXPECT_EQ(writer.Pages()[0].Texts[0].Text, "kept");
    EXPECT_DOUBLE_EQ(writer.Pages()[0].Texts[0].X, 1.0);
}

TEST(ReportWriter, NewLineReturnsToTheLeftMarginAndBreaksPages) {
    TReportPrinterConfig config;
    config.MarginLeft = 0.3;
    config.PaperHeight = 1.0; // six lines of 1/6"
    TReportWriter writer(config);
    for (int line = 0; line < 7; ++line)
        writer.PrintLn("line " + std::to_string(line));
    ASSERT_EQ(writer.Pages().size(), 2u);
    EXPECT_EQ(writer.Pages()[0].Texts.size(), 6u);
    EXPECT_DOUBLE_EQ(writer.Pages()[1].Texts[0].X, 0.3);
    EXPECT_NEAR(writer.Pages()[1].Texts[0].Y, 1.0 / 6.0, 1e-12);
}

TEST(ReportWriter, NonPositiveLinesPerInchFallsBackToSix) {
    TReportPrinterConfig config;
    config.LinesPerInch = 0;
    TReportWriter writer(config);
    EXPECT_DOUBLE_EQ(writer.LineHeight(), 1.0 / 6.0);
}

TEST(ReportTextRenderer, PutsTextsOnACharacterGrid) {
    // 12 columns and 6 rows per inch. Title: 17 characters centred on column 51 start at
    // 42.5, rounded to 43; baseline 1.5" is row 9, index 8. Label at 2.27" is column 27
    // (27.24); the value ends at 6.23" (74.76) and starts at 64.76, column 65; two lines
    // lower, index 10.
    const std::string text = RenderReportText(BuildReport({}, WriteLoanHead));
    const std::string expected = std::string(8, '\n') + std::string(43, ' ') +
                                 "Loan Calculator 1\n\n" + std::string(27, ' ') +
                                 "Amount of Loan?:" + std::string(22, ' ') + "$10,000.00\n";
    EXPECT_EQ(text, expected);
}

TEST(ReportTextRenderer, SeparatesPagesWithFormFeedAndKeepsTextUnderBlanks) {
    TReportPage first;
    first.Texts.push_back({0, 1.0 / 6.0, TReportAlign::Left, "abcdef", {}});
    first.Texts.push_back({0, 1.0 / 6.0, TReportAlign::Left, "  X", {}});
    TReportPage second;
    second.Texts.push_back({1.0, 1.0 / 6.0, TReportAlign::Right, "end", {}});
    EXPECT_EQ(RenderReportText({first, second}), "abXdef\n\f         end\n");
}

TEST(ReportTextRenderer, FixedPitchColumnsPerInch) {
    EXPECT_DOUBLE_EQ(CharsPerInchForFont(10), 12.0);
    EXPECT_DOUBLE_EQ(CharsPerInchForFont(12), 10.0);
    EXPECT_DOUBLE_EQ(CharsPerInchForFont(0), 12.0);
}

} // namespace
} // namespace calvora
