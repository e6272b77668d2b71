#include "persistence/app_info_xml.h"
#include "settings_test_folder.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <random>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace calvora {
namespace {

// A value that tells whether it arrived whole: "<n>:<filler>:<n>".
std::string Payload(long number) {
    const std::string mark = std::to_string(number);
    return mark + ":" + std::string(60000 + number % 997, static_cast<char>('a' + number % 26)) +
           ":" + mark;
}

// Number of a whole payload; -1 when the text is not one.
long PayloadNumber(const std::string& text) {
    const auto first = text.find(':');
    if (first == 0 || first > 9) {
        return -1;
    }
    const auto last = text.rfind(':');
    if (first == std::string::npos || last == first) {
        return -1;
    }
    const long number = std::stol(text.substr(0, first));
    return Payload(number) == text ? number : -1;
}

// Runs in the forked child until it is killed: saves the settings over and over
// and reports the number of every payload saved through the pipe.
[[noreturn]] void WriteForever(const std::filesystem::path& folder, int reportPipe) {
    try {
        TAppInfoEnvironment environment;
        environment.AppFolder = folder;
        environment.Regional = TRegionalSettings::UnitedStates();
        environment.Today = 40574;
        TAppInfoXML settings(environment);
        long number = std::max(0L, PayloadNumber(settings.ReadString("Test", "Payload", "")));
        for (;;) {
            settings.WriteString("Test", "Payload", Payload(++number));
            if (!settings.SaveProblem().empty() ||
                write(reportPipe, &number, sizeof number) != sizeof number) {
                break;
            }
        }
    } catch (...) {
    }
    _exit(1);
}

// Reads one reported payload number; false at the end of the pipe.
bool ReadReport(int reportPipe, long& number) {
    return read(reportPipe, &number, sizeof number) == sizeof number;
}

// The settings file must always hold a whole document, the old one or the new
// one, however often the writing process is killed in the middle of a save: after
// each kill it holds the last save reported done, or the one that was under way.
TEST(SettingsKill, KilledSavesLeaveAWholeFile) {
    testing::TSettingsFolder folder;
    const std::random_device::result_type seed = std::random_device{}();
    std::mt19937 random(seed);
    // A save takes some milliseconds, most of it waiting for the disk: the kills
    // land during and between saves.
    std::uniform_int_distribution<int> pause(0, 40000); // microseconds
    RecordProperty("seed", std::to_string(seed));

    int kills = 0;
    int leftovers = 0;
    long lastReported = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (kills < 20 || std::chrono::steady_clock::now() < end) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            WriteForever(folder.Path, fds[1]);
        }
        close(fds[1]);
        // Every round saves at least once before the kill.
        long number = 0;
        const bool progressed = ReadReport(fds[0], number);
        if (progressed) {
            lastReported = number;
            std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        }
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        while (ReadReport(fds[0], number)) {
            lastReported = number;
        }
        close(fds[0]);
        ASSERT_TRUE(progressed) << "the writer stopped without saving (seed " << seed << ")";
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself (seed " << seed << ")";
        ++kills;
        // A temporary file left behind shows a kill in the middle of a save.
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path)) {
            if (entry.path().filename().string().starts_with("Calvora.xml.tmp-")) {
                ++leftovers;
                std::filesystem::remove(entry.path());
            }
        }

        pugi::xml_document xml;
        const pugi::xml_parse_result parsed = xml.load_file(folder.SettingsFile().c_str());
        ASSERT_TRUE(parsed) << "kill " << kills << " left a broken file: " << parsed.description()
                            << " (seed " << seed << ")";
        const pugi::xml_node root = xml.document_element();
        ASSERT_STREQ(root.name(), "Calvora");
        const long saved = PayloadNumber(root.child("Test").child_value("Payload"));
        ASSERT_GE(saved, lastReported) << "kill " << kills << " (seed " << seed << ")";
        ASSERT_LE(saved, lastReported + 1) << "kill " << kills << " (seed " << seed << ")";
    }
    RecordProperty("kills", kills);
    RecordProperty("killed_mid_save", leftovers);
    RecordProperty("saves", static_cast<int>(lastReported));
}

} // namespace
} // namespace calvora
