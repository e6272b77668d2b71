#pragma once

#include "calculators/calc_buffer_fields.h"
#include "calculators/calc_buffer_lines.h"
#include "calculators/calc_buffer_records.h"
#include "calculators/calc_buffer_services.h"
#include "persistence/app_info_fields.h"
#include "persistence/app_info_xml.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace calvora {

/// Settings keys of the options page every calculator shares.
namespace optkeys {
inline constexpr std::string_view DefaultRate = "DefaultlDefaultRateText";
inline constexpr std::string_view LastEntered = "DefaultLastenteredcalculation";
inline constexpr std::string_view Defaults = "DefaultDefaults";
inline constexpr std::string_view Local = "DefaultLocal";
inline constexpr std::string_view Global = "DefaultGlobal";
inline constexpr std::string_view Publishers = "DefaultPublishers";
} // namespace optkeys

/// A choice of the values record with its local default on the options page
/// (settings key `OptionKey`) and its global default among the loaded settings.
template <class Rec, class Opt>
struct TChoiceDefault {
    ChoiceField Rec::*Field;
    ChoiceField Opt::*Default;
    std::string_view OptionKey;
    std::int32_t TAppInfoFields::*Global;
};

/// What makes one calculator buffer: its captions, the values it keeps and
/// copies, its choices with their defaults, the rate the default rate goes to,
/// and the lines of its clipboard text and printed report.
template <class Rec, class Opt>
struct TBufferShape {
    std::vector<std::string> Labels;
    std::vector<std::string> OptionLabels;
    /// Values in the order of their settings keys.
    std::vector<TRecField<Rec>> Fields;
    /// Choices in the order of their option keys.
    std::vector<TChoiceDefault<Rec, Opt>> Choices;
    float Rec::*Rate = nullptr;
    std::vector<TReportLine<Rec>> Lines;
    /// Whether SetTransfer takes the results from the window, and CopyValues
    /// the results of another buffer.
    bool SetTransferTakesResults = true;
    bool CopyValuesTakesResults = true;
    /// The report's centre line is half the paper width of the settings
    /// instead of the middle of a letter page.
    bool CentreOnPaperWidth = false;
};

/// Middle of an 8.5-inch page, where the two report columns meet.
inline constexpr double kReportCentre = 4.25;

/// A calculator's buffer: it keeps the calculator's values (transfer record),
/// its options page (options record) and its title, and remembers, resets,
/// copies and prints them for the window, which never calculates itself. The
/// window protocol: open with SetTitle, GetTexts, LoadOptions, GetOptions and
/// OpenCalculatorValues; Calc with SetTransfer, Calculate, GetTransfer; Copy and
/// Print after SetTransfer; Undo with GetTransfer; close with SaveLastEntered.
template <class Rec, class Opt>
class TCalcBuffer {
public:
    using TransferRec = Rec;
    using OptionsRec = Opt;
    using Shape = TBufferShape<Rec, Opt>;

    TCalcBuffer(TAppInfoXML& settings, const Shape& shape)
        : m_settings(settings)
        , m_shape(shape) {
        InitTransfer();
        InitOptions();
    }
    virtual ~TCalcBuffer() = default;
    TCalcBuffer(const TCalcBuffer&) = delete;
    TCalcBuffer& operator=(const TCalcBuffer&) = delete;

    /// The window caption, printed and copied as the first line.
    void SetTitle(std::string title) { m_title = std::move(title); }
    const std::string& Title() const { return m_title; }

    /// Captions, choice rows and selections into the window's two records.
    void GetTexts(Rec& transfer, Opt& options) const {
        transfer.Labels = m_shape.Labels;
        options.Labels = m_shape.OptionLabels;
        for (const auto& choice : m_shape.Choices) {
            transfer.*choice.Field = m_transfer.*choice.Field;
            if (choice.Default != nullptr)
                options.*choice.Default = m_options.*choice.Default;
        }
    }

    /// Reads the options page from the settings section; on an unreadable value
    /// nothing changes and the error passes on.
    void LoadOptions(std::string_view section) {
        Opt options = m_options;
        const TBufferSettingsIO io(m_settings, section);
        io.Read(optkeys::DefaultRate, options.DefaultRate);
        for (const auto& choice : m_shape.Choices) {
            if (choice.Default != nullptr)
                io.Read(choice.OptionKey, options.*choice.Default);
        }
        io.Read(optkeys::LastEntered, options.LastEntered);
        io.Read(optkeys::Defaults, options.Defaults);
        io.Read(optkeys::Local, options.Local);
        io.Read(optkeys::Global, options.Global);
        io.Read(optkeys::Publishers, options.Publishers);
        m_options = options;
    }

    void SaveOptions(std::string_view section) {
        TBufferSettingsIO io(m_settings, section);
        io.Write(optkeys::DefaultRate, static_cast<Extended>(m_options.DefaultRate));
        for (const auto& choice : m_shape.Choices) {
            if (choice.Default != nullptr)
                io.Write(choice.OptionKey, m_options.*choice.Default);
        }
        io.Write(optkeys::LastEntered, m_options.LastEntered);
        io.Write(optkeys::Defaults, m_options.Defaults);
        io.Write(optkeys::Local, m_options.Local);
        io.Write(optkeys::Global, m_options.Global);
        io.Write(optkeys::Publishers, m_options.Publishers);
    }

    /// The default choices, the default rate and the switches out of the buffer.
    void GetOptions(Opt& rec) const { CopyOptions(m_options, rec); }
    void SetOptions(const Opt& rec) { CopyOptions(rec, m_options); }

    /// Reads the last entered values; on an unreadable value nothing changes
    /// and the error passes on (the window then falls back to the local defaults).
    void LoadLastEntered(std::string_view section) {
        Rec values = m_transfer;
        ReadFields(m_shape.Fields, TBufferSettingsIO(m_settings, section), values);
        m_transfer = values;
    }

    void SaveLastEntered(std::string_view section) {
        TBufferSettingsIO io(m_settings, section);
        WriteFields(m_shape.Fields, io, m_transfer);
    }

    /// The options page's default rate and choices into the values.
    void ApplyLocalDefaults() {
        m_transfer.*m_shape.Rate = m_options.DefaultRate;
        for (const auto& choice : m_shape.Choices) {
            if (choice.Default != nullptr)
                SelectChoice(m_transfer.*choice.Field, (m_options.*choice.Default).Index);
        }
    }

    /// The global default rate and choices of the settings into the values.
    void ApplyGlobalDefaults() {
        const TAppInfoFields& fields = m_settings.Fields();
        m_transfer.*m_shape.Rate = static_cast<float>(fields.RateText);
        for (const auto& choice : m_shape.Choices) {
            if (choice.Global != nullptr)
                SelectChoice(m_transfer.*choice.Field, fields.*choice.Global);
        }
    }

    /// Chooses "Defaults" and "Local", as after an unreadable last calculation.
    void ChooseLocalDefaults() {
        m_options.LastEntered = false;
        m_options.Defaults = true;
        m_options.Local = true;
        m_options.Global = false;
        m_options.Publishers = false;
    }

    /// Takes the window's values (choices with their shown texts).
    void SetTransfer(const Rec& rec) {
        CopyFields(m_shape.Fields, rec, m_transfer, TCopyKind::Set,
                   m_shape.SetTransferTakesResults);
    }

    /// Hands the values and results to the window (not captions, texts or rows).
    void GetTransfer(Rec& rec) const {
        CopyFields(m_shape.Fields, m_transfer, rec, TCopyKind::Get, true);
    }

    /// Copies the values (and, where the calculator shares them, the results)
    /// of one values record into another.
    void CopyValues(const Rec& source, Rec& target) const {
        CopyFields(m_shape.Fields, source, target, TCopyKind::Values,
                   m_shape.CopyValuesTakesResults);
    }
    /// CopyValues into this buffer's own values.
    void CopyValuesFrom(const Rec& source) { CopyValues(source, m_transfer); }

    /// Solves the calculator's unknown; the equation's errors pass on and leave
    /// the values and LastSolved as they were.
    virtual void Calculate() = 0;

    /// The code of the value the last calculation solved (0 before any).
    std::uint8_t LastSolved() const { return m_lastSolved; }

    /// Values and options as given by InitTransfer and InitOptions.
    void InitTransfer() {
        m_transfer = Rec{};
        m_transfer.Labels = m_shape.Labels;
    }
    void InitOptions() {
        m_options = Opt{};
        m_options.Labels = m_shape.OptionLabels;
    }

    /// The text block CopyToClipboard puts on the clipboard.
    std::string ClipboardText() const {
        return BuildClipboardText(m_shape.Lines, m_shape.Labels, m_title, m_transfer,
                                  OutputStyleOf(m_settings));
    }
    void CopyToClipboard(ICalcClipboard& clipboard) const { clipboard.SetText(ClipboardText()); }

    /// The printed report as device-independent pages.
    std::vector<TReportPage> ReportPages() const {
        const TCalcOutputStyle style = OutputStyleOf(m_settings);
        const double centre = m_shape.CentreOnPaperWidth ? style.PaperWidth / 2 : kReportCentre;
        return BuildCalculatorReport(m_shape.Lines, m_shape.Labels, m_title, m_transfer, style,
                                     centre);
    }
    /// The printed report as plain text.
    std::string ReportText() const {
        return ReportPlainText(ReportPages(), OutputStyleOf(m_settings));
    }
    /// Printer set-up of every calculator report.
    static TReportPrinterConfig PrinterConfig() { return {}; }
    /// Sends the report to the printer named by the settings' DefaultPrinter.
    void Print(ICalcReportOutput& output) const {
        output.PrintReport(ReportPages(), PrinterConfig(), m_settings.Fields().DefaultPrinter,
                           m_title);
    }

    /// Read-only views of the two records.
    const Rec& Transfer() const { return m_transfer; }
    const Opt& Options() const { return m_options; }

protected:
    Rec& Values() { return m_transfer; }
    TAppInfoXML& Settings() { return m_settings; }
    void SetLastSolved(std::uint8_t code) { m_lastSolved = code; }
    /// Assumed loan date and days per year of the settings, as every loan
    /// equation takes them.
    TDateTime LoanDate() const { return m_settings.AssumedStartDate(); }
    std::int32_t DaysPerYear() const { return DaysInYear(m_settings.Fields().YearLengthText); }

private:
    void CopyOptions(const Opt& from, Opt& to) const {
        to.DefaultRate = from.DefaultRate;
        for (const auto& choice : m_shape.Choices) {
            if (choice.Default != nullptr) {
                (to.*choice.Default).Index = (from.*choice.Default).Index;
                (to.*choice.Default).Text = (from.*choice.Default).Text;
            }
        }
        to.Local = from.Local;
        to.Global = from.Global;
        to.Publishers = from.Publishers;
        to.LastEntered = from.LastEntered;
        to.Defaults = from.Defaults;
    }

    TAppInfoXML& m_settings;
    const Shape& m_shape;
    Rec m_transfer;
    Opt m_options;
    std::string m_title;
    std::uint8_t m_lastSolved = 0;
};

/// A calculator buffer described once by `Derived::MakeShape()`: the shape is
/// built on first use and shared by every buffer of that kind.
template <class Derived, class Rec, class Opt>
class TCalcBufferOf : public TCalcBuffer<Rec, Opt> {
public:
    explicit TCalcBufferOf(TAppInfoXML& settings)
        : TCalcBuffer<Rec, Opt>(settings, BufferShape()) {}

    static const TBufferShape<Rec, Opt>& BufferShape() {
        static const TBufferShape<Rec, Opt> shape = Derived::MakeShape();
        return shape;
    }
};

/// The clipboard text of a filled values record of the buffer kind `Buf`.
template <class Buf>
std::string CalculatorClipboardText(const typename Buf::TransferRec& rec, std::string_view title,
                                    const TCalcOutputStyle& style = {}) {
    const auto& shape = Buf::BufferShape();
    return BuildClipboardText(shape.Lines, shape.Labels, title, rec, style);
}

/// The printed report, as plain text, of a filled values record of the buffer kind `Buf`.
template <class Buf>
std::string CalculatorReportText(const typename Buf::TransferRec& rec, std::string_view title,
                                 const TCalcOutputStyle& style = {}) {
    const auto& shape = Buf::BufferShape();
    const double centre = shape.CentreOnPaperWidth ? style.PaperWidth / 2 : kReportCentre;
    return ReportPlainText(
        BuildCalculatorReport(shape.Lines, shape.Labels, title, rec, style, centre), style);
}

/// The local defaults with "Defaults" and "Local", the global ones with
/// "Defaults" and "Global"; nothing otherwise.
template <class Buf>
void ApplyChosenDefaults(Buf& buffer) {
    const auto& options = buffer.Options();
    if (options.Defaults && options.Local)
        buffer.ApplyLocalDefaults();
    else if (options.Defaults && options.Global)
        buffer.ApplyGlobalDefaults();
}

/// Opening values of a calculator window, after LoadOptions: the latest
/// calculation of its kind when another window made one; otherwise the last
/// entered values when chosen (unreadable ones choose the local defaults
/// instead), then the chosen local or global defaults ("Publisher's" keeps
/// the initial values).
template <class Buf>
void OpenCalculatorValues(Buf& buffer, std::string_view section,
                          const typename Buf::TransferRec* latest) {
    if (latest != nullptr) {
        buffer.CopyValuesFrom(*latest);
        return;
    }
    if (buffer.Options().LastEntered) {
        try {
            buffer.LoadLastEntered(section);
        } catch (const std::exception&) {
            buffer.ChooseLocalDefaults();
        }
    }
    ApplyChosenDefaults(buffer);
}

/// Reset: initial values and options, the stored options, and, unless the last
/// entered calculation is chosen, the chosen defaults.
template <class Buf>
void ResetCalculator(Buf& buffer, std::string_view section) {
    buffer.InitTransfer();
    buffer.InitOptions();
    buffer.LoadOptions(section);
    if (!buffer.Options().LastEntered)
        ApplyChosenDefaults(buffer);
}

} // namespace calvora
