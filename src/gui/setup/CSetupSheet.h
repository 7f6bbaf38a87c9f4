#pragma once

#include <filesystem>
#include <vector>

#include <QDialog>

class CBottlewrightDoc;
class CSetupPage;
class FieldNames;
class QTabWidget;

// "Dropdown List Setup": fourteen pages, one per list of known names, each captioned with the current
// name of its field. OK writes the lists of the pages that were shown; Cancel writes nothing.
class CSetupSheet : public QDialog {
    Q_OBJECT
public:
    CSetupSheet(CBottlewrightDoc& document, const FieldNames& fieldNames,
                std::filesystem::path startDirectory, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    CSetupPage* page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }

    // Enter in a page's text field adds its text and leaves the sheet open.
    void accept() override;

private:
    QTabWidget* m_tabs = nullptr;
    std::vector<CSetupPage*> m_pages;
};
