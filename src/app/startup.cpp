#include "app/startup.h"

#include "app/main_window.h"
#include "app/user_prompts.h"
#include "persistence/app_info_xml.h"

#include <QApplication>
#include <QFileInfo>

namespace {

constexpr int kMinimumWidth = 800;
constexpr int kWarningRuns = 5;

} // namespace

StartupArgument FirstArgument(const QStringList& arguments) {
    if (arguments.isEmpty())
        return {};
    return {arguments.first(), arguments.first().toUpper()};
}

bool IsFromInstall(const StartupArgument& argument) {
    return argument.upper == QLatin1String("/FROMINSTALL");
}

QString PendingFileOf(const StartupArgument& argument) {
    // File names are case-sensitive here, so the file is looked up as it was given.
    if (argument.given.isEmpty() || IsFromInstall(argument) || !QFileInfo(argument.given).isFile())
        return {};
    return argument.given;
}

bool NeedsResolutionWarning(int screenWidth, int runTimes) {
    return screenWidth < kMinimumWidth && runTimes < kWarningRuns;
}

QString ResolutionWarningText() {
    return QStringLiteral("Your monitor is not set to a high enough resolution.\r\n"
                          "Please increase resolution for best results.\r\n"
                          "The minimum resolution should be 800 x 600\r\n"
                          "This message will not display after 5 times.");
}

TfrmMain::TfrmMain(const QStringList& arguments, calvora::TAppInfoXML& settings, TSkinEngine& skins,
                   QSize screen) {
    const StartupArgument argument = FirstArgument(arguments);
    m_fromInstall = IsFromInstall(argument);
    const int runTimes =
        settings.ReadInteger(calvora::kRootElement, calvora::kKeyRunTimes, 0, true);
    if (NeedsResolutionWarning(screen.width(), runTimes))
        UserPrompts::current().inform(nullptr, ResolutionWarningText());
    m_main = std::make_unique<TfrmCalvoraMain>(settings, skins, screen);
    m_main->setPendingDataFile(PendingFileOf(argument));
}

TfrmMain::~TfrmMain() = default;

bool TfrmMain::activate() {
    if (m_fromInstall)
        return false;
    m_main->show();
    return true;
}

int RunCalvora(const QStringList& arguments, calvora::TAppInfoXML& settings, TSkinEngine& skins,
               QSize screen) {
    int code = 0;
    {
        TfrmMain startup(arguments, settings, skins, screen);
        if (startup.activate())
            code = QApplication::exec();
    }
    settings.WriteRunTimesAtExit();
    return code;
}
