#include "app/app_context.h"

#include <stdexcept>

AppContext& App() {
    static AppContext context;
    return context;
}

calvora::TAppInfoXML& AppSettings() {
    if (App().settings == nullptr)
        throw std::logic_error("a window was opened before the settings store");
    return *App().settings;
}
