#pragma once

#include "core/model/CWine.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

// The user's order for the Focus Set: up to 24 keyed fields, each ascending or descending.
// Producer and then Vintage break every tie left by the keys.
class SortPrecedence {
public:
    static constexpr int kNoKey = 25;
    static constexpr int kSortableCount = 24;

    // The sortable fields in the order of the lines of a precedence file.
    static const std::array<int, kSortableCount>& fileOrder();
    // The order in which fields are searched for each precedence number: when two fields carry the
    // same number only the first of them in this order is a key.
    static const std::array<int, kSortableCount>& testingOrder();

    SortPrecedence();

    // Precedence number 1..24, or kNoKey; indexed by field index (Notes is never a key). Any other
    // number, as a file may hold, is kept but never a key.
    int precedence(int field) const { return m_precedence[field]; }
    bool descending(int field) const { return m_descending[field] != 0; }
    void setPrecedence(int field, int number);
    void setDescending(int field, bool descending) { m_descending[field] = descending ? 1 : 0; }
    // Every field keyless and ascending.
    void clear();

    // A precedence file: 24 lines of "%d %d\n", in fileOrder(). Reading stores each pair as it is read
    // and succeeds only when all 24 are read; whatever follows them is ignored.
    bool read(const std::filesystem::path& path);
    // The same from the file's text.
    bool parse(const std::string& text);
    bool write(const std::filesystem::path& path) const;

    // Negative, zero or positive as a sorts before, with or after b.
    int compare(const CWine& a, const CWine& b) const;

    // The fields a comparison looks at, in order, each with its direction: the keys, then Producer and
    // Vintage for the ties they leave (unless all 24 fields are keys).
    template <typename Visit> void forEachKey(Visit visit) const {
        for (int k = 0; k < m_keyCount; ++k)
            visit(m_keys[k], m_descending[m_keys[k]] != 0);
        if (m_keyCount < kSortableCount) {
            visit(static_cast<int>(CWine::Producer), m_descending[CWine::Producer] != 0);
            visit(static_cast<int>(CWine::Vintage), m_descending[CWine::Vintage] != 0);
        }
    }

    // Sorts focus[0..count) in place with the program's own quicksort; its order among equal entries
    // is part of the behaviour, so no library sort stands in for it.
    void sort(std::vector<int>& focus, int count, const WineList& entries) const;

    bool operator==(const SortPrecedence& other) const {
        return m_precedence == other.m_precedence && m_descending == other.m_descending;
    }

private:
    // The keys in precedence order up to the first number that no field carries; worked out whenever
    // a number changes so that a comparison only walks this list.
    void planKeys();

    std::array<int, CWine::FieldCount> m_precedence{};
    std::array<int, CWine::FieldCount> m_descending{};
    std::array<int, kSortableCount> m_keys{};
    int m_keyCount = 0;
};
