#pragma once

#include "core/views/entrylist/EntryListCellTexts.h"
#include "core/views/entrylist/EntryListColumn.h"

#include <array>

class FieldNames;

// The 25 columns of one Entry List pane in display order, with the display strings they show.
// A table is valid when its field ids are 0 to 24, each once: every field is always a column.
class EntryListColumns {
public:
    static constexpr int kCount = 25;
    // The grid's left edge when the pane is not scrolled horizontally.
    static constexpr int kGridLeftAtNoOffset = 2;

    EntryListColumns() = default;
    // The records point into their own display strings, so a table is never copied wholesale;
    // copyFrom takes another pane's arrangement.
    EntryListColumns(const EntryListColumns&) = delete;
    EntryListColumns& operator=(const EntryListColumns&) = delete;

    EntryListColumn& operator[](int position) { return m_columns[position]; }
    const EntryListColumn& operator[](int position) const { return m_columns[position]; }

    // Headings, field ids and widths of the built-in arrangement; spare values stay as they are.
    void installDefaults();
    bool isValid() const;

    // Points each record at the display string of its field id; an id outside 0..24 keeps its binding.
    void bindCellTexts();
    void refreshHeadings(const FieldNames& fieldNames);
    // Loads the display strings of one entry; every bound record shows them.
    void fillCellTexts(const CWine& wine) { m_cellTexts.fill(wine); }

    // Takes the record at `from` out and puts it at `to`; the records between close up.
    void moveColumn(int from, int to);

    // Lefts, text x and heading y from the widths, for a pane scrolled horizontalOffset to the right.
    void layout(int horizontalOffset, int rowHeight);

    // Takes the other pane's arrangement (headings, widths, field ids, heading y) and its layout,
    // moved by the difference of the two panes' horizontal offsets; then binds.
    void copyFrom(const EntryListColumns& other, int otherOffset, int ownOffset);

    int gridLeft() const { return m_gridLeft; }
    int gridRight() const { return m_gridRight; }
    int totalWidth() const;

    // The first column reaching x 0 and the last starting left of the grid's right edge;
    // first > last when none is visible.
    int firstVisible() const;
    int lastVisible() const;

private:
    std::array<EntryListColumn, kCount> m_columns;
    EntryListCellTexts m_cellTexts;
    int m_gridLeft = kGridLeftAtNoOffset;
    int m_gridRight = kGridLeftAtNoOffset;
};
