#pragma once

#include "core/model/CWine.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Which column of a tab-separated text each entry field comes from or goes to. The 24 fields are
// kept in one fixed order (the "map order"), which is also the order of a ".bwx" map file and the
// order in which an import lets the first field claim a column.
class FieldMap {
public:
    static constexpr int kFieldCount = 24;
    static constexpr int kUnmapped = 4095;

    enum MapField : int {
        Appellation,
        Bins,
        Cost,
        Country,
        DateAcquired,
        DateModified,
        Designation,
        DrinkDate,
        Notes,
        NumberAcquired,
        NumberRemaining,
        Producer,
        Rating,
        Region,
        TryDate,
        User1,
        User2,
        User3,
        User4,
        User5,
        Value,
        Vendor,
        Vintage,
        WineType,
    };

    // The field index (CWine::Field) of each map field, for captions and text members.
    static CWine::Field fieldIndex(int mapField);
    // The map fields in the order the mapping dialog shows their buttons and boxes.
    static const std::array<int, kFieldCount>& dialogOrder();

    FieldMap() { clear(); }
    void clear() { m_columns.fill(kUnmapped); }

    // 1-based column, or kUnmapped.
    int column(int mapField) const { return m_columns[mapField]; }
    void setColumn(int mapField, int column) { m_columns[mapField] = column; }
    const std::array<int, kFieldCount>& columns() const { return m_columns; }

    // Numbers outside 1..columnCount count as unmapped, as the dialog shows them.
    FieldMap limitedTo(int columnCount) const;
    // The number of columns an export writes: the largest number, or 0 when nothing is mapped.
    int exportColumnCount() const;
    // The numbers are exactly 1..K, each once (K may be 0), as an export needs them.
    bool isExportable() const;
    // For each column 1..count the first map field that claims it, or -1.
    std::vector<int> claimsByColumn(int count) const;

    // ".bwx": the 24 numbers in map order separated by spaces, on one line.
    std::string toText() const;
    // Reads whitespace-separated integers into the map in order; a short text leaves the fields it did
    // not reach as they were. False when not all 24 were read.
    bool readText(const std::string& text);
    [[nodiscard]] std::string store(const std::filesystem::path& path) const;
    // False when the file cannot be read or holds fewer than 24 numbers (what was read is kept).
    bool retrieve(const std::filesystem::path& path);

    // The export check on the dialog's boxes (box texts in dialog order): every filled box holds an
    // integer 1..24 not seen before, and the largest equals the count of filled boxes. On failure gives
    // false and, when one box is to blame, its position in dialog order.
    static bool checkExportBoxes(const std::array<std::string, kFieldCount>& boxes,
                                 std::optional<int>& offendingBox);

    bool operator==(const FieldMap&) const = default;

private:
    std::array<int, kFieldCount> m_columns{};
};
