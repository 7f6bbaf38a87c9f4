#pragma once

#include "core/document/FocusCriteria.h"

#include <filesystem>

#include <QDialog>

class CFocusDatesPage;
class CFocusNames;
class CFocusNumbers;
class FieldNames;
class QTabWidget;

// "Focus Criteria": the pages "Names", "Numbers and Vintage" and "Dates and Color" with OK, Cancel
// and Help. Made afresh for every use, so it always opens with every text empty, every colour ticked
// and the method "New Focus Set".
class CSelectionCriteriaSheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 123;

    CSelectionCriteriaSheet(const FieldNames& fieldNames, std::filesystem::path startDirectory,
                            QWidget* parent = nullptr);

    // The criteria as the pages show them; what the user chose once exec() has returned Accepted.
    FocusCriteria criteria() const;

    QTabWidget* tabs() const { return m_tabs; }
    CFocusNames* namesPage() const { return m_names; }
    CFocusNumbers* numbersPage() const { return m_numbers; }
    CFocusDatesPage* datesPage() const { return m_dates; }

private:
    QTabWidget* m_tabs = nullptr;
    CFocusNames* m_names = nullptr;
    CFocusNumbers* m_numbers = nullptr;
    CFocusDatesPage* m_dates = nullptr;
};
