#include "core/exchange/TabExport.h"
#include "core/exchange/TabImport.h"

#include <gtest/gtest.h>

TEST(TabExport, WritesEffectiveValueNvAndNotesOnOneLine) {
    CWine wine;
    wine.m_nVintage = 0;
    wine.m_fCost = 12.5f;
    wine.m_strNotes = "Two\r\nlines\tand caf\xE9";
    EXPECT_EQ(TabExport::value(wine, FieldMap::Vintage), "NV");
    EXPECT_EQ(TabExport::value(wine, FieldMap::Value), "12.50");
    EXPECT_EQ(TabExport::value(wine, FieldMap::Cost), "12.50");
    EXPECT_EQ(TabExport::value(wine, FieldMap::Notes), "Two  lines and caf\xE9");

    FieldMap map;
    map.setColumn(FieldMap::Vintage, 1);
    map.setColumn(FieldMap::Producer, 2);
    FieldNames names;
    names.setName(CWine::Producer, "Maker");
    wine.m_strProducer = "\"Krug\"";
    const CWine* entries[] = {&wine};
    EXPECT_EQ(TabExport::write(entries, map, names), "Vint\tMaker\r\nNV\t\"Krug\"\r\n");
}

TEST(TabExport, FullMapRoundTripKeepsEveryImportedField) {
    FieldMap map;
    for (int field = 0; field < FieldMap::kFieldCount; ++field)
        map.setColumn(field, field + 1);
    CWine wine;
    int counter = 0;
    CWine::visitMembers(wine, [&counter](const char*, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>)
            member = "text " + std::to_string(++counter);
    });
    wine.m_nVintage = 1985;
    wine.m_fCost = 10.25f;
    wine.m_fValue = 31.5f;
    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 7;
    wine.m_nLetterColor = CWine::Red;
    const CWine* entries[] = {&wine};
    const TabImportResult back = TabImport::read(TabExport::write(entries, map, FieldNames()), map, 24);
    ASSERT_EQ(back.entries.size(), 1u);
    CWine expected = wine;
    expected.m_strHistory.clear();
    expected.m_strSpare.clear();
    expected.m_nLetterColor = CWine::Black;
    EXPECT_EQ(*back.entries[0], expected);
}
