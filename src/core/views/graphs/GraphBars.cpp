#include "core/views/graphs/GraphBars.h"

#include "core/model/CWine.h"
#include "core/model/WineDates.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <unordered_map>
#include <utility>

namespace {

std::string format(const char* pattern, ...) {
    va_list arguments;
    va_start(arguments, pattern);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), pattern, arguments);
    va_end(arguments);
    text.pop_back();
    return text;
}

// Truncation toward zero, kept within 32 bits for absurd amounts.
long long whole(double amount) {
    return static_cast<long long>(std::clamp(amount, -2.0e9, 2.0e9));
}

// Visits the Focus Set's entries in order, asking for those a few places on meanwhile: sorted, they lie
// scattered in memory, and waiting for each in turn would be most of a pass over a large cellar.
template <typename Visit> void forEachEntry(const FocusEntries& focus, Visit&& visit) {
    constexpr std::size_t kLookAhead = 8;
    for (std::size_t i = 0; i < focus.size(); ++i) {
        if (i + kLookAhead < focus.size())
            focus[i + kLookAhead]->prefetch();
        visit(focus[i]);
    }
}

void finishMaximum(GraphBars& bars) {
    bars.maxCount = 1;
    for (const std::int32_t count : bars.counts)
        bars.maxCount = std::max(bars.maxCount, count);
}

GraphBars categoryBars(GraphKind kind, const FocusEntries& focus, int scope) {
    GraphBars bars;
    // first bar of each text; bars keep the order in which texts first occur. The keys are the
    // entries' own texts, which stay as they are while the bars are built.
    std::unordered_map<std::string_view, int> barOf;
    forEachEntry(focus, [&](const CWine* wine) {
        const std::string_view text = categoryLabel(kind, *wine);
        if (text.empty())
            return;
        const std::int32_t quantity = scopeQuantity(*wine, scope);
        const auto [found, added] = barOf.try_emplace(text, bars.size());
        if (added) {
            bars.labels.emplace_back(text);
            bars.counts.push_back(quantity);
        } else {
            bars.counts[found->second] += quantity;
        }
    });
    finishMaximum(bars);
    return bars;
}

float rangeAmount(GraphKind kind, const CWine& wine) {
    return kind == GraphKind::Cost ? wine.m_fCost : wine.effectiveValue();
}

GraphBars moneyBars(GraphKind kind, const FocusEntries& focus, const GraphSettings& settings) {
    const GraphRange range = graphRange(kind, settings);
    // a range read back reversed still gives the two end bars
    const int n = std::max(range.maximum - range.minimum + 1, 1);
    GraphBars bars;
    bars.counts.assign(n + 1, 0);
    bars.labels.reserve(n + 1);
    bars.labels.push_back(format("$%d-", range.minimum));
    for (int k = 1; k < n; ++k)
        bars.labels.push_back(format("$%d", range.minimum + k - 1));
    bars.labels.push_back(format("$%d+", range.maximum));
    forEachEntry(focus, [&](const CWine* wine) {
        const long long i = whole(rangeAmount(kind, *wine)) - range.minimum + 1;
        bars.counts[std::clamp<long long>(i, 0, n)] += scopeQuantity(*wine, settings.scope);
    });
    finishMaximum(bars);
    return bars;
}

GraphBars vintageBars(const FocusEntries& focus, const GraphSettings& settings) {
    GraphBars bars;
    const int years = std::max(settings.maxVintage - settings.minVintage + 1, 0);
    bars.yearBars = years;
    bars.counts.assign(years + 1, 0);
    for (int k = 0; k < years; ++k)
        bars.labels.push_back(format("%d", settings.minVintage + k));
    bars.labels.emplace_back("NV");
    forEachEntry(focus, [&](const CWine* wine) {
        if (wine->m_nVintage == 0) {
            bars.counts[years] += scopeQuantity(*wine, settings.scope);
            return;
        }
        const long long i = static_cast<long long>(wine->m_nVintage) - settings.minVintage;
        if (i >= 0 && i < years)
            bars.counts[i] += scopeQuantity(*wine, settings.scope);
    });
    finishMaximum(bars);
    return bars;
}

constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

GraphBars spendingBars(const FocusEntries& focus, const SpendingClock& clock) {
    GraphBars bars;
    bars.counts.assign(kSpendingBars, 0);
    bars.bottles.assign(kSpendingBars, 0);
    bars.labels.reserve(kSpendingBars);
    MonthYear month = clock.now;
    for (int i = 0; i < kSpendingBars - 1; ++i) {
        bars.labels.push_back(format("%s %d", kMonthNames[(month.month - 1 + 1200) % 12], month.year));
        if (--month.month < 1) {
            month.month = 12;
            --month.year;
        }
    }
    bars.labels.emplace_back("Other");
    forEachEntry(focus, [&](const CWine* wine) {
        const int i = monthIndex(wine->m_strDateAcquired, clock.reference);
        bars.bottles[i] += wine->m_nNumberAcquired;
        bars.counts[i] += static_cast<std::int32_t>(
            whole(static_cast<double>(wine->m_nNumberAcquired) * static_cast<double>(wine->m_fCost)));
    });
    finishMaximum(bars);
    return bars;
}

std::string withHeading(const GraphBars& bars, int selected, int matches, const std::string& lines) {
    return format("%s:  %d bottles in %d entries\r\n(%d total bars for this graph)\r\n",
                  bars.labels[selected].c_str(), bars.counts[selected], matches, bars.size()) +
           lines;
}

std::string entryLine(std::int32_t quantity, const CWine& wine) {
    return format("%3d   ", quantity) + wine.description();
}

std::string categoryDetails(GraphKind kind, const GraphBars& bars, int selected, const FocusEntries& focus,
                            int scope) {
    std::string lines;
    int matches = 0;
    forEachEntry(focus, [&](const CWine* wine) {
        if (categoryLabel(kind, *wine) != bars.labels[selected])
            return;
        ++matches;
        lines += entryLine(scopeQuantity(*wine, scope), *wine) + "\r\n";
    });
    return withHeading(bars, selected, matches, lines);
}

std::string moneyDetails(GraphKind kind, const GraphBars& bars, int selected, const FocusEntries& focus,
                         int scope) {
    const std::string& label = bars.labels[selected];
    const bool below = label.find('-', 1) != std::string::npos;
    const bool above = !below && label.find('+', 1) != std::string::npos;
    int dollars = 0;
    if (label.size() > 1)
        std::sscanf(label.c_str() + 1, "%d", &dollars);
    std::string lines;
    int matches = 0;
    forEachEntry(focus, [&](const CWine* wine) {
        const float amount = rangeAmount(kind, *wine);
        const long long c = whole(amount);
        const bool match = below ? c < dollars : above ? c >= dollars : c == dollars;
        if (!match)
            return;
        ++matches;
        lines += entryLine(scopeQuantity(*wine, scope), *wine) +
                 format(" ($%.2f)", static_cast<double>(amount)) + "\r\n";
    });
    return withHeading(bars, selected, matches, lines);
}

std::string vintageDetails(const GraphBars& bars, int selected, const FocusEntries& focus, int scope) {
    const std::string& label = bars.labels[selected];
    int year = 0;
    if (label != "NV")
        std::sscanf(label.c_str(), "%d", &year);
    std::string lines;
    int matches = 0;
    forEachEntry(focus, [&](const CWine* wine) {
        if (wine->m_nVintage != year)
            return;
        ++matches;
        lines += entryLine(scopeQuantity(*wine, scope), *wine) + "\r\n";
    });
    return withHeading(bars, selected, matches, lines);
}

std::string spendingDetails(const GraphBars& bars, int selected, const FocusEntries& focus,
                            MonthYear reference) {
    long long sinceDollars = 0;
    long long sinceBottles = 0;
    long long beforeDollars = 0;
    long long beforeBottles = 0;
    for (int i = 0; i < bars.size(); ++i) {
        if (i < selected) {
            sinceDollars += bars.counts[i];
            sinceBottles += bars.bottles[i];
        } else if (i > selected) {
            beforeDollars += bars.counts[i];
            beforeBottles += bars.bottles[i];
        }
    }
    std::string text =
        format("%s:  $%d, %d bottles\r\nSince:  $%d, %d bottles\r\nBefore:  $%d, %d bottles\r\n",
               bars.labels[selected].c_str(), bars.counts[selected], bars.bottles[selected],
               static_cast<int>(sinceDollars), static_cast<int>(sinceBottles),
               static_cast<int>(beforeDollars), static_cast<int>(beforeBottles));
    forEachEntry(focus, [&](const CWine* wine) {
        if (monthIndex(wine->m_strDateAcquired, reference, bars.size()) == selected)
            text += entryLine(wine->m_nNumberAcquired, *wine) +
                    format(" ($%.2f)\r\n", static_cast<double>(wine->m_fCost));
    });
    return text;
}

void swapBars(GraphBars& bars, int a, int b) {
    std::swap(bars.labels[a], bars.labels[b]);
    std::swap(bars.counts[a], bars.counts[b]);
}

} // namespace

std::int32_t scopeQuantity(const CWine& wine, int scope) {
    switch (scope) {
    case 1:
        return wine.m_nNumberAcquired;
    case 2:
        return wine.numberConsumed();
    default:
        return wine.m_nNumberRemaining;
    }
}

int monthIndex(std::string_view dateAcquired, MonthYear reference, int numberOfBars) {
    const int other = numberOfBars - 1;
    if (dateAcquired.empty())
        return other;
    int numbers[3] = {0, 0, 0};
    const int read = scanDateNumbers(dateAcquired, numbers);
    if (read <= 0)
        return other;
    // "m-d-y", "m-y", or a year alone, which counts as its January
    const int month = read == 1 ? 1 : numbers[0];
    const int year = widenYear(numbers[read - 1]);
    const long long index = (static_cast<long long>(reference.year) - year) * 12 + reference.month -
                            static_cast<long long>(month);
    return index >= 0 && index <= other ? static_cast<int>(index) : other;
}

std::string_view categoryLabel(GraphKind kind, const CWine& wine) {
    const WineText* text = wine.textField(graphKindInfo(kind).field);
    return text != nullptr ? text->view() : std::string_view();
}

GraphBars buildBars(GraphKind kind, const FocusEntries& focus, const GraphSettings& settings,
                    const SpendingClock& clock) {
    switch (kind) {
    case GraphKind::Cost:
    case GraphKind::Value:
        return moneyBars(kind, focus, settings);
    case GraphKind::Vintage:
        return vintageBars(focus, settings);
    case GraphKind::Spending:
        return spendingBars(focus, clock);
    default:
        return categoryBars(kind, focus, settings.scope);
    }
}

int compareBars(const GraphBars& bars, int a, int b, int sort) {
    switch (sort) {
    case 0:
        return bars.labels[a].compare(bars.labels[b]);
    case 1:
        return bars.labels[b].compare(bars.labels[a]);
    case 2:
        return bars.counts[a] - bars.counts[b];
    case 3:
        return bars.counts[b] - bars.counts[a];
    default:
        return 1;
    }
}

void sortBarRange(GraphBars& bars, int lo, int hi, int sort) {
    if (lo >= hi)
        return;
    swapBars(bars, lo, (lo + hi) / 2);
    int last = lo;
    for (int i = lo + 1; i <= hi; ++i) {
        if (compareBars(bars, i, lo, sort) < 0)
            swapBars(bars, ++last, i);
    }
    swapBars(bars, lo, last);
    sortBarRange(bars, lo, last - 1, sort);
    sortBarRange(bars, last + 1, hi, sort);
}

void sortBars(GraphKind kind, GraphBars& bars, int sort) {
    if (!isUnsortedGraph(kind))
        sortBarRange(bars, 0, bars.size() - 1, sort);
}

std::string barDetails(GraphKind kind, const GraphBars& bars, int selected, const FocusEntries& focus,
                       const GraphSettings& settings, MonthYear reference) {
    if (selected < 0 || selected >= bars.size())
        return {};
    switch (kind) {
    case GraphKind::Cost:
    case GraphKind::Value:
        return moneyDetails(kind, bars, selected, focus, settings.scope);
    case GraphKind::Vintage:
        return vintageDetails(bars, selected, focus, settings.scope);
    case GraphKind::Spending:
        return spendingDetails(bars, selected, focus, reference);
    default:
        return categoryDetails(kind, bars, selected, focus, settings.scope);
    }
}

std::string briefDetails(const GraphBars& bars, int selected) {
    return format("%s:  %d bottles\n\n%d total bars", bars.labels[selected].c_str(), bars.counts[selected],
                  bars.size());
}

const char* detailsCaption(GraphKind kind, int scope) {
    if (kind == GraphKind::Spending)
        return "Wines Purchased";
    switch (scope) {
    case 1:
        return "Wines Acquired";
    case 2:
        return "Wines Consumed";
    default:
        return "Wines Remining";
    }
}
