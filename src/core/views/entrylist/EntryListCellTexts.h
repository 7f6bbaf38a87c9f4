#pragma once

#include "core/model/CWine.h"

#include <array>
#include <string>

// The display strings of one entry, one per field id, as the grid shows them in a row.
class EntryListCellTexts {
public:
    void fill(const CWine& wine);

    const std::string& text(int fieldId) const { return m_texts[fieldId]; }

private:
    std::array<std::string, CWine::FieldCount> m_texts;
};
