#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QWidget;

// Help topic numbers of our own (the windows' and fields' topics are set where they are
// built).
inline constexpr int kHelpTopicMainWindow = 3000;
inline constexpr int kHelpTopicHelpOnHelp = 98;
inline constexpr int kHelpTopicPrinterSetup = 344;
inline constexpr int kHelpTopicSkins = 3010;

// The one handler of every help request of the program: F1 on a control, Help buttons and
// the Help menu. F1 asks for the topic of the focused control or of its nearest parent that
// has one. Requests go to the help viewer unless a test installs its own handler.
class HelpRouter : public QObject {
    Q_OBJECT

public:
    enum class Command { Topic, Contents, Index, Quit };
    struct Request {
        Command command = Command::Topic;
        int topic = 0;
        QString keyword;
    };
    using Handler = std::function<void(const Request&)>;

    static HelpRouter& instance();

    // Catches F1 for the whole application.
    void installOn(QObject* application);
    // Replaces where requests go; an empty handler puts the help viewer back.
    void setHandler(Handler handler);

    void showTopic(int topic);
    void showContents();
    void showIndex(const QString& keyword);
    void quit();

    static void setTopic(QWidget* widget, int topic);
    // The widget's own topic, 0 when it has none.
    static int topicOf(const QWidget* widget);
    // The topic of the widget or its nearest parent that has one; 0 when none has.
    static int topicFor(const QWidget* widget);
    // F1: the request for the focused control.
    void helpForFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpRouter() = default;
    void dispatch(const Request& request);

    Handler m_handler;
};
