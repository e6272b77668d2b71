// The desktop program's entry: the process-wide settings, masks and skin engine, the help
// handler, then the run.
#include "app/app_context.h"
#include "app/help_router.h"
#include "app/skin_engine.h"
#include "app/startup.h"
#include "app/tool_window.h"
#include "app/ui_text.h"
#include "app/user_prompts.h"
#include "persistence/app_folder.h"
#include "persistence/app_info_xml.h"
#include "persistence/masks_unit.h"
#include "persistence/regional_settings.h"
#include "persistence/system_owner.h"

#include <memory>

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calvora"));
    QApplication::setOrganizationName(QStringLiteral("Brindlemoor"));
    QApplication::setApplicationVersion(QStringLiteral("3.0d"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    calvora::TPosixRegionalSettings regional;
    calvora::TPasswdSystemOwner owner;
    calvora::TAppInfoEnvironment environment;
    environment.AppFolder =
        calvora::ApplicationFolder(QCoreApplication::applicationDirPath().toStdString());
    environment.Regional = regional.Current();
    environment.Owner = &owner;

    std::unique_ptr<calvora::TAppInfoXML> settings;
    try {
        settings = std::make_unique<calvora::TAppInfoXML>(environment);
    } catch (const std::exception& error) {
        UserPrompts::current().fail(nullptr, QString::fromUtf8(error.what()));
        return 1;
    }
    if (!settings->LoadProblem().empty())
        UserPrompts::current().warn(nullptr, QString::fromStdString(settings->LoadProblem()));
    const calvora::TMasks masks(regional);

    TSkinEngine skins;
    // The numeric edit is painted as an ordinary edit by every skin.
    skins.addClassMapping(QStringLiteral("TqvNumEdit"), QStringLiteral("QLineEdit"));
    App() = AppContext{settings.get(), &masks, &skins};

    HelpRouter::instance().installOn(&app);
    RegisterToolWindows();

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);

    int code = 1;
    try {
        code = RunCalvora(arguments, *settings, skins, screenSize);
    } catch (const std::exception& error) {
        UserPrompts::current().fail(nullptr, QString::fromUtf8(error.what()));
    }
    HelpRouter::instance().quit();
    App() = AppContext{};
    return code;
}
