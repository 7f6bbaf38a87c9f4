#pragma once

#include "core/document/CDocObserver.h"
#include "core/editing/EntryBoxNavigation.h"
#include "core/views/entrylist/EntryListColumns.h"
#include "core/views/entrylist/EntryListGeometry.h"
#include "core/views/entrylist/EntryListMouse.h"
#include "core/views/entrylist/EntryListScrolling.h"
#include "core/views/entrylist/EntryListSharedState.h"
#include "core/views/entrylist/PrintStyle.h"
#include "gui/editing/CEntryBoxOwner.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <QAbstractScrollArea>
#include <QFont>
#include <QImage>

class CBottlewrightDoc;
class CEntryBox;
class CFindDialog;
class QPrinter;
class FieldNames;
class CPrinterHost;

// The Entry List: a grid with one row per Focus Set entry and one column per field. A window holds
// one or two panes side by side in a splitter; they share the selection, the top row, the font and
// the column table, and each keeps its own horizontal offset. Each pane runs its own Entry Box on the
// selected entry.
class CEntryListView : public QAbstractScrollArea, public CDocObserver, public CEntryBoxOwner {
    Q_OBJECT
public:
    using ScrollCode = EntryListScrolling::ScrollCode;
    // Asks for the file of a column arrangement to store (true) or retrieve (false); empty to cancel.
    using ArrangementFilePrompt = std::function<QString(bool forStoring)>;

    // shared is what the panes of one window share. A pane split off splitFrom copies its columns and
    // font; the first pane reads the last used arrangement and the font settings.
    CEntryListView(CBottlewrightDoc& document, const FieldNames& fieldNames, EntryListSharedState& shared,
                   CEntryListView* splitFrom = nullptr, QWidget* parent = nullptr);
    // The last pane to close keeps the arrangement and the font in the settings.
    ~CEntryListView() override;

    EntryListSharedState& sharedState() const { return m_shared; }
    // The printer the print boundary is measured on; without one the boundary is not computed.
    void setPrinterHost(CPrinterHost* printers) { m_printers = printers; }

    CBottlewrightDoc& document() const override { return m_document; }
    int selectedEntry() const override { return m_shared.selectedEntry; }
    const EntryListColumns& columns() const { return m_columns; }
    const EntryListGeometry& geometry() const { return m_geometry; }
    int horizontalOffset() const { return m_horizontalOffset; }
    const QFont& listFont() const { return m_font; }

    // The twin pane in the same splitter, or nullptr.
    CEntryListView* otherPane() const;

    void selectEntry(int position);
    void scrollVertically(ScrollCode code, int position = 0);
    void scrollHorizontally(ScrollCode code, int position = 0);
    void copyColumnsFrom(const CEntryListView& other);

    void repaintBothPanes();
    void repaintBothPanes(const GridRect& area);

    void storeColumnArrangement();
    void retrieveColumnArrangement();
    void setArrangementFilePrompt(ArrangementFilePrompt prompt) { m_filePrompt = std::move(prompt); }

    // Centres the selected row, within the scroll range.
    void goToSelected();

    // Commands of the Entry List and of its right-button menu.
    void sortEntries();
    void addEntry();
    void viewEntry();
    void removeEntryFromFocusSet();
    void copyEntry();
    void colorEntry(int letterColor); // CWine::LetterColor
    void deselectEntry() { selectEntry(-1); }
    void togglePrintBoundary();
    void selectFont();

    // Printing, through the application's printer.
    void print();
    void printPreview();
    void setPrintStyle();
    const PrintStyle& printStyle() const { return m_printStyle; }
    // Lays out and paints the pages on the printer, with the pane frozen at its left edge meanwhile.
    void printPages(QPrinter& printer);

    // Find and Replace.
    void find();
    void findNext() { searchAgain(true); }
    void findPrevious() { searchAgain(false); }
    void replace();
    bool hasSearchString() const { return !m_searchString.empty(); }
    // Selects a found entry and scrolls it to the middle of the pane.
    void showFoundEntry(int position);

    void navigateEntryBox(EntryBoxNavigation::Step step) override;
    void redrawAfterEntryBox() override { repaintBothPanes(); }

    void onUpdate(CDocObserver* sender, UpdateHint hint) override;
    void onFocusSetSorted() override;
    void onEntryRecolored(CDocObserver* sender, int position) override;

Q_SIGNALS:
    // The pane took the keyboard focus: commands for one pane now go to it.
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The scroll bars' actions drive the grid; their values only follow it.
    void scrollContentsBy(int, int) override {}

private:
    static QFont fontFromSettings();
    void writeFontSettings() const;
    QString askArrangementFile(bool forStoring);
    std::filesystem::path arrangementPath(const QString& name) const;

    void layoutColumns();
    void applyClientSize();
    void setVerticalBar(int maximum, int value);
    void onVerticalAction(int action);
    void onHorizontalAction(int action);

    bool isFocusPosition(int position) const;
    std::optional<int> entryRowAt(int y) const;
    void startColumnMove(int x);
    void endColumnMove(int x);
    void endBorderDrag(int x);
    void showEntryMenu(const QPoint& at, int y);
    void setListFont(const QFont& font);
    // Opens the Entry Box on the selected entry; stores it into the entry when closed with OK.
    void runEntryBox();
    void runEntryBoxAs(EntryBoxNavigation::Mode mode);
    void fillEntryBox();
    // Asks about a null entry. False when the store removed the entry as empty.
    bool storeEntryBox();
    void computePrintBoundary();
    void searchAgain(bool forward);

    GridRect paneArea() const;
    void repaintArea(const GridRect& area, bool rowsOnly);
    static QRect toQRect(const GridRect& area);
    void paintGrid(QPainter& painter, const QRect& area, bool rowsOnly);
    void drawCell(QPainter& painter, const EntryListColumn& column, const std::string& text, int top,
                  int spaceWidening) const;

    CBottlewrightDoc& m_document;
    const FieldNames& m_fieldNames;
    EntryListSharedState& m_shared;
    CPrinterHost* m_printers = nullptr;
    EntryListColumns m_columns;
    EntryListGeometry m_geometry;
    QFont m_font;
    int m_horizontalOffset = 0;
    int m_clientWidth = 400;
    int m_clientBottom = 0;
    bool m_rowsOnly = false;
    bool m_repaintPending = false;
    QImage m_offscreen;
    ArrangementFilePrompt m_filePrompt;

    int m_movingColumn = -1;
    GridRect m_headingBand;
    std::optional<EntryListMouse::BorderDrag> m_borderDrag;
    std::unique_ptr<CEntryBox> m_entryBox;

    PrintStyle m_printStyle;
    bool m_printing = false;
    std::unique_ptr<CFindDialog> m_findDialog;
    std::string m_searchString; // lower case
};
