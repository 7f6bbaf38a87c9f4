#include "gui/views/entrylist/CEntryListView.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/editing/EntryBoxValues.h"
#include "core/setup/FieldNames.h"
#include "core/views/entrylist/ColumnArrangementFile.h"
#include "core/views/entrylist/TextFitting.h"
#include "gui/common/AppSettings.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CEntryBox.h"
#include "gui/views/entrylist/CFindDialog.h"
#include "gui/views/entrylist/PrintStyleSettings.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSplitter>
#include <QtMath>

namespace {

const AppSettings::Key<int> kFontSize{"Entry List", "Font Size", 12}; // character height in pixels
const AppSettings::Key<int> kFontWeight{"Entry List", "Font Weight", 400};
const AppSettings::Key<int> kFontIsItalic{"Entry List", "FontIsItalic", 0};
const AppSettings::Key<QString> kFontFace{"Entry List", "Font Face", QStringLiteral("Arial")};

// The commands of the right-button menu.
constexpr int kViewEntry = 32879;
constexpr int kRemoveFromFocusSet = 32877;
constexpr int kCopyEntry = 32878;
constexpr int kColorBlack = 32881;
constexpr int kColorRed = 32880;
constexpr int kColorGreen = 32883;
constexpr int kColorBlue = 32882;
constexpr int kAddEntry = 32789;

const QString kNullEntryQuestion = QStringLiteral(
    "The Entry Box contains no significant information.\nDo you want to remove this null entry?");

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

QRect toQRect(const GridRect& area) {
    return QRect(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

// Settings keep Windows font weights, 100 (thin) to 900 (black); 0 means "any", taken as normal.
QFont::Weight toQtWeight(int weight) {
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::min(weight, 1000));
}

} // namespace

CEntryListView::CEntryListView(CBottlewrightDoc& document, const FieldNames& fieldNames,
                               CEntryListView* splitFrom, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_fieldNames(fieldNames) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(10, 10);
    // Every paint covers its whole region, so the viewport is never erased first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(10);
    // The grid follows its scroll bars through their actions alone; the bars' own context menu would move
    // a thumb without one ("Scroll here"), so it is not offered.
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &CEntryListView::onVerticalAction);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CEntryListView::onHorizontalAction);

    m_font = splitFrom != nullptr ? splitFrom->m_font : fontFromSettings();
    m_geometry = EntryListGeometry::compute(QFontMetrics(m_font).height(), m_clientBottom);

    if (splitFrom != nullptr) {
        m_columns.copyFrom(splitFrom->m_columns, splitFrom->m_horizontalOffset, m_horizontalOffset);
    } else if (!ColumnArrangementFile::load(m_columns, arrangementPath(QString()))) {
        m_columns.installDefaults();
    }
    m_columns.bindCellTexts();
    m_columns.refreshHeadings(m_fieldNames);
    m_printStyle = PrintStyleSettings::read();
    layoutColumns();
    setVerticalBar(m_geometry.verticalMaximum(m_document.focusCount()), sharedState().topRow);

    m_filePrompt = [this](bool forStoring) { return askArrangementFile(forStoring); };
    // The right button opens the pane's own menu as it goes down.
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    m_entryBox = std::make_unique<CEntryBox>(*this, fieldNames, document.startDirectory(), this);
    m_document.addObserver(this);
}

CEntryListView::~CEntryListView() {
    m_document.removeObserver(this);
    PrintStyleSettings::write(m_printStyle);
    if (otherPane() != nullptr)
        return;
    sharedState().selectedEntry = -1;
    ColumnArrangementFile::store(m_columns, arrangementPath(QString()));
    writeFontSettings();
}

EntryListSharedState& CEntryListView::sharedState() {
    static EntryListSharedState state;
    return state;
}

CEntryListView* CEntryListView::otherPane() const {
    const auto* splitter = qobject_cast<const QSplitter*>(parentWidget());
    if (splitter == nullptr)
        return nullptr;
    for (int i = 0; i < splitter->count(); ++i) {
        auto* pane = qobject_cast<CEntryListView*>(splitter->widget(i));
        if (pane != nullptr && pane != this)
            return pane;
    }
    return nullptr;
}

QFont CEntryListView::fontFromSettings() {
    const int size = AppSettings::read(kFontSize);
    const QString face = AppSettings::read(kFontFace);
    if (size == 0 || face.isEmpty())
        return QFont(QStringLiteral("Arial"), 12);
    QFont font(face);
    // A negative size is a cell height rather than a character height; close enough to use as one.
    font.setPixelSize(std::abs(size));
    font.setWeight(toQtWeight(AppSettings::read(kFontWeight)));
    font.setItalic(AppSettings::read(kFontIsItalic) != 0);
    return font;
}

void CEntryListView::writeFontSettings() const {
    const int pixelSize = m_font.pixelSize() > 0 ? m_font.pixelSize() : QFontInfo(m_font).pixelSize();
    AppSettings::write(kFontSize, pixelSize);
    AppSettings::write(kFontFace, m_font.family());
    AppSettings::write(kFontWeight, static_cast<int>(m_font.weight()));
    AppSettings::write(kFontIsItalic, m_font.italic() ? 1 : 0);
}

std::filesystem::path CEntryListView::arrangementPath(const QString& name) const {
    return ColumnArrangementFile::resolve(m_document.startDirectory(), FilePrompt::fromQtPath(name));
}

void CEntryListView::layoutColumns() {
    m_columns.layout(m_horizontalOffset, m_geometry.rowHeight);
}

void CEntryListView::applyClientSize() {
    m_geometry = EntryListGeometry::compute(QFontMetrics(m_font).height(), m_clientBottom);
    setVerticalBar(m_geometry.verticalMaximum(m_document.focusCount()), sharedState().topRow);
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, EntryListScrolling::horizontalMaximum(m_columns.totalWidth(), m_clientWidth));
    bar->setPageStep(std::max(m_clientWidth, 1));
    bar->setValue(m_horizontalOffset);
}

void CEntryListView::setVerticalBar(int maximum, int value) {
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, maximum);
    bar->setPageStep(std::max(m_geometry.rowsPerPage, 1));
    bar->setValue(value);
}

void CEntryListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_clientWidth = viewport()->width();
    m_clientBottom = viewport()->height();
    applyClientSize();
    repaintArea(paneArea(), false);
}

GridRect CEntryListView::paneArea() const {
    return GridRect{0, 0, viewport()->width(), viewport()->height()};
}

void CEntryListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    Q_EMIT activated();
}

void CEntryListView::onVerticalAction(int action) {
    QScrollBar* bar = verticalScrollBar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scrollVertically(ScrollCode::LineUp);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scrollVertically(ScrollCode::LineDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollVertically(ScrollCode::PageUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollVertically(ScrollCode::PageDown);
        break;
    case QAbstractSlider::SliderMove:
        scrollVertically(ScrollCode::ThumbTrack, bar->sliderPosition());
        break;
    case QAbstractSlider::SliderToMinimum:
        scrollVertically(ScrollCode::ThumbPosition, bar->minimum());
        break;
    case QAbstractSlider::SliderToMaximum:
        scrollVertically(ScrollCode::ThumbPosition, bar->maximum());
        break;
    default:
        break;
    }
    // The bar moves itself once this returns; it must land on the top row chosen here.
    bar->setSliderPosition(sharedState().topRow);
}

void CEntryListView::onHorizontalAction(int action) {
    QScrollBar* bar = horizontalScrollBar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        scrollHorizontally(ScrollCode::LineLeft);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        scrollHorizontally(ScrollCode::LineRight);
        break;
    case QAbstractSlider::SliderPageStepSub:
        scrollHorizontally(ScrollCode::PageLeft);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        scrollHorizontally(ScrollCode::PageRight);
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

void CEntryListView::scrollVertically(ScrollCode code, int position) {
    EntryListSharedState& shared = sharedState();
    const auto scroll =
        EntryListScrolling::scrollVertically(code, position, shared.topRow, m_document.focusCount(),
                                             m_geometry, m_columns.gridLeft(), m_columns.gridRight());
    if (!scroll)
        return;
    shared.topRow = scroll->topRow;
    CEntryListView* other = otherPane();
    setVerticalBar(scroll->rangeMaximum, shared.topRow);
    if (other != nullptr)
        other->setVerticalBar(scroll->rangeMaximum, shared.topRow);

    if (!scroll->oneRow) {
        repaintBothPanes();
        return;
    }
    if (scroll->moveBy != 0)
        viewport()->scroll(0, scroll->moveBy, toQRect(scroll->movedArea));
    repaintArea(scroll->repaintArea, true);
    // The twin shows other columns; it simply draws itself again.
    if (other != nullptr)
        other->repaintArea(other->paneArea(), false);
}

void CEntryListView::scrollHorizontally(ScrollCode code, int position) {
    const auto offset = EntryListScrolling::scrollHorizontally(code, position, m_horizontalOffset,
                                                               m_clientWidth, m_columns.totalWidth());
    if (!offset)
        return;
    m_horizontalOffset = *offset;
    horizontalScrollBar()->setValue(m_horizontalOffset);
    layoutColumns();
    repaintArea(paneArea(), false);
}

void CEntryListView::selectEntry(int position) {
    EntryListSharedState& shared = sharedState();
    const int gridLeft = m_columns.gridLeft();
    const int gridRight = m_columns.gridRight();
    if (shared.selectedEntry >= 0) {
        const int row = shared.selectedEntry - shared.topRow;
        shared.selectedEntry = -1;
        const GridRect oldRow = m_geometry.rowRect(row, gridLeft - 2, gridRight);
        repaintBothPanes(oldRow);
    }
    shared.selectedEntry = position;
    if (position >= 0)
        repaintBothPanes(m_geometry.rowRect(position - shared.topRow, gridLeft, gridRight));
}

void CEntryListView::copyColumnsFrom(const CEntryListView& other) {
    m_columns.copyFrom(other.m_columns, other.m_horizontalOffset, m_horizontalOffset);
    applyClientSize();
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

void CEntryListView::onUpdate(CDocObserver* sender, int hint) {
    // A pane has already done what its own changes need.
    if (sender == this)
        return;
    switch (hint) {
    case HintColumns:
        if (auto* pane = dynamic_cast<CEntryListView*>(sender); pane != nullptr && pane != this)
            copyColumnsFrom(*pane);
        repaintArea(paneArea(), false);
        break;
    case HintFieldNames:
        m_columns.refreshHeadings(m_fieldNames);
        repaintArea(m_geometry.headingBand(m_columns.gridLeft(), m_columns.gridRight()), false);
        break;
    case HintPrinter:
        computePrintBoundary();
        repaintArea(paneArea(), false);
        break;
    default:
        scrollVertically(ScrollCode::ThumbPosition, 0);
        repaintArea(paneArea(), false);
        break;
    }
}

void CEntryListView::onFocusSetSorted() {
    sharedState().selectedEntry = -1;
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

    const EntryListSharedState& shared = sharedState();
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

QString CEntryListView::askArrangementFile(bool forStoring) {
    const QString title =
        forStoring ? QStringLiteral("Save Column Arangement") : QStringLiteral("Retrieve Column Arangement");
    const auto mode = forStoring ? FilePrompt::Mode::Save : FilePrompt::Mode::Open;
    return FilePrompt::toQtPath(FilePrompt::ask(this, mode, title, m_document.startDirectory(),
                                                QStringLiteral("Column Arrangements (*.bwc)"),
                                                QStringLiteral("bwc")));
}

void CEntryListView::storeColumnArrangement() {
    const QString name = m_filePrompt(true);
    if (!name.isEmpty())
        ColumnArrangementFile::store(m_columns, arrangementPath(name)); // a failure goes unreported
}

void CEntryListView::retrieveColumnArrangement() {
    const QString name = m_filePrompt(false);
    if (name.isEmpty())
        return;
    if (!ColumnArrangementFile::load(m_columns, arrangementPath(name))) {
        QMessageBox::warning(
            this, QApplication::applicationDisplayName(),
            QStringLiteral(
                "Unable to retrieve the specified arrangement.\nDefault settings will be invoked."));
        m_columns.installDefaults();
    }
    m_columns.bindCellTexts();
    m_columns.refreshHeadings(m_fieldNames);
    layoutColumns();
    applyClientSize();
    repaintArea(paneArea(), false);
    m_document.updateAllViews(this, HintColumns);
}

bool CEntryListView::isFocusPosition(int position) const {
    return position >= 0 && position < m_document.focusCount();
}

std::optional<int> CEntryListView::entryRowAt(int y) const {
    if (y <= m_geometry.firstRowY || y >= m_geometry.gridBottom)
        return std::nullopt;
    const auto position = EntryListMouse::rowPositionAt(y, sharedState().topRow, m_geometry);
    if (!position || !isFocusPosition(*position))
        return std::nullopt;
    return position;
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
    const EntryListSharedState& shared = sharedState();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isFocusPosition(shared.selectedEntry))
            runEntryBoxAs(CEntryBox::kViewMode);
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
    selectEntry(*EntryListMouse::rowPositionAt(at.y(), sharedState().topRow, m_geometry));
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
        m_document.updateAllViews(this, HintColumns);
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
    m_document.updateAllViews(this, HintColumns);
}

void CEntryListView::showEntryMenu(const QPoint& at, int y) {
    QMenu menu(this);
    const auto add = [&menu](const QString& text, int command) { menu.addAction(text)->setData(command); };
    if (const auto position = entryRowAt(y)) {
        selectEntry(*position);
        add(QStringLiteral("View/Modify this Entry..."), kViewEntry);
        add(QStringLiteral("Remove this Entry from the Focus Set"), kRemoveFromFocusSet);
        add(QStringLiteral("Copy this Entry..."), kCopyEntry);
        menu.addSeparator();
        add(QStringLiteral("Color this Entry Black"), kColorBlack);
        add(QStringLiteral("Color this Entry Red"), kColorRed);
        add(QStringLiteral("Color this Entry Green"), kColorGreen);
        add(QStringLiteral("Color this Entry Blue"), kColorBlue);
        menu.addSeparator();
    }
    add(QStringLiteral("Add a New Entry..."), kAddEntry);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cancel")); // only closes the menu
    const QAction* chosen = menu.exec(at);
    if (chosen == nullptr)
        return;
    switch (chosen->data().toInt()) {
    case kViewEntry:
        viewEntry();
        break;
    case kRemoveFromFocusSet:
        removeEntryFromFocusSet();
        break;
    case kCopyEntry:
        copyEntry();
        break;
    case kColorBlack:
        colorEntry(CWine::Black);
        break;
    case kColorRed:
        colorEntry(CWine::Red);
        break;
    case kColorGreen:
        colorEntry(CWine::Green);
        break;
    case kColorBlue:
        colorEntry(CWine::Blue);
        break;
    case kAddEntry:
        addEntry();
        break;
    default:
        break;
    }
}

void CEntryListView::goToSelected() {
    const int selected = sharedState().selectedEntry;
    if (selected >= 0)
        scrollVertically(ScrollCode::ThumbPosition, selected - m_geometry.rowsPerPage / 2);
}

void CEntryListView::sortEntries() {
    m_document.sortFocusSet();
    scrollVertically(ScrollCode::ThumbPosition, 0); // repaints both panes whole
}

void CEntryListView::addEntry() {
    selectEntry(m_document.addNewEntry());
    runEntryBoxAs(CEntryBox::kAddMode);
}

void CEntryListView::viewEntry() {
    if (isFocusPosition(sharedState().selectedEntry))
        runEntryBoxAs(CEntryBox::kViewMode);
}

void CEntryListView::removeEntryFromFocusSet() {
    const int selected = sharedState().selectedEntry;
    if (!isFocusPosition(selected))
        return;
    m_document.removeFocusPosition(selected);
    repaintBothPanes();
    m_document.updateAllViews(this, HintFocusSet);
}

void CEntryListView::copyEntry() {
    const int selected = sharedState().selectedEntry;
    if (!isFocusPosition(selected))
        return;
    selectEntry(m_document.copyEntry(selected));
    runEntryBoxAs(CEntryBox::kCopyMode);
}

void CEntryListView::colorEntry(int letterColor) {
    const int selected = sharedState().selectedEntry;
    if (!isFocusPosition(selected))
        return;
    m_document.focusEntry(selected)->m_nLetterColor = letterColor;
    repaintBothPanes();
    m_document.setModified(true);
}

void CEntryListView::togglePrintBoundary() {
    EntryListSharedState& shared = sharedState();
    shared.printBoundaryShown = !shared.printBoundaryShown;
    if (shared.printBoundaryShown)
        computePrintBoundary();
    repaintBothPanes();
}

void CEntryListView::selectFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_font, this);
    if (chosen)
        setListFont(font);
}

void CEntryListView::setListFont(const QFont& font) {
    for (CEntryListView* pane : {this, otherPane()}) {
        if (pane == nullptr)
            continue;
        pane->m_font = font;
        pane->applyClientSize();
        pane->layoutColumns();
        pane->repaintArea(pane->paneArea(), false);
    }
}

void CEntryListView::runEntryBoxAs(const QString& mode) {
    m_entryBox->setMode(mode);
    runEntryBox();
}

void CEntryListView::runEntryBox() {
    EntryListSharedState& shared = sharedState();
    if (!isFocusPosition(shared.selectedEntry))
        return;
    goToSelected();
    m_entriesChanged = false;
    fillEntryBox();
    if (m_entryBox->exec() == QDialog::Accepted) {
        storeEntryBox();
    } else if (shared.selectedEntry >= m_document.focusCount()) {
        // The entry on show went with the box: an addition or a copy was cancelled.
        shared.selectedEntry = -1;
        scrollVertically(ScrollCode::ThumbPosition, m_document.focusCount() - m_geometry.rowsPerPage);
    }
    repaintBothPanes();
    if (m_entriesChanged) {
        m_document.updateAllViews(this, HintFocusSet);
        m_entriesChanged = false;
    }
}

void CEntryListView::fillEntryBox() {
    m_entryBox->fill(EntryBoxValues::fromWine(*m_document.focusEntry(sharedState().selectedEntry)));
}

bool CEntryListView::storeEntryBox() {
    const int selected = sharedState().selectedEntry;
    CWine* wine = m_document.focusEntry(selected);
    if (wine == nullptr)
        return false;
    const EntryBoxValues values = m_entryBox->values();
    if (values.holdsNoSignificantInformation()) {
        QWidget* asker = m_entryBox->isVisible() ? static_cast<QWidget*>(m_entryBox.get()) : this;
        if (QMessageBox::question(asker, QApplication::applicationDisplayName(), kNullEntryQuestion,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes) {
            m_document.deleteEntry(selected, false);
            m_entriesChanged = true;
            return false;
        }
        m_document.setModified(true);
    }
    if (!m_document.isModified()) {
        if (!values.differsFrom(*wine))
            return true;
        m_document.setModified(true);
    }
    m_entriesChanged = true;
    values.storeInto(*wine);
    return true;
}

void CEntryListView::navigateEntryBox(int code) {
    EntryListSharedState& shared = sharedState();
    const bool stillThere = code == AfterDelete || storeEntryBox();
    const int count = m_document.focusCount();
    if (count == 0 && code != Add) {
        // The store removed the last entry: there is nothing left to show.
        m_entryBox->setMode(CEntryBox::kViewMode);
        m_entryBox->done(QDialog::Rejected);
        return;
    }
    switch (code) {
    case Next:
        shared.selectedEntry = shared.selectedEntry + 1 >= count ? 0 : shared.selectedEntry + 1;
        m_entryBox->setMode(CEntryBox::kViewMode);
        break;
    case Previous:
        shared.selectedEntry = shared.selectedEntry - 1 < 0 ? count - 1 : shared.selectedEntry - 1;
        m_entryBox->setMode(CEntryBox::kViewMode);
        break;
    case Add:
        shared.selectedEntry = m_document.addNewEntry();
        m_entryBox->setMode(CEntryBox::kAddMode);
        break;
    case Copy:
        // A null entry removed by the store leaves nothing to copy; show what took its place.
        if (!stillThere) {
            shared.selectedEntry = shared.selectedEntry >= count ? 0 : shared.selectedEntry;
            m_entryBox->setMode(CEntryBox::kViewMode);
            break;
        }
        shared.selectedEntry = m_document.copyEntry(shared.selectedEntry);
        m_entryBox->setMode(CEntryBox::kCopyMode);
        break;
    case AfterDelete:
        if (shared.selectedEntry >= count)
            shared.selectedEntry = 0;
        m_entryBox->setMode(CEntryBox::kViewMode);
        break;
    default:
        return;
    }
    fillEntryBox();
    goToSelected();
}
