#pragma once

#include <QColor>
#include <QString>

// Formats of the numeric edit: one used while it has the focus, one while it has not.
// The number masks of the regional settings are copied into these field by field.
struct TEzEditFormat {
    int Digits = 8;   // digits of the integer part
    int Decimals = 2; // digits after the decimal point; 0 means none
    bool UseThousandSeparator = true;
    QString LeftInfo;  // drawn left of the number; "\c" stands for the currency sign
    QString RightInfo; // drawn right of the number
    QColor NegColor = QColor(Qt::red);
    int Spaces = 0; // blanks between the currency sign and the number

    bool operator==(const TEzEditFormat&) const = default;
};

struct TEzDisplayFormat : TEzEditFormat {
    QString ZeroValue; // shown instead of a zero value when not blank
    bool NegUseParens = false;

    bool operator==(const TEzDisplayFormat&) const = default;
};

namespace numedit {

/// Picture of a format, e.g. 9 digits and 2 decimals with grouping give "###,###,##0.00".
QString BuildMask(int digits, int decimals, bool useThousandSeparator);

/// The value as the mask shows it, with the locale's group and decimal separators.
QString FormatValue(long double value, int decimals, bool useThousandSeparator);

/// LeftInfo/RightInfo with "\c" (any case) replaced by the currency sign and the
/// blanks of `spaces` put on the number's side of the sign.
QString ExpandInfo(const QString& info, int spaces, bool leftOfNumber);

/// The value as plain text without any grouping, as put on the clipboard.
QString PlainText(long double value);

/// Reads clipboard text as a number: locale separators or plain C notation.
bool ParseNumber(const QString& text, long double& value);

} // namespace numedit
