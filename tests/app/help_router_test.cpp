// Help requests: F1 on a field or its nearest parent with a topic, Help buttons, the Help
// menu, and every topic's page present in the help.
#include "app/help_catalog.h"
#include "app/help_router.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/num_edit.h"
#include "app/skin_engine.h"
#include "app_test_support.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

class HelpRouterTest : public QObject {
    Q_OBJECT

    QList<HelpRouter::Request> m_requests;

    void focus(QWidget* widget) {
        widget->setFocus();
        QVERIFY(QTest::qWaitFor([widget] { return widget->hasFocus(); }));
    }

private slots:
    void initTestCase() {
        HelpRouter::instance().installOn(qApp);
        HelpRouter::instance().setHandler(
            [this](const HelpRouter::Request& request) { m_requests << request; });
    }

    void init() { m_requests.clear(); }

    void f1GoesToTheFocusedFieldOrItsNearestParent() {
        QWidget window;
        HelpRouter::setTopic(&window, 8); // the loan window
        auto* layout = new QVBoxLayout(&window);
        auto* group = new QGroupBox(&window);
        auto* groupLayout = new QVBoxLayout(group);
        auto* rate = new TqvNumEdit(group);
        HelpRouter::setTopic(rate, 81);
        auto* plain = new QLineEdit(group); // no topic of its own
        groupLayout->addWidget(rate);
        groupLayout->addWidget(plain);
        auto* help = new QPushButton(QStringLiteral("&Help"), &window);
        HelpRouter::setTopic(help, 24);
        QObject::connect(help, &QPushButton::clicked, [] { HelpRouter::instance().showTopic(8); });
        layout->addWidget(group);
        layout->addWidget(help);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        focus(rate);
        QTest::keyClick(rate, Qt::Key_F1);
        focus(plain);
        QTest::keyClick(plain, Qt::Key_F1);
        focus(help);
        QTest::keyClick(help, Qt::Key_F1);
        QTest::mouseClick(help, Qt::LeftButton);

        QCOMPARE(m_requests.size(), 4);
        const int expected[] = {81, 8, 24, 8};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(m_requests[i].command, HelpRouter::Command::Topic);
            QCOMPARE(m_requests[i].topic, expected[i]);
        }
        QCOMPARE(rate->value(), 0.0); // F1 typed nothing into the field
    }

    void helpMenuRequests() {
        TempSettings settings;
        TSkinEngine skins;
        TfrmCalvoraMain main(settings.store(), skins, QSize(1024, 768));
        QMenu* help = nullptr;
        for (QAction* action : main.menuBar()->actions())
            if (action->text() == QLatin1String("&Help"))
                help = action->menu();
        QVERIFY(help);
        auto trigger = [help](const QString& text) {
            for (QAction* action : help->actions())
                if (action->text() == text)
                    action->trigger();
        };
        trigger(QStringLiteral("Contents..."));
        trigger(QStringLiteral("Topic Search..."));
        trigger(QStringLiteral("Help on Help..."));
        QCOMPARE(m_requests.size(), 3);
        QCOMPARE(m_requests[0].command, HelpRouter::Command::Contents);
        QCOMPARE(m_requests[1].command, HelpRouter::Command::Index);
        QVERIFY(m_requests[1].keyword.isEmpty());
        QCOMPARE(m_requests[2].topic, 98);
    }

    void everyTopicHasItsPage() {
        for (const HelpTopicEntry& entry : HelpTopics()) {
            const QString page = QStringLiteral(":/help/") + QString::fromLatin1(entry.page);
            QFile file(page);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            const QString html = QString::fromUtf8(file.readAll());
            if (*entry.anchor != '\0')
                QVERIFY2(
                    html.contains(QStringLiteral("id=\"%1\"").arg(QLatin1String(entry.anchor))),
                    qPrintable(page + QLatin1Char('#') + QLatin1String(entry.anchor)));
        }
        QCOMPARE(HelpTopicUrl(81), QStringLiteral("qrc:/help/fields.html#t81"));
        QCOMPARE(HelpTopicUrl(123456), HelpContentsUrl());
    }

    void viewerShowsTopicsByNumber() {
        THelpViewer& viewer = THelpViewer::instance();
        viewer.showTopic(8);
        QCOMPARE(viewer.currentUrl().toString(), QStringLiteral("qrc:/help/loan.html"));
        QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Loan Calculator")));
        viewer.showIndex(QString());
        QVERIFY(viewer.indexList()->count() > 20);
        THelpViewer::closeAll();
        QVERIFY(!viewer.isVisible());
    }
};

QTEST_MAIN(HelpRouterTest)
#include "help_router_test.moc"
