#include "core/views/entrylist/PrintPagination.h"

namespace PrintPagination {

namespace {

constexpr int kCellarBookRows = 7;

} // namespace

int cellarBookEntriesPerPage(int rowsPerPage, int entriesPerPage) {
    int e = entriesPerPage < 1 ? 1 : entriesPerPage;
    while (e >= 2 && cellarBookRowsPerEntry(rowsPerPage, e) < kCellarBookRows)
        --e;
    return e;
}

int cellarBookRowsPerEntry(int rowsPerPage, int entriesPerPage) {
    return (rowsPerPage - entriesPerPage + 1) / entriesPerPage;
}

int pageCount(int count, int perPage) {
    if (perPage <= 0)
        return 0;
    return count / perPage + (count % perPage != 0 ? 1 : 0);
}

std::vector<PageStart> wrappedPages(int count, int rowsPerPage,
                                    const std::function<int(int entry)>& noteLines) {
    std::vector<PageStart> pages;
    if (count <= 0 || rowsPerPage <= 0)
        return pages;
    pages.push_back({0, 0});
    int rows = 0;
    for (int entry = 0; entry < count; ++entry) {
        if (rows >= rowsPerPage) {
            pages.push_back({entry, 0});
            rows = 0;
        }
        const int needed = noteLines(entry);
        const int lines = needed > 0 ? needed : 1;
        int done = 0;
        while (rows + lines - done > rowsPerPage) {
            done += rowsPerPage - rows;
            pages.push_back({entry, done});
            rows = 0;
        }
        rows += lines - done;
    }
    return pages;
}

} // namespace PrintPagination
