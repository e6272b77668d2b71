#pragma once

#include "calculators/choice_field.h"
#include "finance/financial_types.h"
#include "persistence/app_info_xml.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace calvora {

/// How a value travels between two records of one kind.
enum class TCopyKind {
    /// Window to buffer: choices carry their index and their shown text.
    Set,
    /// Buffer to window: choices carry their index; dates lose their time of day.
    Get,
    /// Buffer to buffer: choices carry their index.
    Values,
};

/// One value of a transfer record: where it sits, the settings key that keeps it
/// among the last entered values (none: not kept) and whether it is a result.
/// A date is a day number kept as text in the short date format.
template <class Rec>
struct TRecField {
    using Member = std::variant<Extended Rec::*, double Rec::*, float Rec::*, std::int16_t Rec::*,
                                std::int32_t Rec::*, std::string Rec::*, ChoiceField Rec::*>;
    Member Value;
    std::string_view Key;
    bool Result = false;
    bool Date = false;
};

template <class Rec, class T>
TRecField<Rec> InputField(T Rec::*member, std::string_view key) {
    return {member, key, false, false};
}

template <class Rec, class T>
TRecField<Rec> ResultField(T Rec::*member, std::string_view key = {}) {
    return {member, key, true, false};
}

template <class Rec>
TRecField<Rec> DateField(double Rec::*member, std::string_view key) {
    return {member, key, false, true};
}

/// The row text of a choice: the row at its index, else the text the window showed.
std::string ChoiceText(const ChoiceField& choice);

/// Selects row `index` when the choice offers it (text follows); false otherwise.
bool SelectChoice(ChoiceField& choice, std::int32_t index);

/// A stored count that does not fit its 16-bit field raises EConvertError
/// "Value is not within required range".
std::int16_t CheckedCount16(std::int32_t value);

/// The settings reads and writes of the calculator buffers: floats as
/// extended, counts and choice indices as integers, dates in the regional
/// short date format. Every read takes the current value as its default.
class TBufferSettingsIO {
public:
    TBufferSettingsIO(TAppInfoXML& settings, std::string_view section)
        : m_settings(settings)
        , m_section(section) {}

    void Read(std::string_view key, Extended& value) const;
    void Read(std::string_view key, double& value) const;
    void Read(std::string_view key, float& value) const;
    void Read(std::string_view key, std::int16_t& value) const;
    void Read(std::string_view key, std::int32_t& value) const;
    void Read(std::string_view key, std::string& value) const;
    void Read(std::string_view key, bool& value) const;
    /// A stored index outside the rows keeps the current row.
    void Read(std::string_view key, ChoiceField& value) const;
    void ReadDate(std::string_view key, double& value) const;

    void Write(std::string_view key, Extended value);
    void Write(std::string_view key, std::int32_t value);
    void Write(std::string_view key, const std::string& value);
    void Write(std::string_view key, bool value);
    void Write(std::string_view key, const ChoiceField& value) { Write(key, value.Index); }
    void WriteDate(std::string_view key, double value);

private:
    TAppInfoXML& m_settings;
    std::string_view m_section;
};

/// Copies the fields of `fields` from one record to another; results only
/// when `withResults`.
template <class Rec>
void CopyFields(const std::vector<TRecField<Rec>>& fields, const Rec& from, Rec& to, TCopyKind kind,
                bool withResults) {
    for (const TRecField<Rec>& field : fields) {
        if (field.Result && !withResults)
            continue;
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(from.*member)>;
                if constexpr (std::is_same_v<T, ChoiceField>) {
                    // The window's text is taken as shown; elsewhere the text
                    // follows the row so that it never names another row.
                    const bool asShown = kind == TCopyKind::Set;
                    if (asShown || !SelectChoice(to.*member, (from.*member).Index)) {
                        (to.*member).Index = (from.*member).Index;
                        (to.*member).Text = (from.*member).Text;
                    }
                } else if constexpr (std::is_same_v<T, double>) {
                    const bool datePart = field.Date && kind == TCopyKind::Get;
                    to.*member = datePart ? std::trunc(from.*member) : from.*member;
                } else {
                    to.*member = from.*member;
                }
            },
            field.Value);
    }
}

/// Reads the keyed fields of `fields` into `rec`.
template <class Rec>
void ReadFields(const std::vector<TRecField<Rec>>& fields, const TBufferSettingsIO& io, Rec& rec) {
    for (const TRecField<Rec>& field : fields) {
        if (field.Key.empty())
            continue;
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(rec.*member)>;
                if constexpr (std::is_same_v<T, double>) {
                    if (field.Date) {
                        io.ReadDate(field.Key, rec.*member);
                        return;
                    }
                }
                io.Read(field.Key, rec.*member);
            },
            field.Value);
    }
}

/// Writes the keyed fields of `fields` from `rec`.
template <class Rec>
void WriteFields(const std::vector<TRecField<Rec>>& fields, TBufferSettingsIO& io, const Rec& rec) {
    for (const TRecField<Rec>& field : fields) {
        if (field.Key.empty())
            continue;
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(rec.*member)>;
                if constexpr (std::is_same_v<T, ChoiceField> || std::is_same_v<T, std::string>) {
                    io.Write(field.Key, rec.*member);
                } else if constexpr (std::is_floating_point_v<T>) {
                    if (field.Date)
                        io.WriteDate(field.Key, static_cast<double>(rec.*member));
                    else
                        io.Write(field.Key, static_cast<Extended>(rec.*member));
                } else {
                    io.Write(field.Key, static_cast<std::int32_t>(rec.*member));
                }
            },
            field.Value);
    }
}

} // namespace calvora
