#pragma once

#include "core/views/graphs/GraphSettings.h"

#include <cstdint>
#include <string>
#include <vector>

class CWine;

// The bars of one graph in display order: a label and a count each (bottles, or whole dollars in the
// spending graph, which also keeps the bottles of each month).
struct GraphBars {
    std::vector<std::string> labels;
    std::vector<std::int32_t> counts;
    std::vector<std::int32_t> bottles;
    std::int32_t maxCount = 1; // largest count of all bars, at least 1
    int yearBars = 150;        // vintage graph: bars before "NV"

    int size() const { return static_cast<int>(labels.size()); }
};

// The Focus Set's entries in Focus Set order (CBottlewrightDoc::focusEntries).
using FocusEntries = std::vector<const CWine*>;

struct MonthYear {
    int month = 1;
    int year = 1970;
};

// The spending graph books entries by the month it was opened in, while its labels follow the clock.
struct SpendingClock {
    MonthYear reference;
    MonthYear now;
};

inline constexpr int kSpendingBars = 121; // ten years of months and "Other"

// The bottle number an entry adds under a scope: remaining, acquired, or consumed (may be negative).
std::int32_t scopeQuantity(const CWine& wine, int scope);

// The bar of the spending graph a Date Acquired text falls in; "Other" (the last) for no usable date.
int monthIndex(std::string_view dateAcquired, MonthYear reference, int numberOfBars = kSpendingBars);

// The label a category graph counts an entry under (empty: in no bar).
std::string_view categoryLabel(GraphKind kind, const CWine& wine);

// The bars of a graph, unsorted: category bars in the order their texts first occur, range and month
// bars in bucket order.
GraphBars buildBars(GraphKind kind, const FocusEntries& focus, const GraphSettings& settings,
                    const SpendingClock& clock = {});

// Label or count order by the "Sort" setting; any other setting compares as 1.
int compareBars(const GraphBars& bars, int a, int b, int sort);
// The graph's quicksort of bars lo..hi; its order of swaps decides where equal bars land.
void sortBarRange(GraphBars& bars, int lo, int hi, int sort);
// Sorts every bar as the graph sorts them (cost, value and spending graphs do not).
void sortBars(GraphKind kind, GraphBars& bars, int sort);

// The "Bar Details" text of the selected bar: a heading, then one line per entry in it.
std::string barDetails(GraphKind kind, const GraphBars& bars, int selected, const FocusEntries& focus,
                       const GraphSettings& settings, MonthYear reference = {});
// The brief details message of a bar.
std::string briefDetails(const GraphBars& bars, int selected);
// Caption of the details dialog.
const char* detailsCaption(GraphKind kind, int scope);
