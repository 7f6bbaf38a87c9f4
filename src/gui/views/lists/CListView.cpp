#include "gui/views/lists/CListView.h"

#include "core/document/CBottlewrightDoc.h"
#include "gui/common/CommandId.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

QFont::Weight toQtWeight(int weight) {
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::min(weight, 1000));
}

std::optional<ListScrolling::Key> listKey(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        return ListScrolling::Key::PageUp;
    case Qt::Key_PageDown:
        return ListScrolling::Key::PageDown;
    case Qt::Key_End:
        return ListScrolling::Key::End;
    case Qt::Key_Home:
        return ListScrolling::Key::Home;
    case Qt::Key_Up:
        return ListScrolling::Key::Up;
    case Qt::Key_Down:
        return ListScrolling::Key::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

CListView::CListView(CBottlewrightDoc& document, const char* section, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_document(document), m_fontSizeKey{section, "Font Size", 15}, m_fontWeightKey{section, "Font Weight",
                                                                                     400},
      m_fontItalicKey{section, "FontIsItalic", 0}, m_fontFaceKey{section, "Font Face",
                                                                 QStringLiteral("Arial")} {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &CListView::onVerticalAction);

    const int size = AppSettings::read(m_fontSizeKey);
    const QString face = AppSettings::read(m_fontFaceKey);
    if (size == 0 || face.isEmpty()) {
        m_font = QFont(QStringLiteral("Arial"), 11);
    } else {
        m_font = QFont(face);
        m_font.setPixelSize(std::abs(size));
        m_font.setWeight(toQtWeight(AppSettings::read(m_fontWeightKey)));
        m_font.setItalic(AppSettings::read(m_fontItalicKey) != 0);
    }
    m_document.addObserver(this);
}

CListView::~CListView() {
    m_document.removeObserver(this);
    const int pixelSize = m_font.pixelSize() > 0 ? m_font.pixelSize() : QFontInfo(m_font).pixelSize();
    AppSettings::write(m_fontSizeKey, pixelSize);
    AppSettings::write(m_fontFaceKey, m_font.family());
    AppSettings::write(m_fontWeightKey, static_cast<int>(m_font.weight()));
    AppSettings::write(m_fontItalicKey, m_font.italic() ? 1 : 0);
}

void CListView::setListFont(const QFont& font) {
    m_font = font;
    layoutChanged();
    updateVerticalBar();
    viewport()->update();
}

void CListView::selectFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_font, this);
    if (chosen)
        setListFont(font);
}

void CListView::onUpdate(CDocObserver*, UpdateHint hint) {
    // Other hints leave the list as the last rebuild found it.
    if (hint == HintFocusSet)
        rebuild();
}

bool CListView::hasCommand(int commandId) const {
    return commandId == CommandId::SelectFont;
}

void CListView::runCommand(int commandId) {
    if (commandId == CommandId::SelectFont)
        selectFont();
}

void CListView::rebuild() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rebuildList();
    QApplication::restoreOverrideCursor();
    scrollVertically(ScrollCode::ThumbPosition, keepsTopOnRebuild() ? m_topLine : 0);
}

void CListView::scrollVertically(ScrollCode code, int position) {
    const std::optional<int> top =
        ListScrolling::verticalTop(code, position, m_topLine, lineCount(), linesPerPage());
    if (!top)
        return;
    m_topLine = *top;
    updateVerticalBar();
    viewport()->update();
}

void CListView::updateVerticalBar() {
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(0, ListScrolling::verticalMaximum(lineCount(), linesPerPage()));
    bar->setPageStep(std::max(linesPerPage(), 1));
    bar->setValue(m_topLine);
}

void CListView::onVerticalAction(int action) {
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
    // The bar moves itself once this returns; it must land on the line chosen here.
    bar->setSliderPosition(m_topLine);
}

void CListView::paintEvent(QPaintEvent* event) {
    const QRect region = event->rect();
    if (region.isEmpty())
        return;
    QImage image(region.right() + 1, region.bottom() + 1, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.fillRect(region, palette().color(QPalette::Base));
        painter.setFont(m_font);
        painter.setPen(palette().color(QPalette::Text));
        paintList(painter, region);
    }
    QPainter(viewport()).drawImage(0, 0, image);
}

void CListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layoutChanged();
    updateVerticalBar();
}

void CListView::keyPressEvent(QKeyEvent* event) {
    const std::optional<ListScrolling::Key> key = listKey(event->key());
    if (!key) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const ListScrolling::KeyScroll scroll = ListScrolling::keyScroll(*key, m_topLine, lineCount());
    scrollVertically(scroll.code, scroll.position);
}
