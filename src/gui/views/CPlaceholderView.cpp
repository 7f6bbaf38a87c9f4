#include "gui/views/CPlaceholderView.h"

#include "core/document/CBottlewrightDoc.h"

#include <QPainter>

CPlaceholderView::CPlaceholderView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent)
    : QWidget(parent), m_document(document), m_kind(kind) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_document.addObserver(this);
}

CPlaceholderView::~CPlaceholderView() {
    m_document.removeObserver(this);
}

void CPlaceholderView::onUpdate(CDocObserver*, UpdateHint) {
    update();
}

QString CPlaceholderView::summary() const {
    const int count = m_document.focusCount();
    if (count == 0)
        return QStringLiteral("No wines in the Focus Set");
    if (count == 1)
        return QStringLiteral("1 wine in the Focus Set");
    return QStringLiteral("%1 wines in the Focus Set").arg(count);
}

void CPlaceholderView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    const QFontMetrics titleMetrics(title);
    const QFontMetrics textMetrics(font());
    const int height = titleMetrics.height() + textMetrics.height() / 2 + textMetrics.height();
    QRect area = rect();
    area.setTop((this->height() - height) / 2);

    painter.setFont(title);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromLatin1(viewKindInfo(m_kind).caption));
    area.setTop(area.top() + titleMetrics.height() + textMetrics.height() / 2);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, summary());
}
