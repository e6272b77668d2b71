#pragma once

#include "finance/financial_types.h"

#include <vector>

#include <QDate>
#include <QString>

class TqvNumEdit;

namespace calvora {
class TMasks;
} // namespace calvora

// The number formats of calculator fields: money (currency sign in front, 2 decimals), rate
// (4 decimals, "%" behind) and count (no decimals).
enum class CalcFormat { Money, Rate, Count };

// What a numeric field of a calculator window is for.
enum class CalcRole {
    Input,   // typed by the user
    Unknown, // typed by the user, may be left 0 as the one value to solve
    Result,  // read-only, shown after Calc, not a tab stop
};

// One numeric field of a calculator page, top to bottom.
struct CalcFieldSpec {
    QString name;   // control name ("oedPV")
    int label = -1; // index of its caption among the values record's labels
    CalcFormat format = CalcFormat::Money;
    CalcRole role = CalcRole::Input;
    int helpTopic = 0;
    // Code of LastSolved that puts the solved-field marker beside this field; 0 none.
    int marker = 0;
    // Integer digits the field takes (counts: 5, or 6 for a 32-bit count).
    int digits = 9;
    bool acceptNegatives = true;
    // Held in a 16-bit record field: above 32767 is refused before the buffer sees it.
    bool count16 = false;
    // Counts are truncated to whole numbers unless this rounds them (half to even).
    bool roundCount = false;
    // The "Enter a '0' (zero) for one unknown value above." line follows this field.
    bool helpTextAfter = false;
};

// One drop-down list of a calculator page or of the Options page's local defaults.
struct CalcChoiceSpec {
    QString name;   // control name ("cbxPYR")
    int label = -1; // index of its caption among the record's labels
    int helpTopic = 0;
};

// One date picker of a calculator page, with a read-only box beside it naming the weekday.
struct CalcDateSpec {
    QString name;    // control name of the picker ("oedStartDate")
    QString dayName; // control name of its weekday box ("StartDay")
    int label = -1;  // index of its caption among the values record's labels
    int helpTopic = 0;
};

// A money field of `digits` integer digits.
CalcFieldSpec MoneyField(const QString& name, int label, CalcRole role, int helpTopic,
                         int marker = 0);
// A rate field (2 digits, 4 decimals, "%").
CalcFieldSpec RateField(const QString& name, int label, CalcRole role, int helpTopic,
                        int marker = 0);
// A count field; `count16` refuses values that do not fit 16 bits.
CalcFieldSpec CountField(const QString& name, int label, CalcRole role, int helpTopic,
                         int marker = 0, int digits = 5, bool count16 = true);

// Gives the edit the designed format of its kind, or the regional mask when the masks are
// not the built-in United States set.
void ApplyFieldFormat(TqvNumEdit& edit, CalcFormat format, int digits,
                      const calvora::TMasks* masks);

// The typed count as the record takes it: truncated, or rounded half to even.
long double WholeCount(long double value, bool round);

// Whether a count fits a 16-bit record field.
bool FitsCount16(long double value);

// Day numbers of the records and calendar dates of the pickers; an invalid date is day 0.
QDate ToQDate(calvora::TDateTime date);
calvora::TDateTime FromQDate(const QDate& date);
