#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"
#include "helpers/TestFiles.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_folder, ec);
    }

    static void put(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::vector<std::string> namesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& item : fs::directory_iterator(folder))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-atomic-" + std::to_string(std::random_device{}()));
};

} // namespace

TEST_F(AtomicSave, CreatesOrReplacesTheFileKeepingItsPermissionsAndLeavesNothingElse) {
    const fs::path target = m_folder / "cellar.bwf";
    EXPECT_EQ(writeFileAtomically(target, bytesOf("the first contents, longer than the next")), "");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(writeFileAtomically(target, bytesOf("new")), "");
    EXPECT_EQ(fileContents(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

// A failed save gives its reason and leaves no temporary file behind.
TEST_F(AtomicSave, MissingFolderOrFailedRenameGiveTheirReasonAndLeaveNothingBehind) {
    std::string reason = writeFileAtomically(m_folder / "missing" / "cellar.bwf", bytesOf("new"));
    EXPECT_NE(reason.find("does not exist"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(m_folder / "missing"));

    // The rename is the last step; when it fails the written temporary file must go again.
    const fs::path target = m_folder / "cellar.bwf";
    fs::create_directory(target);
    put(target / "inside", "kept");
    reason = writeFileAtomically(target, bytesOf("new"));
    EXPECT_NE(reason.find("The file cannot be replaced"), std::string::npos) << reason;
    EXPECT_EQ(fileContents(target / "inside"), "kept");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

TEST_F(AtomicSave, ReadOnlyFolderLeavesTheOldFileAndNoTemporaryFile) {
    const fs::path target = m_folder / "cellar.bwf";
    put(target, "old");
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(m_folder / "probe"))
        GTEST_SKIP() << "this account may write into read-only folders";
    const std::string reason = writeFileAtomically(target, bytesOf("new"));
    EXPECT_NE(reason.find("No file can be created in the folder"), std::string::npos) << reason;
    EXPECT_EQ(fileContents(target), "old");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

// Saving is checked through the documents and the command line; here the reasons a load gives.
TEST_F(AtomicSave, CellarFileLoadSaysWhyItCannot) {
    EXPECT_EQ(CellarFile::load(m_folder / "missing.bwf").error, "The file does not exist.");
    EXPECT_EQ(CellarFile::load(m_folder).error, "It is a folder, not a file.");
    put(m_folder / "short.bwf", "abc");
    EXPECT_EQ(CellarFile::load(m_folder / "short.bwf").error, "The file is too short to be a Cellar File.");
}
