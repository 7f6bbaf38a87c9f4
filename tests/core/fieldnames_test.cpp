#include "setup/FieldNames.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>

namespace {

FieldNames renamed() {
    FieldNames names;
    names.setName(CWine::User1, "Glass");
    names.setName(CWine::Region, "Gegend \xE4\xF6\xFC"); // Windows-1252 umlauts stay bytes
    names.setName(CWine::Notes, "");
    return names;
}

class FieldNamesFile : public testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("bw-fieldnames-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path file(const std::string& name) const { return m_folder / name; }

    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream out(file(name), std::ios::binary);
        out << bytes;
    }

    std::string bytesOf(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::string lines(int count, const std::string& ending) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "Name" + std::to_string(i) + ending;
        return text;
    }

    std::filesystem::path m_folder;
};

} // namespace

TEST(FieldNames, DefaultsInFieldIndexOrder) {
    const FieldNames names;
    const std::array<std::string, CWine::FieldCount> expected = {
        "Vint",     "Producer",      "App/Varietal",  "Designation", "Type",  "Qty",   "Cost",
        "Value",    "Bin(s)",        "Region",        "Rating",      "Try",   "Drink", "Notes",
        "Country",  "Source/Vendor", "User1",         "User2",       "User3", "User4", "User5",
        "Modified", "Acq",           "Date Acquired", "Drk"};
    EXPECT_EQ(names.names(), expected);
    EXPECT_EQ(FieldNames::defaults(), expected);
    EXPECT_EQ(names.name(CWine::NumberAcquired), "Acq");
    EXPECT_EQ(names.name(CWine::NumberConsumed), "Drk");

    FieldNames changed = renamed();
    changed.setDefaults();
    EXPECT_EQ(changed.names(), expected);
}

TEST_F(FieldNamesFile, WriteGivesTwentyFiveCrLfLinesInIndexOrder) {
    ASSERT_TRUE(FieldNames().write(file("LastUsed.fnm")));
    EXPECT_EQ(bytesOf("LastUsed.fnm"),
              "Vint\r\nProducer\r\nApp/Varietal\r\nDesignation\r\nType\r\nQty\r\nCost\r\nValue\r\n"
              "Bin(s)\r\nRegion\r\nRating\r\nTry\r\nDrink\r\nNotes\r\nCountry\r\nSource/Vendor\r\n"
              "User1\r\nUser2\r\nUser3\r\nUser4\r\nUser5\r\nModified\r\nAcq\r\nDate Acquired\r\nDrk\r\n");
}

TEST_F(FieldNamesFile, WriteReplacesAnOlderLongerFile) {
    put("names.fnm", std::string(5000, 'x'));
    FieldNames names;
    names.setNames({});
    ASSERT_TRUE(names.write(file("names.fnm")));
    std::string emptyLines;
    for (int i = 0; i < CWine::FieldCount; ++i)
        emptyLines += "\r\n";
    EXPECT_EQ(bytesOf("names.fnm"), emptyLines);
}

TEST_F(FieldNamesFile, WriteFailsIntoAMissingFolder) {
    EXPECT_FALSE(FieldNames().write(file("no such folder") / "names.fnm"));
}

TEST_F(FieldNamesFile, ReadGivesBackWhatWasWritten) {
    const FieldNames written = renamed();
    ASSERT_TRUE(written.write(file("names.fnm")));
    FieldNames read;
    ASSERT_TRUE(read.read(file("names.fnm")));
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.name(CWine::Notes), "");
}

TEST_F(FieldNamesFile, ReadAcceptsLineFeedEndingsAndAMissingLastEnding) {
    std::string text = lines(25, "\n");
    text.pop_back();
    put("unix.fnm", text);
    FieldNames names;
    ASSERT_TRUE(names.read(file("unix.fnm")));
    EXPECT_EQ(names.name(0), "Name0");
    EXPECT_EQ(names.name(24), "Name24");
}

TEST_F(FieldNamesFile, ReadIgnoresLinesAfterTheTwentyFifth) {
    put("long.fnm", lines(30, "\r\n"));
    FieldNames names;
    ASSERT_TRUE(names.read(file("long.fnm")));
    EXPECT_EQ(names.name(24), "Name24");
}

TEST_F(FieldNamesFile, ShortOrMissingFileFailsAndLeavesTheTableAsItWas) {
    put("short.fnm", lines(24, "\r\n"));
    put("empty.fnm", "");
    const FieldNames before = renamed();
    for (const std::filesystem::path& path : {file("short.fnm"), file("empty.fnm"), file("missing.fnm")}) {
        FieldNames names = before;
        EXPECT_FALSE(names.read(path)) << path;
        EXPECT_EQ(names, before) << path;
    }
}

TEST_F(FieldNamesFile, LongLineKeepsFortyNineCharactersAndTheNextLineStaysInPlace) {
    const std::string sixty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567";
    ASSERT_EQ(sixty.size(), 60u);
    put("sixty.fnm", "Vint\r\n" + sixty + "\r\n" + lines(23, "\r\n"));
    FieldNames names;
    ASSERT_TRUE(names.read(file("sixty.fnm")));
    EXPECT_EQ(names.name(1), sixty.substr(0, 49));
    EXPECT_EQ(names.name(2), "Name0");
    EXPECT_EQ(names.name(24), "Name22");
}

TEST_F(FieldNamesFile, EmptyNamesAreEmptyLines) {
    FieldNames names;
    names.setName(0, "");
    names.setName(24, "");
    ASSERT_TRUE(names.write(file("blanks.fnm")));
    const std::string bytes = bytesOf("blanks.fnm");
    EXPECT_EQ(bytes.substr(0, 10), "\r\nProducer");
    const std::string tail = "\r\nDate Acquired\r\n\r\n";
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    FieldNames read = renamed();
    ASSERT_TRUE(read.read(file("blanks.fnm")));
    EXPECT_EQ(read, names);
}
