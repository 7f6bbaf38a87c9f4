#include "gui/views/entrylist/CFindReplaceDialog.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/setup/FieldNames.h"
#include "core/views/entrylist/EntrySearch.h"
#include "gui/common/TextConvert.h"
#include "gui/views/entrylist/CEntryListView.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString kNoField = QStringLiteral("Please specify the field for\nsearch/replace.");

} // namespace

CFindReplaceDialog::CFindReplaceDialog(CEntryListView& pane, const FieldNames& fieldNames, QWidget* parent)
    : QDialog(parent), m_pane(pane) {
    setWindowTitle(QStringLiteral("Find and Replace"));
    auto* layout = new QGridLayout(this);
    m_findWhat = new QLineEdit;
    m_replaceWith = new QLineEdit;
    layout->addWidget(new QLabel(QStringLiteral("Find What:")), 0, 0);
    layout->addWidget(m_findWhat, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Replace With:")), 1, 0);
    layout->addWidget(m_replaceWith, 1, 1);

    auto* fields = new QGroupBox(QStringLiteral("In Which Field:"));
    auto* fieldLayout = new QGridLayout(fields);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i] = new QRadioButton(toQt(fieldNames.name(EntryReplace::kFields[i])));
        fieldLayout->addWidget(m_fields[i], static_cast<int>(i) / 3, static_cast<int>(i) % 3);
    }
    layout->addWidget(fields, 2, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    auto* findNextButton = new QPushButton(QStringLiteral("Find Next"));
    m_replace = new QPushButton(QStringLiteral("Replace"));
    auto* replaceAllButton = new QPushButton(QStringLiteral("Replace All"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    findNextButton->setDefault(true);
    m_replace->setEnabled(false);
    for (QPushButton* button : {findNextButton, m_replace, replaceAllButton, close})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 3, 1);
    connect(findNextButton, &QPushButton::clicked, this, &CFindReplaceDialog::findNext);
    connect(m_replace, &QPushButton::clicked, this, &CFindReplaceDialog::replace);
    connect(replaceAllButton, &QPushButton::clicked, this, &CFindReplaceDialog::replaceAll);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

int CFindReplaceDialog::chosenField() {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i]->isChecked())
            return EntryReplace::kFields[i];
    }
    QMessageBox::warning(this, QApplication::applicationDisplayName(), kNoField);
    return -1;
}

void CFindReplaceDialog::findNext() {
    m_lastSearch = m_findWhat->text();
    const int field = chosenField();
    if (field < 0)
        return;
    const CBottlewrightDoc& document = m_pane.document();
    const std::string findWhat = fromQt(m_lastSearch);
    const auto found =
        EntrySearch::findInField(document.focusCount(), m_pane.selectedEntry(), [&](int position) {
            return EntrySearch::fieldMatches(*document.focusEntry(position)->textField(field), findWhat);
        });
    if (found) {
        m_pane.showFoundEntry(*found);
    } else {
        m_pane.repaintBothPanes();
        QMessageBox::information(this, QApplication::applicationDisplayName(),
                                 QStringLiteral("String not found."));
    }
    m_replace->setEnabled(found.has_value());
}

void CFindReplaceDialog::replace() {
    if (m_findWhat->text() != m_lastSearch) {
        findNext();
        return;
    }
    const int field = chosenField();
    if (field < 0)
        return;
    (void)m_pane.document().replaceInFocusEntry(m_pane.selectedEntry(), field, fromQt(m_findWhat->text()),
                                                fromQt(m_replaceWith->text()), &m_pane);
    findNext();
}

void CFindReplaceDialog::replaceAll() {
    const int field = chosenField();
    if (field < 0)
        return;
    const int replaced = m_pane.document().replaceInFocusSet(field, fromQt(m_findWhat->text()),
                                                             fromQt(m_replaceWith->text()), &m_pane);
    m_pane.repaintBothPanes();
    QMessageBox::information(this, QApplication::applicationDisplayName(),
                             QStringLiteral("\"%1\" replaced with\n \"%2\" in %3 entries.")
                                 .arg(m_findWhat->text(), m_replaceWith->text())
                                 .arg(replaced));
}
