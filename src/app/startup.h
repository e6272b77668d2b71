#pragma once

#include <memory>

#include <QSize>
#include <QString>
#include <QStringList>

class TSkinEngine;
class TfrmCalvoraMain;

namespace calvora {
class TAppInfoXML;
}

// The one command-line argument the program reads (the first), as given and upper-cased.
struct StartupArgument {
    QString given;
    QString upper;
};

// `arguments` without the program name; empty texts when there is none.
StartupArgument FirstArgument(const QStringList& arguments);
// "/FROMINSTALL" in any mix of case: create the settings and end without a window.
bool IsFromInstall(const StartupArgument& argument);
// The data file to open at the first activation: the argument when it names an existing
// file (and is not "/FROMINSTALL"); empty otherwise.
QString PendingFileOf(const StartupArgument& argument);
// The resolution message is due on a screen narrower than 800 pixels during the first five
// runs.
bool NeedsResolutionWarning(int screenWidth, int runTimes);
QString ResolutionWarningText();

// The start-up of a run: it checks the screen, creates the main window, hands it the file
// named on the command line and shows it; with "/FROMINSTALL" the window is created but
// never shown.
class TfrmMain {
public:
    TfrmMain(const QStringList& arguments, calvora::TAppInfoXML& settings, TSkinEngine& skins,
             QSize screen);
    ~TfrmMain();

    bool fromInstall() const { return m_fromInstall; }
    TfrmCalvoraMain& mainWindow() const { return *m_main; }
    // Shows the main window unless started from the installer; true when it was shown.
    bool activate();

private:
    bool m_fromInstall = false;
    std::unique_ptr<TfrmCalvoraMain> m_main;
};

// A whole run after the settings exist: start-up, the event loop while the main window is
// open, then the run counter raised. Returns the exit code.
int RunCalvora(const QStringList& arguments, calvora::TAppInfoXML& settings, TSkinEngine& skins,
               QSize screen);
