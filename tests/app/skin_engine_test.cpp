// Skin files: parsing, the shipped skins, class mappings and switching on and off.
#include "app/skin_engine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SkinEngineTest : public QObject {
    Q_OBJECT

private slots:
    void parsesNameFaceColourPaletteAndStyleSheet() {
        const auto skin = TSkinEngine::parseSkin(QStringLiteral(
            "; comment\n[Skin]\nName=Night\nFaceColor=#102030\nWindow=#000000\nText=#fefefe\n"
            "[StyleSheet]\nQPushButton { color: red; }\nQLineEdit:focus { border: 1px solid blue; "
            "}\n"));
        QVERIFY(skin);
        QCOMPARE(skin->name, QStringLiteral("Night"));
        QCOMPARE(skin->faceColor, QColor(0x10, 0x20, 0x30));
        QVERIFY(skin->hasPalette);
        QCOMPARE(skin->palette.color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(skin->palette.color(QPalette::Text), QColor(0xfe, 0xfe, 0xfe));
        QVERIFY(skin->styleSheet.startsWith(QStringLiteral("QPushButton")));
        QVERIFY(skin->styleSheet.contains(QStringLiteral("QLineEdit:focus")));
    }

    void refusesFilesThatAreNoSkins_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("no skin section") << "Name=A\nFaceColor=#ffffff\n";
        QTest::newRow("no name") << "[Skin]\nFaceColor=#ffffff\n";
        QTest::newRow("bad colour") << "[Skin]\nName=A\nFaceColor=notacolour\n";
    }

    void refusesFilesThatAreNoSkins() {
        QFETCH(QString, text);
        QVERIFY(!TSkinEngine::parseSkin(text));
    }

    void shippedSkinsParse() {
        const QDir folder(QStringLiteral(CALVORA_SKINS_DIR));
        const QStringList files = TSkinEngine::skinFiles(folder.path());
        QVERIFY(files.size() >= 3);
        bool dark = false;
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto skin = TSkinEngine::parseSkin(QString::fromUtf8(file.readAll()));
            QVERIFY2(skin, qPrintable(name));
            QVERIFY(!skin->styleSheet.isEmpty());
            dark = dark || skin->palette.color(QPalette::Window).lightness() < 100;
        }
        QVERIFY2(dark, "no dark skin shipped");
    }

    void numericEditIsPaintedAsAnEdit() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a.skn")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Skin]\nName=A\nFaceColor=#abcdef\n[StyleSheet]\n"
                   "QLineEdit, QComboBox { color: red; }\nQPushButton { color: blue; }\n");
        file.close();
        TSkinEngine engine;
        engine.addClassMapping(QStringLiteral("TqvNumEdit"), QStringLiteral("QLineEdit"));
        QVERIFY(engine.loadSkinFile(file.fileName()));
        const QString sheet = engine.effectiveStyleSheet();
        QVERIFY(sheet.contains(QStringLiteral("TqvNumEdit, QComboBox { color: red; }")));
        QCOMPARE(sheet.count(QStringLiteral("TqvNumEdit")), 1);
    }

    void switchingOnAndOff() {
        const QColor plainFace = QApplication::palette().color(QPalette::Button);
        TSkinEngine engine;
        engine.setActive(true); // nothing loaded: stays off
        QVERIFY(!engine.isActive());
        QVERIFY(!engine.loadSkinFile(QStringLiteral("/no/such/file.skn")));
        QDir folder(QStringLiteral(CALVORA_SKINS_DIR));
        QVERIFY(engine.loadSkinFile(folder.filePath(QStringLiteral("Graphite.skn"))));
        engine.setActive(true);
        QVERIFY(engine.isActive());
        QVERIFY(!qApp->styleSheet().isEmpty());
        QCOMPARE(engine.faceColor(), engine.skin()->faceColor);
        engine.setActive(false);
        QVERIFY(qApp->styleSheet().isEmpty());
        QCOMPARE(engine.faceColor(), plainFace);
    }

    void skinPathsBesideTheProgram() {
        QVERIFY(TSkinEngine::skinFilePath(QStringLiteral("./skins/"), QString()).isEmpty());
        QCOMPARE(TSkinEngine::skinFilePath(QStringLiteral("/opt/x/"), QStringLiteral("a.skn")),
                 QStringLiteral("/opt/x/a.skn"));
        QCOMPARE(TSkinEngine::skinFilePath(QStringLiteral(".\\skins\\"), QStringLiteral("a.skn")),
                 QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                 QStringLiteral("/skins/a.skn")));
    }
};

QTEST_MAIN(SkinEngineTest)
#include "skin_engine_test.moc"
