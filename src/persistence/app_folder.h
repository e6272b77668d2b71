#pragma once

#include <filesystem>
#include <string>

namespace calvora {

/// Environment variable naming a folder that replaces the per-user application
/// folder (for tests, portable use or a second profile).
inline constexpr const char* kCalvoraHomeVariable = "CALVORA_HOME";

/// The per-user application folder, decided once at start: $CALVORA_HOME when set
/// and not empty; otherwise $XDG_DATA_HOME (default ~/.local/share) followed by
/// "Brindlemoor/Calvora/". The folder and its "Data/" subfolder are created with
/// every missing parent. When the folder cannot be created, programFolder (the
/// folder of the program file) is returned instead. The result ends in a separator.
std::filesystem::path ApplicationFolder(const std::filesystem::path& programFolder = {});

/// Creates folder and its "Data/" subfolder (with missing parents); true when
/// the folder exists afterwards. Never throws.
bool PrepareApplicationFolder(const std::filesystem::path& folder);

} // namespace calvora
