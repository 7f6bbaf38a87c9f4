#include "gui/editing/CEntryBox.h"

#include "core/document/CBottlewrightDoc.h"
#include "gui/common/HelpWindow.h"
#include "gui/common/TextConvert.h"
#include "gui/editing/CEntryBoxOwner.h"
#include "gui/editing/CMainPage.h"
#include "gui/editing/CNotesPage.h"
#include "gui/editing/CTransactionPage.h"

#include <algorithm>
#include <utility>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

CEntryBox::CEntryBox(CEntryBoxOwner& owner, const FieldNames& fieldNames,
                     std::filesystem::path startDirectory, QWidget* parent)
    : QDialog(parent), m_owner(owner), m_tabs(new QTabWidget),
      m_general(new CMainPage(fieldNames, std::move(startDirectory))), m_notes(new CNotesPage),
      m_history(new CTransactionPage) {
    setWindowTitle(QStringLiteral("Entry Box"));
    m_tabs->addTab(m_general, QStringLiteral("General"));
    m_tabs->addTab(m_notes, QStringLiteral("Notes"));
    m_tabs->addTab(m_history, QStringLiteral("History"));
    m_tabs->tabBar()->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CEntryBox::pageChanged);

    auto* ok = addButton(QStringLiteral("OK"), "okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CEntryBox::accept);
    auto* cancel = addButton(QStringLiteral("Cancel"), "cancelButton");
    connect(cancel, &QPushButton::clicked, this, &CEntryBox::reject);
    m_previous = addButton(QStringLiteral("&<<"), "previousButton");
    m_next = addButton(QStringLiteral("&>>"), "nextButton");
    m_copy = addButton(QStringLiteral("&Copy"), "copyButton");
    m_add = addButton(QStringLiteral("&Add"), "addButton");
    m_delete = addButton(QStringLiteral("&Delete"), "deleteButton");
    connect(m_next, &QPushButton::clicked, this, [this] { step(EntryBoxNavigation::Step::Next); });
    connect(m_previous, &QPushButton::clicked, this, [this] { step(EntryBoxNavigation::Step::Previous); });
    connect(m_add, &QPushButton::clicked, this, [this] { step(EntryBoxNavigation::Step::Add); });
    connect(m_copy, &QPushButton::clicked, this, [this] { step(EntryBoxNavigation::Step::Copy); });
    connect(m_delete, &QPushButton::clicked, this, &CEntryBox::deleteEntry);

    m_general->setHistoryPage(m_history);
    m_history->setDeleteButton(m_delete);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layOutButtonRow(ok, cancel);

    // The tab bar takes mouse and arrow keys itself; these keys reach it from anywhere in the box.
    const std::pair<QKeySequence, int> pageKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, offset] : pageKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, offset] { changePageBy(offset); });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [] { showHelpContext(kHelpContext); });
}

CEntryBox::~CEntryBox() = default;

QPushButton* CEntryBox::addButton(const QString& caption, const char* name) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The three entry buttons are three quarters as wide as OK, the arrows 44/75 of that, all spaced as
// OK is from Cancel: "&<<", "&>>", "&Copy", "&Add", "&Delete", OK, Cancel.
void CEntryBox::layOutButtonRow(QPushButton* ok, QPushButton* cancel) {
    const int okWidth = std::max(ok->sizeHint().width(), cancel->sizeHint().width());
    const int width = okWidth * 3 / 4;
    const int arrowWidth = width * 44 / 75;
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {m_previous, m_next, m_copy, m_add, m_delete, ok, cancel}) {
        const bool arrow = button == m_previous || button == m_next;
        const bool own = button != ok && button != cancel;
        button->setFixedWidth(arrow ? arrowWidth : own ? width : okWidth);
        row->addWidget(button);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

CEntryBoxPage* CEntryBox::activePage() const {
    return static_cast<CEntryBoxPage*>(m_tabs->widget(m_activeIndex));
}

void CEntryBox::fill(const EntryBoxValues& values) {
    m_general->setValues(values);
    m_notes->setNotes(values.notes);
    m_notes->setLabelText(toQt(values.description));
    m_history->setPendingHistory(values.history);
    m_history->setLabelText(toQt(values.description));
    m_description = values.description;
    if (isVisible())
        activePage()->loadControls();
}

EntryBoxValues CEntryBox::values() const {
    EntryBoxValues values = m_general->values();
    values.notes = m_notes->notes();
    values.history = m_history->pendingHistory();
    values.description = m_description;
    return values;
}

void CEntryBox::accept() {
    if (activePage()->leavePage())
        QDialog::accept();
}

void CEntryBox::reject() {
    const int position = m_owner.selectedEntry();
    if (m_mode != Mode::View)
        m_owner.document().discardNewEntry(position);
    QDialog::reject();
}

// Every opening starts on "General" with freshly read lists and labels.
void CEntryBox::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_general->initialise();
        m_delete->setEnabled(true);
        m_activeIndex = 0;
        m_tabs->setCurrentIndex(0);
        m_general->pageActivated();
    }
    QDialog::showEvent(event);
}

bool CEntryBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_tabs->tabBar())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int index = m_tabs->tabBar()->tabAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || index < 0 || index == m_activeIndex)
            return false;
        changePage(index);
        return true;
    }
    case QEvent::Wheel:
        return true; // pages change on purpose only
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        changePage(m_activeIndex + (key == Qt::Key_Left ? -1 : 1));
        return true;
    }
    default:
        return false;
    }
}

// The page on show must agree to be left before another one shows.
void CEntryBox::changePage(int index) {
    if (index < 0 || index >= m_tabs->count() || index == m_activeIndex || !activePage()->leavePage())
        return;
    m_activeIndex = index;
    m_tabs->setCurrentIndex(index);
    activePage()->pageActivated();
}

void CEntryBox::changePageBy(int offset) {
    changePage((m_activeIndex + offset + m_tabs->count()) % m_tabs->count());
}

// A change of tab that came by another way than changePage is checked afterwards, and undone when the
// page on show refuses to be left.
void CEntryBox::pageChanged(int index) {
    if (index == m_activeIndex)
        return;
    if (!activePage()->leavePage()) {
        m_tabs->setCurrentIndex(m_activeIndex);
        return;
    }
    m_activeIndex = index;
    activePage()->pageActivated();
}

void CEntryBox::setMode(Mode mode) {
    m_mode = mode;
    setWindowTitle(QString::fromLatin1(EntryBoxNavigation::caption(mode)));
}

void CEntryBox::step(EntryBoxNavigation::Step to) {
    CEntryBoxPage* page = activePage();
    if (page == m_notes)
        m_notes->saveControls();
    else if (!page->leavePage())
        return;
    m_owner.navigateEntryBox(to);
    activePage()->pageActivated();
}

void CEntryBox::deleteEntry() {
    QMessageBox question(QMessageBox::NoIcon, toQt(m_description),
                         QStringLiteral("Are you sure you want to delete this entry?\n"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::Yes)
        return;
    activePage()->saveControls();
    CBottlewrightDoc& document = m_owner.document();
    document.deleteEntry(m_owner.selectedEntry());
    if (document.focusCount() > 0) {
        m_owner.navigateEntryBox(EntryBoxNavigation::Step::AfterDelete);
        activePage()->pageActivated();
        return;
    }
    m_owner.redrawAfterEntryBox();
    QDialog::reject(); // the entry on show is gone already, whatever the mode
}
