#pragma once

#include "core/document/EntryReplace.h"

#include <array>

#include <QDialog>
#include <QString>

class CEntryListView;
class FieldNames;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Find and Replace": looks for a text in one field of the Focus Set, with case, and replaces its
// first occurrence in the entry found or in every entry. Made anew for each use; the selection it
// moves stays afterwards.
class CFindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    CFindReplaceDialog(CEntryListView& pane, const FieldNames& fieldNames, QWidget* parent = nullptr);

    QLineEdit* findWhat() const { return m_findWhat; }
    QLineEdit* replaceWith() const { return m_replaceWith; }
    QRadioButton* fieldButton(int index) const { return m_fields[static_cast<std::size_t>(index)]; }
    QPushButton* replaceButton() const { return m_replace; }

    void findNext();
    void replace();
    void replaceAll();

private:
    // The chosen field's index, or -1 after saying that none is chosen.
    int chosenField();

    CEntryListView& m_pane;
    QLineEdit* m_findWhat = nullptr;
    QLineEdit* m_replaceWith = nullptr;
    std::array<QRadioButton*, EntryReplace::kFields.size()> m_fields{};
    QPushButton* m_replace = nullptr;
    QString m_lastSearch;
};
