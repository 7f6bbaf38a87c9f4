#include "gui/views/graphs/CBarGraphView.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/model/Today.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/TextConvert.h"
#include "gui/views/graphs/CBarDetailsDlg.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kListWines = 32873;
constexpr int kBriefDetails = 32874;
constexpr int kHelp = 32876;
constexpr int kModifyGraphFeatures = 32838;
constexpr int kCancel = 32902;

GraphKind graphKindOf(ViewKind kind) {
    return static_cast<GraphKind>(static_cast<int>(kind) - static_cast<int>(ViewKind::ProducerGraph));
}

MonthYear thisMonth() {
    const CalendarDate date = today();
    return {date.month, date.year};
}

enum class HAlign { Left, Center, Right };

// Text placed as by a reference point: horizontally by hAlign, with its top (or bottom) at y.
void drawText(QPainter& painter, int x, int y, const QString& text, HAlign hAlign, bool top) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int left = hAlign == HAlign::Left ? x : hAlign == HAlign::Center ? x - width / 2 : x - width;
    const int baseline = top ? y + metrics.ascent() : y - metrics.descent();
    painter.drawText(left, baseline, text);
}

QRect gdiRect(int left, int top, int right, int bottom) {
    // right and bottom lie outside, as the outline of a filled rectangle does
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

CBarGraphView::CBarGraphView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent)
    : QAbstractScrollArea(parent), m_document(document), m_kind(kind), m_dlgAppearance(graphKindOf(kind)) {
    m_bMoneyAxis = graphKind() == GraphKind::Spending;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this](int value) {
            if (m_updatingScrollBars)
                return;
            m_nFirstBar = value;
            viewport()->update();
        });
    }
    m_document.addObserver(this);
    initialUpdate();
}

CBarGraphView::~CBarGraphView() {
    m_document.removeObserver(this);
}

QString CBarGraphView::title() const {
    const GraphKindInfo& info = graphKindInfo(graphKind());
    return QString::fromLatin1(vertical() ? info.titleVertical : info.titleHorizontal);
}

void CBarGraphView::initialUpdate() {
    if (graphKind() == GraphKind::Spending)
        m_clock.reference = thisMonth();
    m_dlgAppearance.LoadSettings();
    m_nBarsPerView = m_dlgAppearance.settings().numberBars;
    onUpdate(nullptr, HintLetterColors);
    RecalcLayout();
    if (graphKind() == GraphKind::Vintage) {
        m_nHomeBar = m_bars.yearBars;
        m_nFirstBar = m_bars.yearBars;
        scroll(barAxis(), GraphLayout::ScrollCode::ThumbPosition, m_nFirstBar);
    }
    setScrollRanges();
}

Qt::Orientation CBarGraphView::barAxis() const {
    // horizontal bars are stacked down the window and scroll vertically
    return vertical() ? Qt::Horizontal : Qt::Vertical;
}

void CBarGraphView::BuildBars() {
    m_clock.now = thisMonth();
    m_bars = buildBars(graphKind(), m_document.focusEntries(), m_dlgAppearance.settings(), m_clock);
}

void CBarGraphView::SortBars() {
    sortBars(graphKind(), m_bars, m_dlgAppearance.settings().sort);
}

void CBarGraphView::BuildBarDetails() {
    m_strDetails = toQt(barDetails(graphKind(), m_bars, m_nSelectedBar, m_document.focusEntries(),
                                   m_dlgAppearance.settings(), m_clock.reference));
}

void CBarGraphView::onUpdate(CDocObserver* sender, UpdateHint hint) {
    if (hint == HintGraphAppearance) {
        auto* source = dynamic_cast<CBarGraphView*>(sender);
        if (source != nullptr && source != this)
            m_dlgAppearance.CopyAppearance(source->m_dlgAppearance);
        m_nBarsPerView = m_dlgAppearance.settings().numberBars;
        RecalcLayout();
    }
    BuildBars();
    SortBars();
    scroll(barAxis(), GraphLayout::ScrollCode::ThumbPosition, m_nFirstBar);
    // the orientation may have changed: the other scroll bar has nothing to scroll
    if (hint == HintGraphAppearance)
        setScrollRanges();
}

void CBarGraphView::RecalcLayout() {
    const QRect client = viewport()->rect();
    m_rcClient = {0, 0, client.width(), client.height()};
    m_nMargin = GraphLayout::margins(m_rcClient.right, m_rcClient.bottom, vertical());
    m_rcPlot = GraphLayout::plotRect(m_rcClient.right, m_rcClient.bottom, m_nMargin);
}

void CBarGraphView::setScrollRanges() {
    const int last = GraphLayout::lastFirstBar(m_bars.size(), m_nBarsPerView);
    m_nFirstBar = GraphLayout::limitFirstBar(m_nFirstBar, m_bars.size(), m_nBarsPerView);
    m_updatingScrollBars = true;
    QScrollBar* along = barAxis() == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    QScrollBar* across = barAxis() == Qt::Vertical ? horizontalScrollBar() : verticalScrollBar();
    along->setRange(0, last);
    along->setPageStep(std::max(m_nBarsPerView - 1, 1));
    along->setValue(m_nFirstBar);
    across->setRange(0, 0);
    across->setValue(0);
    m_updatingScrollBars = false;
    viewport()->update();
}

void CBarGraphView::scroll(Qt::Orientation orientation, GraphLayout::ScrollCode code, int position) {
    if (orientation != barAxis())
        return;
    const std::optional<int> first =
        GraphLayout::scrolledFirstBar(code, position, m_nFirstBar, m_nBarsPerView);
    if (!first)
        return;
    m_nFirstBar = *first;
    m_updatingScrollBars = true;
    QScrollBar* along = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    m_nFirstBar = GraphLayout::limitFirstBar(m_nFirstBar, m_bars.size(), m_nBarsPerView);
    along->setRange(0, GraphLayout::lastFirstBar(m_bars.size(), m_nBarsPerView));
    along->setPageStep(std::max(m_nBarsPerView - 1, 1));
    along->setValue(m_nFirstBar);
    m_updatingScrollBars = false;
    viewport()->update();
}

void CBarGraphView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    RecalcLayout();
}

void CBarGraphView::keyPressEvent(QKeyEvent* event) {
    using GraphLayout::ScrollCode;
    switch (event->key()) {
    case Qt::Key_PageUp:
        scroll(barAxis(), ScrollCode::PageUp);
        break;
    case Qt::Key_PageDown:
        scroll(barAxis(), ScrollCode::PageDown);
        break;
    case Qt::Key_Home:
        scroll(barAxis(), ScrollCode::ThumbPosition, 0);
        break;
    case Qt::Key_End:
        scroll(barAxis(), ScrollCode::ThumbPosition, m_bars.size());
        break;
    case Qt::Key_Up:
        scroll(Qt::Vertical, ScrollCode::LineUp);
        break;
    case Qt::Key_Down:
        scroll(Qt::Vertical, ScrollCode::LineDown);
        break;
    case Qt::Key_Left:
        scroll(Qt::Horizontal, ScrollCode::LineUp);
        break;
    case Qt::Key_Right:
        scroll(Qt::Horizontal, ScrollCode::LineDown);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

int CBarGraphView::HitTestBar(int x, int y) {
    m_nSelectedBar = GraphLayout::hitTestBar(x, y, m_rcPlot, vertical(), m_nBarPitch, m_nFirstBar,
                                             m_nBarsPerView, m_bars.size());
    return m_nSelectedBar;
}

void CBarGraphView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (HitTestBar(point.x(), point.y()) < 0)
            return;
        if (event->modifiers() & Qt::ShiftModifier)
            ShowBriefDetails();
        else
            ListBarWines();
    } else if (event->button() == Qt::RightButton) {
        HitTestBar(point.x(), point.y());
        popupMenu()->exec(event->globalPosition().toPoint());
    }
}

std::unique_ptr<QMenu> CBarGraphView::popupMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const auto item = [&menu](const char* text, int id) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(id);
        return action;
    };
    if (m_nSelectedBar >= 0) {
        connect(item("List Wines for this Bar...", kListWines), &QAction::triggered, this,
                &CBarGraphView::ListBarWines);
        connect(item("Show Brief Details for this Bar...", kBriefDetails), &QAction::triggered, this,
                &CBarGraphView::ShowBriefDetails);
        menu->addSeparator();
    }
    connect(item("Help...", kHelp), &QAction::triggered, this, &CBarGraphView::ShowHelp);
    connect(item("Modify Graph Features...", kModifyGraphFeatures), &QAction::triggered, this,
            &CBarGraphView::ModifyGraphFeatures);
    menu->addSeparator();
    item("Cancel", kCancel);
    return menu;
}

void CBarGraphView::ShowBriefDetails() {
    if (m_nSelectedBar >= 0 && m_nSelectedBar < m_bars.size())
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 toQt(briefDetails(m_bars, m_nSelectedBar)));
    m_nSelectedBar = -1;
}

void CBarGraphView::ListBarWines() {
    if (m_nSelectedBar >= 0 && m_nSelectedBar < m_bars.size()) {
        BuildBarDetails();
        CBarDetailsDlg dialog(
            QString::fromLatin1(detailsCaption(graphKind(), m_dlgAppearance.settings().scope)), m_strDetails,
            this);
        dialog.exec();
    }
    m_nSelectedBar = -1;
}

void CBarGraphView::ShowHelp() {
    showHelpContext(kHelp);
}

void CBarGraphView::ModifyGraphFeatures() {
    GraphSettings& settings = m_dlgAppearance.settings();
    const GraphSettings before = settings;
    settings.applyToAll = false;
    if (m_dlgAppearance.exec() != QDialog::Accepted) {
        // colours and font chosen before Cancel stay
        viewport()->update();
        return;
    }
    if (m_nBarsPerView != settings.numberBars) {
        m_nBarsPerView = settings.numberBars;
        m_nFirstBar = m_nHomeBar;
    }
    const struct {
        GraphKind kind;
        const char* message;
    } ranges[] = {
        {GraphKind::Vintage,
         "Vintage changes were not effected\nbecause the minimum vintage was\nnot less than "
         "the maximum."},
        {GraphKind::Cost,
         "Cost changes were not effected\nbecause the minimum cost was\nnot less than the maximum."},
        {GraphKind::Value,
         "Value changes were not effected\nbecause the minimum value was\nnot less than the maximum."},
    };
    for (const auto& range : ranges) {
        const GraphRange now = graphRange(range.kind, settings);
        const GraphRange old = graphRange(range.kind, before);
        if (now.minimum == old.minimum && now.maximum == old.maximum)
            continue;
        if (now.minimum < now.maximum) {
            BuildBars();
        } else {
            setGraphRange(range.kind, settings, old);
            QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                            QString::fromLatin1(range.message), QMessageBox::Ok, this);
            box.exec();
        }
    }
    if (settings.scope != before.scope)
        BuildBars();
    if (settings.scope != before.scope || settings.sort != before.sort) {
        m_nFirstBar = m_nHomeBar;
        SortBars();
    }
    RecalcLayout();
    setScrollRanges();
    if (settings.applyToAll)
        m_document.applyGraphAppearanceToAll(this);
}

void CBarGraphView::paintEvent(QPaintEvent* event) {
    m_rcClip = event->rect();
    if (m_rcClip.isEmpty())
        return;
    QImage image(m_rcClip.right() + 1, m_rcClip.bottom() + 1, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintGraph(painter);
    }
    QPainter target(viewport());
    target.drawImage(0, 0, image);
}

void CBarGraphView::paintGraph(QPainter& painter) {
    const GraphSettings& settings = m_dlgAppearance.settings();
    const GraphLayout::Rect& plot = m_rcPlot;
    painter.setPen(Qt::white);
    painter.setBrush(CGraphAppearanceDlg::toColor(settings.borderColor));
    painter.drawRect(gdiRect(m_rcClient.left, m_rcClient.top, m_rcClient.right, m_rcClient.bottom));
    painter.setBrush(CGraphAppearanceDlg::toColor(settings.backgroundColor));
    painter.drawRect(gdiRect(plot.left, plot.top, plot.right, plot.bottom));

    // sunken frame: grey above and left, white below and right
    painter.setPen(QPen(QColor(0x7F, 0x7F, 0x7F), 2));
    painter.drawLine(plot.right - 1, plot.top, plot.left, plot.top);
    painter.drawLine(plot.left, plot.top, plot.left, plot.bottom);
    painter.setPen(Qt::white);
    painter.drawLine(plot.left, plot.bottom, plot.right, plot.bottom);
    painter.drawLine(plot.right, plot.bottom, plot.right, plot.top - 2);

    painter.setPen(Qt::black);
    painter.setBrush(CGraphAppearanceDlg::toColor(settings.barColor));
    const int n = std::min(m_nBarsPerView, m_bars.size());
    const int maximum =
        GraphLayout::scaleMaximum(m_bars, settings.barStyle, m_nFirstBar, n, settings.userBarLength);
    if (vertical())
        drawVertical(painter, n, maximum);
    else
        drawHorizontal(painter, n, maximum);
}

void CBarGraphView::drawHorizontal(QPainter& painter, int n, int maximum) {
    const GraphSettings& settings = m_dlgAppearance.settings();
    const GraphLayout::Rect& plot = m_rcPlot;
    const QColor text = CGraphAppearanceDlg::toColor(settings.textColor);
    painter.setFont(m_dlgAppearance.graphFont());
    const QPen barPen(Qt::black);
    painter.setPen(text);
    drawText(painter, m_nMargin.left + plot.width() / 2, m_nMargin.top - 5, title(), HAlign::Center, false);

    const GraphLayout::BarSlots slots = GraphLayout::barSlots(plot.height(), n);
    m_nBarPitch = slots.pitch;
    const int pitch = slots.pitch;
    const int h = painter.fontMetrics().height();
    const int step = GraphLayout::labelStep(pitch, h);
    const int offset = (pitch - h) / 2;
    const float scale = static_cast<float>(plot.width()) / static_cast<float>(maximum + 1);
    const int x0 = plot.left + 1;
    int y = plot.top - pitch / 2;
    for (int i = 0; i < slots.shown; ++i) {
        const int b = m_nFirstBar + i;
        y += pitch;
        const int count = GraphLayout::drawnCount(m_bars.counts[b], maximum, settings.barStyle);
        const int right = static_cast<int>(static_cast<float>(count) * scale + static_cast<float>(x0));
        painter.setPen(barPen);
        painter.drawRect(gdiRect(std::min(x0, right), y, std::max(x0, right), y + pitch));
        if (i % step == 0) {
            painter.setPen(text);
            drawText(painter, plot.left - 4, y + offset, toQt(m_bars.labels[b]), HAlign::Right, true);
        }
    }

    const QString widest = QString::fromStdString(GraphLayout::axisLabel(maximum, m_bMoneyAxis));
    const GraphLayout::Ticks ticks =
        GraphLayout::horizontalTicks(plot.width(), maximum, painter.fontMetrics().horizontalAdvance(widest));
    for (int k = 1; k <= ticks.count; ++k) {
        const int v = k * ticks.step;
        const int x = static_cast<int>(static_cast<float>(v) * scale + static_cast<float>(x0));
        painter.setPen(text);
        drawText(painter, x, plot.bottom + 5, QString::fromStdString(GraphLayout::axisLabel(v, m_bMoneyAxis)),
                 HAlign::Center, true);
        if (settings.gridLines != 0) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter.drawLine(x, plot.bottom - 2, x, plot.top);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
}

void CBarGraphView::drawVertical(QPainter& painter, int n, int maximum) {
    const GraphSettings& settings = m_dlgAppearance.settings();
    const GraphLayout::Rect& plot = m_rcPlot;
    const QColor text = CGraphAppearanceDlg::toColor(settings.textColor);
    const QPen barPen(Qt::black);
    painter.setFont(m_dlgAppearance.graphFont());

    const GraphLayout::BarSlots slots = GraphLayout::barSlots(plot.width(), n);
    m_nBarPitch = slots.pitch;
    const int pitch = slots.pitch;
    const int h = painter.fontMetrics().height();
    const int step = GraphLayout::labelStep(pitch, h);
    const int offset = (pitch - h) / 2;
    const float scale = static_cast<float>(plot.height()) / static_cast<float>(maximum + 1);
    const int base = plot.bottom - 1;
    int x = plot.left - pitch / 2;
    for (int i = 0; i < slots.shown; ++i) {
        const int b = m_nFirstBar + i;
        x += pitch;
        const int count = GraphLayout::drawnCount(m_bars.counts[b], maximum, settings.barStyle);
        const int top = static_cast<int>(static_cast<float>(base) - static_cast<float>(count) * scale);
        painter.setPen(barPen);
        painter.drawRect(gdiRect(x, std::min(top, base), x + pitch, std::max(top, base)));
        if (i % step == 0) {
            // labels rise at 60 degrees and end at the bar
            painter.setPen(text);
            painter.save();
            painter.translate(x + offset, base + 5);
            painter.rotate(-60.0);
            drawText(painter, 0, 0, toQt(m_bars.labels[b]), HAlign::Right, true);
            painter.restore();
        }
    }

    painter.setPen(text);
    drawText(painter, m_nMargin.left + plot.width() / 2, m_nMargin.top - 5, title(), HAlign::Center, false);

    const int halfHeight = painter.fontMetrics().height() / 2;
    const GraphLayout::Ticks ticks = GraphLayout::verticalTicks(plot.height(), maximum, halfHeight);
    for (int k = 0; k <= ticks.count; ++k) {
        const int v = k * ticks.step;
        const int y = base - static_cast<int>(static_cast<float>(v) * scale);
        painter.setPen(text);
        drawText(painter, plot.left - 5, y - halfHeight,
                 QString::fromStdString(GraphLayout::axisLabel(v, m_bMoneyAxis)), HAlign::Right, true);
        if (settings.gridLines != 0 && k > 0) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
            painter.drawLine(plot.left + 1, y, plot.right - 1, y);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
}
