#pragma once

#include "ViewKind.h"

#include <QMdiSubWindow>

class CBottlewrightDoc;
class CEntryListView;
class FieldNames;
class QSplitter;

// The Entry List window: a splitter of one row holding one or two Entry List panes on the same
// document, sharing selection, top row, font and column table.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CBottlewrightDoc& document, const FieldNames& fieldNames, QWidget* parent = nullptr);
    ~CChildFrame() override;

    ViewKind kind() const { return ViewKind::EntryList; }
    CBottlewrightDoc& document() const { return m_document; }

    bool isSplit() const;
    void split();
    void unsplit();

    int paneCount() const;
    CEntryListView* pane(int index) const;
    // The pane that last had the focus; commands on one pane act on it.
    CEntryListView* activePane() const;

private:
    CBottlewrightDoc& m_document;
    const FieldNames& m_fieldNames;
    QSplitter* m_splitter = nullptr;
};
