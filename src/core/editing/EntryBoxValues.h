#pragma once

#include "core/model/CWine.h"

#include <cstdint>
#include <string>

// What the Entry Box's pages hold for the entry on show: the General page's fields (Cost and Value
// as the texts shown), the Notes page's notes and the History page's pending history text, plus the
// entry's one-line description shown on the Notes and History pages.
struct EntryBoxValues {
    std::int32_t vintage = 0;
    std::int32_t numberAcquired = 0;
    std::int32_t numberRemaining = 0;
    std::string producer;
    std::string appellation;
    std::string designation;
    std::string region;
    std::string country;
    std::string wineType;
    std::string vendor;
    std::string bins;
    std::string user1;
    std::string user2;
    std::string user3;
    std::string user4;
    std::string user5;
    std::string rating;
    std::string cost; // "%.2f" when loaded from an entry
    std::string value;
    std::string dateAcquired;
    std::string tryDate;
    std::string drinkDate;
    std::string dateModified;
    std::string notes;
    std::string history;
    std::string description;

    // Every field of the entry, Cost and Value written with "%.2f".
    static EntryBoxValues fromWine(const CWine& wine);

    // Nothing worth keeping: vintage 1993, no bottles, and no names or notes.
    bool holdsNoSignificantInformation() const;
    // Whether storing would change the entry: every stored field but the spare text, Cost and
    // Value read from their texts with "%f", texts compared exactly.
    bool differsFrom(const CWine& wine) const;
    // Writes every field into the entry and stamps Date Modified with today's date. A Cost or Value
    // text that cannot be read leaves that amount as it was.
    void storeInto(CWine& wine) const;

    bool operator==(const EntryBoxValues&) const = default;
};
