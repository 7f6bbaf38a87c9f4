#include "CBinListView.h"

#include "PlaceholderPainter.h"
#include "app/ViewKind.h"
#include "document/CBottlewrightDoc.h"

CBinListView::CBinListView(CBottlewrightDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_document.addObserver(this);
}

CBinListView::~CBinListView() {
    m_document.removeObserver(this);
}

void CBinListView::onUpdate(CDocObserver*, int) {
    update();
}

QString CBinListView::summary() const {
    return focusSetSummary(m_document.focusCount());
}

void CBinListView::paintEvent(QPaintEvent*) {
    paintPlaceholder(*this, QString::fromLatin1(viewKindInfo(ViewKind::BinList).caption), summary());
}
