#include "gui/views/entrylist/CSplitBox.h"

#include <algorithm>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

CSplitBox::CSplitBox(QWidget* area, QWidget* parent) : QWidget(parent), m_area(area) {
    setCursor(Qt::SplitHCursor);
    setFixedWidth(7);
}

QSize CSplitBox::sizeHint() const {
    return QSize(7, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void CSplitBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 1, &palette().brush(QPalette::Button));
}

int CSplitBox::trackedX(const QMouseEvent* event) const {
    const int x = m_area->mapFromGlobal(event->globalPosition().toPoint()).x();
    return std::clamp(x, 0, m_area->width());
}

void CSplitBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_area == nullptr)
        return;
    m_tracking = true;
    m_pressedAt = event->globalPosition().toPoint();
    if (m_tracker == nullptr)
        m_tracker = std::make_unique<QRubberBand>(QRubberBand::Line);
}

void CSplitBox::mouseMoveEvent(QMouseEvent* event) {
    if (!m_tracking)
        return;
    const QPoint top = m_area->mapToGlobal(QPoint(trackedX(event) - 1, 0));
    m_tracker->setGeometry(top.x(), top.y(), 3, m_area->height());
    m_tracker->show();
}

void CSplitBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_tracking || event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    m_tracker->hide();
    const int moved = (event->globalPosition().toPoint() - m_pressedAt).manhattanLength();
    if (moved >= QApplication::startDragDistance())
        Q_EMIT splitRequested(trackedX(event));
}

void CSplitBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    if (m_tracker != nullptr)
        m_tracker->hide();
    Q_EMIT splitRequested(-1);
}
