#include "views/entrylist/EntryListGeometry.h"
#include "views/entrylist/EntryListScrolling.h"

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

    const EntryListGeometry tiny = EntryListGeometry::compute(16, 40);
    EXPECT_EQ(tiny.rowsPerPage, 0);
    EXPECT_EQ(tiny.headingBand(2, 500), (GridRect{2, 2, 500, 37}));
}

TEST(EntryListVerticalScroll, FocusSetShorterThanAPageStaysAtTheTop) {
    for (ScrollCode code : {ScrollCode::LineUp, ScrollCode::LineDown, ScrollCode::PageUp,
                            ScrollCode::PageDown, ScrollCode::ThumbPosition, ScrollCode::ThumbTrack}) {
        const auto result = scroll(code, 0, 7, 5);
        EXPECT_EQ(result.topRow, 0);
        EXPECT_EQ(result.rangeMaximum, 0);
    }
}

TEST(EntryListVerticalScroll, PagesOverlapByOneRowAndStopAtTheLastPage) {
    EXPECT_EQ(scroll(ScrollCode::PageDown, 0, 100).topRow, 19);
    EXPECT_EQ(scroll(ScrollCode::PageDown, 19, 100).topRow, 38);
    EXPECT_EQ(scroll(ScrollCode::PageDown, 70, 100).topRow, 80);
    EXPECT_EQ(scroll(ScrollCode::PageUp, 38, 100).topRow, 19);
    EXPECT_EQ(scroll(ScrollCode::PageUp, 10, 100).topRow, 0);
    EXPECT_EQ(scroll(ScrollCode::PageDown, 70, 100).rangeMaximum, 80);
    EXPECT_FALSE(scroll(ScrollCode::PageDown, 0, 100).oneRow);
}

TEST(EntryListVerticalScroll, ThumbPlacesTheTopRowWithinTheRange) {
    EXPECT_EQ(scroll(ScrollCode::ThumbTrack, 0, 100, 42).topRow, 42);
    EXPECT_EQ(scroll(ScrollCode::ThumbPosition, 0, 100, 100).topRow, 80);
    EXPECT_EQ(scroll(ScrollCode::ThumbPosition, 50, 100, -4).topRow, 0);
    EXPECT_FALSE(scroll(ScrollCode::ThumbPosition, 0, 100, 42).oneRow);
}

TEST(EntryListVerticalScroll, OtherCodesDoNothing) {
    EXPECT_FALSE(EntryListScrolling::scrollVertically(ScrollCode::EndScroll, 3, 10, 100, kGeometry, kGridLeft,
                                                      kGridRight));
}

TEST(EntryListVerticalScroll, LineUpMovesTheRowsDownAndDrawsTheFirstRow) {
    const auto result = scroll(ScrollCode::LineUp, 10, 100);
    EXPECT_EQ(result.topRow, 9);
    EXPECT_TRUE(result.oneRow);
    EXPECT_EQ(result.moveBy, 18);
    EXPECT_EQ(result.movedArea, (GridRect{3, 37, 1912, 37 + 20 * 18}));
    EXPECT_EQ(result.repaintArea, (GridRect{3, 37, 1912, 55}));

    // At the top nothing moves, but the first row is still drawn again.
    const auto atTop = scroll(ScrollCode::LineUp, 0, 100);
    EXPECT_EQ(atTop.topRow, 0);
    EXPECT_TRUE(atTop.oneRow);
    EXPECT_EQ(atTop.moveBy, 0);
    EXPECT_EQ(atTop.repaintArea, (GridRect{3, 37, 1912, 55}));
}

TEST(EntryListVerticalScroll, LineDownMovesTheRowsUpAndDrawsTheLastRow) {
    const auto result = scroll(ScrollCode::LineDown, 10, 100);
    EXPECT_EQ(result.topRow, 11);
    EXPECT_TRUE(result.oneRow);
    EXPECT_EQ(result.moveBy, -18);
    EXPECT_EQ(result.repaintArea, (GridRect{3, 37 + 19 * 18, 1912, 37 + 20 * 18}));

    const auto lastStep = scroll(ScrollCode::LineDown, 79, 100);
    EXPECT_EQ(lastStep.topRow, 80);
    EXPECT_EQ(lastStep.moveBy, -18);

    const auto atEnd = scroll(ScrollCode::LineDown, 80, 100);
    EXPECT_EQ(atEnd.topRow, 80);
    EXPECT_TRUE(atEnd.oneRow);
    EXPECT_EQ(atEnd.moveBy, 0);

    const auto shortList = scroll(ScrollCode::LineDown, 0, 7);
    EXPECT_EQ(shortList.topRow, 0);
    EXPECT_EQ(shortList.moveBy, 0);
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

TEST(EntryListHorizontalScroll, GridNarrowerThanTheClientAlignsRightEdges) {
    // The upper limit is applied after the lower one, so it wins when the client is wider than the grid.
    EXPECT_EQ(EntryListScrolling::scrollHorizontally(ScrollCode::LineRight, 0, 0, 2000, 1910), -90);
}
