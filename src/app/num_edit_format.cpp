#include "app/num_edit_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QLocale>
#include <QRegularExpression>

namespace numedit {

QString BuildMask(int digits, int decimals, bool useThousandSeparator) {
    const int width = std::max(digits, 1);
    QString integerPart;
    // Built from the right: the last place is "0", a comma before every third digit.
    for (int place = 0; place < width; ++place) {
        if (useThousandSeparator && place > 0 && place % 3 == 0)
            integerPart.prepend(QLatin1Char(','));
        integerPart.prepend(place == 0 ? QLatin1Char('0') : QLatin1Char('#'));
    }
    if (decimals > 0)
        integerPart += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return integerPart;
}

QString FormatValue(long double value, int decimals, bool useThousandSeparator) {
    const int places = std::max(decimals, 0);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", places, std::fabs(value));
    QString plain = QString::fromLatin1(buffer);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    QString integerPart = point < 0 ? plain : plain.left(point);
    const QString decimalPart = point < 0 ? QString() : plain.mid(point + 1);
    const QLocale locale;
    if (useThousandSeparator) {
        for (qsizetype at = integerPart.size() - 3; at > 0; at -= 3)
            integerPart.insert(at, locale.groupSeparator());
    }
    QString text = integerPart;
    if (!decimalPart.isEmpty())
        text += locale.decimalPoint() + decimalPart;
    const bool showsNonZero = text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (value < 0 && showsNonZero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString ExpandInfo(const QString& info, int spaces, bool leftOfNumber) {
    const qsizetype at = info.indexOf(QLatin1String("\\c"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return info;
    QString sign = QLocale().currencySymbol();
    const QString blanks(std::max(spaces, 0), QLatin1Char(' '));
    sign = leftOfNumber ? sign + blanks : blanks + sign;
    QString text = info;
    return text.replace(at, 2, sign);
}

QString PlainText(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    return QString::fromLatin1(buffer);
}

bool ParseNumber(const QString& text, long double& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    const double localeValue = QLocale().toDouble(trimmed, &ok);
    if (ok) {
        value = localeValue;
        return true;
    }
    const QByteArray latin = trimmed.toLatin1();
    char* end = nullptr;
    const long double plain = std::strtold(latin.constData(), &end);
    if (end == latin.constData() || *end != '\0')
        return false;
    value = plain;
    return true;
}

} // namespace numedit
