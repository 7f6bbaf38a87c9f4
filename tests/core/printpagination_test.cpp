#include "core/views/entrylist/NoteWrapping.h"
#include "core/views/entrylist/PrintPageMetrics.h"
#include "core/views/entrylist/PrintPagination.h"
#include "core/views/entrylist/TextMeasurer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using PrintPagination::PageStart;

// Every character is 10 units wide.
class FakeMeasurer : public TextMeasurer {
public:
    int width(std::string_view text) const override { return static_cast<int>(text.size()) * 10; }
};

} // namespace

TEST(PrintPageMetricsTest, MarginsCountFromThePrintableAreaAndRowsFollowTheStyle) {
    PrintStyle style;
    PrinterDevice device{850, 1100, 25, 50, 800, 1000, 100, 100}; // a printer with unprintable strips
    auto m = PrintPageMetrics::compute(device, style, 14);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->pageWidth, 800);
    EXPECT_EQ(m->left, 50);
    EXPECT_EQ(m->right, 50);
    EXPECT_EQ(m->top, 25);
    EXPECT_EQ(m->bottom, 25);
    EXPECT_EQ(m->boundaryX, 700);
    EXPECT_EQ(m->rowHeight, 16);
    EXPECT_EQ(m->firstRowY, 33);
    EXPECT_EQ(m->rowsPerPage, (1000 - 33 - 50 - 2) / 16);

    style.wineList = true;
    EXPECT_EQ(PrintPageMetrics::compute(device, style, 14)->rowHeight, 17);
    style.cellarBook = true; // cellar book wins over the wine list and has no heading band
    m = PrintPageMetrics::compute(device, style, 14);
    EXPECT_EQ(m->rowHeight, 16);
    EXPECT_EQ(m->rowsPerPage, 950 / 16);
    EXPECT_FALSE(PrintPageMetrics::compute(PrinterDevice{}, style, 14));
    EXPECT_EQ(PrintStyle::marginToStored(PrintStyle::marginFromStored(750)), 750);
}

TEST(PrintPaginationTest, CellarBookLowersEntriesPerPageUntilEachGetsSevenRows) {
    struct Case {
        int rows, wanted, expected;
    };
    for (const Case& c : {Case{40, 12, 5}, Case{40, 4, 4}, Case{40, 1, 1}, Case{5, 12, 1}, Case{56, 7, 7}}) {
        EXPECT_EQ(PrintPagination::cellarBookEntriesPerPage(c.rows, c.wanted), c.expected)
            << c.rows << " rows, " << c.wanted << " wanted";
    }
    EXPECT_EQ(PrintPagination::cellarBookRowsPerEntry(40, 5), 7);
    EXPECT_EQ(PrintPagination::pageCount(11, 5), 3);
    EXPECT_EQ(PrintPagination::pageCount(10, 5), 2);
    EXPECT_EQ(PrintPagination::pageCount(0, 5), 0);
}

TEST(PrintPaginationTest, WrappedNotesRunOverAndContinueOnTheNextPage) {
    // Five rows a page; entry 1 has three note lines, entry 3 has four.
    const std::vector<int> lines = {1, 3, 1, 4, 1, 1};
    const auto pages = PrintPagination::wrappedPages(
        6, 5, [&](int entry) { return lines[static_cast<std::size_t>(entry)]; });
    // Page 1: 0, 1 (3 rows), 2 -> 5 rows. Page 2: 3 (4 rows), 4 -> full. Page 3: 5.
    EXPECT_EQ(pages, (std::vector<PageStart>{{0, 0}, {3, 0}, {5, 0}}));

    const auto over = PrintPagination::wrappedPages(3, 5, [](int entry) { return entry == 1 ? 9 : 1; });
    // Entry 1 takes the last 4 rows of page 1 and all 5 of page 2; entry 2 starts page 3.
    EXPECT_EQ(over, (std::vector<PageStart>{{0, 0}, {1, 4}, {2, 0}}));
    EXPECT_TRUE(PrintPagination::wrappedPages(0, 5, [](int) { return 1; }).empty());
}

TEST(NoteWrappingTest, BreaksAtSpacesAndHardBreaks) {
    const FakeMeasurer measurer;
    struct Case {
        std::string notes;
        int width;
        Lines expected;
    };
    const Case cases[] = {
        {"", 100, {""}},
        {"short", 100, {"short"}},
        {"one two three four", 100, {"one two", "three four"}},
        {"first\r\nsecond\r\n\r\n   third", 200, {"first", "second", "third"}},
        {"averyveryverylongword tail", 50, {"averyveryverylongword", "tail"}},
        {"ab cd\r\nef", 30, {"ab", "cd", "ef"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NoteWrapping::wrap(c.notes, c.width, measurer), c.expected) << c.notes;
}
