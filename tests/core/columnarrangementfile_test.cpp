#include "core/views/entrylist/ColumnArrangementFile.h"
#include "core/views/entrylist/EntryListColumns.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ColumnArrangementFileTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    // Writes the text and loads it into m_columns.
    bool load(const std::string& text) {
        std::ofstream(m_dir / "test.bwc", std::ios::binary) << text;
        return ColumnArrangementFile::load(m_columns, m_dir / "test.bwc");
    }

    // 25 records with the field ids 24 down to 0 in display order, all 50 wide.
    static std::string reversedText(int replacedPosition = -1, int replacedId = 0) {
        std::string text;
        for (int position = 0; position < EntryListColumns::kCount; ++position) {
            const int id = position == replacedPosition ? replacedId : 24 - position;
            text += std::to_string(id) + " 50 0\nHeading " + std::to_string(id) + "\n";
        }
        return text;
    }

    const fs::path m_dir =
        fs::temp_directory_path() / ("bw-colset-" + std::to_string(std::random_device{}()));
    EntryListColumns m_columns;
};

} // namespace

TEST(ColumnArrangementPath, EmptyAndBareNamesLiveInTheStartDirectory) {
    const fs::path start = fs::temp_directory_path() / "start";
    EXPECT_EQ(ColumnArrangementFile::resolve(start, ""), start / "colset.bw3");
    EXPECT_EQ(ColumnArrangementFile::resolve(start, "mine.bwc"), start / "mine.bwc");
    const fs::path full = fs::temp_directory_path() / "elsewhere" / "mine.bwc";
    EXPECT_EQ(ColumnArrangementFile::resolve(start, full), full);
}

TEST_F(ColumnArrangementFileTest, StoreWritesTwoLinesPerColumnAndLoadRestoresThem) {
    EntryListColumns stored;
    stored.installDefaults();
    stored[0].spare = 9;
    ASSERT_TRUE(ColumnArrangementFile::store(stored, m_dir / "default.bwc"));
    std::ifstream in(m_dir / "default.bwc", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    EXPECT_EQ(text.substr(0, 34), "0 40 9\nVint\n1 150 0\nProducer\n2 150");
    EXPECT_EQ(text.substr(text.size() - 34), "24 40 0\nDrk\n23 80 0\nDate Acquired\n");

    std::swap(stored[0].fieldId, stored[13].fieldId);
    stored[4].width = 123;
    stored[7].spare = -5;
    ASSERT_TRUE(ColumnArrangementFile::store(stored, m_dir / "mine.bwc"));
    ASSERT_TRUE(ColumnArrangementFile::load(m_columns, m_dir / "mine.bwc"));
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m_columns[i].fieldId, stored[i].fieldId);
        EXPECT_EQ(m_columns[i].width, stored[i].width);
        EXPECT_EQ(m_columns[i].spare, stored[i].spare);
        EXPECT_EQ(m_columns[i].heading, stored[i].heading);
    }
    EXPECT_FALSE(ColumnArrangementFile::store(stored, m_dir / "no-such-folder" / "x.bwc"));
}

TEST_F(ColumnArrangementFileTest, AnyPermutationLoadsInItsOrderWithItsHeadings) {
    std::string crlf;
    for (const char c : reversedText())
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {reversedText(), crlf}) {
        ASSERT_TRUE(load(text));
        for (int i = 0; i < EntryListColumns::kCount; ++i)
            EXPECT_EQ(m_columns[i].fieldId, 24 - i);
        EXPECT_EQ(m_columns[3].heading, "Heading 21");
    }
}

TEST_F(ColumnArrangementFileTest, MalformedFilesAreRefused) {
    EXPECT_FALSE(ColumnArrangementFile::load(m_columns, m_dir / "missing.bwc"));
    EXPECT_FALSE(load(reversedText(10, 21))) << "repeated id";
    EXPECT_FALSE(load(reversedText(0, 25))) << "id out of range";
    const std::string full = reversedText();
    EXPECT_FALSE(load(full.substr(0, full.rfind("0 50 0\n")))) << "24 records";
    EXPECT_FALSE(load(full.substr(0, full.size() - 1))) << "last line without a break";
    EXPECT_FALSE(load("24 50\n" + full.substr(full.find('\n') + 1))) << "two numbers";

    std::string text = reversedText();
    text.replace(text.find("Heading 24"), 10, std::string(99, 'h'));
    EXPECT_TRUE(load(text)) << "99 characters";
    EXPECT_EQ(m_columns[0].heading, std::string(99, 'h'));
    text.replace(text.find(std::string(99, 'h')), 99, std::string(100, 'h'));
    EXPECT_FALSE(load(text)) << "100 characters";
}

TEST_F(ColumnArrangementFileTest, FailedLoadLeavesWhatItReadAndDefaultsRepairIt) {
    std::string text = reversedText(24, 24);
    text.replace(0, std::string("24 50 0").size(), "24 50 7");
    m_columns.installDefaults();
    ASSERT_FALSE(load(text));
    EXPECT_EQ(m_columns[0].fieldId, 24) << "read before the check failed";
    m_columns.installDefaults();
    EXPECT_TRUE(m_columns.isValid());
    EXPECT_EQ(m_columns[0].fieldId, 0);
    EXPECT_EQ(m_columns[0].width, 40);
    EXPECT_EQ(m_columns[0].spare, 7) << "spare values survive the defaults";
}
