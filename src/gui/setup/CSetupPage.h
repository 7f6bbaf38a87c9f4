#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QWidget>

class CBottlewrightDoc;
class QListWidget;
class QLineEdit;

// One page of "Dropdown List Setup": the known values of one field, kept sorted, with a field to add
// one, and buttons to delete the selected ones or add every value the Focus Set holds.
class CSetupPage : public QWidget {
    Q_OBJECT
public:
    // field is the entry's field index; fileName the list file in the start directory.
    CSetupPage(CBottlewrightDoc& document, int field, std::string fileName,
               std::filesystem::path startDirectory, QWidget* parent = nullptr);

    QLineEdit* textField() const { return m_text; }
    QListWidget* list() const { return m_list; }
    bool wasShown() const { return m_shown; }
    std::vector<std::string> items() const;

    void add();
    void deleteSelected();
    void addAllFromFocusSet();
    // Writes the list file anew; only pages that were shown are written.
    void store() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    CBottlewrightDoc& m_document;
    int m_field;
    std::string m_fileName;
    std::filesystem::path m_startDirectory;
    QLineEdit* m_text = nullptr;
    QListWidget* m_list = nullptr;
    bool m_shown = false;
};
