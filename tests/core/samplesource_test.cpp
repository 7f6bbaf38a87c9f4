#include "core/model/CellarFile.h"
#include "core/model/SampleSource.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <tuple>

namespace {

const std::string kHeader = "vintage\tproducer\tdesignation\twineType\tappellation\tregion\tcost\tvalue\t"
                            "numberAcquired\tnumberRemaining\tdateAcquired\ttryDate\tdrinkDate\trating\t"
                            "country\tbins\tvendor\tuser1\tuser2\tuser3\tuser4\tuser5\thistory\tspare\t"
                            "dateModified\tletterColor\tnotes";

// A line of 27 fields, all empty but the numbers (0) and the notes given.
std::string lineWithNotes(const std::string& notes) {
    return "1990\t\t\t\t\t\t0\t0\t0\t0\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t0\t" + notes;
}

std::string errorOf(const std::string& text) {
    const CellarReadResult result = SampleSource::parse(text);
    EXPECT_TRUE(result.entries.empty());
    return result.error;
}

} // namespace

TEST(SampleSource, FixtureGivesTheEntriesOfTheCellarFixture) {
    const CellarReadResult source =
        SampleSource::load(std::string(BW_TEST_DATA) + "/cellar/sample-source.tsv");
    ASSERT_TRUE(source.ok()) << source.error;
    ASSERT_EQ(source.entries.size(), 2u);

    std::ifstream in(std::string(BW_TEST_DATA) + "/cellar/two-entries.bwf", std::ios::binary);
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    const CellarReadResult cellar = CellarFile::read(bytes);
    ASSERT_TRUE(cellar.ok()) << cellar.error;
    EXPECT_EQ(*source.entries[0], *cellar.entries[0]);

    CWine expected = *cellar.entries[1];
    expected.m_strNotes = "back\\slash, 20\x80 \xE9t\xE9";
    EXPECT_EQ(*source.entries[1], expected);
}

// The notes column comes first here, and its escapes give their bytes.
TEST(SampleSource, ColumnsAreFoundByNameAndEscapesGiveTheirBytes) {
    const CellarReadResult result = SampleSource::parse(
        "notes\tvintage\tproducer\tdesignation\twineType\tappellation\tregion\tcost\tvalue\tnumberAcquired\t"
        "numberRemaining\tdateAcquired\ttryDate\tdrinkDate\trating\tcountry\tbins\tvendor\tuser1\tuser2\t"
        "user3\tuser4\tuser5\thistory\tspare\tdateModified\tletterColor\r\n" +
        std::string(R"(a\\b\tc\nd\x06\x7fe\xE9\xe9é)") +
        "\t2001\tP\t\t\t\t\t1.5\t2\t3\t4\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t1\r\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const CWine& wine = *result.entries[0];
    EXPECT_EQ(wine.m_strNotes, "a\\b\tc\r\nd\x06\x7F"
                               "e\xE9\xE9\xE9");
    EXPECT_EQ(wine.m_strProducer, "P");
    EXPECT_EQ((std::tuple{wine.m_nVintage, wine.m_fCost, wine.m_fValue, wine.m_nNumberAcquired,
                          wine.m_nNumberRemaining, wine.m_nLetterColor}),
              (std::tuple{2001, 1.5f, 2.0f, 3, 4, CWine::Red}));
}

TEST(SampleSource, MalformedLinesAreRefusedByLineNumber) {
    const std::string good = lineWithNotes("fine") + "\n";
    EXPECT_EQ(errorOf(""), "Line 1: the header line is missing.");
    EXPECT_EQ(errorOf("vintage\tcolour\n"), "Line 1: the column \"colour\" is unknown.");
    EXPECT_EQ(errorOf("vintage\tvintage\n"), "Line 1: the column \"vintage\" appears twice.");
    EXPECT_EQ(errorOf(kHeader.substr(0, kHeader.rfind('\t')) + "\n"),
              "Line 1: the column \"notes\" is missing.");
    EXPECT_EQ(errorOf(kHeader + "\n" + good + "1990\tonly two\n"), "Line 3 has 2 fields, not 27.");
    EXPECT_EQ(errorOf(kHeader + "\n" + good + good + "\n"), "Line 4 has 1 field, not 27.");
    EXPECT_EQ(errorOf(kHeader + "\n" + good + lineWithNotes("\\q") + "\n"),
              "Line 3, column notes: unknown escape \\q.");
    EXPECT_EQ(errorOf(kHeader + "\n" + lineWithNotes("\\xG1")),
              "Line 2, column notes: unknown escape \\xG1.");
    EXPECT_EQ(errorOf(kHeader + "\n" + lineWithNotes("end\\")),
              "Line 2, column notes: a backslash ends the field.");
    EXPECT_EQ(errorOf(kHeader + "\n" + "19x0" + good.substr(4)),
              "Line 2, column vintage: \"19x0\" is not a number.");
    EXPECT_EQ(errorOf(kHeader + "\n" + "19\r90" + good.substr(4)),
              "Line 2, column vintage: \"19?90\" is not a number.");
    EXPECT_EQ(errorOf(kHeader + "\n" + "1990\t\t\t\t\t\t12,50" + good.substr(11)),
              "Line 2, column cost: \"12,50\" is not a number.");
}

TEST(SampleSource, BundledSampleReads) {
    if (!std::filesystem::exists(BW_SAMPLE_TSV))
        GTEST_SKIP() << "no sample source yet";
    const CellarReadResult result = SampleSource::load(BW_SAMPLE_TSV);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_FALSE(result.entries.empty());
    for (const auto& wine : result.entries)
        EXPECT_TRUE(wine->m_strHistory.empty() || wine->m_strHistory.back() == kHistoryItemEnd)
            << wine->description();
}
