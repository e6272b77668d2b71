#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

// The program's help window: the help pages (built into the program) with a table of
// contents and a keyword index; topics are shown by number.
class THelpViewer : public QWidget {
    Q_OBJECT

public:
    // The one help window, created on first use.
    static THelpViewer& instance();
    // Hides the help window if it exists.
    static void closeAll();

    void showTopic(int topic);
    void showContents();
    // Opens the index with `keyword` typed into its search line.
    void showIndex(const QString& keyword);

    QUrl currentUrl() const;
    QTextBrowser* browser() const { return m_browser; }
    QListWidget* indexList() const { return m_index; }

private:
    THelpViewer();
    void buildContents();
    void buildIndex();
    void filterIndex(const QString& text);
    void open(const QUrl& url);
    void present();

    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_index = nullptr;
    QTextBrowser* m_browser = nullptr;
};
