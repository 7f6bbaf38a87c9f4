#pragma once

#include "core/document/SortPrecedenceForm.h"
#include "core/model/CWine.h"

#include <array>
#include <filesystem>

#include <QDialog>

class FieldNames;
class QCheckBox;
class QLineEdit;
class QPushButton;

// "Sort Precedence": a number box, a descending check and a "#" button for each sortable field.
// It edits the document's sort precedence in place: OK takes the boxes, Store takes them and writes a
// sorting scheme, Retrieve reads one. After Store or Retrieve the precedence has changed, so Cancel
// is disabled.
class CSortPrecedenceDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 122;

    CSortPrecedenceDialog(SortPrecedence& precedence, const FieldNames& fieldNames,
                          std::filesystem::path startDirectory, QWidget* parent = nullptr);

    QCheckBox* descendingBox(int field) const { return m_checks[field]; }
    QLineEdit* numberEdit(int field) const { return m_edits[field]; }
    QPushButton* numberButton(int field) const { return m_numberButtons[field]; }

    void accept() override;
    void reject() override;

Q_SIGNALS:
    // "&Help" asks whoever runs the dialog to open this help context.
    void helpRequested(int context);

protected:
    // The file prompts; an empty path means the user cancelled. Tests replace them.
    virtual std::filesystem::path askFileToRetrieve();
    virtual std::filesystem::path askFileToStore();

private:
    void clear();
    void number(int field);
    void store();
    void retrieve();

    // Takes the boxes into the precedence; on a bad box says so and leaves the focus on it.
    bool takeValues();
    void showForm();

    SortPrecedence& m_precedence;
    std::filesystem::path m_startDirectory;
    SortPrecedenceForm m_form;
    std::array<QCheckBox*, CWine::FieldCount> m_checks{};
    std::array<QLineEdit*, CWine::FieldCount> m_edits{};
    std::array<QPushButton*, CWine::FieldCount> m_numberButtons{};
    QPushButton* m_cancelButton = nullptr;
};
