#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The History page's list of an entry's history items, newest first. Each item is one line of seven
// tab-separated fields; in the entry's history text every item is ended by the character with code 6.
class HistoryItemList {
public:
    enum Field { Date, NewQty, OldQty, NewCost, OldCost, NewValue, OldValue, FieldCount };
    using Fields = std::array<std::string, FieldCount>;

    // Replaces the list with the items of a history text, each put in its sorted place. Reading stops
    // at the first empty item; a last item without its end character still counts.
    void load(const std::string& historyText);
    // Every item in list order, each followed by the end character.
    std::string historyText() const;

    // Puts the line before the first item dated earlier, or dated the same with a smaller text;
    // otherwise at the end. Returns its position.
    std::size_t insertSorted(std::string line);
    // Removes the item at the position and gives it back.
    std::string takeAt(std::size_t position);
    void clear() { m_items.clear(); }

    const std::vector<std::string>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }

    // The line of the seven fields joined by tabs.
    static std::string joinFields(const Fields& fields);
    // The line cut at its tabs; the last field takes the rest of the line, missing fields are empty.
    static Fields splitFields(const std::string& line);
    static bool allEmpty(const Fields& fields);

private:
    std::vector<std::string> m_items;
};
