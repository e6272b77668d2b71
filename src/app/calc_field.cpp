#include "app/calc_field.h"

#include "app/num_edit.h"
#include "finance/date_math.h"
#include "persistence/masks_unit.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The country code of the formats the windows are designed with.
constexpr std::uint16_t kUnitedStates = 1;

void ApplyMask(TqvNumEdit& edit, const calvora::TNumberMask& mask) {
    edit.setFormats(mask.Digits, mask.Decimals, QString::fromStdString(mask.LeftInfo),
                    QString::fromStdString(mask.RightInfo), mask.Spaces,
                    mask.UseThousandSeparator != 0);
}

} // namespace

CalcFieldSpec MoneyField(const QString& name, int label, CalcRole role, int helpTopic, int marker) {
    CalcFieldSpec field;
    field.name = name;
    field.label = label;
    field.format = CalcFormat::Money;
    field.role = role;
    field.helpTopic = helpTopic;
    field.marker = marker;
    field.digits = 9;
    return field;
}

CalcFieldSpec RateField(const QString& name, int label, CalcRole role, int helpTopic, int marker) {
    CalcFieldSpec field = MoneyField(name, label, role, helpTopic, marker);
    field.format = CalcFormat::Rate;
    field.digits = 2;
    return field;
}

CalcFieldSpec CountField(const QString& name, int label, CalcRole role, int helpTopic, int marker,
                         int digits, bool count16) {
    CalcFieldSpec field = MoneyField(name, label, role, helpTopic, marker);
    field.format = CalcFormat::Count;
    field.digits = digits;
    field.count16 = count16;
    return field;
}

void ApplyFieldFormat(TqvNumEdit& edit, CalcFormat format, int digits,
                      const calvora::TMasks* masks) {
    const bool regional = masks != nullptr && masks->CountryCode() != kUnitedStates;
    switch (format) {
    case CalcFormat::Money:
        if (regional)
            ApplyMask(edit, masks->MoneyMask());
        else
            edit.setFormats(digits, 2, QStringLiteral("\\c"), QString());
        break;
    case CalcFormat::Rate:
        if (regional)
            ApplyMask(edit, masks->RateMask());
        else
            edit.setFormats(digits, 4, QString(), QStringLiteral("%"));
        break;
    case CalcFormat::Count:
        if (regional)
            ApplyMask(edit, masks->CountMask());
        else
            edit.setFormats(digits, 0, QString(), QString());
        break;
    }
}

long double WholeCount(long double value, bool round) {
    return round ? std::nearbyint(value) : std::trunc(value);
}

bool FitsCount16(long double value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

QDate ToQDate(calvora::TDateTime date) {
    int year = 0;
    int month = 0;
    int day = 0;
    calvora::DecodeDate(date, year, month, day);
    return {year, month, day};
}

calvora::TDateTime FromQDate(const QDate& date) {
    return date.isValid() ? calvora::EncodeDate(date.year(), date.month(), date.day()) : 0;
}
