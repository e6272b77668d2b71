#pragma once

#include "calculators/calc_buffer_fields.h"
#include "calculators/report_page.h"
#include "persistence/format_text.h"
#include "persistence/regional_settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace calvora {

/// How a calculator's clipboard text and printed report look: the regional
/// number forms, the report font, the paper width and the date pattern.
struct TCalcOutputStyle {
    TRegionalSettings Regional = TRegionalSettings::UnitedStates();
    std::string FontName = "Courier New";
    int FontSize = 10;
    /// Inches; reports centred on the paper take half of it as their centre line.
    double PaperWidth = 8.5;
    /// d/M/y pattern of printed dates.
    std::string DateMask = "MM/dd/yyyy";
};

/// The style the settings give: printer font and paper width of the section
/// "Printer", the regional forms and the date mask of the short date pattern.
TCalcOutputStyle OutputStyleOf(const TAppInfoXML& settings);

/// The two format patterns of one value line: the clipboard's (without its line
/// end) and the printed report's (tab before each column).
struct TLineFormat {
    std::string_view Clip;
    std::string_view Report;
};

/// The line formats most calculators share.
namespace linefmt {
inline constexpr TLineFormat Money{"%-24s %16.2m", "\t%-24s\t%16.2m"};
inline constexpr TLineFormat Count{"%-24s %16d", "\t%-24s\t%16d"};
inline constexpr TLineFormat Rate{"%-24s %15.2n%1s", "\t%-24s\t%15.4n%1s"};
inline constexpr TLineFormat Rate4{"%-24s %15.4n%1s", "\t%-24s\t%15.4n%1s"};
inline constexpr TLineFormat Choice{"%-24s %16s", "\t%-24s\t%s"};
/// A count whose caption is long ("Balloon Due at Period? (#):").
inline constexpr TLineFormat LongCount{"%-28s %12d", "\t%-28s\t%12d"};
} // namespace linefmt

/// One line of a calculator's clipboard text and printed report: the label
/// printed first (without its first "&") and the values that follow it.
template <class Rec>
struct TReportLine {
    int Label = 0;
    TLineFormat Format;
    std::function<std::vector<FormatArg>(const Rec&, const TCalcOutputStyle&)> Values;
};

/// A value as a format argument; a choice gives its row text.
template <class T>
FormatArg LineArg(const T& value) {
    if constexpr (std::is_same_v<T, ChoiceField>)
        return FormatArg(ChoiceText(value));
    else
        return FormatArg(value);
}

/// A line showing one value of the record.
template <class Rec, class T>
TReportLine<Rec> Line(int label, TLineFormat format, T Rec::*member) {
    return {label, format, [member](const Rec& rec, const TCalcOutputStyle&) {
                return std::vector<FormatArg>{LineArg(rec.*member)};
            }};
}

/// A line showing a rate in percent followed by the character "%".
template <class Rec, class T>
TReportLine<Rec> RateLine(int label, TLineFormat format, T Rec::*member) {
    return {label, format, [member](const Rec& rec, const TCalcOutputStyle&) {
                return std::vector<FormatArg>{FormatArg(rec.*member), FormatArg("%")};
            }};
}

/// A choice line ("%-24s %16s" on the clipboard, "\t%-24s\t%s" in the report).
template <class Rec>
TReportLine<Rec> ChoiceLine(int label, ChoiceField Rec::*member) {
    return Line(label, linefmt::Choice, member);
}

/// Formats a pattern with up to four arguments given as a list.
std::string FormatLine(std::string_view pattern, const std::vector<FormatArg>& args,
                       const TRegionalSettings& regional);

/// A label as printed and copied: its first "&" removed.
std::string PrintedLabel(std::string_view label);

/// The clipboard text: the title, a blank line, then one "\r\n"-ended line per value.
template <class Rec>
std::string BuildClipboardText(const std::vector<TReportLine<Rec>>& lines,
                               const std::vector<std::string>& labels, std::string_view title,
                               const Rec& rec, const TCalcOutputStyle& style) {
    std::string text(title);
    text += "\r\n\r\n";
    for (const TReportLine<Rec>& line : lines) {
        std::vector<FormatArg> args{FormatArg(PrintedLabel(labels.at(line.Label)))};
        for (FormatArg& value : line.Values(rec, style))
            args.push_back(std::move(value));
        text += FormatLine(line.Format.Clip, args, style.Regional);
        text += "\r\n";
    }
    return text;
}

/// Starts a calculator report page: the style's font, the label and value
/// columns meeting at `centre` inches, the bold title centred on it 1.5 inches
/// from the top, then two new lines.
void BeginCalculatorPage(TReportWriter& writer, const TCalcOutputStyle& style, double centre,
                         std::string_view title);

/// The pages of a printed calculator report.
template <class Rec>
std::vector<TReportPage> BuildCalculatorReport(const std::vector<TReportLine<Rec>>& lines,
                                               const std::vector<std::string>& labels,
                                               std::string_view title, const Rec& rec,
                                               const TCalcOutputStyle& style, double centre) {
    return BuildReport({}, [&](TReportWriter& writer) {
        BeginCalculatorPage(writer, style, centre, title);
        for (const TReportLine<Rec>& line : lines) {
            std::vector<FormatArg> args{FormatArg(PrintedLabel(labels.at(line.Label)))};
            for (FormatArg& value : line.Values(rec, style))
                args.push_back(std::move(value));
            writer.PrintLn(FormatLine(line.Format.Report, args, style.Regional));
        }
    });
}

/// The report pages as plain text in the style's font pitch.
std::string ReportPlainText(const std::vector<TReportPage>& pages, const TCalcOutputStyle& style);

} // namespace calvora
