#pragma once

#include "core/model/WineText.h"

#include <cstdint>

// One dated change of an entry's bottles, cost and value, read from an item of its History text.
// Never stored: the History List rebuilds these from the History texts whenever it recalculates.
struct CHistoryDelta {
    WineText m_strDate;         // "m-d-yy" as the item holds it
    int m_nEntry = -1;          // Working File index of the entry whose History text held the item
    std::int32_t m_nNewQty = 0; // bottles on hand after the change
    std::int32_t m_nOldQty = 0;
    float m_fNewCost = 0.0f;
    float m_fOldCost = 0.0f;
    float m_fNewValue = 0.0f;
    float m_fOldValue = 0.0f;
    // Running totals of the Focus Set just after this change. They are turned into the texts the list
    // shows only for the rows drawn: formatting every record's texts would cost more than the rest
    // of a rebuild.
    std::int32_t m_nTotalBottles = 0;
    float m_fTotalCost = 0.0f;
    float m_fTotalValue = 0.0f;

    std::int32_t change() const { return m_nNewQty - m_nOldQty; }
};
