#include "core/views/entrylist/EntryListColumns.h"
#include "core/views/entrylist/EntryListMouse.h"
#include "core/views/entrylist/PrintBoundary.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace EntryListMouse;

namespace {

// The built-in arrangement laid out unscrolled: column 0 spans 2..42, column 1 42..192, ...
class EntryListMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        columns.installDefaults();
        columns.bindCellTexts();
        columns.layout(0, 16);
    }

    std::vector<int> fieldIds() const {
        std::vector<int> ids;
        for (int i = 0; i < EntryListColumns::kCount; ++i)
            ids.push_back(columns[i].fieldId);
        return ids;
    }

    EntryListColumns columns;
};

} // namespace

TEST(EntryListRowTest, RowUnderAPointCountsFromTheTopRowWithoutLookingAtTheFocusSet) {
    const EntryListGeometry geometry = EntryListGeometry::compute(14, 300); // rows of 16 from y 33
    ASSERT_EQ(geometry.firstRowY, 33);
    EXPECT_EQ(rowPositionAt(32, 0, geometry), std::nullopt) << "the heading band has no rows";
    EXPECT_EQ(rowPositionAt(33, 0, geometry), 0);
    EXPECT_EQ(rowPositionAt(48, 0, geometry), 0);
    EXPECT_EQ(rowPositionAt(49, 0, geometry), 1);
    EXPECT_EQ(rowPositionAt(49, 40, geometry), 41);
    EXPECT_EQ(rowPositionAt(33 + 16 * 200, 0, geometry), 200) << "below the grid too";
}

TEST_F(EntryListMouseTest, BordersReachThreePixelsEitherSideAndTheColumnUnderXEndsAtTheGridsRightEdge) {
    ASSERT_EQ(columns[1].left, 42);
    EXPECT_EQ(resizeBorderAt(columns, 42), 0);
    EXPECT_EQ(resizeBorderAt(columns, 39), 0);
    EXPECT_EQ(resizeBorderAt(columns, 45), 0);
    EXPECT_EQ(resizeBorderAt(columns, 38), std::nullopt) << "4 pixels away is no longer the border";
    EXPECT_EQ(resizeBorderAt(columns, 46), std::nullopt);
    EXPECT_EQ(resizeBorderAt(columns, columns[24].left + 1), 23);

    EXPECT_EQ(resizeBorderAt(columns, columns.gridLeft()), std::nullopt) << "the grid's left edge";
    EXPECT_EQ(resizeBorderAt(columns, columns.gridRight()), std::nullopt) << "the last column's right edge";
    EXPECT_EQ(resizeBorderAt(columns, columns.gridRight() - 1), std::nullopt);

    EXPECT_EQ(columnAt(columns, 0), 0) << "left of the grid falls to the first column";
    EXPECT_EQ(columnAt(columns, 41), 0);
    EXPECT_EQ(columnAt(columns, 42), 1);
    EXPECT_EQ(columnAt(columns, columns.gridRight() - 1), 24);
    EXPECT_EQ(columnAt(columns, columns.gridRight()), std::nullopt);

    columns.layout(100, 16);
    EXPECT_EQ(resizeBorderAt(columns, columns[5].left + 2), 4) << "borders move with the horizontal offset";
}

TEST_F(EntryListMouseTest, MovedColumnGoesBeforeALeftTargetAndAfterTheColumnsUpToARightOne) {
    const std::vector<int> defaults = fieldIds();
    columns.moveColumn(3, 1);
    std::vector<int> expected = defaults;
    expected.erase(expected.begin() + 3);
    expected.insert(expected.begin() + 1, defaults[3]);
    EXPECT_EQ(fieldIds(), expected);

    columns.moveColumn(1, 3);
    EXPECT_EQ(fieldIds(), defaults);

    columns.moveColumn(0, 24);
    expected = defaults;
    std::rotate(expected.begin(), expected.begin() + 1, expected.end());
    EXPECT_EQ(fieldIds(), expected);
    EXPECT_TRUE(columns.isValid());

    columns.moveColumn(7, 7);
    EXPECT_EQ(columns[7].fieldId, defaults[8]);

    // Each record keeps its width and still shows its own field's text.
    CWine wine;
    wine.m_strProducer = "Producer";
    columns.fillCellTexts(wine);
    EXPECT_EQ(columns[0].width, 150);
    EXPECT_EQ(*columns[0].cellText, "Producer");
}

// Widths of ten pixels or less are refused.
TEST(EntryListBorderDragTest, GuideLineInvertsTheOldBorderOnceAndFollowsThePointer) {
    EXPECT_EQ(droppedWidth(52, 42), std::nullopt);
    EXPECT_EQ(droppedWidth(53, 42), 11);
    EXPECT_EQ(droppedWidth(30, 42), std::nullopt);
    BorderDrag drag(0, 42);
    EXPECT_TRUE(drag.invertedLines().empty()) << "nothing is drawn at the press";
    EXPECT_FALSE(drag.moveTo(12, 2)) << "too narrow: the line stays";
    EXPECT_TRUE(drag.invertedLines().empty());

    EXPECT_TRUE(drag.moveTo(60, 2));
    EXPECT_EQ(drag.invertedLines(), (std::set<int>{42, 60}));
    EXPECT_TRUE(drag.moveTo(70, 2));
    EXPECT_EQ(drag.invertedLines(), (std::set<int>{42, 70}));
    EXPECT_TRUE(drag.moveTo(42, 2));
    EXPECT_TRUE(drag.invertedLines().empty()) << "back on the border, the two inversions cancel";
    EXPECT_TRUE(drag.moveTo(50, 2));
    EXPECT_EQ(drag.invertedLines(), (std::set<int>{42, 50}));
}

TEST(PrintBoundaryTest, WidthBetweenTheMarginsInHundredthsOfAnInch) {
    // Letter paper at 600 dots per inch with a quarter inch unprintable on either side.
    const PrintBoundary::PrinterPage letter{5100, 150, 4800, 600};
    const float margin = PrintBoundary::marginInches(750);
    EXPECT_EQ(PrintBoundary::x(letter, margin, margin), 800 - 50 - 50);
    EXPECT_EQ(PrintBoundary::x(letter, 1.0f, 0.25f), 800 - 75 - 0);

    // Margins inside the unprintable strip widen the page past the printable width; adding a half
    // and dropping the fraction takes -50 to -49.
    const PrintBoundary::PrinterPage uneven{5100, 300, 4500, 600};
    EXPECT_EQ(PrintBoundary::x(uneven, 0.0f, 0.0f), 750 + 49 + 49);

    // Thirds of a hundredth round to the nearest.
    const PrintBoundary::PrinterPage coarse{850, 0, 850, 100};
    EXPECT_EQ(PrintBoundary::x(coarse, 0.004f, 0.006f), 850 - 0 - 1);

    EXPECT_EQ(PrintBoundary::x(PrintBoundary::PrinterPage{}, margin, margin), std::nullopt);
}
