#pragma once

#include <functional>

#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;

// The nine kinds of tool window the main window opens, in the order of its window table.
enum class ToolKind {
    Interest,
    AccelPayment,
    BalloonPayment,
    Loan,
    RemainingBalance,
    AutomobileLoan,
    MortgageLoan,
    Amortization,
    Refinance,
};
inline constexpr int kToolKindCount = 9;
inline constexpr int kCopiesPerKind = 2;

class TToolWindow;

// One place of the window table; a tool window empties its own slot when it closes.
struct WindowSlot {
    QPointer<TToolWindow> window;
};

// What the main window hands a tool window right after creating it.
struct ToolWindowSetup {
    int copy = 1;
    WindowSlot* slot = nullptr;
    bool showButtonHints = true;
    bool restorePositions = true;
    bool savePositions = true;
    // Given to the amortization and refinance windows only.
    QString pendingDataFile;
    bool showToolbarHints = true;
    bool showHints = true;
};

// Base of every window the main window opens: a top-level window owned by the main window,
// freed when closed, with an item in the main window's Windows menu while it is open.
class TToolWindow : public QWidget {
    Q_OBJECT

public:
    explicit TToolWindow(QWidget* owner);
    ~TToolWindow() override;

    // Stores copy number, slot and flags, then shows the window (not modally). Windows
    // override it to set their caption and bounds first and call this last.
    virtual void setupWindow(const ToolWindowSetup& setup);
    // Adds an item captioned like the window; choosing it brings the window to the front.
    virtual void addToWindowsMenu(QMenu* menu);

    int copyNumber() const { return m_setup.copy; }
    const ToolWindowSetup& setup() const { return m_setup; }
    QAction* windowsMenuItem() const { return m_menuItem; }

protected:
    // Windows with their own close step override this, do their step, then call it.
    void closeEvent(QCloseEvent* event) override;
    // Empties the window-table slot and removes the Windows menu item.
    void releaseSlot();

private:
    void bringToFront();

    ToolWindowSetup m_setup;
    QPointer<QAction> m_menuItem;
};

// How a window of one kind is made. A calculator window registers its kind once at start
// (see RegisterToolWindows); kinds without a registered window stay disabled on the
// main window.
using ToolWindowFactory = std::function<TToolWindow*(QWidget* owner)>;

class ToolWindowRegistry {
public:
    static void add(ToolKind kind, ToolWindowFactory factory);
    static void remove(ToolKind kind);
    static bool has(ToolKind kind);
    // A new window of the kind owned by `owner`, or null when none is registered.
    static TToolWindow* create(ToolKind kind, QWidget* owner);
};

// Registers every tool window that the program has; called once by the program entry.
void RegisterToolWindows();
