#include "gui/views/entrylist/CEntryListView.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/editing/EntryBoxValues.h"
#include "core/setup/FieldNames.h"
#include "core/views/entrylist/ColumnArrangementFile.h"
#include "core/views/entrylist/TextFitting.h"
#include "gui/common/AppSettings.h"
#include "gui/common/CPrinterHost.h"
#include "gui/common/FilePrompt.h"
#include "gui/common/FontChoice.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CEntryBox.h"
#include "gui/views/entrylist/CFindDialog.h"
#include "gui/views/entrylist/PrintStyleSettings.h"

#include <algorithm>
#include <cstdlib>

#include <QApplication>
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

// Settings keep Windows font weights, 100 (thin) to 900 (black); 0 means "any", taken as normal.
QFont::Weight toQtWeight(int weight) {
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::min(weight, 1000));
}

} // namespace

CEntryListView::CEntryListView(CBottlewrightDoc& document, const FieldNames& fieldNames,
                               EntryListSharedState& shared, CEntryListView* splitFrom, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_fieldNames(fieldNames), m_shared(shared) {
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
    setVerticalBar(m_geometry.verticalMaximum(m_document.focusCount()), m_shared.topRow);

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
    m_shared.selectedEntry = -1;
    ColumnArrangementFile::store(m_columns, arrangementPath(QString()));
    writeFontSettings();
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
    setVerticalBar(m_geometry.verticalMaximum(m_document.focusCount()), m_shared.topRow);
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
    bar->setSliderPosition(m_shared.topRow);
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
    EntryListSharedState& shared = m_shared;
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
    EntryListSharedState& shared = m_shared;
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

void CEntryListView::onUpdate(CDocObserver* sender, UpdateHint hint) {
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
    case HintLetterColors:
    case HintFocusSet:
    case HintResorted:
    case HintGraphAppearance:
        scrollVertically(ScrollCode::ThumbPosition, 0);
        repaintArea(paneArea(), false);
        break;
    }
}

void CEntryListView::onFocusSetSorted() {
    m_shared.selectedEntry = -1;
}

void CEntryListView::onEntryRecolored(CDocObserver* sender, int) {
    // The pane that recoloured repainted both panes already.
    if (sender != this && sender != otherPane())
        repaintArea(paneArea(), false);
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
    m_document.columnsChanged(this);
}

bool CEntryListView::isFocusPosition(int position) const {
    return position >= 0 && position < m_document.focusCount();
}

std::optional<int> CEntryListView::entryRowAt(int y) const {
    if (y <= m_geometry.firstRowY || y >= m_geometry.gridBottom)
        return std::nullopt;
    const auto position = EntryListMouse::rowPositionAt(y, m_shared.topRow, m_geometry);
    if (!position || !isFocusPosition(*position))
        return std::nullopt;
    return position;
}

void CEntryListView::goToSelected() {
    const int selected = m_shared.selectedEntry;
    if (selected >= 0)
        scrollVertically(ScrollCode::ThumbPosition, selected - m_geometry.rowsPerPage / 2);
}

void CEntryListView::togglePrintBoundary() {
    EntryListSharedState& shared = m_shared;
    shared.printBoundaryShown = !shared.printBoundaryShown;
    if (shared.printBoundaryShown)
        computePrintBoundary();
    repaintBothPanes();
}

void CEntryListView::selectFont() {
    if (const auto font = chooseFont(this, m_font))
        setListFont(*font);
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
