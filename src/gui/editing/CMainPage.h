#pragma once

#include "core/editing/EntryBoxValues.h"
#include "core/editing/HistorySnapshot.h"
#include "core/model/CWine.h"
#include "gui/editing/CEntryBoxPage.h"

#include <array>
#include <filesystem>

class CCompletingCombo;
class CDateEdit;
class CDecimalEdit;
class CIntEdit;
class CTransactionPage;
class FieldNames;
class QLabel;
class QLineEdit;

// The Entry Box's "General" page: every field of the entry but its notes and history, labelled with
// the user's field names. A change of bottles left, cost or value adds an item to the History page,
// and leaving the page checks the bins against the bottles left.
class CMainPage : public CEntryBoxPage {
    Q_OBJECT
public:
    CMainPage(const FieldNames& fieldNames, std::filesystem::path startDirectory, QWidget* parent = nullptr);

    // Only the fields this page shows are used; notes, history and description are left alone.
    const EntryBoxValues& values() const { return m_values; }
    void setValues(const EntryBoxValues& values);

    void setHistoryPage(CTransactionPage* page) { m_historyPage = page; }

    // Refills the dropdowns from their list files and relabels the fields; done at every opening.
    void initialise();

    // The control and label of a field index; nullptr for notes and bottles gone.
    QWidget* control(CWine::Field field) const { return m_controls[field]; }
    QLabel* label(CWine::Field field) const { return m_labels[field]; }

    void loadControls() override;
    bool saveControls() override;
    bool leavePage() override;
    void pageActivated() override;

private:
    CCompletingCombo* combo(CWine::Field field) const;
    QLineEdit* edit(CWine::Field field) const;
    bool readWholeNumber(CWine::Field field, std::int32_t& number);
    bool binWarningRefusesLeave();

    const FieldNames& m_fieldNames;
    std::filesystem::path m_startDirectory;
    EntryBoxValues m_values;
    HistorySnapshot m_snapshot;
    CTransactionPage* m_historyPage = nullptr;
    bool m_binWarning;
    std::array<QWidget*, CWine::FieldCount> m_controls{};
    std::array<QLabel*, CWine::FieldCount> m_labels{};
};
