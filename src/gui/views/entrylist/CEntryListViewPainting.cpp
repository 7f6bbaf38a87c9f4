#include "core/document/CBottlewrightDoc.h"
#include "core/views/entrylist/TextFitting.h"
#include "gui/common/TextConvert.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

// The grid's painting: every paint goes through an off-screen image copied to the window.

namespace {

const QColor kSelectionColor(0, 255, 255);

// Right-aligned numbers are padded with spaces; drawn as wide as digits they line up.
bool isNumericField(int fieldId) {
    return fieldId == CWine::NumberRemaining || fieldId == CWine::Cost || fieldId == CWine::Value ||
           fieldId == CWine::NumberAcquired || fieldId == CWine::NumberConsumed;
}

QColor letterColor(int color) {
    switch (color) {
    case CWine::Red:
        return QColor(255, 0, 0);
    case CWine::Green:
        return QColor(0, 127, 0);
    case CWine::Blue:
        return QColor(0, 0, 255);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace

QRect CEntryListView::toQRect(const GridRect& area) {
    return QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void CEntryListView::repaintArea(const GridRect& area, bool rowsOnly) {
    // Paint requests merge; a merged paint may skip the frame only when every request allowed it.
    if (!rowsOnly)
        m_rowsOnly = false;
    else if (!m_repaintPending)
        m_rowsOnly = true;
    m_repaintPending = true;
    viewport()->update(toQRect(area));
}

void CEntryListView::repaintBothPanes() {
    repaintArea(paneArea(), false);
    if (CEntryListView* other = otherPane())
        other->repaintArea(other->paneArea(), false);
}

void CEntryListView::repaintBothPanes(const GridRect& area) {
    repaintArea(area, false);
    if (CEntryListView* other = otherPane()) {
        // The same cells lie elsewhere in a pane scrolled to another horizontal offset.
        const int shift = m_horizontalOffset - other->m_horizontalOffset;
        other->repaintArea(GridRect{area.left + shift, area.top, area.right + shift, area.bottom}, false);
    }
}

void CEntryListView::paintEvent(QPaintEvent* event) {
    if (m_printing)
        return;
    const bool rowsOnly = m_rowsOnly;
    m_rowsOnly = false;
    m_repaintPending = false;
    const QRegion& region = event->region();
    if (region.isEmpty())
        return;

    const QRect bounds = region.boundingRect();
    const int bottom = bounds.y() + bounds.height();
    // One pixel past the grid's right edge, so that the frame's right line is part of the image.
    const int imageWidth = std::min(m_columns.gridRight() + 1, viewport()->width());
    // The background of a window's client area, white on most desktops, as in the other views.
    const QColor background = palette().color(QPalette::Base);
    QPainter window(viewport());
    if (imageWidth > 0) {
        const qreal ratio = viewport()->devicePixelRatioF();
        const QSize needed(qCeil(imageWidth * ratio), qCeil(bottom * ratio));
        if (m_offscreen.width() < needed.width() || m_offscreen.height() < needed.height() ||
            m_offscreen.devicePixelRatio() != ratio) {
            m_offscreen = QImage(needed.expandedTo(m_offscreen.size()), QImage::Format_RGB32);
            m_offscreen.setDevicePixelRatio(ratio);
        }
        QPainter painter(&m_offscreen);
        painter.fillRect(QRect(0, bounds.top(), imageWidth, bottom - bounds.top()), background);
        paintGrid(painter, QRect(0, bounds.top(), imageWidth, bottom - bounds.top()), rowsOnly);
        painter.end();
        window.drawImage(QRectF(0, 0, imageWidth, bottom), m_offscreen,
                         QRectF(0, 0, imageWidth * ratio, bottom * ratio));
    }
    if (imageWidth < viewport()->width()) {
        const int left = std::max(imageWidth, 0);
        window.fillRect(QRect(left, bounds.top(), viewport()->width() - left, bounds.height()), background);
    }
    if (m_borderDrag) {
        // Each line drawn over the finished image inverts what lies beneath it.
        window.setCompositionMode(QPainter::RasterOp_NotDestination);
        window.setPen(QPen(Qt::black, 0));
        for (int x : m_borderDrag->invertedLines())
            window.drawLine(x, EntryListGeometry::kGridTop, x, m_geometry.gridBottom - 1);
    }
}

void CEntryListView::paintGrid(QPainter& painter, const QRect& area, bool rowsOnly) {
    painter.setFont(m_font);
    const QPen gridPen(Qt::black, 1);
    painter.setPen(gridPen);
    const QFontMetrics metrics = painter.fontMetrics();
    const int spaceWidening =
        metrics.horizontalAdvance(QLatin1Char('0')) - metrics.horizontalAdvance(QLatin1Char(' '));

    const int gridTop = EntryListGeometry::kGridTop;
    const int gridLeft = m_columns.gridLeft();
    const int gridRight = m_columns.gridRight();
    const int first = m_columns.firstVisible();
    // Columns starting past the image's right edge cannot show; leaving them out changes no pixel.
    int last = m_columns.lastVisible();
    while (last > first && m_columns[last].left >= area.x() + area.width())
        --last;

    if (!rowsOnly) {
        m_geometry = EntryListGeometry::compute(metrics.height(), m_clientBottom);
        const int gridBottom = m_geometry.gridBottom;
        const QPoint frame[] = {{gridLeft, gridTop},
                                {gridLeft, gridBottom},
                                {gridRight, gridBottom},
                                {gridRight, gridTop},
                                {gridLeft, gridTop}};
        painter.drawPolyline(frame, 5);
        for (int i = first; i <= last; ++i)
            drawCell(painter, m_columns[i], m_columns[i].heading, m_columns[i].headingY, 0);
    }

    const EntryListSharedState& shared = m_shared;
    const int top = area.top();
    const int bottom = area.y() + area.height();
    if (bottom > m_geometry.firstRowY && m_geometry.rowsPerPage > 0) {
        const int count = m_document.focusCount();
        for (int i = 0; i < m_geometry.rowsPerPage; ++i) {
            const int y = m_geometry.rowTop(i);
            if (y > bottom)
                break;
            if (y + m_geometry.rowHeight < top)
                continue;
            painter.setPen(gridPen);
            painter.drawLine(gridLeft, y, gridRight, y);
            const int position = shared.topRow + i;
            if (position >= count)
                continue;
            if (position == shared.selectedEntry)
                painter.fillRect(
                    QRect(gridLeft + 1, y + 1, gridRight - gridLeft - 1, m_geometry.rowHeight - 1),
                    kSelectionColor);
            const CWine& wine = *m_document.focusEntry(position);
            painter.setPen(letterColor(wine.m_nLetterColor));
            m_columns.fillCellTexts(wine);
            for (int c = first; c <= last; ++c) {
                const EntryListColumn& column = m_columns[c];
                if (column.cellText != nullptr)
                    drawCell(painter, column, *column.cellText, y + 1,
                             isNumericField(column.fieldId) ? spaceWidening : 0);
            }
        }
    }

    painter.setPen(gridPen);
    for (int i = first + 1; i <= last; ++i)
        painter.drawLine(m_columns[i].left, gridTop, m_columns[i].left, m_geometry.gridBottom);

    if (shared.printBoundaryShown && shared.printBoundaryX > 0) {
        painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DashLine));
        const int x = shared.printBoundaryX - m_horizontalOffset;
        painter.drawLine(x, gridTop, x, m_geometry.gridBottom);
    }
}

void CEntryListView::drawCell(QPainter& painter, const EntryListColumn& column, const std::string& text,
                              int top, int spaceWidening) const {
    const std::string_view line = std::string_view(text).substr(0, TextFitting::firstLineLength(text));
    if (line.empty())
        return;
    const QString shown = toQt(std::string(line));
    const QFontMetrics metrics = painter.fontMetrics();
    const int length = TextFitting::fittedLength(
        line, column.width, [&](int count) { return metrics.horizontalAdvance(shown, count); });
    const int baseline = top + metrics.ascent();
    if (spaceWidening == 0) {
        painter.drawText(column.textX, baseline, shown.left(length));
        return;
    }
    int x = column.textX;
    int start = 0;
    while (start < length) {
        if (shown[start] == QLatin1Char(' ')) {
            x += metrics.horizontalAdvance(QLatin1Char(' ')) + spaceWidening;
            ++start;
            continue;
        }
        int end = start;
        while (end < length && shown[end] != QLatin1Char(' '))
            ++end;
        const QString run = shown.mid(start, end - start);
        painter.drawText(x, baseline, run);
        x += metrics.horizontalAdvance(run);
        start = end;
    }
}
