#include "app/help_viewer.h"

#include "app/help_catalog.h"
#include "app/ui_text.h"

#include <map>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPointer<THelpViewer> g_viewer;
constexpr int kTopicRole = Qt::UserRole + 1;

} // namespace

THelpViewer& THelpViewer::instance() {
    if (g_viewer.isNull())
        g_viewer = new THelpViewer;
    return *g_viewer;
}

void THelpViewer::closeAll() {
    if (!g_viewer.isNull())
        g_viewer->hide();
}

THelpViewer::THelpViewer()
    : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("helpViewer"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Calvora Help"));

    auto* toolbar = new QToolBar(this);
    toolbar->setIconSize(QSize(18, 18));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    QAction* back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                       QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    QAction* forward =
        toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                           QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"),
                       this, &THelpViewer::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);

    m_tabs = new QTabWidget(this);
    buildContents();
    buildIndex();

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 560});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    resize(900, 620);
}

void THelpViewer::buildContents() {
    m_contents = new QTreeWidget(this);
    m_contents->setHeaderHidden(true);
    for (const HelpChapter& chapter : HelpContents()) {
        auto* chapterItem = new QTreeWidgetItem(m_contents, {QString::fromUtf8(chapter.title)});
        for (int topic : chapter.topics) {
            const HelpTopicEntry* entry = FindHelpTopic(topic);
            if (entry == nullptr)
                continue;
            auto* item = new QTreeWidgetItem(chapterItem, {QString::fromUtf8(entry->title)});
            item->setData(0, kTopicRole, topic);
        }
    }
    m_contents->expandAll();
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const int topic = item->data(0, kTopicRole).toInt(); topic != 0)
            open(QUrl(HelpTopicUrl(topic)));
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    m_tabs->addTab(m_contents, QStringLiteral("Contents"));
}

void THelpViewer::buildIndex() {
    auto* page = new QWidget(this);
    m_search = new QLineEdit(page);
    m_search->setPlaceholderText(QStringLiteral("Type a keyword"));
    m_search->setClearButtonEnabled(true);
    m_index = new QListWidget(page);
    m_index->setObjectName(QStringLiteral("helpIndex"));
    std::map<QString, int> keywords; // sorted, case-insensitively by the key
    for (const HelpTopicEntry& entry : HelpTopics()) {
        const QStringList words =
            QString::fromUtf8(entry.keywords).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& word : words)
            keywords.emplace(word.toLower() + QLatin1Char('\t') + word, entry.topic);
    }
    for (const auto& [key, topic] : keywords) {
        auto* item = new QListWidgetItem(key.section(QLatin1Char('\t'), 1), m_index);
        item->setData(kTopicRole, topic);
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_search);
    layout->addWidget(m_index, 1);
    connect(m_search, &QLineEdit::textChanged, this, &THelpViewer::filterIndex);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < m_index->count(); ++i)
            if (!m_index->item(i)->isHidden()) {
                open(QUrl(HelpTopicUrl(m_index->item(i)->data(kTopicRole).toInt())));
                return;
            }
    });
    connect(m_index, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        open(QUrl(HelpTopicUrl(item->data(kTopicRole).toInt())));
    });
    connect(m_index, &QListWidget::itemClicked, m_index, &QListWidget::itemActivated);
    m_tabs->addTab(page, QStringLiteral("Index"));
}

void THelpViewer::filterIndex(const QString& text) {
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        item->setHidden(!item->text().startsWith(text, Qt::CaseInsensitive) &&
                        !item->text().contains(text, Qt::CaseInsensitive));
    }
}

void THelpViewer::open(const QUrl& url) {
    m_browser->setSource(url);
}

void THelpViewer::present() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void THelpViewer::showTopic(int topic) {
    open(QUrl(HelpTopicUrl(topic)));
    present();
}

void THelpViewer::showContents() {
    m_tabs->setCurrentIndex(0);
    open(QUrl(HelpContentsUrl()));
    present();
}

void THelpViewer::showIndex(const QString& keyword) {
    m_tabs->setCurrentIndex(1);
    m_search->setText(keyword);
    if (m_browser->source().isEmpty())
        open(QUrl(HelpContentsUrl()));
    present();
    m_search->setFocus();
}

QUrl THelpViewer::currentUrl() const {
    return m_browser->source();
}
