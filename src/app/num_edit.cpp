#include "app/num_edit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The value split into sign, integer digits and decimal digits, so that keystrokes can
// work on the digits the way a desk calculator does.
struct DigitParts {
    bool negative = false;
    QString integer;
    QString decimals;
};

DigitParts Split(long double value, int decimals) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", std::max(decimals, 0), std::fabs(value));
    const QString plain = QString::fromLatin1(buffer);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    DigitParts parts;
    parts.negative = value < 0;
    parts.integer = point < 0 ? plain : plain.left(point);
    parts.decimals = point < 0 ? QString() : plain.mid(point + 1);
    return parts;
}

long double Join(const DigitParts& parts) {
    QString text = parts.integer.isEmpty() ? QStringLiteral("0") : parts.integer;
    if (!parts.decimals.isEmpty())
        text += QLatin1Char('.') + parts.decimals;
    const long double magnitude = std::strtold(text.toLatin1().constData(), nullptr);
    return parts.negative ? -magnitude : magnitude;
}

int CaretThickness(int height) {
    if (height < 31)
        return 2;
    if (height < 61)
        return 3;
    return 4;
}

} // namespace

TqvNumEdit::TqvNumEdit(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::IBeamCursor);
}

void TqvNumEdit::setNumericValue(long double value) {
    if (value == m_value)
        return;
    m_value = value;
    m_focusValue = value;
    update();
    emit valueChanged(static_cast<double>(m_value));
}

void TqvNumEdit::changeValue(long double value) {
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(static_cast<double>(m_value));
}

void TqvNumEdit::setEditFormat(const TEzEditFormat& format) {
    const int digits = format.Digits < 1 ? m_editFormat.Digits : format.Digits;
    m_editFormat = format;
    m_editFormat.Digits = digits;
    m_decimalIndex = std::min(m_decimalIndex, std::max(m_editFormat.Decimals - 1, 0));
    update();
}

void TqvNumEdit::setDisplayFormat(const TEzDisplayFormat& format) {
    const int digits = format.Digits < 1 ? m_displayFormat.Digits : format.Digits;
    m_displayFormat = format;
    m_displayFormat.Digits = digits;
    update();
}

void TqvNumEdit::setFormats(int digits, int decimals, const QString& leftInfo,
                            const QString& rightInfo, int spaces, bool useThousandSeparator) {
    TEzEditFormat edit = m_editFormat;
    edit.Digits = digits;
    edit.Decimals = decimals;
    edit.LeftInfo = leftInfo;
    edit.RightInfo = rightInfo;
    edit.Spaces = spaces;
    edit.UseThousandSeparator = useThousandSeparator;
    TEzDisplayFormat display = m_displayFormat;
    static_cast<TEzEditFormat&>(display) = edit;
    display.NegColor = m_displayFormat.NegColor;
    setEditFormat(edit);
    setDisplayFormat(display);
}

void TqvNumEdit::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    setCursor(readOnly ? Qt::ArrowCursor : Qt::IBeamCursor);
    update();
}

void TqvNumEdit::setUnknownValue(const QString& text) {
    if (!m_allowUnknown)
        return;
    if (!text.isEmpty() && m_unknownValue.isEmpty()) {
        m_asideLeft[0] = m_editFormat.LeftInfo;
        m_asideLeft[1] = m_displayFormat.LeftInfo;
        m_asideRight[0] = m_editFormat.RightInfo;
        m_asideRight[1] = m_displayFormat.RightInfo;
        m_editFormat.LeftInfo.clear();
        m_displayFormat.LeftInfo.clear();
        m_editFormat.RightInfo.clear();
        m_displayFormat.RightInfo.clear();
    } else if (text.isEmpty() && !m_unknownValue.isEmpty()) {
        m_editFormat.LeftInfo = m_asideLeft[0];
        m_displayFormat.LeftInfo = m_asideLeft[1];
        m_editFormat.RightInfo = m_asideRight[0];
        m_displayFormat.RightInfo = m_asideRight[1];
    }
    m_unknownValue = text;
    update();
}

const TEzEditFormat& TqvNumEdit::activeFormat() const {
    if (hasFocus())
        return m_editFormat;
    return m_displayFormat;
}

QString TqvNumEdit::valueText() const {
    if (m_allowUnknown && !m_unknownValue.isEmpty())
        return m_unknownValue;
    if (hasFocus())
        return numedit::FormatValue(m_value, m_editFormat.Decimals,
                                    m_editFormat.UseThousandSeparator);
    if (m_value == 0 && !m_displayFormat.ZeroValue.trimmed().isEmpty())
        return m_displayFormat.ZeroValue;
    return numedit::FormatValue(m_value, m_displayFormat.Decimals,
                                m_displayFormat.UseThousandSeparator);
}

QString TqvNumEdit::maskText() const {
    return numedit::BuildMask(m_editFormat.Digits, m_editFormat.Decimals,
                              m_editFormat.UseThousandSeparator);
}

QString TqvNumEdit::displayText() const {
    const TEzEditFormat& format = activeFormat();
    QString number = valueText();
    if (!hasFocus() && m_displayFormat.NegUseParens && m_value < 0 &&
        number.startsWith(QLatin1Char('-')))
        return QLatin1Char('(') + numedit::ExpandInfo(format.LeftInfo, format.Spaces, true) +
               number.mid(1) + numedit::ExpandInfo(format.RightInfo, format.Spaces, false) +
               QLatin1Char(')');
    if (m_value == 0 && m_pendingMinus)
        number.prepend(QLatin1Char('-'));
    return numedit::ExpandInfo(format.LeftInfo, format.Spaces, true) + number +
           numedit::ExpandInfo(format.RightInfo, format.Spaces, false);
}

QSize TqvNumEdit::sizeHint() const {
    const int height = std::max(24, fontMetrics().height() + 10);
    return {121, height};
}

QSize TqvNumEdit::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6, sizeHint().height()};
}

// ---- keyboard -----------------------------------------------------------------------------

void TqvNumEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const int key = event->key();

    if ((mods == Qt::ControlModifier && key == Qt::Key_C) ||
        (mods == Qt::ControlModifier && key == Qt::Key_Insert)) {
        copyToClipboard();
        return;
    }
    if ((mods == Qt::ControlModifier && key == Qt::Key_V) ||
        (mods == Qt::ShiftModifier && key == Qt::Key_Insert)) {
        if (!m_readOnly)
            pasteFromClipboard();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_highlight = false;
        update();
        if (m_tabOnEnterKey)
            focusNextChild();
        else
            event->ignore();
        return;
    }
    if (key == Qt::Key_Escape) {
        if (!m_readOnly && (m_value != m_focusValue || m_editingStarted)) {
            m_editingStarted = false;
            m_decimalMode = false;
            m_pendingMinus = false;
            m_highlight = true;
            changeValue(m_focusValue);
            update();
            return;
        }
        event->ignore();
        return;
    }
    if (m_readOnly) {
        event->ignore();
        return;
    }
    if (key == Qt::Key_Delete && mods == Qt::NoModifier) {
        m_highlight = false;
        m_decimalMode = false;
        m_pendingMinus = false;
        changeValue(0);
        update();
        return;
    }
    if (key == Qt::Key_Insert && mods == Qt::NoModifier) {
        m_highlight = false;
        m_editingStarted = true;
        update();
        return;
    }
    if (key == Qt::Key_Backspace) {
        typeCharacter(QChar(0x08));
        return;
    }
    // The keypad's decimal key always means the decimal separator.
    if (key == Qt::Key_Period && (event->modifiers() & Qt::KeypadModifier)) {
        typeCharacter(QLocale().decimalPoint().at(0));
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() && !(mods & Qt::ControlModifier) &&
        !(mods & Qt::AltModifier)) {
        typeCharacter(text.at(0));
        return;
    }
    // Function keys, arrows and shortcuts belong to the window (F1 help, Alt accelerators).
    event->ignore();
}

void TqvNumEdit::typeCharacter(QChar ch) {
    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    const bool accepted = ch.isDigit() || ch == decimalPoint || ch == QLatin1Char('-') ||
                          ch == QChar(0x08) ||
                          (m_allowUnknown && (ch == QLatin1Char('U') || ch == QLatin1Char('u')));
    if (!accepted) {
        QApplication::beep();
        return;
    }
    m_highlight = false;
    if (m_allowUnknown && !m_unknownValue.isEmpty() && ch.toUpper() != QLatin1Char('U'))
        setUnknownValue(QString());

    if (ch.isDigit()) {
        typeDigit(ch.digitValue());
    } else if (ch == QChar(0x08)) {
        typeBackspace();
    } else if (ch == decimalPoint) {
        m_editingStarted = true;
        if (m_decimalMode) {
            m_decimalMode = false;
        } else if (m_editFormat.Decimals > 0) {
            m_decimalMode = true;
            m_decimalIndex = 0;
        }
    } else if (ch == QLatin1Char('-')) {
        typeMinus();
    } else {
        setUnknownValue(QStringLiteral("Unknown"));
        changeValue(0);
    }
    update();
}

void TqvNumEdit::typeDigit(int digit) {
    // The first digit after focusing replaces the value, later ones extend it.
    const long double base = m_editingStarted ? m_value : 0;
    m_editingStarted = true;
    const int decimals = m_editFormat.Decimals;
    DigitParts parts = Split(base, decimals);
    const QString mask = maskText();
    if (m_decimalMode && decimals > 0) {
        parts.decimals[m_decimalIndex] = QChar('0' + digit);
        m_decimalIndex = std::min(m_decimalIndex + 1, decimals - 1);
    } else if (mask == QLatin1String("0") || mask.startsWith(QLatin1String("0."))) {
        parts.integer = QString::number(digit);
    } else {
        const QString shown =
            numedit::FormatValue(base, decimals, m_editFormat.UseThousandSeparator);
        if (shown.size() >= mask.size()) {
            changeValue(base);
            return;
        }
        parts.integer =
            (parts.integer == QLatin1String("0") ? QString() : parts.integer) + QChar('0' + digit);
    }
    long double value = Join(parts);
    if (m_pendingMinus) {
        value = -value;
        m_pendingMinus = false;
    }
    changeValue(value);
}

void TqvNumEdit::typeBackspace() {
    m_editingStarted = true;
    DigitParts parts = Split(m_value, m_editFormat.Decimals);
    if (m_decimalMode && !parts.decimals.isEmpty()) {
        parts.decimals[m_decimalIndex] = QLatin1Char('0');
        if (m_decimalIndex == 0)
            m_decimalMode = false;
        else
            --m_decimalIndex;
    } else {
        parts.integer.chop(1);
    }
    const long double value = Join(parts);
    if (value == 0)
        m_pendingMinus = false;
    changeValue(value);
}

void TqvNumEdit::typeMinus() {
    if (!m_acceptNegatives)
        return;
    const long double base = m_editingStarted ? m_value : 0;
    m_editingStarted = true;
    if (base == 0)
        m_pendingMinus = !m_pendingMinus;
    changeValue(base == 0 ? 0 : -base);
}

void TqvNumEdit::copyToClipboard() const {
    QApplication::clipboard()->setText(numedit::PlainText(m_value));
}

void TqvNumEdit::pasteFromClipboard() {
    long double pasted = 0;
    if (!numedit::ParseNumber(QApplication::clipboard()->text(), pasted)) {
        QApplication::beep();
        return;
    }
    if (!m_acceptNegatives)
        pasted = std::fabs(pasted);
    m_highlight = false;
    m_editingStarted = true;
    m_pendingMinus = false;
    changeValue(pasted);
    update();
}

// ---- focus and mouse ----------------------------------------------------------------------

void TqvNumEdit::focusInEvent(QFocusEvent* event) {
    m_focusValue = m_value;
    m_editingStarted = false;
    m_decimalMode = false;
    m_highlight = true;
    QWidget::focusInEvent(event);
    update();
}

void TqvNumEdit::focusOutEvent(QFocusEvent* event) {
    m_highlight = false;
    m_pendingMinus = false;
    m_decimalMode = false;
    QWidget::focusOutEvent(event);
    update();
    emit editingFinished();
}

void TqvNumEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && hasFocus() && m_highlight) {
        m_highlight = false;
        update();
    }
    QWidget::mousePressEvent(event);
}

void TqvNumEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    m_highlight = true;
    m_editingStarted = false;
    m_decimalMode = false;
    update();
    QWidget::mouseDoubleClickEvent(event);
}

void TqvNumEdit::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        m_highlight = true;
        m_editingStarted = false;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

// ---- painting -----------------------------------------------------------------------------

int TqvNumEdit::caretIndex(const QString& number, int valueStart) const {
    const QString decimalPoint = QLocale().decimalPoint();
    const qsizetype point = number.indexOf(decimalPoint);
    if (m_decimalMode && point >= 0)
        return valueStart + static_cast<int>(point) + 1 + m_decimalIndex;
    if (point > 0)
        return valueStart + static_cast<int>(point) - 1;
    return valueStart + static_cast<int>(number.size()) - 1;
}

void TqvNumEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    if (m_readOnly)
        frame.state |= QStyle::State_ReadOnly;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

    const int pad = std::max(frame.lineWidth, 1) + 5;
    const QRect area = rect().adjusted(pad, 0, -pad, 0);
    const QString text = displayText();
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text);
    const int left = area.right() + 1 - textWidth;
    const int baseline = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;

    const bool negative = m_value < 0;
    const TEzEditFormat& format = activeFormat();
    QColor textColor = palette().color(QPalette::Text);
    if (!isEnabled())
        textColor = palette().color(QPalette::Disabled, QPalette::Text);
    else if (negative)
        textColor = format.NegColor;
    if (m_highlight && hasFocus()) {
        const QRect selection(left - 1, baseline - metrics.ascent() - 1, textWidth + 2,
                              metrics.height() + 2);
        painter.fillRect(selection, palette().color(QPalette::Highlight));
        if (!negative)
            textColor = palette().color(QPalette::HighlightedText);
    }
    painter.setPen(textColor);
    painter.drawText(left, baseline, text);

    if (hasFocus() && !m_readOnly && !(m_allowUnknown && !m_unknownValue.isEmpty())) {
        const QString number = valueText();
        const qsizetype numberAt = text.lastIndexOf(number);
        const int index = caretIndex(number, static_cast<int>(std::max<qsizetype>(numberAt, 0)));
        if (index >= 0 && index < text.size()) {
            const int x = left + metrics.horizontalAdvance(text.left(index));
            const int width = std::max(metrics.horizontalAdvance(text.at(index)), 2);
            const int thickness = CaretThickness(height());
            painter.fillRect(QRect(x, baseline + 2, width, thickness), textColor);
        }
    }
}
