#pragma once

#include "core/editing/EntryBoxNavigation.h"
#include "core/editing/EntryBoxValues.h"

#include <filesystem>
#include <string>

#include <QDialog>

class CEntryBoxOwner;
class CEntryBoxPage;
class CMainPage;
class CNotesPage;
class CTransactionPage;
class FieldNames;
class QPushButton;
class QTabWidget;

// The modal tabbed sheet in which one entry is viewed, added, copied, changed and deleted: the pages
// "General", "Notes" and "History", and the buttons "&<<", "&>>", "&Copy", "&Add", "&Delete", OK
// and Cancel. The owning view creates it once and reuses it for every opening.
class CEntryBox : public QDialog {
    Q_OBJECT
public:
    using Mode = EntryBoxNavigation::Mode;
    static constexpr int kHelpContext = 124;

    // The dropdown lists are read from startDirectory each time the box opens.
    CEntryBox(CEntryBoxOwner& owner, const FieldNames& fieldNames, std::filesystem::path startDirectory,
              QWidget* parent = nullptr);
    ~CEntryBox() override;

    // The caption names the mode.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }

    // Replaces every page's values and shows them on the page on show.
    void fill(const EntryBoxValues& values);
    // The pages' values as last saved from their controls.
    EntryBoxValues values() const;

    // OK only when the page on show may be left.
    void accept() override;
    // Cancel and Escape; an added or copied entry on show goes again.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& caption, const char* name);
    void layOutButtonRow(QPushButton* ok, QPushButton* cancel);
    CEntryBoxPage* activePage() const;
    void changePage(int index);
    void changePageBy(int offset);
    void pageChanged(int index);
    void step(EntryBoxNavigation::Step step);
    void deleteEntry();

    CEntryBoxOwner& m_owner;
    QTabWidget* m_tabs;
    CMainPage* m_general;
    CNotesPage* m_notes;
    CTransactionPage* m_history;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    std::string m_description;
    Mode m_mode = Mode::View;
    // The page whose leave check has passed or not yet been asked; the tab widget may run ahead of it.
    int m_activeIndex = 0;
};
