#include "gui/views/entrylist/CEntryListPrinter.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/model/Today.h"
#include "core/views/entrylist/EntryListColumns.h"
#include "core/views/entrylist/NoteWrapping.h"
#include "core/views/entrylist/TextFitting.h"
#include "core/views/entrylist/TextMeasurer.h"
#include "gui/common/TextConvert.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int kGridLeft = EntryListColumns::kGridLeftAtNoOffset;
constexpr int kGridTop = PrintPageMetrics::kGridTop;

// Right-aligned numbers are padded with spaces; drawn as wide as digits they line up.
bool isNumericField(int fieldId) {
    return fieldId == CWine::NumberRemaining || fieldId == CWine::Cost || fieldId == CWine::Value ||
           fieldId == CWine::NumberAcquired || fieldId == CWine::NumberConsumed;
}

int advance(const QFontMetricsF& metrics, const QString& text) {
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

class FontMeasurer : public TextMeasurer {
public:
    explicit FontMeasurer(const QFontMetricsF& metrics) : m_metrics(metrics) {}
    int width(std::string_view text) const override { return advance(m_metrics, toQt(std::string(text))); }

private:
    const QFontMetricsF& m_metrics;
};

QString formatted(const char* format, double amount) {
    return QString::asprintf(format, amount);
}

// Today as the printed heading shows it: month, day and the year's last two digits.
QString todayHeading() {
    const CalendarDate date = today();
    return QStringLiteral("%1-%2-%3").arg(date.month).arg(date.day).arg(date.year % 100);
}

} // namespace

CEntryListPrinter::CEntryListPrinter(const CBottlewrightDoc& document, EntryListColumns& columns,
                                     const QFont& listFont, const PrintStyle& style)
    : m_document(document), m_columns(columns), m_font(listFont), m_style(style) {}

PrinterDevice CEntryListPrinter::deviceOf(const QPagedPaintDevice& printer) {
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.logicalDpiX();
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    return PrinterDevice{paper.width(),     paper.height(),     printable.left(),      printable.top(),
                         printable.width(), printable.height(), printer.logicalDpiX(), printer.logicalDpiY()};
}

QFont CEntryListPrinter::pageFont() const {
    // The font's height in screen pixels becomes hundredths of an inch, as the column widths do.
    QFont font = m_font;
    font.setPixelSize(QFontInfo(m_font).pixelSize());
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

std::optional<PrintPageMetrics> CEntryListPrinter::metricsFor(const QPagedPaintDevice& printer,
                                                              const PrintStyle& style,
                                                              const QFont& listFont) {
    QFont font = listFont;
    font.setPixelSize(QFontInfo(listFont).pixelSize());
    const int textHeight = static_cast<int>(std::ceil(QFontMetricsF(font).height()));
    return PrintPageMetrics::compute(deviceOf(printer), style, textHeight);
}

int CEntryListPrinter::paginate(const QPagedPaintDevice& printer) {
    m_pageCount = 0;
    m_wrappedPages.clear();
    const auto metrics = metricsFor(printer, m_style, m_font);
    if (!metrics || metrics->isEmpty() || metrics->rowsPerPage <= 0)
        return 0;
    m_metrics = *metrics;
    m_lastColumn = PrintColumns::lastPrinted(m_columns, m_metrics.boundaryX);
    m_notesColumn = PrintColumns::notesColumn(m_columns);
    m_textX.assign(EntryListColumns::kCount, 0);
    int left = kGridLeft;
    for (int position = 0; position < EntryListColumns::kCount; ++position) {
        m_textX[static_cast<std::size_t>(position)] = left + 3;
        left += m_columns[position].width;
        if (position == m_lastColumn)
            m_gridRight = left;
    }

    const int count = m_document.focusCount();
    if (m_style.cellarBook) {
        m_entriesPerPage =
            PrintPagination::cellarBookEntriesPerPage(m_metrics.rowsPerPage, m_style.entriesPerPage);
        m_pageCount = PrintPagination::pageCount(count, m_entriesPerPage);
    } else if (m_style.wrappedNotes && m_notesColumn <= m_lastColumn) {
        m_wrappedPages = PrintPagination::wrappedPages(count, m_metrics.rowsPerPage, [this](int entry) {
            return static_cast<int>(noteLines(entry).size());
        });
        m_pageCount = static_cast<int>(m_wrappedPages.size());
    } else {
        m_pageCount = PrintPagination::pageCount(count, m_metrics.rowsPerPage);
    }
    m_pageCount = std::max(m_pageCount, 1);
    return m_pageCount;
}

std::vector<std::string> CEntryListPrinter::noteLines(int position) const {
    const QFontMetricsF metrics(pageFont());
    const FontMeasurer measurer(metrics);
    const int width =
        m_style.cellarBook ? m_metrics.boundaryX - 2 - kGridLeft - 3 : m_columns[m_notesColumn].width - 3;
    return NoteWrapping::wrap(m_document.focusEntry(position)->m_strNotes, width, measurer);
}

int CEntryListPrinter::print(QPrinter& printer) {
    if (paginate(printer) == 0)
        return 0;
    int first = printer.fromPage();
    int last = printer.toPage();
    if (first == 0 && last == 0) {
        first = 1;
        last = m_pageCount;
    }
    first = std::max(first, 1);
    last = std::min(last, m_pageCount);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    int printed = 0;
    for (int page = first; page <= last; ++page) {
        if (page != first)
            printer.newPage();
        paintPage(painter, page);
        ++printed;
    }
    painter.end();
    return printed;
}

void CEntryListPrinter::paintPage(QPainter& painter, int page) {
    if (m_metrics.isEmpty())
        return;
    painter.save();
    // Hundredths of an inch from the top-left margin.
    const QPaintDevice* device = painter.device();
    painter.resetTransform();
    painter.scale(device->logicalDpiX() / 100.0, device->logicalDpiY() / 100.0);
    painter.translate(m_metrics.left, m_metrics.top);
    painter.setFont(pageFont());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBackgroundMode(Qt::TransparentMode);
    if (m_style.cellarBook)
        paintCellarBook(painter, page);
    else
        paintGridOrList(painter, page);
    painter.restore();
}

void CEntryListPrinter::drawFitted(QPainter& painter, const QString& text, int x, int y, int width,
                                   int spaceWidening) const {
    const QString line = text.left(static_cast<int>(TextFitting::firstLineLength(fromQt(text))));
    if (line.isEmpty() || width <= 0)
        return;
    const QFontMetricsF units(painter.font());
    const int length = TextFitting::fittedLength(fromQt(line), width,
                                                 [&](int count) { return advance(units, line.left(count)); });
    const qreal baseline = y + units.ascent();
    if (spaceWidening == 0) {
        painter.drawText(QPointF(x, baseline), line.left(length));
        return;
    }
    qreal at = x;
    for (int i = 0; i < length; ++i) {
        const QChar c = line[i];
        painter.drawText(QPointF(at, baseline), QString(c));
        at += units.horizontalAdvance(c) + (c == QLatin1Char(' ') ? spaceWidening : 0);
    }
}

void CEntryListPrinter::paintGridOrList(QPainter& painter, int page) {
    const PrintPageMetrics& m = m_metrics;
    const bool grid = !m_style.wineList;
    const QFontMetricsF units(painter.font());
    const int spaceWidening = advance(units, QStringLiteral("0")) - advance(units, QStringLiteral(" "));
    const int rh = m.rowHeight;

    if (grid) {
        const qreal baseline = kGridTop - rh / 4 - units.descent();
        painter.drawText(QPointF(kGridLeft, baseline), todayHeading());
        const QString path = toQt(m_document.pathName().string());
        const qreal pathWidth = units.horizontalAdvance(path);
        painter.drawText(QPointF((kGridLeft + m_gridRight - pathWidth) / 2, baseline), path);
        const QString number = QStringLiteral("Page %1").arg(page);
        painter.drawText(QPointF(m_gridRight - units.horizontalAdvance(number), baseline), number);
        painter.drawRect(QRect(kGridLeft, kGridTop, m_gridRight - kGridLeft, m.gridBottom - kGridTop));
        for (int position = 0; position <= m_lastColumn; ++position)
            drawFitted(painter, toQt(m_columns[position].heading),
                       m_textX[static_cast<std::size_t>(position)], 2 * rh / 3, m_columns[position].width);
    } else {
        QFont titleFont = painter.font();
        titleFont.setPixelSize(titleFont.pixelSize() * 3 / 2);
        painter.save();
        painter.setFont(titleFont);
        const QFontMetricsF titleUnits(titleFont);
        const QString title = toQt(m_style.title);
        painter.drawText(QPointF((kGridLeft + m_gridRight - titleUnits.horizontalAdvance(title)) / 2,
                                 kGridTop - rh / 4 + titleUnits.ascent()),
                         title);
        painter.restore();
    }

    const int count = m_document.focusCount();
    const bool wrapped = !m_wrappedPages.empty();
    int entry = (page - 1) * m.rowsPerPage;
    std::size_t line = 0;
    if (wrapped) {
        const auto& start = m_wrappedPages[static_cast<std::size_t>(page - 1)];
        entry = start.entry;
        line = static_cast<std::size_t>(start.linesDone);
    }
    std::vector<std::string> lines;
    if (wrapped && entry < count)
        lines = noteLines(entry);
    for (int i = 0; i < m.rowsPerPage; ++i) {
        const int y = m.firstRowY + i * rh;
        if (y > m.pageHeight)
            break;
        const bool continuing = wrapped && line > 0 && entry < count;
        if (grid && (!continuing || i == 0))
            painter.drawLine(kGridLeft, y, m_gridRight, y);
        if (entry >= count)
            continue;
        if (continuing) {
            drawFitted(painter, toQt(lines[line]), m_textX[static_cast<std::size_t>(m_notesColumn)], y + 1,
                       m_columns[m_notesColumn].width);
        } else {
            m_columns.fillCellTexts(*m_document.focusEntry(entry));
            for (int position = 0; position <= m_lastColumn; ++position) {
                const EntryListColumn& column = m_columns[position];
                const bool notes = wrapped && position == m_notesColumn;
                const QString text = notes ? toQt(lines.front()) : toQt(*column.cellText);
                drawFitted(painter, text, m_textX[static_cast<std::size_t>(position)], y + 1, column.width,
                           isNumericField(column.fieldId) ? spaceWidening : 0);
            }
        }
        ++line;
        if (!wrapped || line >= lines.size()) {
            ++entry;
            line = 0;
            if (wrapped && entry < count)
                lines = noteLines(entry);
        }
    }

    if (grid) {
        for (int position = 1; position <= m_lastColumn; ++position) {
            const int x = m_textX[static_cast<std::size_t>(position)] - 3;
            painter.drawLine(x, kGridTop, x, m.gridBottom);
        }
    }
}

void CEntryListPrinter::paintCellarBook(QPainter& painter, int page) {
    const PrintPageMetrics& m = m_metrics;
    const int e = m_entriesPerPage;
    const int L = PrintPagination::cellarBookRowsPerEntry(m.rowsPerPage, e);
    const int rh = m.rowHeight;
    const int R = m.boundaryX - 2;
    const int W = R - kGridLeft;
    const int xL = kGridLeft + 3;
    const int x4 = R - W / 4;
    const int a = (xL + x4) / 3;
    const int b = 2 * (xL + x4) / 3;
    const int c = (R + xL) / 3;
    const int d = 2 * (R + xL) / 3;
    const QPen thin(Qt::black, 1);
    const QPen thick(Qt::black, 2);

    const int count = m_document.focusCount();
    for (int k = 0; k < e; ++k) {
        const int position = (page - 1) * e + k;
        if (position >= count)
            break;
        const CWine& wine = *m_document.focusEntry(position);
        const int t = k * (L * rh + 1 + rh);
        painter.setPen(thick);
        painter.drawRect(QRect(kGridLeft, t, R - kGridLeft, L * rh + 1));
        painter.setPen(thin);
        painter.drawLine(x4, t, x4, t + 3 * rh);
        const auto row = [&](int j) { return t + 1 + (j - 1) * rh; };
        const auto text = [](const std::string& s) { return toQt(s); };
        const auto labelled = [](const char* label, const std::string& s) {
            return QString::fromLatin1(label) + toQt(s);
        };

        drawFitted(painter, toQt(wine.description()), xL, row(1), x4 - xL);
        drawFitted(painter, QStringLiteral("bottles: %1").arg(wine.m_nNumberRemaining), x4 + 3, row(1),
                   R - x4);
        drawFitted(painter, text(wine.m_strWineType), xL, row(2), a - xL);
        drawFitted(painter, text(wine.m_strRegion), a, row(2), b - a);
        drawFitted(painter, text(wine.m_strCountry), b, row(2), x4 - b);
        drawFitted(painter, labelled("try: ", wine.m_strTryDate), x4 + 3, row(2), R - x4);
        drawFitted(painter, formatted("cost: %.2f", static_cast<double>(wine.m_fCost)), xL, row(3), a - xL);
        drawFitted(painter, formatted("value: %.2f", static_cast<double>(wine.effectiveValue())), a, row(3),
                   b - a);
        drawFitted(painter, labelled("rating: ", wine.m_strRating), b, row(3), x4 - b);
        drawFitted(painter, labelled("drink: ", wine.m_strDrinkDate), x4 + 3, row(3), R - x4);
        painter.drawLine(kGridLeft, t + 3 * rh, R, t + 3 * rh);

        drawFitted(painter, text(wine.m_strUser1), xL, row(4), c - xL);
        drawFitted(painter, text(wine.m_strUser2), c, row(4), d - c);
        drawFitted(painter, text(wine.m_strUser3), d, row(4), R - d);
        drawFitted(painter, text(wine.m_strUser4), xL, row(5), b - xL);
        drawFitted(painter, text(wine.m_strUser5), b, row(5), R - b);
        drawFitted(painter, QStringLiteral("bottles acquired: %1").arg(wine.m_nNumberAcquired), xL, row(6),
                   c - xL);
        drawFitted(painter, labelled("date acquired: ", wine.m_strDateAcquired), c, row(6), d - c);
        drawFitted(painter, text(wine.m_strVendor), d, row(6), R - d);
        painter.drawLine(kGridLeft, t + 6 * rh, R, t + 6 * rh);
        drawFitted(painter, labelled("bin(s): ", wine.m_strBins), xL, row(7), W - 3);
        painter.drawLine(kGridLeft, t + 7 * rh, R, t + 7 * rh);

        if (L - 7 > 0) {
            const std::vector<std::string> lines = noteLines(position);
            for (int j = 0; j < L - 7 && j < static_cast<int>(lines.size()); ++j)
                drawFitted(painter, toQt(lines[static_cast<std::size_t>(j)]), xL, t + 1 + (7 + j) * rh,
                           W - 3);
        }
    }
}
