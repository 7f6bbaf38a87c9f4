#include "core/document/CBottlewrightDoc.h"
#include "core/editing/EntryBoxValues.h"
#include "gui/editing/CEntryBox.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <QApplication>
#include <QMessageBox>

// The Entry List's commands on entries and the Entry Box session they run.

namespace {

const QString kNullEntryQuestion = QStringLiteral(
    "The Entry Box contains no significant information.\nDo you want to remove this null entry?");

} // namespace

void CEntryListView::sortEntries() {
    m_document.sortFocusSet();
    scrollVertically(ScrollCode::ThumbPosition, 0); // repaints both panes whole
}

void CEntryListView::addEntry() {
    selectEntry(m_document.addNewEntry());
    runEntryBoxAs(EntryBoxNavigation::Mode::Add);
}

void CEntryListView::viewEntry() {
    if (isFocusPosition(m_shared.selectedEntry))
        runEntryBoxAs(EntryBoxNavigation::Mode::View);
}

void CEntryListView::removeEntryFromFocusSet() {
    const int selected = m_shared.selectedEntry;
    if (!isFocusPosition(selected))
        return;
    repaintBothPanes();
    m_document.removeFocusMember(this, selected);
}

void CEntryListView::copyEntry() {
    const int selected = m_shared.selectedEntry;
    if (!isFocusPosition(selected))
        return;
    selectEntry(m_document.copyEntry(selected));
    runEntryBoxAs(EntryBoxNavigation::Mode::Copy);
}

void CEntryListView::colorEntry(int letterColor) {
    const int selected = m_shared.selectedEntry;
    if (!isFocusPosition(selected))
        return;
    repaintBothPanes();
    m_document.setLetterColor(this, selected, letterColor);
}

void CEntryListView::runEntryBoxAs(EntryBoxNavigation::Mode mode) {
    m_entryBox->setMode(mode);
    runEntryBox();
}

void CEntryListView::runEntryBox() {
    if (!isFocusPosition(m_shared.selectedEntry))
        return;
    goToSelected();
    fillEntryBox();
    if (m_entryBox->exec() == QDialog::Accepted) {
        storeEntryBox();
    } else if (m_shared.selectedEntry >= m_document.focusCount()) {
        // The entry on show went with the box: an addition or a copy was cancelled.
        m_shared.selectedEntry = -1;
        scrollVertically(ScrollCode::ThumbPosition, m_document.focusCount() - m_geometry.rowsPerPage);
    }
    repaintBothPanes();
    m_document.finishEntryEditing(this);
}

void CEntryListView::fillEntryBox() {
    m_entryBox->fill(EntryBoxValues::fromWine(*m_document.focusEntry(m_shared.selectedEntry)));
}

bool CEntryListView::storeEntryBox() {
    const int selected = m_shared.selectedEntry;
    const EntryBoxValues values = m_entryBox->values();
    if (m_document.storeEntryValues(selected, values) != CBottlewrightDoc::EntryStore::NullEntry)
        return true;
    QWidget* asker = m_entryBox->isVisible() ? static_cast<QWidget*>(m_entryBox.get()) : this;
    if (QMessageBox::question(asker, QApplication::applicationDisplayName(), kNullEntryQuestion,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes) {
        m_document.removeNullEntry(selected);
        return false;
    }
    (void)m_document.storeEntryValues(selected, values, true);
    return true;
}

void CEntryListView::navigateEntryBox(EntryBoxNavigation::Step step) {
    using Action = EntryBoxNavigation::Move::Action;
    const bool stillThere = step == EntryBoxNavigation::Step::AfterDelete || storeEntryBox();
    const EntryBoxNavigation::Move move =
        EntryBoxNavigation::next(step, m_shared.selectedEntry, m_document.focusCount(), stillThere);
    m_entryBox->setMode(move.mode);
    switch (move.action) {
    case Action::Close:
        m_entryBox->done(QDialog::Rejected);
        return;
    case Action::Show:
        m_shared.selectedEntry = move.position;
        break;
    case Action::AddNew:
        m_shared.selectedEntry = m_document.addNewEntry();
        break;
    case Action::CopySelected:
        m_shared.selectedEntry = m_document.copyEntry(move.position);
        break;
    }
    fillEntryBox();
    goToSelected();
}
