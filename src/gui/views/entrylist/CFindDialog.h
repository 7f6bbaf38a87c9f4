#pragma once

#include "core/views/entrylist/EntrySearch.h"

#include <array>
#include <filesystem>

#include <QDialog>

class FieldNames;
class QCheckBox;
class QComboBox;
class QRadioButton;

// "Find": the text to look for, with its recent texts kept in "find.cbi", the fields to look in, the
// direction and whether to wrap past the ends. One is kept with each Entry List pane, so its settings
// last as long as the pane.
class CFindDialog : public QDialog {
    Q_OBJECT
public:
    CFindDialog(const FieldNames& fieldNames, std::filesystem::path startDirectory,
                QWidget* parent = nullptr);

    // Labels the check boxes with the current field names and reloads the recent texts first.
    int exec() override;
    // Puts a new text first in the recent texts and writes the first 20 to "find.cbi".
    void accept() override;

    QString text() const;
    EntrySearch::FindOptions options() const;
    QComboBox* textBox() const { return m_text; }

private:
    const FieldNames& m_fieldNames;
    std::filesystem::path m_startDirectory;
    QComboBox* m_text = nullptr;
    QRadioButton* m_allFields = nullptr;
    std::array<QCheckBox*, EntrySearch::kFindFields.size()> m_fields{};
    QRadioButton* m_up = nullptr;
    QRadioButton* m_stop = nullptr;
};
