#include "app/tool_window.h"

#include <array>

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace {

std::array<ToolWindowFactory, kToolKindCount>& Factories() {
    static std::array<ToolWindowFactory, kToolKindCount> factories;
    return factories;
}

} // namespace

TToolWindow::TToolWindow(QWidget* owner)
    : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
}

TToolWindow::~TToolWindow() {
    delete m_menuItem.data();
}

void TToolWindow::setupWindow(const ToolWindowSetup& setup) {
    m_setup = setup;
    show();
}

void TToolWindow::addToWindowsMenu(QMenu* menu) {
    if (menu == nullptr)
        return;
    // Owned by this window, so it leaves the menu when the window is freed.
    m_menuItem = new QAction(windowTitle(), this);
    connect(m_menuItem, &QAction::triggered, this, &TToolWindow::bringToFront);
    connect(this, &QWidget::windowTitleChanged, m_menuItem, &QAction::setText);
    menu->addAction(m_menuItem);
}

void TToolWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TToolWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        releaseSlot();
}

void TToolWindow::releaseSlot() {
    if (m_setup.slot != nullptr && m_setup.slot->window == this)
        m_setup.slot->window = nullptr;
    m_setup.slot = nullptr;
    delete m_menuItem.data();
}

void ToolWindowRegistry::add(ToolKind kind, ToolWindowFactory factory) {
    Factories()[static_cast<std::size_t>(kind)] = std::move(factory);
}

void ToolWindowRegistry::remove(ToolKind kind) {
    Factories()[static_cast<std::size_t>(kind)] = nullptr;
}

bool ToolWindowRegistry::has(ToolKind kind) {
    return static_cast<bool>(Factories()[static_cast<std::size_t>(kind)]);
}

TToolWindow* ToolWindowRegistry::create(ToolKind kind, QWidget* owner) {
    const ToolWindowFactory& factory = Factories()[static_cast<std::size_t>(kind)];
    return factory ? factory(owner) : nullptr;
}
