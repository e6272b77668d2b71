#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/report_page.h"
#include "finance/financial_types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

// The five switches of a calculator's Options page.
struct CalcSwitches {
    bool lastEntered = true; // "Last entered calculation"
    bool defaults = false;   // "Defaults"
    bool local = false;      // "Local"
    bool global = false;     // "Global"
    bool publishers = true;  // "Publisher's"

    bool operator==(const CalcSwitches&) const = default;
};

// What a calculator window needs of its buffer, without knowing the buffer's record types.
// It holds the window's two working records (values and options) and runs the buffer
// protocol on them. Numbers, choices and option choices are addressed by their position
// in the window's description.
class TCalcWindowBinding {
public:
    virtual ~TCalcWindowBinding() = default;

    // The window's values record.
    virtual long double number(int field) const = 0;
    virtual void setNumber(int field, long double value) = 0;
    virtual int choice(int index) const = 0;
    virtual void setChoice(int index, int row, const std::string& text) = 0;
    virtual std::vector<std::string> choiceItems(int index) const = 0;
    virtual std::string label(int index) const = 0;
    virtual calvora::TDateTime date(int index) const = 0;
    virtual void setDate(int index, calvora::TDateTime value) = 0;

    // The window's options record.
    virtual float defaultRate() const = 0;
    virtual void setDefaultRate(float rate) = 0;
    virtual int optionChoice(int index) const = 0;
    virtual void setOptionChoice(int index, int row, const std::string& text) = 0;
    virtual std::vector<std::string> optionChoiceItems(int index) const = 0;
    virtual std::string optionLabel(int index) const = 0;
    virtual CalcSwitches switches() const = 0;
    virtual void setSwitches(const CalcSwitches& switches) = 0;

    // The buffer protocol.
    virtual void setTitle(const std::string& title) = 0;
    virtual void getTexts() = 0;
    virtual void loadOptions() = 0;
    virtual void saveOptions() = 0;
    virtual void getOptions() = 0;
    virtual void setOptions() = 0;
    // Latest calculation of this kind, else last entered values, then the chosen defaults.
    virtual void openValues() = 0;
    virtual void setTransfer() = 0;
    virtual void calculate() = 0;
    virtual void getTransfer() = 0;
    virtual std::uint8_t lastSolved() const = 0;
    virtual void reset() = 0;
    virtual void saveLastEntered() = 0;
    virtual std::string clipboardText() const = 0;
    virtual std::vector<calvora::TReportPage> reportPages() const = 0;
    virtual calvora::TReportPrinterConfig printerConfig() const = 0;
    virtual std::string printerName() const = 0;
    // Makes this buffer's values the latest calculation of its kind.
    virtual void publishLatest() = 0;
    // Empties the latest-calculation reference when it points at this buffer.
    virtual void releaseLatest() = 0;
};

// A numeric member of a values record.
template <class Rec>
using TCalcNumberMember = std::variant<calvora::Extended Rec::*, double Rec::*, float Rec::*,
                                       std::int16_t Rec::*, std::int32_t Rec::*>;

// Where the window's fields sit in a buffer's records, in the order of the window's
// description, and the buffer kind's latest-calculation reference.
template <class Buf>
struct TCalcRecordMap {
    using Rec = typename Buf::TransferRec;
    using Opt = typename Buf::OptionsRec;
    std::vector<TCalcNumberMember<Rec>> numbers;
    std::vector<calvora::ChoiceField Rec::*> choices;
    std::vector<calvora::TDateTime Rec::*> dates;
    std::vector<calvora::ChoiceField Opt::*> optionChoices;
    calvora::TLatestCalculation<Rec>* latest = nullptr;
};

// The binding of one buffer kind: owns the buffer and the window's two records.
template <class Buf>
class TCalcBufferBinding final : public TCalcWindowBinding {
public:
    using Rec = typename Buf::TransferRec;
    using Opt = typename Buf::OptionsRec;

    TCalcBufferBinding(calvora::TAppInfoXML& settings, std::string section, TCalcRecordMap<Buf> map)
        : m_settings(settings)
        , m_buffer(settings)
        , m_section(std::move(section))
        , m_map(std::move(map)) {}
    // The reference must never outlive the buffer it points at, however the window goes.
    ~TCalcBufferBinding() override { releaseLatest(); }

    long double number(int field) const override {
        return std::visit(
            [this](auto member) { return static_cast<long double>(m_values.*member); },
            m_map.numbers.at(Index(field)));
    }
    void setNumber(int field, long double value) override {
        std::visit(
            [this, value](auto member) {
                using T = std::remove_reference_t<decltype(m_values.*member)>;
                m_values.*member = static_cast<T>(value);
            },
            m_map.numbers.at(Index(field)));
    }
    int choice(int index) const override {
        return (m_values.*m_map.choices.at(Index(index))).Index;
    }
    void setChoice(int index, int row, const std::string& text) override {
        calvora::ChoiceField& field = m_values.*m_map.choices.at(Index(index));
        field.Index = row;
        field.Text = text;
    }
    std::vector<std::string> choiceItems(int index) const override {
        return (m_values.*m_map.choices.at(Index(index))).Items;
    }
    std::string label(int index) const override { return At(m_values.Labels, index); }
    calvora::TDateTime date(int index) const override {
        return m_values.*m_map.dates.at(Index(index));
    }
    void setDate(int index, calvora::TDateTime value) override {
        m_values.*m_map.dates.at(Index(index)) = value;
    }

    float defaultRate() const override { return m_options.DefaultRate; }
    void setDefaultRate(float rate) override { m_options.DefaultRate = rate; }
    int optionChoice(int index) const override {
        return (m_options.*m_map.optionChoices.at(Index(index))).Index;
    }
    void setOptionChoice(int index, int row, const std::string& text) override {
        calvora::ChoiceField& field = m_options.*m_map.optionChoices.at(Index(index));
        field.Index = row;
        field.Text = text;
    }
    std::vector<std::string> optionChoiceItems(int index) const override {
        return (m_options.*m_map.optionChoices.at(Index(index))).Items;
    }
    std::string optionLabel(int index) const override { return At(m_options.Labels, index); }
    CalcSwitches switches() const override {
        return {m_options.LastEntered, m_options.Defaults, m_options.Local, m_options.Global,
                m_options.Publishers};
    }
    void setSwitches(const CalcSwitches& switches) override {
        m_options.LastEntered = switches.lastEntered;
        m_options.Defaults = switches.defaults;
        m_options.Local = switches.local;
        m_options.Global = switches.global;
        m_options.Publishers = switches.publishers;
    }

    void setTitle(const std::string& title) override { m_buffer.SetTitle(title); }
    void getTexts() override { m_buffer.GetTexts(m_values, m_options); }
    void loadOptions() override { m_buffer.LoadOptions(m_section); }
    void saveOptions() override { m_buffer.SaveOptions(m_section); }
    void getOptions() override { m_buffer.GetOptions(m_options); }
    void setOptions() override { m_buffer.SetOptions(m_options); }
    void openValues() override {
        const Rec* latest = m_map.latest != nullptr ? m_map.latest->Get() : nullptr;
        calvora::OpenCalculatorValues(m_buffer, m_section, latest);
    }
    void setTransfer() override { m_buffer.SetTransfer(m_values); }
    void calculate() override { m_buffer.Calculate(); }
    void getTransfer() override { m_buffer.GetTransfer(m_values); }
    std::uint8_t lastSolved() const override { return m_buffer.LastSolved(); }
    void reset() override { calvora::ResetCalculator(m_buffer, m_section); }
    void saveLastEntered() override { m_buffer.SaveLastEntered(m_section); }
    std::string clipboardText() const override { return m_buffer.ClipboardText(); }
    std::vector<calvora::TReportPage> reportPages() const override {
        return m_buffer.ReportPages();
    }
    calvora::TReportPrinterConfig printerConfig() const override { return Buf::PrinterConfig(); }
    std::string printerName() const override { return m_settings.Fields().DefaultPrinter; }
    void publishLatest() override {
        if (m_map.latest != nullptr)
            m_map.latest->Set(m_buffer.Transfer());
    }
    void releaseLatest() override {
        if (m_map.latest != nullptr)
            m_map.latest->Release(m_buffer.Transfer());
    }

    const Buf& buffer() const { return m_buffer; }
    // For windows that use operations of their own buffer kind beyond the shared protocol.
    Buf& buffer() { return m_buffer; }

private:
    static std::size_t Index(int index) { return static_cast<std::size_t>(index); }
    static std::string At(const std::vector<std::string>& list, int index) {
        return index >= 0 && Index(index) < list.size() ? list[Index(index)] : std::string();
    }

    calvora::TAppInfoXML& m_settings;
    Buf m_buffer;
    std::string m_section;
    TCalcRecordMap<Buf> m_map;
    Rec m_values;
    Opt m_options;
};
