#pragma once

#include "app/tool_window.h"

#include <span>

#include <QColor>
#include <QIcon>
#include <QString>

// The main window's launchers: one per tool-window kind, with its button caption, menu
// caption, hint (string-table text, "\r" and "\r\n" breaks kept), menu and help topic.
enum class LaunchGroup { Loan, Schedules, Advisers };

struct LaunchEntry {
    ToolKind kind;
    LaunchGroup group;
    const char* button;
    const char* menu;
    const char* hint;
    const char* objectName;
    int helpTopic;
};

// In the order of the Loan group box and the Calculators menu (alphabetical), then
// Amortization and Refinance.
std::span<const LaunchEntry> LaunchEntries();
const LaunchEntry& LaunchEntryOf(ToolKind kind);

// The launch button's picture: a rounded tile in the kind's colour with its symbol.
QIcon LaunchIcon(ToolKind kind);
QColor LaunchColor(ToolKind kind);
