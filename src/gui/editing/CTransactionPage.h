#pragma once

#include "core/editing/HistoryItemList.h"
#include "gui/editing/CEntryBoxPage.h"

#include <array>
#include <string>
#include <utility>

class CDateEdit;
class CDecimalEdit;
class CIntEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QKeyEvent;
class QPushButton;

// The Entry Box's "History" page: the entry's history items newest first, and the current item in
// which one is added or corrected.
class CTransactionPage : public CEntryBoxPage {
    Q_OBJECT
public:
    explicit CTransactionPage(QWidget* parent = nullptr);

    // The entry's history text: items each ended by the character with code 6.
    const std::string& pendingHistory() const { return m_pendingHistory; }
    void setPendingHistory(std::string history) {
        m_pendingHistory = std::move(history);
        m_listShowsPending = false;
    }
    // The General page records a change of bottles, cost or value; the list shows it at the next load.
    void appendToPendingHistory(const std::string& item) {
        m_pendingHistory += item;
        m_listShowsPending = false;
    }
    // The entry's one-line description, shown at the top.
    void setLabelText(const QString& text);
    // The sheet's "&Delete" button, disabled while this page shows.
    void setDeleteButton(QPushButton* button) { m_deleteButton = button; }

    void loadControls() override;
    bool saveControls() override;
    bool leavePage() override;
    void pageActivated() override;

protected:
    // Enter anywhere on the page but on a push button adds the current item; it never reaches the
    // sheet, whose OK would otherwise close the box with the item half-edited.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addCurrentItem();
    void selectHighlightedItem();
    void deleteCurrentItem();
    // Each field of the current item, in the order of the item's fields.
    std::array<QLineEdit*, HistoryItemList::FieldCount> fields() const;
    HistoryItemList::Fields currentItem() const;
    bool currentItemIsEmpty() const;
    void clearCurrentItem();
    // Selects the field's whole text and gives it the focus, after a failed check.
    static void markFailed(QLineEdit* field);
    void showMessage(const QString& text);

    std::string m_pendingHistory;
    QPushButton* m_deleteButton = nullptr;
    HistoryItemList m_items; // always the list's contents, in the same order
    // Saving rewrites the pending text from the list only while the list was loaded from that text.
    bool m_listShowsPending = false;

    QLabel* m_description;
    CDateEdit* m_date;
    CIntEdit* m_newQty;
    CIntEdit* m_oldQty;
    CDecimalEdit* m_newCost;
    CDecimalEdit* m_oldCost;
    CDecimalEdit* m_newValue;
    CDecimalEdit* m_oldValue;
    QListWidget* m_list;
    QPushButton* m_addButton;
    QPushButton* m_selectButton;
    QPushButton* m_deleteItemButton;
};
