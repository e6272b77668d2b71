#pragma once

#include "app/tool_window.h"
#include "app/window_table.h"

#include <array>
#include <string_view>

#include <QMainWindow>
#include <QPointer>
#include <QRect>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QToolButton;
class TSkinEngine;

namespace calvora {
class TAppInfoXML;
template <class T>
struct TAppInfoKey;
} // namespace calvora

// The bounds the main window takes on first show and its minimum height.
struct MainWindowBounds {
    QRect rect;
    int minimumHeight = 0;
};

// The main window's bounds on opening: with Restore Positions the stored "MainForm" bounds
// (current bounds as defaults; a Left beyond the screen width - 50 or negative becomes 20,
// likewise Top) and a minimum height of 442; without, 0, 0, 680 x 400.
MainWindowBounds MainWindowStartBounds(const calvora::TAppInfoXML& settings, bool restore,
                                       const QRect& current, const QSize& screen);

// The launcher of the suite: launch buttons and menus for the nine tool windows (two
// copies of each at most), the preference menus, the Windows menu and Help.
class TfrmCalvoraMain : public QMainWindow {
    Q_OBJECT

public:
    // Option check marks of the Preferences menu, each mirrored from its settings key.
    enum class Option {
        ShowHints,
        ShowButtonHints,
        ShowToolbarHints,
        SavePositions,
        RestorePositions,
        GradientBackground,
    };
    static constexpr int kOptionCount = 6;

    // `screen` is the size the stored bounds are checked against; empty takes the
    // primary screen's.
    TfrmCalvoraMain(calvora::TAppInfoXML& settings, TSkinEngine& skins, QSize screen = QSize(),
                    QWidget* parent = nullptr);
    ~TfrmCalvoraMain() override;

    // Opens a tool window of the kind in its first free slot; with both slots taken shows
    // "Maximum number of this calculator displayed.". The new window or null.
    TToolWindow* openWindow(ToolKind kind);
    // Opens a calculator data file in the window of its kind; any failure shows the
    // unsupported-file message. The pending data file is emptied in every case.
    void openDataFile(const QString& path);
    // Opens the first of the dropped files (as a drop on the window does).
    void dropFiles(const QStringList& paths);
    // A drop's data: its local files, of which the first is opened.
    void dropMimeData(const QMimeData& data);

    QString pendingDataFile() const { return m_pendingDataFile; }
    void setPendingDataFile(const QString& path) { m_pendingDataFile = path; }

    const WindowTable& windowTable() const { return m_table; }
    bool isOptionChecked(Option option) const;
    QAction* optionAction(Option option) const;
    QAction* launchAction(ToolKind kind) const;
    QToolButton* launchButton(ToolKind kind) const;
    QMenu* windowsMenu() const { return m_windowsMenu; }
    QAction* unskinAction() const { return m_unskin; }
    QLabel* statusPanel(int index) const;
    const MainWindowBounds& startBounds() const { return m_startBounds; }

public slots:
    void toggleOption(Option option);
    void unskin();
    void selectSkins();
    void resetToDefaultSize();
    void choosePrinterFont();
    void printerSetup();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildLaunchers();
    void buildStatusBar();
    void applyButtonHints();
    void updateMenuStates();
    void layoutStatusPanels();
    void applyStoredSkin();
    void refreshSkinState();
    void firstActivation();
    void writeOption(Option option, bool value);
    void openWebPage(const char* url);
    void mailSupport();
    void mailWhatsNew();

    calvora::TAppInfoXML& m_settings;
    TSkinEngine& m_skins;
    QSize m_screen;
    WindowTable m_table;
    MainWindowBounds m_startBounds;
    bool m_boundsApplied = false;
    bool m_firstActivation = true;
    QString m_pendingDataFile;

    std::array<QAction*, kOptionCount> m_options{};
    std::array<QAction*, kToolKindCount> m_launchActions{};
    std::array<QToolButton*, kToolKindCount> m_launchButtons{};
    QMenu* m_windowsMenu = nullptr;
    QAction* m_unskin = nullptr;
    std::array<QLabel*, 3> m_statusPanels{};
    QWidget* m_background = nullptr;
};
