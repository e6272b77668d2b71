#pragma once

#include <string>
#include <string_view>

#include <QString>

// Texts of the string table keep the line breaks of the original program ("\r\n", and a
// lone "\r" joining two-part hints); on screen both are one line break.
inline QString UiText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

inline QString UiText(std::string_view text) {
    return UiText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

inline std::string ToStd(const QString& text) {
    return text.toStdString();
}

// The application title, also the caption of message boxes.
inline QString AppTitle() {
    return QStringLiteral("Calvora, for Easy Loan Analysis");
}
