#pragma once

#include "core/document/SortPrecedence.h"

#include <array>
#include <optional>
#include <string>

// What the Sort Precedence dialog shows: one number box and one descending check per sortable field,
// and the numbering that the "#" buttons follow after a Clear.
class SortPrecedenceForm {
public:
    static constexpr int kRows = 8;
    static constexpr int kColumns = 3;

    // The field of each row, column by column from the top left; also the order in which the boxes
    // are taken.
    static const std::array<int, SortPrecedence::kSortableCount>& layout();

    const std::string& text(int field) const { return m_texts[field]; }
    void setText(int field, std::string text) { m_texts[field] = std::move(text); }
    bool isDescending(int field) const { return m_descending[field]; }
    void setDescending(int field, bool descending) { m_descending[field] = descending; }

    bool isNumbering() const { return m_numbering; }
    int nextNumber() const { return m_nextNumber; }

    // Shows the precedence: keyless fields (and numbers outside 1..25) as empty boxes.
    void fill(const SortPrecedence& precedence);

    // Takes the boxes into precedence in layout order, each check with its box. Stops at the first
    // box that is neither empty nor a number from 1 to 25 and gives its field: the boxes before it
    // are already taken. The caller then shows invalidNumberMessage().
    std::optional<int> take(SortPrecedence& precedence) const;
    static std::string invalidNumberMessage();

    // Empties every box and check, and starts numbering at 1.
    void clear();
    // Writes the next number into the field's box while numbering; false when not numbering.
    bool number(int field);
    // Numbering ends whenever the dialog closes.
    void endNumbering();

private:
    std::array<std::string, CWine::FieldCount> m_texts;
    std::array<bool, CWine::FieldCount> m_descending{};
    bool m_numbering = false;
    int m_nextNumber = 1;
};
