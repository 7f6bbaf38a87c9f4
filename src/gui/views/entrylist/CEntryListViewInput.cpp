#include "core/document/CBottlewrightDoc.h"
#include "gui/common/CommandId.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

// The Entry List's mouse and keyboard: selecting, opening, resizing and moving columns, the
// right-button menu and the scroll keys.

void CEntryListView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        showEntryMenu(event->globalPosition().toPoint(), at.y());
        return;
    }
    if (event->button() != Qt::LeftButton || m_borderDrag || m_movingColumn >= 0)
        return;
    if (at.y() < m_geometry.firstRowY) {
        if (const auto column = EntryListMouse::resizeBorderAt(m_columns, at.x())) {
            m_borderDrag.emplace(*column, m_columns[*column + 1].left);
            viewport()->setCursor(Qt::SplitHCursor);
            return;
        }
        startColumnMove(at.x());
        return;
    }
    selectEntry(*EntryListMouse::rowPositionAt(at.y(), m_shared.topRow, m_geometry));
}

void CEntryListView::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (m_movingColumn >= 0) {
        m_columns[m_movingColumn].textX = x;
        repaintArea(m_headingBand, false);
    } else if (m_borderDrag) {
        if (m_borderDrag->moveTo(x, m_columns[m_borderDrag->column()].left))
            repaintArea(paneArea(), false);
    }
}

void CEntryListView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int x = event->position().toPoint().x();
    if (m_borderDrag)
        endBorderDrag(x);
    else if (m_movingColumn >= 0)
        endColumnMove(x);
}

void CEntryListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const auto position = entryRowAt(event->position().toPoint().y());
    if (!position)
        return;
    selectEntry(*position);
    if (event->modifiers() & Qt::ControlModifier)
        removeEntryFromFocusSet();
    else if (event->modifiers() & Qt::ShiftModifier)
        copyEntry();
    else
        viewEntry();
}

void CEntryListView::startColumnMove(int x) {
    const auto column = EntryListMouse::columnAt(m_columns, x);
    if (!column)
        return;
    m_headingBand = m_geometry.headingBand(m_columns.gridLeft(), m_columns.gridRight());
    m_movingColumn = *column;
    viewport()->setCursor(Qt::UpArrowCursor);
    // The dragged heading stands raised above the others.
    for (int i = 0; i < EntryListColumns::kCount; ++i)
        m_columns[i].headingY = i == m_movingColumn ? EntryListGeometry::kGridTop + 1 : m_geometry.rowHeight;
    repaintArea(m_headingBand, false);
}

void CEntryListView::endColumnMove(int x) {
    viewport()->setCursor(Qt::ArrowCursor);
    const int moving = m_movingColumn;
    m_movingColumn = -1;
    const auto target = EntryListMouse::columnAt(m_columns, x);
    if (target)
        m_columns.moveColumn(moving, *target);
    // Even a drop past the last column puts the raised heading back.
    layoutColumns();
    repaintArea(paneArea(), false);
    if (target)
        m_document.columnsChanged(this);
}

void CEntryListView::endBorderDrag(int x) {
    viewport()->setCursor(Qt::ArrowCursor);
    const int column = m_borderDrag->column();
    m_borderDrag.reset();
    if (const auto width = EntryListMouse::droppedWidth(x, m_columns[column].left))
        m_columns[column].width = *width;
    layoutColumns();
    applyClientSize();
    scrollHorizontally(ScrollCode::ThumbPosition, m_horizontalOffset);
    repaintArea(paneArea(), false);
    m_document.columnsChanged(this);
}

void CEntryListView::showEntryMenu(const QPoint& at, int y) {
    QMenu menu(this);
    const auto add = [&menu](const QString& text, int command) { menu.addAction(text)->setData(command); };
    if (const auto position = entryRowAt(y)) {
        selectEntry(*position);
        add(QStringLiteral("View/Modify this Entry..."), CommandId::ViewEntry);
        add(QStringLiteral("Remove this Entry from the Focus Set"), CommandId::RemoveEntryFromFocusSet);
        add(QStringLiteral("Copy this Entry..."), CommandId::CopyEntry);
        menu.addSeparator();
        add(QStringLiteral("Color this Entry Black"), CommandId::ColorEntryBlack);
        add(QStringLiteral("Color this Entry Red"), CommandId::ColorEntryRed);
        add(QStringLiteral("Color this Entry Green"), CommandId::ColorEntryGreen);
        add(QStringLiteral("Color this Entry Blue"), CommandId::ColorEntryBlue);
        menu.addSeparator();
    }
    add(QStringLiteral("Add a New Entry..."), CommandId::AddEntry);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cancel")); // only closes the menu
    const QAction* chosen = menu.exec(at);
    if (chosen == nullptr)
        return;
    switch (chosen->data().toInt()) {
    case CommandId::ViewEntry:
        viewEntry();
        break;
    case CommandId::RemoveEntryFromFocusSet:
        removeEntryFromFocusSet();
        break;
    case CommandId::CopyEntry:
        copyEntry();
        break;
    case CommandId::ColorEntryBlack:
        colorEntry(CWine::Black);
        break;
    case CommandId::ColorEntryRed:
        colorEntry(CWine::Red);
        break;
    case CommandId::ColorEntryGreen:
        colorEntry(CWine::Green);
        break;
    case CommandId::ColorEntryBlue:
        colorEntry(CWine::Blue);
        break;
    case CommandId::AddEntry:
        addEntry();
        break;
    default:
        break;
    }
}

bool CEntryListView::event(QEvent* event) {
    // F9 and F10 act on this pane whatever state their menu items were last shown in.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_F9 || key->key() == Qt::Key_F10) && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CEntryListView::keyPressEvent(QKeyEvent* event) {
    const EntryListSharedState& shared = m_shared;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isFocusPosition(shared.selectedEntry))
            runEntryBoxAs(EntryBoxNavigation::Mode::View);
        else
            selectEntry(shared.topRow);
        break;
    case Qt::Key_PageUp:
        scrollVertically(ScrollCode::PageUp);
        break;
    case Qt::Key_PageDown:
        scrollVertically(ScrollCode::PageDown);
        break;
    case Qt::Key_End:
        scrollVertically(ScrollCode::ThumbPosition, m_document.focusCount());
        break;
    case Qt::Key_Home:
        scrollVertically(ScrollCode::ThumbPosition, 0);
        break;
    // The arrows scroll the grid and leave the selection where it is.
    case Qt::Key_Left:
        scrollHorizontally(ScrollCode::ThumbPosition, m_horizontalOffset - 1);
        break;
    case Qt::Key_Right:
        scrollHorizontally(ScrollCode::ThumbPosition, m_horizontalOffset + 1);
        break;
    case Qt::Key_Up:
        scrollVertically(ScrollCode::ThumbPosition, shared.topRow - 1);
        break;
    case Qt::Key_Down:
        scrollVertically(ScrollCode::ThumbPosition, shared.topRow + 1);
        break;
    case Qt::Key_F9:
        goToSelected();
        break;
    case Qt::Key_F10:
        deselectEntry();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}
