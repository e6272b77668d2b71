// The numeric edit's keystroke behaviour, driven by real key events.
#include "app/num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Records the keys that the edit leaves to its window.
class KeyRecordingWindow : public QWidget {
public:
    QList<int> keysSeen;

protected:
    void keyPressEvent(QKeyEvent* event) override { keysSeen << event->key(); }
};

void MakeMoney(TqvNumEdit& edit, int digits = 9) {
    edit.setFormats(digits, 2, QStringLiteral("\\c"), QString());
}

void MakeRate(TqvNumEdit& edit) {
    edit.setFormats(2, 4, QString(), QStringLiteral("%"));
}

void MakeCount(TqvNumEdit& edit, int digits) {
    edit.setFormats(digits, 0, QString(), QString());
}

} // namespace

class NumEditTest : public QObject {
    Q_OBJECT

private:
    KeyRecordingWindow* m_window = nullptr;
    TqvNumEdit* m_edit = nullptr;
    TqvNumEdit* m_next = nullptr;

    void focusEdit() {
        m_edit->setFocus();
        QVERIFY(QTest::qWaitFor([this] { return m_edit->hasFocus(); }));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init() {
        m_window = new KeyRecordingWindow;
        auto* layout = new QVBoxLayout(m_window);
        m_edit = new TqvNumEdit(m_window);
        m_next = new TqvNumEdit(m_window);
        layout->addWidget(m_edit);
        layout->addWidget(m_next);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        delete m_window;
        m_window = nullptr;
    }

    void buildsMasks_data() {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("grouping");
        QTest::addColumn<QString>("mask");
        QTest::newRow("money 9.2") << 9 << 2 << true << "###,###,##0.00";
        QTest::newRow("count 5") << 5 << 0 << true << "##,##0";
        QTest::newRow("count 6") << 6 << 0 << true << "###,##0";
        QTest::newRow("rate 2.4") << 2 << 4 << true << "#0.0000";
        QTest::newRow("no grouping") << 4 << 0 << false << "###0";
        QTest::newRow("one digit") << 1 << 2 << true << "0.00";
    }

    void buildsMasks() {
        QFETCH(int, digits);
        QFETCH(int, decimals);
        QFETCH(bool, grouping);
        QFETCH(QString, mask);
        QCOMPARE(numedit::BuildMask(digits, decimals, grouping), mask);
    }

    // Each row: a field kind, its starting value, the keys typed after focusing,
    // the value expected and the text shown while focused.
    void typesLikeADeskCalculator_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("rate 7.25") << "rate" << 0.0 << "7.25" << 7.25 << "7.2500%";
        QTest::newRow("rate decimal key leaves decimals")
            << "rate" << 0.0 << "7.25.1" << 71.25 << "71.2500%";
        QTest::newRow("rate third decimal") << "rate" << 0.0 << "7.251" << 7.251 << "7.2510%";
        QTest::newRow("count keeps five digits")
            << "count5" << 0.0 << "123456" << 12345.0 << "12,345";
        QTest::newRow("first digit replaces") << "money" << 250.0 << "12" << 12.0 << "$12.00";
        QTest::newRow("decimals after the key") << "money" << 250.0 << "12.5" << 12.5 << "$12.50";
        QTest::newRow("minus then digit") << "money" << 0.0 << "-5" << -5.0 << "$-5.00";
        QTest::newRow("minus on a value negates") << "money" << 0.0 << "42-" << -42.0 << "$-42.00";
        QTest::newRow("backspace removes last integer digit")
            << "money" << 0.0 << "123\b" << 12.0 << "$12.00";
        QTest::newRow("backspace clears decimal digit")
            << "money" << 0.0 << "3.45\b" << 3.4 << "$3.40";
        QTest::newRow("money nine digits full")
            << "money" << 0.0 << "12345678901" << 123456789.0 << "$123,456,789.00";
        QTest::newRow("single digit field replaces") << "digit1" << 0.0 << "47" << 7.0 << "7";
        QTest::newRow("letters are refused") << "money" << 0.0 << "1a2" << 12.0 << "$12.00";
    }

    void typesLikeADeskCalculator() {
        QFETCH(QString, kind);
        QFETCH(double, start);
        QFETCH(QString, keys);
        QFETCH(double, expected);
        QFETCH(QString, shown);
        if (kind == QLatin1String("rate"))
            MakeRate(*m_edit);
        else if (kind == QLatin1String("count5"))
            MakeCount(*m_edit, 5);
        else if (kind == QLatin1String("digit1"))
            MakeCount(*m_edit, 1);
        else
            MakeMoney(*m_edit);
        m_edit->setValue(start);
        focusEdit();
        for (QChar ch : keys) {
            if (ch == QLatin1Char('\b'))
                QTest::keyClick(m_edit, Qt::Key_Backspace);
            else
                QTest::keyClicks(m_edit, QString(ch));
        }
        QCOMPARE(m_edit->value(), expected);
        QCOMPARE(m_edit->displayText(), shown);
    }

    void escRestoresTheValueAtFocus() {
        MakeMoney(*m_edit);
        m_edit->setValue(250);
        focusEdit();
        QTest::keyClicks(m_edit, QStringLiteral("12.5"));
        QCOMPARE(m_edit->value(), 12.5);
        QTest::keyClick(m_edit, Qt::Key_Escape);
        QCOMPARE(m_edit->value(), 250.0);
        QVERIFY(!m_window->keysSeen.contains(Qt::Key_Escape));
    }

    void escWithoutChangeIsLeftToTheWindow() {
        MakeMoney(*m_edit);
        m_edit->setValue(250);
        focusEdit();
        QTest::keyClick(m_edit, Qt::Key_Escape);
        QVERIFY(m_window->keysSeen.contains(Qt::Key_Escape));
        QTest::keyClick(m_edit, Qt::Key_F1);
        QVERIFY(m_window->keysSeen.contains(Qt::Key_F1));
    }

    void minusRefusedWhenNegativesAreOff() {
        MakeMoney(*m_edit);
        m_edit->setAcceptNegatives(false);
        m_edit->setValue(250);
        focusEdit();
        QSignalSpy changes(m_edit, &TqvNumEdit::valueChanged);
        QTest::keyClicks(m_edit, QStringLiteral("-"));
        QCOMPARE(m_edit->value(), 250.0);
        QCOMPARE(changes.count(), 0);
    }

    void negativeValueIsDrawnInTheNegativeColour() {
        MakeMoney(*m_edit);
        focusEdit();
        QTest::keyClicks(m_edit, QStringLiteral("-5"));
        m_next->setFocus();
        QVERIFY(QTest::qWaitFor([this] { return m_next->hasFocus(); }));
        const QImage image = m_edit->grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        QVERIFY2(red > 5, "no red text pixels");
    }

    void changeIsRaisedOncePerChange() {
        MakeMoney(*m_edit);
        m_edit->setValue(250);
        QSignalSpy changes(m_edit, &TqvNumEdit::valueChanged);
        m_edit->setValue(250);
        QCOMPARE(changes.count(), 0);
        focusEdit();
        QTest::keyClicks(m_edit, QStringLiteral("1"));
        QCOMPARE(changes.count(), 1);
        QTest::keyClick(m_edit, Qt::Key_Delete);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(m_edit->value(), 0.0);
        QTest::keyClick(m_edit, Qt::Key_Delete);
        QCOMPARE(changes.count(), 2);
    }

    void enterMovesToTheNextField() {
        focusEdit();
        QTest::keyClick(m_edit, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([this] { return m_next->hasFocus(); }));
    }

    void insertExtendsInsteadOfReplacing() {
        MakeCount(*m_edit, 6);
        m_edit->setValue(12);
        focusEdit();
        QTest::keyClick(m_edit, Qt::Key_Insert);
        QTest::keyClicks(m_edit, QStringLiteral("3"));
        QCOMPARE(m_edit->value(), 123.0);
    }

    void pastesNumbersOnly() {
        MakeMoney(*m_edit);
        m_edit->setAcceptNegatives(false);
        m_edit->setValue(10);
        focusEdit();
        QApplication::clipboard()->setText(QStringLiteral("-1,234.5"));
        QTest::keyClick(m_edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_edit->value(), 1234.5);
        QApplication::clipboard()->setText(QStringLiteral("twelve"));
        QTest::keyClick(m_edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(m_edit->value(), 1234.5);
        QTest::keyClick(m_edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1234.5"));
    }

    void readOnlyIgnoresTyping() {
        MakeMoney(*m_edit);
        m_edit->setReadOnly(true);
        m_edit->setValue(9);
        focusEdit();
        QTest::keyClicks(m_edit, QStringLiteral("5"));
        QTest::keyClick(m_edit, Qt::Key_Delete);
        QCOMPARE(m_edit->value(), 9.0);
    }

    void displayFormatWhenNotFocused() {
        m_next->setFocus();
        QVERIFY(QTest::qWaitFor([this] { return m_next->hasFocus(); }));
        MakeMoney(*m_edit);
        m_edit->setValue(1234567.5);
        QCOMPARE(m_edit->displayText(), QStringLiteral("$1,234,567.50"));
        TEzDisplayFormat display = m_edit->displayFormat();
        display.NegUseParens = true;
        display.ZeroValue = QStringLiteral("none");
        m_edit->setDisplayFormat(display);
        m_edit->setValue(-3);
        QCOMPARE(m_edit->displayText(), QStringLiteral("($3.00)"));
        m_edit->setValue(0);
        QCOMPARE(m_edit->displayText(), QStringLiteral("$none"));
    }

    void unknownShowsBareText() {
        MakeMoney(*m_edit);
        m_edit->setAllowUnknown(true);
        m_edit->setValue(5);
        focusEdit();
        QTest::keyClicks(m_edit, QStringLiteral("u"));
        QCOMPARE(m_edit->value(), 0.0);
        QCOMPARE(m_edit->displayText(), QStringLiteral("Unknown"));
        QTest::keyClicks(m_edit, QStringLiteral("7"));
        QCOMPARE(m_edit->displayText(), QStringLiteral("$7.00"));
    }
};

QTEST_MAIN(NumEditTest)
#include "num_edit_test.moc"
