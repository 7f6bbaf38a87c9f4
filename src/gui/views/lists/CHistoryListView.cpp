#include "gui/views/lists/CHistoryListView.h"

#include "core/document/CBottlewrightDoc.h"
#include "gui/common/TextConvert.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

const char* const kHeadings[HistoryList::kColumns] = {"Date",     "+/-",       "Qty",
                                                      "Tot Cost", "Tot Value", "Wine Changed"};

} // namespace

CHistoryListView::CHistoryListView(CBottlewrightDoc& document, QWidget* parent)
    : CListView(document, "History List", parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CHistoryListView::onHorizontalAction);
    layoutChanged();
    rebuild();
}

int CHistoryListView::linesPerPage() const {
    return HistoryListLayout::rowsPerPage(viewport()->height(), m_rowHeight);
}

void CHistoryListView::layoutChanged() {
    const QFontMetrics metrics(listFont());
    const auto width = [&metrics](const char* text) {
        return metrics.horizontalAdvance(QString::fromLatin1(text));
    };
    m_anchors =
        HistoryListLayout::anchors(width("88-88-88"), width("-999"), width("88888"), width("$888,888.88"));
    m_rowHeight = metrics.height() + 2;
    updateHorizontalBar();
}

void CHistoryListView::paintList(QPainter& painter, const QRect&) {
    const QFontMetrics metrics(listFont());
    const auto draw = [&](int column, int y, const QString& text) {
        const int anchor = m_anchors[static_cast<std::size_t>(column)] - m_horizontalOffset;
        const int x = column + 1 < HistoryList::kColumns ? anchor - metrics.horizontalAdvance(text) : anchor;
        painter.drawText(x, y + metrics.ascent(), text);
    };
    for (int column = 0; column < HistoryList::kColumns; ++column)
        draw(column, 2, QString::fromLatin1(kHeadings[column]));
    painter.drawLine(5 - m_horizontalOffset, m_rowHeight + 1,
                     HistoryListLayout::kTotalWidth - m_horizontalOffset, m_rowHeight + 1);
    const int rows = linesPerPage();
    for (int i = 0; i < rows && topLine() + i < m_list.count(); ++i) {
        const auto texts = m_list.rowTexts(document(), topLine() + i);
        for (int column = 0; column < HistoryList::kColumns; ++column)
            draw(column, HistoryListLayout::rowY(i, m_rowHeight),
                 toQt(texts[static_cast<std::size_t>(column)]));
    }
}

void CHistoryListView::scrollHorizontally(ScrollCode code, int position) {
    const std::optional<int> offset = ListScrolling::horizontalOffset(
        code, position, m_horizontalOffset, viewport()->width(), HistoryListLayout::kTotalWidth);
    if (!offset)
        return;
    m_horizontalOffset = *offset;
    updateHorizontalBar();
    viewport()->update();
}

void CHistoryListView::updateHorizontalBar() {
    QScrollBar* bar = horizontalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(0, std::max(HistoryListLayout::kTotalWidth - viewport()->width(), 0));
    bar->setPageStep(std::max(viewport()->width(), 1));
    bar->setValue(m_horizontalOffset);
}

void CHistoryListView::onHorizontalAction(int action) {
    QScrollBar* bar = horizontalScrollBar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scrollHorizontally(ScrollCode::LineUp);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scrollHorizontally(ScrollCode::LineDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollHorizontally(ScrollCode::PageUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollHorizontally(ScrollCode::PageDown);
        break;
    case QAbstractSlider::SliderMove:
        scrollHorizontally(ScrollCode::ThumbTrack, bar->sliderPosition());
        break;
    case QAbstractSlider::SliderToMinimum:
        scrollHorizontally(ScrollCode::ThumbPosition, bar->minimum());
        break;
    case QAbstractSlider::SliderToMaximum:
        scrollHorizontally(ScrollCode::ThumbPosition, bar->maximum());
        break;
    default:
        break;
    }
    bar->setSliderPosition(m_horizontalOffset);
}

void CHistoryListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const std::optional<int> index =
        HistoryListLayout::recordAt(event->position().toPoint().y(), m_rowHeight, topLine(), m_list.count());
    if (index)
        showSummary(*index);
}

void CHistoryListView::showSummary(int index) {
    QMessageBox::information(this, QStringLiteral("Bottlewright"),
                             toQt(HistoryList::summaryText(m_list.summary(index))));
}
