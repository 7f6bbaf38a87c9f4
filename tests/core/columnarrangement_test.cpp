#include "setup/FieldNames.h"
#include "views/entrylist/ColumnArrangementFile.h"
#include "views/entrylist/EntryListColumns.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ColumnArrangementFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_dir = fs::temp_directory_path() /
                ("bw-colset-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path file(const std::string& name) const { return m_dir / name; }

    void writeText(const std::string& name, const std::string& text) const {
        std::ofstream(file(name), std::ios::binary) << text;
    }

    std::string readText(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // 25 records with the given field ids in display order, all 50 wide.
    static std::string arrangementText(const std::vector<int>& ids) {
        std::string text;
        for (int id : ids)
            text += std::to_string(id) + " 50 0\nHeading " + std::to_string(id) + "\n";
        return text;
    }

    fs::path m_dir;
};

std::vector<int> reversedIds() {
    std::vector<int> ids;
    for (int id = 24; id >= 0; --id)
        ids.push_back(id);
    return ids;
}

} // namespace

TEST(ColumnArrangementPath, EmptyAndBareNamesLiveInTheStartDirectory) {
    const fs::path start = fs::temp_directory_path() / "start";
    EXPECT_EQ(ColumnArrangementFile::resolve(start, ""), start / "colset.bw3");
    EXPECT_EQ(ColumnArrangementFile::resolve(start, "mine.bwc"), start / "mine.bwc");
    const fs::path full = fs::temp_directory_path() / "elsewhere" / "mine.bwc";
    EXPECT_EQ(ColumnArrangementFile::resolve(start, full), full);
}

TEST_F(ColumnArrangementFileTest, StoreWritesTwoLinesPerColumn) {
    EntryListColumns columns;
    columns.installDefaults();
    columns[0].spare = 9;
    ASSERT_TRUE(ColumnArrangementFile::store(columns, file("default.bwc")));
    const std::string text = readText("default.bwc");
    EXPECT_EQ(text.substr(0, 34), "0 40 9\nVint\n1 150 0\nProducer\n2 150");
    EXPECT_EQ(text.substr(text.size() - 34), "24 40 0\nDrk\n23 80 0\nDate Acquired\n");
}

TEST_F(ColumnArrangementFileTest, RoundTripRestoresOrderWidthsAndSpares) {
    EntryListColumns stored;
    stored.installDefaults();
    std::swap(stored[0].fieldId, stored[13].fieldId);
    stored[4].width = 123;
    stored[7].spare = -5;
    ASSERT_TRUE(ColumnArrangementFile::store(stored, file("mine.bwc")));

    EntryListColumns loaded;
    ASSERT_TRUE(ColumnArrangementFile::load(loaded, file("mine.bwc")));
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        EXPECT_EQ(loaded[i].fieldId, stored[i].fieldId);
        EXPECT_EQ(loaded[i].width, stored[i].width);
        EXPECT_EQ(loaded[i].spare, stored[i].spare);
        EXPECT_EQ(loaded[i].heading, stored[i].heading);
    }
}

TEST_F(ColumnArrangementFileTest, AnyPermutationLoadsInItsOrder) {
    writeText("reversed.bwc", arrangementText(reversedIds()));
    EntryListColumns columns;
    ASSERT_TRUE(ColumnArrangementFile::load(columns, file("reversed.bwc")));
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        EXPECT_EQ(columns[i].fieldId, 24 - i);
}

TEST_F(ColumnArrangementFileTest, HeadingsInTheFileGiveWayToTheFieldNames) {
    writeText("renamed.bwc", arrangementText(reversedIds()));
    EntryListColumns columns;
    ASSERT_TRUE(ColumnArrangementFile::load(columns, file("renamed.bwc")));
    EXPECT_EQ(columns[0].heading, "Heading 24");
    columns.refreshHeadings(FieldNames());
    EXPECT_EQ(columns[0].heading, "Drk");
    EXPECT_EQ(columns[24].heading, "Vint");
}

TEST_F(ColumnArrangementFileTest, WindowsLineBreaksAreRead) {
    std::string text = arrangementText(reversedIds());
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeText("windows.bwc", crlf);
    EntryListColumns columns;
    ASSERT_TRUE(ColumnArrangementFile::load(columns, file("windows.bwc")));
    EXPECT_EQ(columns[3].heading, "Heading 21");
}

TEST_F(ColumnArrangementFileTest, MalformedFilesAreRefused) {
    EntryListColumns columns;
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("missing.bwc")));

    std::vector<int> repeated = reversedIds();
    repeated[10] = repeated[3];
    writeText("repeated.bwc", arrangementText(repeated));
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("repeated.bwc")));

    std::vector<int> outOfRange = reversedIds();
    outOfRange[0] = 25;
    writeText("range.bwc", arrangementText(outOfRange));
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("range.bwc")));

    const std::string full = arrangementText(reversedIds());
    const std::size_t lastRecord = full.rfind("0 50 0\n");
    writeText("short.bwc", full.substr(0, lastRecord));
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("short.bwc"))) << "24 records";

    writeText("unended.bwc", full.substr(0, full.size() - 1));
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("unended.bwc"))) << "last line without a break";

    std::string twoNumbers = full;
    twoNumbers.replace(0, std::string("24 50 0").size(), "24 50");
    writeText("two.bwc", twoNumbers);
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("two.bwc")));
}

TEST_F(ColumnArrangementFileTest, LinesLongerThan99CharactersAreRefused) {
    std::string text = arrangementText(reversedIds());
    const std::size_t heading = text.find("Heading 24");
    text.replace(heading, 10, std::string(99, 'h'));
    writeText("99.bwc", text);
    EntryListColumns columns;
    EXPECT_TRUE(ColumnArrangementFile::load(columns, file("99.bwc")));
    EXPECT_EQ(columns[0].heading, std::string(99, 'h'));

    text.replace(heading, 99, std::string(100, 'h'));
    writeText("100.bwc", text);
    EXPECT_FALSE(ColumnArrangementFile::load(columns, file("100.bwc")));
}

TEST_F(ColumnArrangementFileTest, FailedLoadLeavesWhatItReadAndDefaultsRepairIt) {
    std::vector<int> repeated = reversedIds();
    repeated[24] = 24;
    std::string text = arrangementText(repeated);
    text.replace(0, std::string("24 50 7").size(), "24 50 7");
    writeText("partial.bwc", text);

    EntryListColumns columns;
    columns.installDefaults();
    ASSERT_FALSE(ColumnArrangementFile::load(columns, file("partial.bwc")));
    EXPECT_EQ(columns[0].fieldId, 24) << "read before the check failed";
    columns.installDefaults();
    EXPECT_TRUE(columns.isValid());
    EXPECT_EQ(columns[0].fieldId, 0);
    EXPECT_EQ(columns[0].width, 40);
    EXPECT_EQ(columns[0].spare, 7) << "spare values survive the defaults";
}

TEST_F(ColumnArrangementFileTest, StoreIntoAMissingFolderFails) {
    EntryListColumns columns;
    columns.installDefaults();
    EXPECT_FALSE(ColumnArrangementFile::store(columns, file("no-such-folder") / "x.bwc"));
}
