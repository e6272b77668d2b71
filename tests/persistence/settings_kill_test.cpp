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

// Runs in the forked child until it is killed: saves the settings over and over.
[[noreturn]] void WriteForever(const std::filesystem::path& folder) {
    try {
        TAppInfoEnvironment environment;
        environment.AppFolder = folder;
        environment.Regional = TRegionalSettings::UnitedStates();
        environment.Today = 40574;
        TAppInfoXML settings(environment);
        long number = std::max(0L, PayloadNumber(settings.ReadString("Test", "Payload", "")));
        for (;;) {
            settings.WriteString("Test", "Payload", Payload(++number));
        }
    } catch (...) {
    }
    _exit(1);
}

// The settings file must always hold a whole document, the old one or the new
// one, however often the writing process is killed in the middle of a save.
TEST(SettingsKill, KilledSavesLeaveAWholeFile) {
    testing::TSettingsFolder folder;
    const std::random_device::result_type seed = std::random_device{}();
    std::mt19937 random(seed);
    // A save takes some milliseconds (most of it waiting for the disk), opening
    // the settings a little more: the kills land before, during and between saves.
    std::uniform_int_distribution<int> pause(10000, 120000); // microseconds
    RecordProperty("seed", std::to_string(seed));

    long lastSeen = 0;
    int kills = 0;
    int leftovers = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteForever(folder.Path);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself (seed " << seed << ")";
        ++kills;
        // A temporary file left behind shows a kill in the middle of a save.
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path)) {
            if (entry.path().filename().string().starts_with("Calvora.xml.tmp-")) {
                ++leftovers;
                std::filesystem::remove(entry.path());
            }
        }

        if (!std::filesystem::exists(folder.SettingsFile())) {
            ASSERT_EQ(lastSeen, 0) << "the settings file vanished (seed " << seed << ")";
            continue;
        }
        pugi::xml_document xml;
        const pugi::xml_parse_result parsed = xml.load_file(folder.SettingsFile().c_str());
        ASSERT_TRUE(parsed) << "kill " << kills << " left a broken file: " << parsed.description()
                            << " (seed " << seed << ")";
        const pugi::xml_node root = xml.document_element();
        ASSERT_STREQ(root.name(), "Calvora");
        const std::string payload = root.child("Test").child_value("Payload");
        if (payload.empty()) {
            continue; // killed before the first payload was saved
        }
        const long number = PayloadNumber(payload);
        ASSERT_GT(number, 0) << "kill " << kills << " left a mixed value (seed " << seed << ")";
        ASSERT_GE(number, lastSeen) << "an older file came back (seed " << seed << ")";
        lastSeen = number;
    }
    EXPECT_GT(kills, 30);
    EXPECT_GT(lastSeen, 0);
    RecordProperty("kills", kills);
    RecordProperty("killed_mid_save", leftovers);
    RecordProperty("saves", static_cast<int>(lastSeen));
}

} // namespace
} // namespace calvora
