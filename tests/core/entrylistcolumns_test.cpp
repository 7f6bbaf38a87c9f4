#include "setup/FieldNames.h"
#include "views/entrylist/EntryListCellTexts.h"
#include "views/entrylist/EntryListColumns.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

std::vector<int> fieldIds(const EntryListColumns& columns) {
    std::vector<int> ids;
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        ids.push_back(columns[i].fieldId);
    return ids;
}

CWine sampleWine() {
    CWine wine;
    wine.m_nVintage = 1990;
    wine.m_strProducer = "Chateau Exemple";
    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 5;
    wine.m_fCost = 12.5f;
    wine.m_fValue = 30.0f;
    wine.m_strTryDate = "10-31-92";
    wine.m_strNotes = "first line\r\nsecond line";
    return wine;
}

} // namespace

TEST(EntryListColumns, RecordsAsConstructedAreUnbound) {
    const EntryListColumns columns;
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        EXPECT_EQ(columns[i].fieldId, 25);
        EXPECT_EQ(columns[i].spare, 0);
        EXPECT_EQ(columns[i].cellText, nullptr);
    }
    EXPECT_FALSE(columns.isValid());
}

TEST(EntryListColumns, DefaultTableHasEveryFieldWithDrkBeforeDateAcquired) {
    EntryListColumns columns;
    columns.installDefaults();
    EXPECT_TRUE(columns.isValid());
    std::vector<int> expected(25);
    std::iota(expected.begin(), expected.end(), 0);
    expected[23] = 24;
    expected[24] = 23;
    EXPECT_EQ(fieldIds(columns), expected);

    const std::vector<int> widths{40,  150, 150, 150, 60, 60, 50, 50, 100, 100, 40, 80, 80,
                                  150, 80,  80,  50,  50, 50, 50, 50, 80,  40,  40, 80};
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        EXPECT_EQ(columns[i].width, widths[i]) << "position " << i;
    EXPECT_EQ(columns[0].heading, "Vint");
    EXPECT_EQ(columns[23].heading, "Drk");
    EXPECT_EQ(columns[24].heading, "Date Acquired");
    EXPECT_EQ(columns.totalWidth(), 1910);
}

TEST(EntryListColumns, DefaultsKeepSpareValues) {
    EntryListColumns columns;
    columns[3].spare = 77;
    columns[3].fieldId = 9;
    columns.installDefaults();
    EXPECT_EQ(columns[3].spare, 77);
    EXPECT_EQ(columns[3].fieldId, 3);
}

TEST(EntryListColumns, ValidityNeedsEachFieldIdOnce) {
    EntryListColumns columns;
    columns.installDefaults();
    columns[4].fieldId = 1;
    EXPECT_FALSE(columns.isValid()) << "repeated id";
    columns.installDefaults();
    columns[4].fieldId = -1;
    EXPECT_FALSE(columns.isValid()) << "negative id";
    columns[4].fieldId = 25;
    EXPECT_FALSE(columns.isValid()) << "unbound id";
    columns[0].fieldId = 4;
    columns[4].fieldId = 0;
    EXPECT_TRUE(columns.isValid()) << "any order of 0..24";
}

TEST(EntryListColumns, BindingPointsEachColumnAtItsFieldsDisplayString) {
    EntryListColumns columns;
    columns.installDefaults();
    columns.bindCellTexts();
    columns.fillCellTexts(sampleWine());
    EXPECT_EQ(*columns[0].cellText, "1990");
    EXPECT_EQ(*columns[1].cellText, "Chateau Exemple");
    EXPECT_EQ(*columns[5].cellText, "  5");
    EXPECT_EQ(*columns[11].cellText, "10-31-92");
    EXPECT_EQ(*columns[23].cellText, "  7") << "Drk = acquired - remaining";
    EXPECT_EQ(*columns[24].cellText, "") << "Date Acquired";

    // Moving a column carries its binding only after binding again; an id out of range keeps the old one.
    std::swap(columns[0].fieldId, columns[1].fieldId);
    columns[2].fieldId = 40;
    columns.bindCellTexts();
    EXPECT_EQ(*columns[0].cellText, "Chateau Exemple");
    EXPECT_EQ(*columns[1].cellText, "1990");
    columns.fillCellTexts(CWine());
    EXPECT_EQ(*columns[1].cellText, "1993");
    EXPECT_EQ(*columns[2].cellText, "") << "still Appellation/Varietal";
}

TEST(EntryListColumns, UnboundRecordKeepsItsPreviousBinding) {
    EntryListColumns columns;
    columns.installDefaults();
    columns.bindCellTexts();
    const std::string* before = columns[6].cellText;
    columns[6].fieldId = 25;
    columns.bindCellTexts();
    EXPECT_EQ(columns[6].cellText, before);
}

TEST(EntryListColumns, HeadingsComeFromTheFieldNames) {
    EntryListColumns columns;
    columns.installDefaults();
    columns[16].heading = "typed into a file";
    FieldNames names;
    names.setName(16, "Sommelier");
    names.setName(24, "Drunk");
    columns.refreshHeadings(names);
    EXPECT_EQ(columns[16].heading, "Sommelier");
    EXPECT_EQ(columns[23].heading, "Drunk");
    EXPECT_EQ(columns[0].heading, "Vint");
}

TEST(EntryListColumns, LayoutPlacesColumnsFromTheOffset) {
    EntryListColumns columns;
    columns.installDefaults();
    columns.layout(0, 16);
    EXPECT_EQ(columns.gridLeft(), 2);
    EXPECT_EQ(columns[0].left, 2);
    EXPECT_EQ(columns[0].textX, 5);
    EXPECT_EQ(columns[1].left, 42);
    EXPECT_EQ(columns[2].left, 192);
    EXPECT_EQ(columns[24].left, 2 + 1910 - 80);
    EXPECT_EQ(columns.gridRight(), 1912);
    EXPECT_EQ(columns[7].headingY, 10) << "(2 x 16) / 3";

    columns.layout(100, 17);
    EXPECT_EQ(columns.gridLeft(), -98);
    EXPECT_EQ(columns[1].left, -58);
    EXPECT_EQ(columns[1].textX, -55);
    EXPECT_EQ(columns.gridRight(), 1812);
    EXPECT_EQ(columns[0].headingY, 11);
}

TEST(EntryListColumns, VisibleColumnsStartAtTheFirstReachingTheWindow) {
    EntryListColumns columns;
    columns.installDefaults();
    columns.layout(0, 16);
    EXPECT_EQ(columns.firstVisible(), 0);
    EXPECT_EQ(columns.lastVisible(), 24);
    columns.layout(42, 16); // the first column ends at x 0 exactly and is still drawn
    EXPECT_EQ(columns.firstVisible(), 0);
    columns.layout(43, 16);
    EXPECT_EQ(columns.firstVisible(), 1);
}

TEST(EntryListColumns, CopyShiftsByTheDifferenceOfTheOffsets) {
    EntryListColumns source;
    source.installDefaults();
    std::swap(source[0].fieldId, source[3].fieldId);
    source[0].width = 77;
    source[5].heading = "Bottles";
    source.layout(300, 16);
    source[2].headingY = 3; // a heading raised while it is dragged comes along

    EntryListColumns copy;
    copy.copyFrom(source, 300, 120);
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        EXPECT_EQ(copy[i].fieldId, source[i].fieldId);
        EXPECT_EQ(copy[i].width, source[i].width);
        EXPECT_EQ(copy[i].heading, source[i].heading);
        EXPECT_EQ(copy[i].headingY, source[i].headingY);
        EXPECT_EQ(copy[i].left, source[i].left + 180);
        EXPECT_EQ(copy[i].textX, source[i].textX + 180);
    }
    EXPECT_EQ(copy.gridLeft(), 2 - 120);
    EXPECT_EQ(copy.gridRight(), copy.gridLeft() + source.totalWidth());

    copy.fillCellTexts(sampleWine());
    EXPECT_EQ(*copy[0].cellText, "") << "Designation is first now and bound in the copy";
    EXPECT_EQ(*copy[3].cellText, "1990");
}

TEST(EntryListCellTexts, NumbersAndMoneyKeepTheirFormats) {
    EntryListCellTexts texts;
    CWine wine = sampleWine();
    texts.fill(wine);
    EXPECT_EQ(texts.text(CWine::Vintage), "1990");
    EXPECT_EQ(texts.text(CWine::NumberRemaining), "  5");
    EXPECT_EQ(texts.text(CWine::NumberAcquired), " 12");
    EXPECT_EQ(texts.text(CWine::NumberConsumed), "  7");
    EXPECT_EQ(texts.text(CWine::Cost), " 12.50");
    EXPECT_EQ(texts.text(CWine::Value), " 30.00");
    EXPECT_EQ(texts.text(CWine::Notes), "first line\r\nsecond line") << "cut only when drawn";

    wine.m_nVintage = 0;
    wine.m_nNumberRemaining = 1234;
    wine.m_nNumberAcquired = -3;
    wine.m_fCost = 1234.567f;
    texts.fill(wine);
    EXPECT_EQ(texts.text(CWine::Vintage), "NV");
    EXPECT_EQ(texts.text(CWine::NumberRemaining), "1234");
    EXPECT_EQ(texts.text(CWine::NumberAcquired), " -3");
    EXPECT_EQ(texts.text(CWine::NumberConsumed), "-1237");
    EXPECT_EQ(texts.text(CWine::Cost), "1234.57");
}

TEST(EntryListCellTexts, ValueAtOrBelowTwoCentsShowsTheCost) {
    EntryListCellTexts texts;
    CWine wine;
    wine.m_fCost = 8.25f;
    wine.m_fValue = 0.02f;
    texts.fill(wine);
    EXPECT_EQ(texts.text(CWine::Value), "  8.25");
    wine.m_fValue = 0.03f;
    texts.fill(wine);
    EXPECT_EQ(texts.text(CWine::Value), "  0.03");
    wine.m_fValue = 0.0f;
    texts.fill(wine);
    EXPECT_EQ(texts.text(CWine::Value), "  8.25");
}
