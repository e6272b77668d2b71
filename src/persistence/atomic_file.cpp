#include "persistence/atomic_file.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace calvora {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

std::string ErrnoText(std::string_view action) {
    return std::string(action) + ": " + std::strerror(errno);
}

// Writes everything, retrying short writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    std::string pattern = target.string() + std::string(kTemporaryMark) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return ErrnoText("cannot create a temporary file beside " + target.string());
    }
    const std::string temporary = name.data();
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    std::string problem;
    if (::fchmod(fd, mode) != 0) {
        problem = ErrnoText("cannot set the permissions of " + temporary);
    } else if (!WriteAll(fd, bytes)) {
        problem = ErrnoText("cannot write " + temporary);
    } else if (::fsync(fd) != 0) {
        problem = ErrnoText("cannot flush " + temporary);
    }
    if (::close(fd) != 0 && problem.empty()) {
        problem = ErrnoText("cannot close " + temporary);
    }
    if (problem.empty() && ::rename(temporary.c_str(), target.c_str()) != 0) {
        problem = ErrnoText("cannot replace " + target.string());
    }
    if (!problem.empty()) {
        ::unlink(temporary.c_str());
        return problem;
    }
    SyncFolder(target.parent_path());
    return {};
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& target) {
    std::error_code error;
    const std::string prefix = target.filename().string() + std::string(kTemporaryMark);
    const auto folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const auto now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || name.size() != prefix.size() + 6) {
            continue;
        }
        // A younger file may belong to a save in progress in another process.
        const auto written = std::filesystem::last_write_time(it->path(), error);
        if (!error && now - written > std::chrono::minutes(1)) {
            std::filesystem::remove(it->path(), error);
        }
        error.clear();
    }
}

bool ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return !stream.bad();
}

std::filesystem::path KeepDamagedFile(const std::filesystem::path& file) {
    std::error_code error;
    for (int number = 1; number < 1000; ++number) {
        std::filesystem::path aside = file;
        aside += number == 1 ? ".damaged" : ".damaged-" + std::to_string(number);
        if (std::filesystem::exists(aside, error)) {
            continue;
        }
        std::filesystem::rename(file, aside, error);
        return error ? std::filesystem::path() : aside;
    }
    return {};
}

} // namespace calvora
