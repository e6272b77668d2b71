#include "app/help_router.h"

#include "app/help_viewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr const char* kTopicProperty = "calvoraHelpTopic";

} // namespace

HelpRouter& HelpRouter::instance() {
    static HelpRouter router;
    return router;
}

void HelpRouter::installOn(QObject* application) {
    application->installEventFilter(this);
}

void HelpRouter::setHandler(Handler handler) {
    m_handler = std::move(handler);
}

void HelpRouter::showTopic(int topic) {
    dispatch({Command::Topic, topic, {}});
}

void HelpRouter::showContents() {
    dispatch({Command::Contents, 0, {}});
}

void HelpRouter::showIndex(const QString& keyword) {
    dispatch({Command::Index, 0, keyword});
}

void HelpRouter::quit() {
    dispatch({Command::Quit, 0, {}});
}

void HelpRouter::dispatch(const Request& request) {
    if (m_handler) {
        m_handler(request);
        return;
    }
    switch (request.command) {
    case Command::Topic:
        THelpViewer::instance().showTopic(request.topic);
        break;
    case Command::Contents:
        THelpViewer::instance().showContents();
        break;
    case Command::Index:
        THelpViewer::instance().showIndex(request.keyword);
        break;
    case Command::Quit:
        THelpViewer::closeAll();
        break;
    }
}

void HelpRouter::setTopic(QWidget* widget, int topic) {
    if (widget != nullptr)
        widget->setProperty(kTopicProperty, topic);
}

int HelpRouter::topicOf(const QWidget* widget) {
    if (widget == nullptr)
        return 0;
    return widget->property(kTopicProperty).toInt();
}

int HelpRouter::topicFor(const QWidget* widget) {
    for (const QWidget* at = widget; at != nullptr; at = at->parentWidget()) {
        if (const int topic = topicOf(at); topic != 0)
            return topic;
    }
    return 0;
}

void HelpRouter::helpForFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr)
        focus = QApplication::activeWindow();
    const int topic = topicFor(focus);
    if (topic != 0)
        showTopic(topic);
    else
        showContents();
}

bool HelpRouter::eventFilter(QObject* watched, QEvent* event) {
    // Only the key press that reaches a widget counts, not its copies on the way up.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            helpForFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
