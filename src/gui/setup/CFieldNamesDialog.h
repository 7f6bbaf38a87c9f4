#pragma once

#include "core/model/CWine.h"

#include <array>
#include <filesystem>
#include <string>

#include <QDialog>

class FieldNames;
class QLineEdit;
class QPushButton;

// "Field Names": the user renames the 25 fields, stores the names in a ".fnm" file or retrieves them.
// OK copies the edits into the table. Save, Retrieve and Get Defaults change the table at once, after
// which the dialog can no longer be cancelled and OK reads "Close".
class CFieldNamesDialog : public QDialog {
    Q_OBJECT
public:
    CFieldNamesDialog(FieldNames& table, std::filesystem::path startDirectory, QWidget* parent = nullptr);

    QLineEdit* nameEdit(int field) const { return m_edits[field]; }

    void accept() override;
    void reject() override;

protected:
    // The file prompts; an empty path means the user cancelled. Tests replace them.
    virtual std::filesystem::path askFileToRetrieve();
    virtual std::filesystem::path askFileToStore();

private:
    void save();
    void retrieve();
    void getDefaults();

    void takeNamesFromEdits();
    void showNames();
    void tableChanged();

    FieldNames& m_table;
    std::filesystem::path m_startDirectory;
    std::array<std::string, CWine::FieldCount> m_names;
    std::array<QLineEdit*, CWine::FieldCount> m_edits{};
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_okButton = nullptr;
};
