#pragma once

#include <functional>
#include <vector>

// How the Focus Set falls onto printed pages.
namespace PrintPagination {

// Each cellar book entry needs 7 rows; fewer entries go on a page until each gets them (never below 1).
int cellarBookEntriesPerPage(int rowsPerPage, int entriesPerPage);
// Rows for each cellar book entry on a page of e entries.
int cellarBookRowsPerEntry(int rowsPerPage, int entriesPerPage);

// Pages of perPage items each, the last one partly filled.
int pageCount(int count, int perPage);

// Where a page of the grid or wine list with wrapped notes begins: its first entry, and how many of
// that entry's note lines earlier pages already printed.
struct PageStart {
    int entry = 0;
    int linesDone = 0;
    bool operator==(const PageStart&) const = default;
};

// Each entry takes as many rows as its notes have lines. A page takes entries while it has a row
// left, so its last entry may run over; the rest of its notes continue at the top of the next page.
std::vector<PageStart> wrappedPages(int count, int rowsPerPage,
                                    const std::function<int(int entry)>& noteLines);

} // namespace PrintPagination
