#include "core/setup/FieldNames.h"

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

FieldNames blank() {
    FieldNames names;
    names.setNames({});
    return names;
}

std::string lines(int count, const std::string& ending) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "Name" + std::to_string(i) + ending;
    return text;
}

class FieldNamesFile : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(m_folder); }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void put(const std::string& bytes) const { std::ofstream(m_file, std::ios::binary) << bytes; }
    std::string bytes() const {
        std::ifstream in(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("bw-fieldnames-" + std::to_string(std::random_device{}()));
    const std::filesystem::path m_file = m_folder / "names.fnm";
};

} // namespace

TEST_F(FieldNamesFile, WriteGivesTwentyFiveCrLfLinesInIndexOrderOverAnyOlderFile) {
    put(std::string(5000, 'x'));
    FieldNames restored = renamed();
    restored.setDefaults();
    ASSERT_TRUE(restored.write(m_file));
    EXPECT_EQ(bytes(),
              "Vint\r\nProducer\r\nApp/Varietal\r\nDesignation\r\nType\r\nQty\r\nCost\r\nValue\r\n"
              "Bin(s)\r\nRegion\r\nRating\r\nTry\r\nDrink\r\nNotes\r\nCountry\r\nSource/Vendor\r\n"
              "User1\r\nUser2\r\nUser3\r\nUser4\r\nUser5\r\nModified\r\nAcq\r\nDate Acquired\r\nDrk\r\n");

    ASSERT_TRUE(blank().write(m_file));
    std::string emptyLines;
    for (int i = 0; i < CWine::FieldCount; ++i)
        emptyLines += "\r\n";
    EXPECT_EQ(bytes(), emptyLines);
    for (const FieldNames& written : {renamed(), blank()}) {
        ASSERT_TRUE(written.write(m_file));
        FieldNames read;
        ASSERT_TRUE(read.read(m_file));
        EXPECT_EQ(read, written);
    }
    EXPECT_FALSE(FieldNames().write(m_folder / "no such folder" / "names.fnm"));
}

TEST_F(FieldNamesFile, ReadTakesTwentyFiveLinesOfAnyEndingAndCutsLongNames) {
    const std::string sixty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567";
    std::string lineFeeds = lines(25, "\n");
    lineFeeds.pop_back(); // no ending after the last line
    const struct {
        std::string text;
        std::string first, second, last;
    } cases[] = {
        {lineFeeds, "Name0", "Name1", "Name24"},
        {lines(30, "\r\n"), "Name0", "Name1", "Name24"},
        // Names have no length limit.
        {"Vint\r\n" + sixty + "\r\n" + lines(23, "\r\n"), "Vint", sixty, "Name22"},
    };
    for (const auto& c : cases) {
        put(c.text);
        FieldNames names;
        ASSERT_TRUE(names.read(m_file)) << c.text;
        EXPECT_EQ(names.name(0), c.first);
        EXPECT_EQ(names.name(1), c.second);
        EXPECT_EQ(names.name(24), c.last);
    }
}

TEST_F(FieldNamesFile, ShortOrMissingFileFailsAndLeavesTheTableAsItWas) {
    FieldNames names = renamed();
    for (const std::string& text : {lines(24, "\r\n"), std::string()}) {
        put(text);
        EXPECT_FALSE(names.read(m_file)) << text;
    }
    EXPECT_FALSE(names.read(m_folder / "missing.fnm"));
    EXPECT_EQ(names, renamed());
}
