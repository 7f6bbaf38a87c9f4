#include "core/exchange/CellarTrackerImport.h"
#include "core/model/AtomicFile.h"

#include <gtest/gtest.h>

namespace {

CellarTrackerResult readFixture(const std::string& name) {
    std::string bytes, error;
    EXPECT_TRUE(readWholeFile(BW_TEST_DATA "/exchange/" + name, bytes, error)) << error;
    return CellarTrackerImport::read(bytes);
}

} // namespace

TEST(CellarTrackerImport, ListExportsInBothDelimitersGiveTheSameEntries) {
    const CellarTrackerResult csv = readFixture("ct-list.csv");
    const CellarTrackerResult tsv = readFixture("ct-list.tsv");
    for (const CellarTrackerResult* result : {&csv, &tsv}) {
        EXPECT_TRUE(result->recognized);
        EXPECT_FALSE(result->inventory);
        EXPECT_EQ(result->rows, 8);
        EXPECT_EQ(result->skipped, 2);
        EXPECT_EQ(result->replaced, 2);
        EXPECT_EQ(result->firstSkipReason, "row 4: 6 fields where the header has 29.");
        ASSERT_EQ(result->entries.size(), 6u);
    }
    for (std::size_t i = 0; i < csv.entries.size(); ++i)
        EXPECT_EQ(*csv.entries[i], *tsv.entries[i]);

    const CWine& montelena = *csv.entries[0];
    EXPECT_EQ(montelena.m_strProducer, "Ch\xE2teau Montelena");
    EXPECT_FLOAT_EQ(montelena.m_fValue, 60.0f); // MyValue 0 gives way to Valuation
    EXPECT_EQ(montelena.m_strRating, "95");
    EXPECT_EQ(montelena.m_strDateAcquired, "3-14-18");
    EXPECT_EQ(montelena.m_strTryDate, "1-1-22");
    EXPECT_EQ(montelena.m_strDrinkDate, "12-31-35");
    EXPECT_EQ(montelena.m_strBins, "Cellar A3");
    EXPECT_EQ(montelena.m_nNumberRemaining, 6);
    EXPECT_FLOAT_EQ(csv.entries[1]->m_fCost, 1250.0f);
    EXPECT_FLOAT_EQ(csv.entries[1]->m_fValue, 1500.0f);
    EXPECT_EQ(csv.entries[1]->m_strDateAcquired, "11-2-12");
    const CWine& krug = *csv.entries[2];
    EXPECT_EQ(krug.m_nVintage, 0);
    EXPECT_EQ(krug.m_strAppellation, "Champagne Blend"); // "Unknown" appellation: the varietal
    EXPECT_EQ(krug.m_strUser1, "1.5L");
    EXPECT_EQ(csv.entries[3]->m_nVintage, 0);
    EXPECT_EQ(csv.entries[3]->m_strNotes, "Says \"ruby\", not tawny\r\nGift from Ann\r\nand Bob");
    EXPECT_EQ(csv.entries[4]->m_strProducer, "Bodega ?");
    EXPECT_EQ(csv.entries[4]->m_strDesignation, "");
}

TEST(CellarTrackerImport, InventoryBottlesGroupIntoEntriesWithCountedBins) {
    for (const char* name : {"ct-inventory.csv", "ct-inventory.tsv"}) {
        const CellarTrackerResult result = readFixture(name);
        EXPECT_TRUE(result.inventory);
        EXPECT_EQ(result.rows, 12);
        EXPECT_EQ(result.skipped, 1);
        ASSERT_EQ(result.entries.size(), 4u) << name;
        EXPECT_EQ(result.entries[0]->m_nNumberAcquired, 4);
        EXPECT_EQ(result.entries[0]->m_strBins, "Cellar A3-3, Cellar B5-1");
        EXPECT_EQ(result.entries[1]->m_strBins, "Rack 7-2, Rack 8-1");
        EXPECT_EQ(result.entries[1]->m_strNotes, "Line one\r\nline two, with \"quotes\"");
        EXPECT_EQ(result.entries[2]->m_strBins, "Cellar A3"); // one place: no count
        EXPECT_EQ(result.entries[3]->m_nNumberRemaining, 3);
        EXPECT_EQ(result.entries[3]->m_strBins, "Fridge");
        EXPECT_FLOAT_EQ(result.entries[3]->m_fValue, 30.0f);
        EXPECT_EQ(result.entries[3]->m_strAppellation, "Pinot Noir");
    }
}

TEST(CellarTrackerImport, ForeignHeadersAndCutOffQuotes) {
    EXPECT_FALSE(CellarTrackerImport::read("Name,Price\nx,1\n").recognized);
    const CellarTrackerResult cut = CellarTrackerImport::read("Wine,Quantity\nA,2\n\nB,\"3\n");
    EXPECT_EQ(cut.entries.size(), 1u);
    EXPECT_EQ(cut.rows, 2);
    EXPECT_EQ(cut.firstSkipReason, "row 2: the file ends inside a quoted field.");
    EXPECT_EQ(CellarTrackerImport::entryDate("2019-04-01"), "4-1-19");
    EXPECT_EQ(CellarTrackerImport::entryDate("13/1/2019"), "");
}
