// The Entry List's Find, Find Next, Find Previous and Replace commands.
#include "core/document/CBottlewrightDoc.h"
#include "core/model/Cp1252.h"
#include "core/views/entrylist/EntrySearch.h"
#include "gui/common/TextConvert.h"
#include "gui/views/entrylist/CEntryListView.h"
#include "gui/views/entrylist/CFindDialog.h"
#include "gui/views/entrylist/CFindReplaceDialog.h"

#include <QApplication>
#include <QMessageBox>

void CEntryListView::find() {
    if (m_findDialog == nullptr)
        m_findDialog = std::make_unique<CFindDialog>(m_fieldNames, m_document.startDirectory(), this);
    if (m_findDialog->exec() != QDialog::Accepted || m_findDialog->text().isEmpty())
        return;
    m_searchString = Cp1252::toLower(fromQt(m_findDialog->text()));
    searchAgain(!m_findDialog->options().up);
}

void CEntryListView::searchAgain(bool forward) {
    if (m_searchString.empty() || m_findDialog == nullptr)
        return;
    const EntrySearch::FindOptions options = m_findDialog->options();
    const auto found = EntrySearch::find(
        m_document.focusCount(), m_shared.selectedEntry, forward, !options.stopAtEnd, [&](int position) {
            return EntrySearch::findMatches(*m_document.focusEntry(position), m_searchString, options);
        });
    if (found)
        showFoundEntry(*found);
    else
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 QStringLiteral("String not found."));
}

void CEntryListView::showFoundEntry(int position) {
    m_shared.selectedEntry = position;
    m_shared.topRow = EntrySearch::centredTopRow(position, m_geometry.rowsPerPage);
    scrollVertically(ScrollCode::ThumbPosition, m_shared.topRow);
}

void CEntryListView::replace() {
    CFindReplaceDialog dialog(*this, m_fieldNames, this);
    dialog.exec();
}
