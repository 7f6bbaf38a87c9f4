#include "core/exchange/TabImport.h"
#include "core/exchange/TabText.h"
#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> fieldsOf(std::string_view line) {
    std::vector<std::string_view> views;
    TabText::splitFields(line, views);
    return {views.begin(), views.end()};
}

FieldMap mapOf(std::initializer_list<std::pair<int, int>> columns) {
    FieldMap map;
    for (const auto& [field, column] : columns)
        map.setColumn(field, column);
    return map;
}

} // namespace

TEST(TabText, SplitsWithAnAppendedTabAndStripsOneQuoteEachSide) {
    using V = std::vector<std::string>;
    EXPECT_EQ(fieldsOf("a\tb"), (V{"a", "b"}));
    EXPECT_EQ(fieldsOf(""), (V{""}));
    EXPECT_EQ(fieldsOf("a\t"), (V{"a", ""}));
    EXPECT_EQ(TabText::headerColumns("a\t\tb\t").size(), 3u);
    EXPECT_EQ(TabText::withoutQuotes("\"Krug\""), "Krug");
    EXPECT_EQ(TabText::withoutQuotes("\"Say \"\"hi\"\"\""), "Say \"\"hi\"\"");
    EXPECT_EQ(TabText::withoutQuotes("\""), "");
}

TEST(TabImport, CountsWrongFieldCountsAndTooLongLinesAndGoesOn) {
    const std::string longLine(TabText::kLongestLine + 1, 'x');
    const std::string text = "V\tP\n1990\tA\n\n1991\tB\t\n" + longLine + "\n\"NV\"\tC\r\nabc\t\"\n";
    const TabImportResult result =
        TabImport::read(text, mapOf({{FieldMap::Vintage, 1}, {FieldMap::Producer, 2}}), 2);
    EXPECT_EQ(result.found, 6);
    EXPECT_EQ(result.errors, 3);
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_EQ(result.entries[0]->m_nVintage, 1990);
    EXPECT_EQ(result.entries[1]->m_nVintage, 0);
    EXPECT_EQ(result.entries[1]->m_strProducer, "C");
    EXPECT_EQ(result.entries[2]->m_nVintage, 1993); // not a number: the default stays
    EXPECT_EQ(result.entries[2]->m_strProducer, "");
    EXPECT_EQ(result.message(),
              "Bottlewright found 6 entries. 3 errors were\nencountered; 3 entries were imported.");
}

TEST(TabImport, TheFirstFieldInMapOrderTakesAShAredColumn) {
    // Appellation comes before Producer in map order, so it alone gets column 1.
    const FieldMap map = mapOf({{FieldMap::Producer, 1},
                                {FieldMap::Appellation, 1},
                                {FieldMap::NumberRemaining, 2},
                                {FieldMap::Cost, 3}});
    const TabImportResult result = TabImport::read("h\th\th\nMargaux\t\t12.5\n", map, 3);
    ASSERT_EQ(result.entries.size(), 1u);
    EXPECT_EQ(result.entries[0]->m_strAppellation, "Margaux");
    EXPECT_EQ(result.entries[0]->m_strProducer, "");
    EXPECT_EQ(result.entries[0]->m_nNumberRemaining, 0);
    EXPECT_FLOAT_EQ(result.entries[0]->m_fCost, 12.5f);
}

TEST(TabImport, HeaderOnlyAndCancelGiveNoEntries) {
    EXPECT_EQ(TabImport::read("V\tP\r\n", FieldMap(), 2).found, 0);
    const TabImportResult cancelled = TabImport::read("V\n1\n2\n", mapOf({{FieldMap::Vintage, 1}}), 1,
                                                      [](std::size_t, std::size_t) { return false; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.entries.empty());
}

TEST(TabImport, ReadsTheFixtureWithItsMap) {
    std::string text, map, error;
    ASSERT_TRUE(readWholeFile(BW_TEST_DATA "/exchange/wines.txt", text, error));
    FieldMap fields;
    ASSERT_TRUE(fields.retrieve(BW_TEST_DATA "/exchange/wines.bwx"));
    const TabImportResult result = TabImport::read(
        text, fields, static_cast<int>(TabText::headerColumns(TabText::headerLine(text)).size()));
    EXPECT_EQ(result.found, 5);
    EXPECT_EQ(result.errors, 2);
    ASSERT_EQ(result.entries.size(), 3u);
    EXPECT_EQ(result.entries[1]->m_strProducer, "Krug");
    EXPECT_EQ(result.entries[1]->m_strNotes, "Say \"\"toast\"\"");
    EXPECT_EQ(result.entries[2]->m_strNotes, "fine");
}

TEST(TabImport, StreamedCellarFileEqualsTheOneWrittenFromAllEntries) {
    std::string text = "V\tP\n";
    for (int i = 0; i < 2100; ++i)
        text += std::to_string(1900 + i % 120) + "\tProducer " + std::to_string(i) +
                (i % 700 == 0 ? "\t\n" : "\n");
    const FieldMap map = mapOf({{FieldMap::Vintage, 1}, {FieldMap::Producer, 2}});
    std::vector<std::uint8_t> streamed;
    const TabImportResult counted = TabImport::readToCellarFile(text, map, 2, streamed);
    const TabImportResult whole = TabImport::read(text, map, 2);
    EXPECT_EQ(counted.errors, 3);
    EXPECT_EQ(whole.entries.size(), 2097u);
    EXPECT_EQ(streamed, CellarFile::write(whole.entries));
}
