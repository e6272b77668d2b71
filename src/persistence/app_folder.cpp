#include "persistence/app_folder.h"

#include <cstdlib>
#include <system_error>

namespace calvora {

namespace {

std::filesystem::path WithTrailingSeparator(std::filesystem::path folder) {
    if (!folder.empty() && folder.has_filename()) {
        folder /= "";
    }
    return folder;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

} // namespace

bool PrepareApplicationFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder / "Data", error);
    return std::filesystem::is_directory(folder, error);
}

std::filesystem::path ApplicationFolder(const std::filesystem::path& programFolder) {
    std::filesystem::path folder;
    if (const std::string home = Environment(kCalvoraHomeVariable); !home.empty()) {
        folder = home;
    } else {
        std::filesystem::path dataHome = Environment("XDG_DATA_HOME");
        // An XDG variable holding a relative path is invalid and is ignored.
        if (dataHome.empty() || dataHome.is_relative()) {
            dataHome = std::filesystem::path(Environment("HOME")) / ".local" / "share";
        }
        folder = dataHome / "Brindlemoor" / "Calvora";
    }
    if (!PrepareApplicationFolder(folder) && !programFolder.empty()) {
        return WithTrailingSeparator(programFolder);
    }
    return WithTrailingSeparator(folder);
}

} // namespace calvora
