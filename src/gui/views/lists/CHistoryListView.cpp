#include "CHistoryListView.h"

#include "PlaceholderPainter.h"
#include "app/ViewKind.h"
#include "document/CBottlewrightDoc.h"

CHistoryListView::CHistoryListView(CBottlewrightDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_document.addObserver(this);
}

CHistoryListView::~CHistoryListView() {
    m_document.removeObserver(this);
}

void CHistoryListView::onUpdate(CDocObserver*, int) {
    update();
}

QString CHistoryListView::summary() const {
    return focusSetSummary(m_document.focusCount());
}

void CHistoryListView::paintEvent(QPaintEvent*) {
    paintPlaceholder(*this, QString::fromLatin1(viewKindInfo(ViewKind::HistoryList).caption), summary());
}
