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

    std::int32_t change() const { return m_nNewQty - m_nOldQty; }
};
