#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The message boxes the shell shows. Windows talk to this interface so tests can answer
// for the user; the default shows Qt message boxes captioned with the application title.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void inform(QWidget* parent, const QString& text);
    virtual void warn(QWidget* parent, const QString& text);
    virtual void fail(QWidget* parent, const QString& text);
    // An information box with the given buttons; true when `yes` was pressed.
    virtual bool ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                     QMessageBox::StandardButton yes);

    // The prompts in use (never null).
    static UserPrompts& current();
    // Replaces the prompts in use; null puts the message boxes back. Not owned.
    static void install(UserPrompts* prompts);
};
