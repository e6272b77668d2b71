#include "calculators/calc_buffer_fields.h"
#include "calculators/calc_buffer_lines.h"
#include "calculators/loan_equation_base.h"
#include "calculators/report_text_renderer.h"
#include "finance/financial_lists.h"
#include "persistence/date_pattern.h"
#include "persistence/masks_unit.h"
#include "persistence/number_text.h"

#include <limits>

namespace calvora {

std::string ChoiceText(const ChoiceField& choice) {
    // The row at the index is what the window showed; a text that was not
    // brought up to date with the index must not be printed for it.
    if (choice.Index >= 0 && static_cast<std::size_t>(choice.Index) < choice.Items.size())
        return choice.Items[static_cast<std::size_t>(choice.Index)];
    return choice.Text;
}

bool SelectChoice(ChoiceField& choice, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= choice.Items.size())
        return false;
    choice.Index = index;
    choice.Text = choice.Items[static_cast<std::size_t>(index)];
    return true;
}

std::int16_t CheckedCount16(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw EConvertError("Value is not within required range");
    return static_cast<std::int16_t>(value);
}

void TBufferSettingsIO::Read(std::string_view key, Extended& value) const {
    value = m_settings.ReadFloat(m_section, key, value);
}

void TBufferSettingsIO::Read(std::string_view key, double& value) const {
    value = static_cast<double>(m_settings.ReadFloat(m_section, key, value));
}

void TBufferSettingsIO::Read(std::string_view key, float& value) const {
    value = static_cast<float>(m_settings.ReadFloat(m_section, key, value));
}

void TBufferSettingsIO::Read(std::string_view key, std::int16_t& value) const {
    value = CheckedCount16(m_settings.ReadInteger(m_section, key, value));
}

void TBufferSettingsIO::Read(std::string_view key, std::int32_t& value) const {
    value = m_settings.ReadInteger(m_section, key, value);
}

void TBufferSettingsIO::Read(std::string_view key, std::string& value) const {
    value = m_settings.ReadString(m_section, key, value);
}

void TBufferSettingsIO::Read(std::string_view key, bool& value) const {
    value = m_settings.ReadBool(m_section, key, value);
}

void TBufferSettingsIO::Read(std::string_view key, ChoiceField& value) const {
    // A damaged index must not select a row the list does not have.
    SelectChoice(value, m_settings.ReadInteger(m_section, key, value.Index));
}

void TBufferSettingsIO::ReadDate(std::string_view key, double& value) const {
    const std::string& pattern = m_settings.Regional().ShortDateFormat;
    const std::string text = m_settings.ReadString(m_section, key, FormatDateText(value, pattern));
    value = ParseDateText(text, pattern, TodayDate());
}

void TBufferSettingsIO::Write(std::string_view key, Extended value) {
    m_settings.WriteFloat(m_section, key, value);
}

void TBufferSettingsIO::Write(std::string_view key, std::int32_t value) {
    m_settings.WriteInteger(m_section, key, value);
}

void TBufferSettingsIO::Write(std::string_view key, const std::string& value) {
    m_settings.WriteString(m_section, key, value);
}

void TBufferSettingsIO::Write(std::string_view key, bool value) {
    m_settings.WriteBool(m_section, key, value);
}

void TBufferSettingsIO::WriteDate(std::string_view key, double value) {
    m_settings.WriteString(m_section, key,
                           FormatDateText(value, m_settings.Regional().ShortDateFormat));
}

TCalcOutputStyle OutputStyleOf(const TAppInfoXML& settings) {
    const TAppInfoFields& fields = settings.Fields();
    TCalcOutputStyle style;
    style.Regional = settings.Regional();
    style.FontName = fields.PrinterFontName;
    style.FontSize = fields.PrinterFontSize;
    style.PaperWidth = static_cast<double>(fields.DefaultPaperWidth);
    style.DateMask = TMasks::BuildDateMask(style.Regional.ShortDateFormat);
    return style;
}

std::string FormatLine(std::string_view pattern, const std::vector<FormatArg>& args,
                       const TRegionalSettings& regional) {
    switch (args.size()) {
    case 1:
        return FormatText(pattern, {args[0]}, regional);
    case 2:
        return FormatText(pattern, {args[0], args[1]}, regional);
    case 3:
        return FormatText(pattern, {args[0], args[1], args[2]}, regional);
    default:
        return FormatText(pattern, {args.at(0), args.at(1), args.at(2), args.at(3)}, regional);
    }
}

std::string PrintedLabel(std::string_view label) {
    std::string text(label);
    const std::size_t amp = text.find('&');
    if (amp != std::string::npos)
        text.erase(amp, 1);
    return text;
}

void BeginCalculatorPage(TReportWriter& writer, const TCalcOutputStyle& style, double centre,
                         std::string_view title) {
    writer.SetFont(style.FontName, style.FontSize);
    SetReportColumns(writer, centre, style.FontSize);
    writer.SetYPos(1.5);
    writer.SetBold(true);
    writer.PrintCenter(std::string(title), centre);
    writer.SetBold(false);
    writer.NewLine();
    writer.NewLine();
}

std::string ReportPlainText(const std::vector<TReportPage>& pages, const TCalcOutputStyle& style) {
    return RenderReportText(pages, TReportPrinterConfig{}.LinesPerInch,
                            CharsPerInchForFont(style.FontSize));
}

} // namespace calvora
