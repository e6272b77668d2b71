#include "app/app_dialogs.h"

#include <array>
#include <cstddef>

namespace {

std::array<AppDialogRunner, kAppDialogCount>& Runners() {
    static std::array<AppDialogRunner, kAppDialogCount> runners;
    return runners;
}

} // namespace

void AppDialogRegistry::add(AppDialog dialog, AppDialogRunner runner) {
    Runners()[static_cast<std::size_t>(dialog)] = std::move(runner);
}

void AppDialogRegistry::remove(AppDialog dialog) {
    Runners()[static_cast<std::size_t>(dialog)] = nullptr;
}

bool AppDialogRegistry::has(AppDialog dialog) {
    return static_cast<bool>(Runners()[static_cast<std::size_t>(dialog)]);
}

bool AppDialogRegistry::run(AppDialog dialog, QWidget* parent) {
    const AppDialogRunner& runner = Runners()[static_cast<std::size_t>(dialog)];
    return runner ? runner(parent) : false;
}
