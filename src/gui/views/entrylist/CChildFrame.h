#pragma once

#include "core/views/entrylist/EntryListSharedState.h"
#include "gui/views/ViewKind.h"

#include <QMdiSubWindow>
#include <QPointer>

class CBottlewrightDoc;
class CEntryListView;
class FieldNames;
class CPrinterHost;
class QSplitter;

// The Entry List window: a splitter of one row holding one or two Entry List panes on the same
// document, sharing selection, top row, font and column table. The split box at the left of the
// horizontal scroll bar splits it; dragging the divider to either edge, or double-clicking it,
// joins the panes again. F6 and Shift+F6 move the focus between the panes.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // printers gives the printer the print boundary is measured on; it may be nullptr.
    CChildFrame(CBottlewrightDoc& document, const FieldNames& fieldNames, CPrinterHost* printers = nullptr,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    ViewKind kind() const { return ViewKind::EntryList; }
    CBottlewrightDoc& document() const { return m_document; }

    bool isSplit() const;
    // Splits in the middle; the new right pane copies the left one's columns and font.
    void split();
    // Closes the right pane.
    void unsplit();

    int paneCount() const;
    CEntryListView* pane(int index) const;
    // The pane that last had the focus; commands on one pane act on it.
    CEntryListView* activePane() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CEntryListView* addPane(CEntryListView* splitFrom);
    void splitAt(int x);
    void removePane(int index);
    void removeCollapsedPane();
    void arrangeScrollBars();
    void focusNextPane(int step);

    CBottlewrightDoc& m_document;
    const FieldNames& m_fieldNames;
    CPrinterHost* m_printers;
    // Selection, top row and print boundary of both panes; a new window starts at the top.
    EntryListSharedState m_shared;
    QSplitter* m_splitter = nullptr;
    QPointer<CEntryListView> m_activePane;
};
