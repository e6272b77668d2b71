#include "persistence/atomic_file.h"
#include "settings_test_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace calvora {
namespace {

TEST(AtomicFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
    testing::TSettingsFolder folder;
    const std::filesystem::path target = folder.Path / "file.xml";
    ASSERT_EQ(WriteFileAtomically(target, "first"), "");
    EXPECT_EQ(testing::TSettingsFolder::ReadText(target), "first");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    ASSERT_EQ(WriteFileAtomically(target, "second"), "");
    EXPECT_EQ(testing::TSettingsFolder::ReadText(target), "second");
    struct stat status {};
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              2); // the file and the Data folder
}

TEST(AtomicFile, FailureLeavesTheTargetAlone) {
    testing::TSettingsFolder folder;
    const std::filesystem::path target = folder.Path / "missing" / "file.xml";
    const std::string problem = WriteFileAtomically(target, "text");
    EXPECT_NE(problem.find("missing"), std::string::npos) << problem;
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(AtomicFile, StaleTemporaryFilesAreRemoved) {
    testing::TSettingsFolder folder;
    const std::filesystem::path target = folder.Path / "Calvora.xml";
    const std::filesystem::path stale = folder.Path / "Calvora.xml.tmp-abc123";
    const std::filesystem::path fresh = folder.Path / "Calvora.xml.tmp-def456";
    const std::filesystem::path other = folder.Path / "Calvora.xml.tmp-kept-as-is";
    for (const auto& file : {stale, fresh, other}) {
        std::ofstream(file) << "partial";
    }
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    std::filesystem::last_write_time(stale, old);
    std::filesystem::last_write_time(other, old);
    RemoveStaleTemporaryFiles(target);
    EXPECT_FALSE(std::filesystem::exists(stale));
    // A young one may belong to a save under way in another process.
    EXPECT_TRUE(std::filesystem::exists(fresh));
    EXPECT_TRUE(std::filesystem::exists(other));
}

TEST(AtomicFile, DamagedFilesAreNumbered) {
    testing::TSettingsFolder folder;
    const std::filesystem::path file = folder.Path / "Calvora.xml";
    std::ofstream(file) << "one";
    EXPECT_EQ(KeepDamagedFile(file), folder.Path / "Calvora.xml.damaged");
    std::ofstream(file) << "two";
    EXPECT_EQ(KeepDamagedFile(file), folder.Path / "Calvora.xml.damaged-2");
    EXPECT_EQ(testing::TSettingsFolder::ReadText(folder.Path / "Calvora.xml.damaged"), "one");
    EXPECT_EQ(KeepDamagedFile(file), std::filesystem::path()); // nothing left to move
}

} // namespace
} // namespace calvora
