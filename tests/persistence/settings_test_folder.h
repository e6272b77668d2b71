#pragma once

#include "persistence/app_info_xml.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace calvora::testing {

/// A fresh application folder (with its Data subfolder) under the temporary
/// folder, removed with everything in it at the end of the test.
class TSettingsFolder {
public:
    TSettingsFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "calvora-settings-XXXXXX").string();
        Path = std::filesystem::path(mkdtemp(pattern.data())) / "";
        std::filesystem::create_directories(Path / "Data");
    }
    ~TSettingsFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
    TSettingsFolder(const TSettingsFolder&) = delete;
    TSettingsFolder& operator=(const TSettingsFolder&) = delete;

    std::filesystem::path SettingsFile() const { return Path / "Calvora.xml"; }

    std::string FileText() const { return ReadText(SettingsFile()); }

    static std::string ReadText(const std::filesystem::path& file) {
        std::ifstream stream(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

    void WriteFile(const std::string& bytes) const {
        std::ofstream stream(SettingsFile(), std::ios::binary);
        stream << bytes;
    }

    std::filesystem::path Path;
};

} // namespace calvora::testing
