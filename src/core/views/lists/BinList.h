#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CBottlewrightDoc;

// The Bin List's bins: every bin named in the Bins texts of the Working File, sorted by name, each
// with the entries placed in it and their bottles there.
class BinList {
public:
    struct Bin {
        int startLine = 0; // index of the bin's heading line in the whole list
        std::string name;
        std::int32_t total = 0;
        std::vector<int> wines;           // Working File indices, in the order met
        std::vector<std::int32_t> counts; // bottles of each of those entries in the bin
    };

    // One place named by a Bins text.
    struct Placement {
        std::string name;
        std::int32_t count = 0;
    };

    // One line of the list: a bin's heading (wine < 0) or the line of its wine-th entry.
    struct Line {
        int bin = 0;
        int wine = -1;
    };

    static inline const std::string kNotListed = "AANot Listed";

    // The places named by a Bins text: items separated by ",", each a name optionally followed by "-"
    // and a count. Without a readable count an item holds all the bottles left when it is the only
    // item, else 1. An empty text names "AANot Listed".
    static std::vector<Placement> parse(std::string_view binsText, std::int32_t bottlesLeft);
    // Before (negative), equal (0) or after: digit runs compare as numbers, letters after the rest,
    // capitals before small letters; a name that begins another compares equal to it.
    static int compareNames(const std::string& a, const std::string& b);

    void rebuild(const CBottlewrightDoc& document);

    const std::vector<Bin>& bins() const { return m_bins; }
    // Each bin's heading line and one line per wine.
    int totalLines() const { return m_totalLines; }
    // The bin whose lines hold the line (found by bisection over the start lines); -1 when none do.
    int binAtLine(int line) const;
    // Up to count lines from the line on.
    std::vector<Line> lines(int firstLine, int count) const;
    // The text of a line: "%s - %d" of name and total, or "%d " of the count and the wine's
    // description ("*****" when the entry is gone).
    std::string lineText(const CBottlewrightDoc& document, const Line& line) const;

    // Pages needed for the lines at perPage lines a page.
    static int pageCount(int lines, int perPage) { return perPage > 0 ? (lines + perPage - 1) / perPage : 0; }

    // The x at which the line is drawn.
    static int lineX(const Line& line) { return line.wine < 0 ? 10 : 30; }

private:
    std::vector<Bin> m_bins;
    int m_totalLines = 0;
};
