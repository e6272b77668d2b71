#include "app/user_prompts.h"

#include "app/ui_text.h"

namespace {

UserPrompts* g_installed = nullptr;

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, AppTitle(), UiText(text), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void UserPrompts::inform(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

void UserPrompts::warn(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Warning, text, QMessageBox::Ok);
}

void UserPrompts::fail(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

bool UserPrompts::ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                      QMessageBox::StandardButton yes) {
    return Show(parent, QMessageBox::Information, text, buttons) == yes;
}

UserPrompts& UserPrompts::current() {
    static UserPrompts boxes;
    return g_installed != nullptr ? *g_installed : boxes;
}

void UserPrompts::install(UserPrompts* prompts) {
    g_installed = prompts;
}
