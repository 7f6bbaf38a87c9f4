#include "CBarGraphView.h"

#include "document/CBottlewrightDoc.h"
#include "views/lists/PlaceholderPainter.h"

CBarGraphView::CBarGraphView(CBottlewrightDoc& document, ViewKind kind, QWidget* parent)
    : QWidget(parent), m_document(document), m_kind(kind) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_document.addObserver(this);
}

CBarGraphView::~CBarGraphView() {
    m_document.removeObserver(this);
}

void CBarGraphView::onUpdate(CDocObserver*, int) {
    update();
}

QString CBarGraphView::summary() const {
    return focusSetSummary(m_document.focusCount());
}

void CBarGraphView::paintEvent(QPaintEvent*) {
    paintPlaceholder(*this, QString::fromLatin1(viewKindInfo(m_kind).caption), summary());
}
