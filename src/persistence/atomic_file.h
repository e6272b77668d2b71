#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace calvora {

/// Replaces a file's contents all at once: the bytes go to a temporary file in
/// the same folder ("<name>.tmp-XXXXXX"), which is flushed to disk and renamed over
/// the target, so a crash leaves the old file or the new one, never a mixture.
/// An existing file's permissions are kept. Returns an empty text on success, else
/// the reason for the failure (the target is then unchanged).
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

/// Removes temporary files that WriteFileAtomically left beside target when a
/// process was killed during a save, if they are older than a minute.
void RemoveStaleTemporaryFiles(const std::filesystem::path& target);

/// The whole contents of a file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes);

/// Moves a file aside as "<name>.damaged" (or "<name>.damaged-2", -3, ...).
/// Returns the new path, or an empty path when the file could not be moved.
std::filesystem::path KeepDamagedFile(const std::filesystem::path& file);

} // namespace calvora
