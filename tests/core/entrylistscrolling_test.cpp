#include "core/views/entrylist/EntryListGeometry.h"
#include "core/views/entrylist/EntryListScrolling.h"

#include <gtest/gtest.h>

using EntryListScrolling::ScrollCode;

namespace {

// Text height 16: rows of 18 pixels, the first at y 37; a client 400 high holds 20 rows.
const EntryListGeometry kGeometry = EntryListGeometry::compute(16, 400);
constexpr int kGridLeft = 2;
constexpr int kGridRight = 1912;

EntryListScrolling::VerticalScroll scroll(ScrollCode code, int topRow, int count, int position = 0) {
    const auto result =
        EntryListScrolling::scrollVertically(code, position, topRow, count, kGeometry, kGridLeft, kGridRight);
    EXPECT_TRUE(result.has_value());
    return result.value_or(EntryListScrolling::VerticalScroll{});
}

} // namespace

TEST(EntryListGeometry, RowsFollowTheFontAndTheClientHeight) {
    EXPECT_EQ(kGeometry.rowHeight, 18);
    EXPECT_EQ(kGeometry.firstRowY, 2 + 36 - 1);
    EXPECT_EQ(kGeometry.rowsPerPage, (400 - 37 - 2) / 18);
    EXPECT_EQ(kGeometry.rowsPerPage, 20);
    EXPECT_EQ(kGeometry.gridBottom, 37 + 20 * 18);
    EXPECT_EQ(kGeometry.verticalMaximum(100), 80);
    EXPECT_EQ(kGeometry.verticalMaximum(5), 0);

    // A height that holds whole rows exactly keeps the last of them.
    EXPECT_EQ(EntryListGeometry::compute(16, 399).rowsPerPage, 20);
    EXPECT_EQ(EntryListGeometry::compute(16, 398).rowsPerPage, 19);

    const EntryListGeometry tiny = EntryListGeometry::compute(16, 40);
    EXPECT_EQ(tiny.rowsPerPage, 0);
    EXPECT_EQ(tiny.headingBand(2, 500), (GridRect{2, 2, 500, 37}));
}

// Pages overlap by one row and stop at the last page; a Focus Set shorter than a page stays at the top.
TEST(EntryListVerticalScroll, PagesAndThumbPlaceTheTopRowWithinTheRange) {
    const struct {
        ScrollCode code;
        int topRow, count, position, expectedTop, expectedMaximum;
    } cases[] = {{ScrollCode::PageDown, 0, 100, 0, 19, 80},
                 {ScrollCode::PageDown, 19, 100, 0, 38, 80},
                 {ScrollCode::PageDown, 70, 100, 0, 80, 80},
                 {ScrollCode::PageUp, 38, 100, 0, 19, 80},
                 {ScrollCode::PageUp, 10, 100, 0, 0, 80},
                 {ScrollCode::ThumbTrack, 0, 100, 42, 42, 80},
                 {ScrollCode::ThumbPosition, 0, 100, 100, 80, 80},
                 {ScrollCode::ThumbPosition, 50, 100, -4, 0, 80},
                 {ScrollCode::LineUp, 0, 7, 5, 0, 0},
                 {ScrollCode::LineDown, 0, 7, 5, 0, 0},
                 {ScrollCode::PageUp, 0, 7, 5, 0, 0},
                 {ScrollCode::PageDown, 0, 7, 5, 0, 0},
                 {ScrollCode::ThumbPosition, 0, 7, 5, 0, 0},
                 {ScrollCode::ThumbTrack, 0, 7, 5, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << static_cast<int>(c.code) << " from row " << c.topRow
                                        << " of " << c.count << ", position " << c.position);
        const auto result = scroll(c.code, c.topRow, c.count, c.position);
        EXPECT_EQ(result.topRow, c.expectedTop);
        EXPECT_EQ(result.rangeMaximum, c.expectedMaximum);
        if (c.count > 20) {
            EXPECT_FALSE(result.oneRow);
        }
    }
    EXPECT_FALSE(EntryListScrolling::scrollVertically(ScrollCode::EndScroll, 3, 10, 100, kGeometry, kGridLeft,
                                                      kGridRight));
}

// A line up moves the rows down and draws the first row, a line down the other way round; at either end
// nothing moves but the row is still drawn again.
TEST(EntryListVerticalScroll, LinesMoveTheRowsByOneRowHeight) {
    const GridRect firstRow{3, 37, 1912, 55};
    const GridRect lastRow{3, 37 + 19 * 18, 1912, 37 + 20 * 18};
    const struct {
        ScrollCode code;
        int topRow, count, expectedTop, moveBy;
        GridRect repaint;
    } cases[] = {
        {ScrollCode::LineUp, 10, 100, 9, 18, firstRow},    {ScrollCode::LineUp, 0, 100, 0, 0, firstRow},
        {ScrollCode::LineDown, 10, 100, 11, -18, lastRow}, {ScrollCode::LineDown, 79, 100, 80, -18, lastRow},
        {ScrollCode::LineDown, 80, 100, 80, 0, lastRow},   {ScrollCode::LineDown, 0, 7, 0, 0, lastRow}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line from row " << c.topRow << " of " << c.count);
        const auto result = scroll(c.code, c.topRow, c.count);
        EXPECT_EQ(result.topRow, c.expectedTop);
        EXPECT_TRUE(result.oneRow);
        EXPECT_EQ(result.moveBy, c.moveBy);
        EXPECT_EQ(result.repaintArea, c.repaint);
    }
    EXPECT_EQ(scroll(ScrollCode::LineUp, 10, 100).movedArea, (GridRect{3, 37, 1912, 37 + 20 * 18}));
}

TEST(EntryListHorizontalScroll, StepsAndClamps) {
    using EntryListScrolling::scrollHorizontally;
    constexpr int client = 400;
    constexpr int grid = 1910;
    EXPECT_EQ(scrollHorizontally(ScrollCode::LineRight, 0, 0, client, grid), 10);
    EXPECT_EQ(scrollHorizontally(ScrollCode::LineLeft, 0, 25, client, grid), 15);
    EXPECT_EQ(scrollHorizontally(ScrollCode::LineLeft, 0, 5, client, grid), 0);
    EXPECT_EQ(scrollHorizontally(ScrollCode::PageRight, 0, 0, client, grid), 133);
    EXPECT_EQ(scrollHorizontally(ScrollCode::PageLeft, 0, 200, client, grid), 67);
    EXPECT_EQ(scrollHorizontally(ScrollCode::ThumbTrack, 700, 0, client, grid), 700);
    EXPECT_EQ(scrollHorizontally(ScrollCode::ThumbPosition, -30, 50, client, grid), 0);
    // The grid's right edge stops at the client's right edge.
    EXPECT_EQ(scrollHorizontally(ScrollCode::PageRight, 0, 1450, client, grid), 1510);
    EXPECT_EQ(scrollHorizontally(ScrollCode::ThumbPosition, 5000, 0, client, grid), 1510);
    EXPECT_FALSE(scrollHorizontally(ScrollCode::EndScroll, 0, 50, client, grid));
}

TEST(EntryListHorizontalScroll, GridNarrowerThanTheClientNeverMovesRight) {
    EXPECT_EQ(EntryListScrolling::scrollHorizontally(ScrollCode::LineRight, 0, 0, 2000, 1910), 0);
    EXPECT_EQ(EntryListScrolling::scrollHorizontally(ScrollCode::LineLeft, 0, 0, 2000, 1910), 0);
}
