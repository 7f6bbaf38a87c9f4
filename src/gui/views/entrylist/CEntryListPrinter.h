#pragma once

#include "core/views/entrylist/PrintPageMetrics.h"
#include "core/views/entrylist/PrintPagination.h"
#include "core/views/entrylist/PrintStyle.h"

#include <optional>
#include <string>
#include <vector>

#include <QFont>
#include <QString>

class CBottlewrightDoc;
class EntryListColumns;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Lays out and paints the printed pages of the Entry List in its three styles: the ruled grid, the
// plain wine list and the cellar book. The program's print job, its preview and the command line all
// draw through it. Column widths on screen are hundredths of an inch on paper.
class CEntryListPrinter {
public:
    // columns' display strings are refilled while pages are painted.
    CEntryListPrinter(const CBottlewrightDoc& document, EntryListColumns& columns, const QFont& listFont,
                      const PrintStyle& style);

    // The printer's paper and printable area in its device units.
    static PrinterDevice deviceOf(const QPagedPaintDevice& printer);
    // The page metrics on the printer; nothing when it reports no resolution.
    static std::optional<PrintPageMetrics> metricsFor(const QPagedPaintDevice& printer,
                                                      const PrintStyle& style, const QFont& listFont);

    // Computes the metrics and the pages on the printer; returns the page count (at least 1 when the page
    // has room, so that an empty Focus Set still prints its ruled grid).
    int paginate(const QPagedPaintDevice& printer);
    int pageCount() const { return m_pageCount; }
    const PrintPageMetrics& metrics() const { return m_metrics; }

    // Paints page (from 1) on a painter open on the printer paginated last.
    void paintPage(QPainter& painter, int page);
    // Paints the printer's page range (every page when it has none); returns the pages printed.
    int print(QPrinter& printer);

private:
    QFont pageFont() const;
    void paintGridOrList(QPainter& painter, int page);
    void paintCellarBook(QPainter& painter, int page);
    void drawFitted(QPainter& painter, const QString& text, int x, int y, int width,
                    int spaceWidening = 0) const;
    std::vector<std::string> noteLines(int position) const;

    const CBottlewrightDoc& m_document;
    EntryListColumns& m_columns;
    QFont m_font;
    PrintStyle m_style;
    PrintPageMetrics m_metrics;
    int m_pageCount = 0;
    int m_lastColumn = 0;
    int m_notesColumn = 0;
    int m_entriesPerPage = 1;
    std::vector<PrintPagination::PageStart> m_wrappedPages;
    std::vector<int> m_textX; // per column, laid out from the grid's left edge
    int m_gridRight = 0;
};
