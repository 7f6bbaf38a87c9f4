#include "core/exchange/FocusSetFiles.h"
#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace fs = std::filesystem;

class FocusSetFilesTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string bytesOf(const fs::path& path) const {
        std::string bytes, error;
        EXPECT_TRUE(readWholeFile(path, bytes, error)) << error;
        return bytes;
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-focus-" + std::to_string(std::random_device{}()));
    CWine m_wine;
    const CWine* m_focus[1] = {&m_wine};
};

TEST_F(FocusSetFilesTest, EmptySaveIsSixBytesAndAppendToAnEmptyFileKeepsNothingOld) {
    const FocusSetFiles::Outcome saved = FocusSetFiles::save(m_folder / "empty.bwf", {}, {});
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.message, "0 entries saved to " + (m_folder / "empty.bwf").string() + "\n");
    EXPECT_EQ(bytesOf(m_folder / "empty.bwf").size(), 6u);

    std::ofstream(m_folder / "zero.bwf").close();
    const FocusSetFiles::Outcome appended = FocusSetFiles::append(m_folder / "zero.bwf", m_focus, {});
    EXPECT_EQ(appended.message,
              "1 entries appended to the existing\n0 entries of " + (m_folder / "zero.bwf").string() + ".");
    EXPECT_EQ(CellarFile::load(m_folder / "zero.bwf").entries.size(), 1u);
    EXPECT_EQ(FocusSetFiles::append(m_folder / "zero.bwf", m_focus, {}).message.substr(0, 36),
              "1 entries appended to the existing\n1");
}

TEST_F(FocusSetFilesTest, RefusesTheWorkingFileInAnyLetterCaseAndADamagedTarget) {
    const fs::path working = m_folder / "Cellar.bwf";
    for (const auto& [outcome, use] :
         {std::pair{FocusSetFiles::save(m_folder / "CELLAR.BWF", m_focus,
                                        working.lexically_relative(fs::current_path())),
                    "to save"},
          std::pair{FocusSetFiles::append(m_folder / "cellar.bwf", m_focus, working), "for appending"},
          std::pair{
              FocusSetFiles::exportText(m_folder / "cellar.BWF", m_focus, FieldMap(), FieldNames(), working),
              "for exporting"}}) {
        EXPECT_FALSE(outcome.ok);
        EXPECT_NE(outcome.message.find(std::string(" is the Working File\nand may not be used ") + use +
                                       " the Focus Set."),
                  std::string::npos);
    }
    EXPECT_FALSE(fs::exists(working));

    std::ofstream(m_folder / "damaged.bwf", std::ios::binary).write("\0\0\0\0\5\0junk", 10);
    const std::string before = bytesOf(m_folder / "damaged.bwf");
    EXPECT_FALSE(FocusSetFiles::append(m_folder / "damaged.bwf", m_focus, working).ok);
    EXPECT_EQ(bytesOf(m_folder / "damaged.bwf"), before);
}

TEST_F(FocusSetFilesTest, AFailedWriteLeavesTheTargetAsItWas) {
    fs::create_directories(m_folder / "sub");
    EXPECT_FALSE(FocusSetFiles::save(m_folder / "sub", m_focus, {}).ok); // a folder cannot be replaced
    EXPECT_FALSE(FocusSetFiles::save(m_folder / "none" / "x.bwf", m_focus, {}).ok);
    EXPECT_TRUE(fs::is_directory(m_folder / "sub"));
}
