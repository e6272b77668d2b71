#pragma once

#include "app/num_edit_format.h"

#include <QWidget>

// The desk-calculator entry field of every amount, rate and count. It holds a number, not
// text: the integer part fills from the right, decimals follow the decimal key, and the value
// is drawn right-aligned through the edit format while focused and the display format
// otherwise. valueChanged is the OnChange event: raised once for every change of the value.
class TqvNumEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged USER true)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool acceptNegatives READ acceptNegatives WRITE setAcceptNegatives)
    Q_PROPERTY(bool tabOnEnterKey READ tabOnEnterKey WRITE setTabOnEnterKey)
    Q_PROPERTY(bool allowUnknown READ allowUnknown WRITE setAllowUnknown)
    Q_PROPERTY(QString unknownValue READ unknownValue WRITE setUnknownValue)

public:
    explicit TqvNumEdit(QWidget* parent = nullptr);

    double value() const { return static_cast<double>(m_value); }
    long double numericValue() const { return m_value; }
    void setNumericValue(long double value);

    const TEzEditFormat& editFormat() const { return m_editFormat; }
    const TEzDisplayFormat& displayFormat() const { return m_displayFormat; }
    void setEditFormat(const TEzEditFormat& format);
    void setDisplayFormat(const TEzDisplayFormat& format);
    // The same digits, decimals and texts for both formats (a regional mask).
    void setFormats(int digits, int decimals, const QString& leftInfo, const QString& rightInfo,
                    int spaces = 0, bool useThousandSeparator = true);

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool acceptNegatives() const { return m_acceptNegatives; }
    void setAcceptNegatives(bool accept) { m_acceptNegatives = accept; }
    bool tabOnEnterKey() const { return m_tabOnEnterKey; }
    void setTabOnEnterKey(bool tab) { m_tabOnEnterKey = tab; }
    bool allowUnknown() const { return m_allowUnknown; }
    void setAllowUnknown(bool allow) { m_allowUnknown = allow; }
    QString unknownValue() const { return m_unknownValue; }
    void setUnknownValue(const QString& text);

    // What the control shows now (value text with its left and right texts), for
    // tests and accessibility.
    QString displayText() const;
    bool isHighlighted() const { return m_highlight; }
    bool inDecimalMode() const { return m_decimalMode; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(double value) { setNumericValue(value); }

signals:
    void valueChanged(double value);
    // Focus left the field.
    void editingFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const TEzEditFormat& activeFormat() const;
    QString valueText() const;
    QString maskText() const;
    void typeCharacter(QChar ch);
    void typeDigit(int digit);
    void typeBackspace();
    void typeMinus();
    void copyToClipboard() const;
    void pasteFromClipboard();
    // Stores a typed or pasted value; raises valueChanged only when it differs.
    void changeValue(long double value);
    int caretIndex(const QString& text, int valueStart) const;

    long double m_value = 0;
    long double m_focusValue = 0;
    TEzEditFormat m_editFormat;
    TEzDisplayFormat m_displayFormat;
    bool m_readOnly = false;
    bool m_acceptNegatives = true;
    bool m_tabOnEnterKey = true;
    bool m_allowUnknown = false;
    QString m_unknownValue;
    QString m_asideLeft[2];
    QString m_asideRight[2];

    bool m_editingStarted = false;
    bool m_decimalMode = false;
    bool m_pendingMinus = false;
    bool m_highlight = false;
    int m_decimalIndex = 0; // the decimal digit being typed in decimal mode
};
