#include "core/setup/FieldNames.h"
#include "core/views/entrylist/EntryListCellTexts.h"
#include "core/views/entrylist/EntryListColumns.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {

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

class EntryListColumnsTest : public ::testing::Test {
protected:
    void SetUp() override { columns.installDefaults(); }
    EntryListColumns columns;
};

} // namespace

TEST_F(EntryListColumnsTest, DefaultTableHasEveryFieldWithDrkBeforeDateAcquired) {
    EXPECT_FALSE(EntryListColumns().isValid()) << "records as constructed are unbound";
    EXPECT_TRUE(columns.isValid());
    std::vector<int> expected(25);
    std::iota(expected.begin(), expected.end(), 0);
    std::swap(expected[23], expected[24]);
    const std::vector<int> widths{40,  150, 150, 150, 60, 60, 50, 50, 100, 100, 40, 80, 80,
                                  150, 80,  80,  50,  50, 50, 50, 50, 80,  40,  40, 80};
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        EXPECT_EQ(columns[i].fieldId, expected[i]) << "position " << i;
        EXPECT_EQ(columns[i].width, widths[i]) << "position " << i;
    }
    EXPECT_EQ(columns[0].heading, "Vint");
    EXPECT_EQ(columns[23].heading, "Drk");
    EXPECT_EQ(columns[24].heading, "Date Acquired");
    EXPECT_EQ(columns.totalWidth(), 1910);
}

TEST_F(EntryListColumnsTest, ValidityNeedsEachFieldIdOnce) {
    for (const int id : {1, -1, 25}) {
        columns[4].fieldId = id;
        EXPECT_FALSE(columns.isValid()) << id;
    }
    columns[0].fieldId = 4;
    columns[4].fieldId = 0;
    EXPECT_TRUE(columns.isValid()) << "any order of 0..24";
}

TEST_F(EntryListColumnsTest, BindingPointsEachColumnAtItsFieldsDisplayString) {
    columns.bindCellTexts();
    columns.fillCellTexts(sampleWine());
    EXPECT_EQ(*columns[0].cellText, "1990");
    EXPECT_EQ(*columns[1].cellText, "Chateau Exemple");
    EXPECT_EQ(*columns[11].cellText, "10-31-92");
    EXPECT_EQ(*columns[23].cellText, "  7") << "Drk = acquired - remaining";
    EXPECT_EQ(*columns[24].cellText, "") << "Date Acquired";

    // Moving a column carries its binding only after binding again; an unbound or out-of-range id keeps
    // the old one.
    std::swap(columns[0].fieldId, columns[1].fieldId);
    columns[2].fieldId = 40;
    columns[6].fieldId = 25;
    const std::string* before = columns[6].cellText;
    columns.bindCellTexts();
    EXPECT_EQ(*columns[0].cellText, "Chateau Exemple");
    EXPECT_EQ(*columns[1].cellText, "1990");
    EXPECT_EQ(columns[6].cellText, before);
    columns.fillCellTexts(CWine());
    EXPECT_EQ(*columns[1].cellText, "1993");
    EXPECT_EQ(*columns[2].cellText, "") << "still Appellation/Varietal";
}

TEST_F(EntryListColumnsTest, HeadingsComeFromTheFieldNames) {
    columns[16].heading = "typed into a file";
    FieldNames names;
    names.setName(16, "Sommelier");
    names.setName(24, "Drunk");
    columns.refreshHeadings(names);
    EXPECT_EQ(columns[16].heading, "Sommelier");
    EXPECT_EQ(columns[23].heading, "Drunk");
    EXPECT_EQ(columns[0].heading, "Vint");
}

TEST_F(EntryListColumnsTest, LayoutPlacesColumnsFromTheOffsetAndFindsTheVisibleOnes) {
    columns.layout(0, 16);
    EXPECT_EQ(columns.gridLeft(), 2);
    EXPECT_EQ(columns[0].left, 2);
    EXPECT_EQ(columns[0].textX, 5);
    EXPECT_EQ(columns[1].left, 42);
    EXPECT_EQ(columns[2].left, 192);
    EXPECT_EQ(columns[24].left, 2 + 1910 - 80);
    EXPECT_EQ(columns.gridRight(), 1912);
    EXPECT_EQ(columns[7].headingY, 10) << "(2 x 16) / 3";
    EXPECT_EQ(columns.firstVisible(), 0);
    EXPECT_EQ(columns.lastVisible(), 24);

    columns.layout(100, 17);
    EXPECT_EQ(columns.gridLeft(), -98);
    EXPECT_EQ(columns[1].left, -58);
    EXPECT_EQ(columns[1].textX, -55);
    EXPECT_EQ(columns.gridRight(), 1812);
    EXPECT_EQ(columns[0].headingY, 11);

    columns.layout(42, 16); // the first column ends at x 0 exactly and is still drawn
    EXPECT_EQ(columns.firstVisible(), 0);
    columns.layout(43, 16);
    EXPECT_EQ(columns.firstVisible(), 1);
}

TEST_F(EntryListColumnsTest, CopyShiftsByTheDifferenceOfTheOffsets) {
    std::swap(columns[0].fieldId, columns[3].fieldId);
    columns[0].width = 77;
    columns[5].heading = "Bottles";
    columns.layout(300, 16);
    columns[2].headingY = 3; // a heading raised while it is dragged comes along

    EntryListColumns copy;
    copy.copyFrom(columns, 300, 120);
    for (int i = 0; i < EntryListColumns::kCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(copy[i].fieldId, columns[i].fieldId);
        EXPECT_EQ(copy[i].width, columns[i].width);
        EXPECT_EQ(copy[i].heading, columns[i].heading);
        EXPECT_EQ(copy[i].headingY, columns[i].headingY);
        EXPECT_EQ(copy[i].left, columns[i].left + 180);
        EXPECT_EQ(copy[i].textX, columns[i].textX + 180);
    }
    EXPECT_EQ(copy.gridLeft(), 2 - 120);
    EXPECT_EQ(copy.gridRight(), copy.gridLeft() + columns.totalWidth());

    copy.fillCellTexts(sampleWine());
    EXPECT_EQ(*copy[0].cellText, "") << "Designation is first now and bound in the copy";
    EXPECT_EQ(*copy[3].cellText, "1990");
}

TEST(EntryListCellTexts, NumbersAndMoneyKeepTheirFormats) {
    CWine extreme = sampleWine();
    extreme.m_nVintage = 0;
    extreme.m_nNumberRemaining = 1234;
    extreme.m_nNumberAcquired = -3;
    extreme.m_fCost = 1234.567f;
    extreme.m_fValue = 0.02f; // shows the Cost
    const struct {
        int field;
        const char *sample, *extreme;
    } cases[] = {
        {CWine::Vintage, "1990", "NV"},
        {CWine::NumberRemaining, "  5", "1234"},
        {CWine::NumberAcquired, " 12", " -3"},
        {CWine::NumberConsumed, "  7", "-1237"},
        {CWine::Cost, " 12.50", "1234.57"},
        {CWine::Value, " 30.00", "1234.57"},
        {CWine::Notes, "first line\r\nsecond line", "first line\r\nsecond line"}}; // cut only when drawn
    EntryListCellTexts sample, extremes;
    sample.fill(sampleWine());
    extremes.fill(extreme);
    for (const auto& c : cases) {
        EXPECT_EQ(sample.text(c.field), c.sample) << c.field;
        EXPECT_EQ(extremes.text(c.field), c.extreme) << c.field;
    }
}
