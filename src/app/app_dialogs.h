#pragma once

#include <functional>

class QWidget;

// Modal dialogs the main window's menus open that live in their own windows' files.
// Each registers a runner at start; a menu item whose dialog is not registered is disabled.
enum class AppDialog {
    GlobalOptions,
    AssumedStartDate,
    ResetOptions,
    Tips,
    About,
};
inline constexpr int kAppDialogCount = 5;

// Shows the dialog modally over `parent`; true when it closed with OK.
using AppDialogRunner = std::function<bool(QWidget* parent)>;

class AppDialogRegistry {
public:
    static void add(AppDialog dialog, AppDialogRunner runner);
    static void remove(AppDialog dialog);
    static bool has(AppDialog dialog);
    // Runs the dialog; false when none is registered.
    static bool run(AppDialog dialog, QWidget* parent);
};
