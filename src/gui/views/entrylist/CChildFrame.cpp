#include "gui/views/entrylist/CChildFrame.h"

#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/entrylist/CSplitBox.h"

#include <QEvent>
#include <QShortcut>
#include <QSplitter>

namespace {

constexpr int kMinimumPaneSize = 10;

} // namespace

CChildFrame::CChildFrame(CBottlewrightDoc& document, const FieldNames& fieldNames, CPrinterHost* printers,
                         QWidget* parent)
    : QMdiSubWindow(parent), m_document(document), m_fieldNames(fieldNames), m_printers(printers) {
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setChildrenCollapsible(true);
    // The divider follows a tracking line and moves when it is let go, like the panes' split box.
    m_splitter->setOpaqueResize(false);
    connect(m_splitter, &QSplitter::splitterMoved, this, &CChildFrame::removeCollapsedPane);
    setWidget(m_splitter);
    setWindowTitle(QStringLiteral("Entry List"));

    m_activePane = addPane(nullptr);
    arrangeScrollBars();

    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { focusNextPane(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { focusNextPane(-1); });
}

CChildFrame::~CChildFrame() {
    // One at a time while the splitter still holds the others: only the last pane to close keeps
    // the arrangement and the font.
    for (int i = paneCount() - 1; i >= 0; --i)
        delete pane(i);
}

bool CChildFrame::isSplit() const {
    return paneCount() > 1;
}

int CChildFrame::paneCount() const {
    return m_splitter->count();
}

CEntryListView* CChildFrame::pane(int index) const {
    return qobject_cast<CEntryListView*>(m_splitter->widget(index));
}

CEntryListView* CChildFrame::activePane() const {
    if (m_activePane != nullptr && m_splitter->indexOf(m_activePane) >= 0)
        return m_activePane;
    return pane(0);
}

CEntryListView* CChildFrame::addPane(CEntryListView* splitFrom) {
    auto* view = new CEntryListView(m_document, m_fieldNames, m_shared, splitFrom);
    view->setPrinterHost(m_printers);
    m_splitter->addWidget(view);
    connect(view, &CEntryListView::activated, this, [this, view] { m_activePane = view; });
    auto* box = new CSplitBox(m_splitter);
    view->addScrollBarWidget(box, Qt::AlignLeft);
    connect(box, &CSplitBox::splitRequested, this, &CChildFrame::splitAt);
    return view;
}

void CChildFrame::split() {
    splitAt(-1);
}

void CChildFrame::splitAt(int x) {
    if (isSplit())
        return;
    const int width = m_splitter->width() - m_splitter->handleWidth();
    if (x >= 0 && (x < kMinimumPaneSize || x > width - kMinimumPaneSize))
        return;
    const int left = x < 0 ? width / 2 : x;
    addPane(pane(0));
    m_splitter->setSizes({left, width - left});
    m_splitter->handle(1)->installEventFilter(this);
    arrangeScrollBars();
}

void CChildFrame::unsplit() {
    removePane(1);
}

void CChildFrame::removePane(int index) {
    if (!isSplit())
        return;
    CEntryListView* closing = pane(index);
    const bool hadFocus = closing->hasFocus();
    delete closing;
    arrangeScrollBars();
    if (hadFocus)
        pane(0)->setFocus();
}

void CChildFrame::removeCollapsedPane() {
    // Later, not while the divider is still handling the mouse.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isSplit())
                return;
            const QList<int> sizes = m_splitter->sizes();
            if (sizes[0] < kMinimumPaneSize)
                removePane(0);
            else if (sizes[1] < kMinimumPaneSize)
                removePane(1);
        },
        Qt::QueuedConnection);
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && isSplit() && watched == m_splitter->handle(1)) {
        QMetaObject::invokeMethod(this, &CChildFrame::unsplit, Qt::QueuedConnection);
        return true;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void CChildFrame::arrangeScrollBars() {
    // Like one shared vertical scroll bar: only the rightmost pane shows it.
    const bool split = isSplit();
    for (int i = 0; i < paneCount(); ++i) {
        CEntryListView* view = pane(i);
        const bool rightmost = i == paneCount() - 1;
        view->setVerticalScrollBarPolicy(rightmost ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        if (auto* box = view->findChild<CSplitBox*>())
            box->setVisible(!split);
    }
}

void CChildFrame::focusNextPane(int step) {
    if (!isSplit())
        return;
    const int count = paneCount();
    const int current = m_splitter->indexOf(activePane());
    pane((current + step + count) % count)->setFocus(Qt::ShortcutFocusReason);
}
