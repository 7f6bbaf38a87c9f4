#include "core/views/graphs/GraphBars.h"

#include <gtest/gtest.h>

namespace {

struct Cellar {
    std::vector<CWine> wines;
    FocusEntries focus() const {
        FocusEntries entries;
        for (const CWine& wine : wines)
            entries.push_back(&wine);
        return entries;
    }
};

CWine wine(const std::string& producer, int remaining, int acquired = 0) {
    CWine result;
    result.m_strProducer = producer;
    result.m_nNumberRemaining = remaining;
    result.m_nNumberAcquired = acquired;
    return result;
}

CWine priced(float cost, float value, int remaining = 1) {
    CWine result = wine("P", remaining);
    result.m_fCost = cost;
    result.m_fValue = value;
    return result;
}

std::vector<std::pair<std::string, int>> pairs(const GraphBars& bars) {
    std::vector<std::pair<std::string, int>> result;
    for (int i = 0; i < bars.size(); ++i)
        result.emplace_back(bars.labels[i], bars.counts[i]);
    return result;
}

} // namespace

TEST(GraphBars, CategoryBarsKeepFirstOccurrenceOrderAndExactTexts) {
    Cellar cellar{
        {wine("Beta", 2, 5), wine("", 7), wine("alpha", 0, 3), wine("Beta", 1, 1), wine("Alpha", 4, 1)}};
    GraphSettings settings;
    GraphBars bars = buildBars(GraphKind::Producer, cellar.focus(), settings);
    EXPECT_EQ(pairs(bars),
              (std::vector<std::pair<std::string, int>>{{"Beta", 3}, {"alpha", 0}, {"Alpha", 4}}));
    EXPECT_EQ(bars.maxCount, 4);

    settings.scope = 2; // consumed: more remaining than acquired lowers the bar
    bars = buildBars(GraphKind::Producer, cellar.focus(), settings);
    EXPECT_EQ(pairs(bars),
              (std::vector<std::pair<std::string, int>>{{"Beta", 3}, {"alpha", 3}, {"Alpha", -3}}));

    settings.scope = 0;
    bars = buildBars(GraphKind::Producer, cellar.focus(), settings);
    EXPECT_EQ(barDetails(GraphKind::Producer, bars, 1, cellar.focus(), settings),
              "alpha:  0 bottles in 1 entries\r\n(3 total bars for this graph)\r\n  0   1993 alpha  \r\n");
    EXPECT_EQ(barDetails(GraphKind::Producer, bars, -1, cellar.focus(), settings), "");
}

TEST(GraphBars, SortOrdersAndTiesFallWhereTheQuicksortPutsThem) {
    const auto sorted = [](int sort) {
        GraphBars bars;
        bars.labels = {"C", "a", "B", "D", "E"};
        bars.counts = {2, 1, 2, 5, 2};
        sortBars(GraphKind::Producer, bars, sort);
        return bars.labels;
    };
    using Labels = std::vector<std::string>;
    EXPECT_EQ(sorted(0), (Labels{"B", "C", "D", "E", "a"})); // byte order: capitals first
    EXPECT_EQ(sorted(1), (Labels{"a", "E", "D", "C", "B"}));
    EXPECT_EQ(sorted(2), (Labels{"a", "B", "E", "C", "D"})); // ties in the quicksort's own order
    EXPECT_EQ(sorted(3), (Labels{"D", "B", "E", "C", "a"}));

    GraphBars cost;
    cost.labels = {"$2", "$1"};
    cost.counts = {1, 2};
    sortBars(GraphKind::Cost, cost, 0);
    EXPECT_EQ(cost.labels, (Labels{"$2", "$1"}));
}

TEST(GraphBars, CostAndValueBucketsByWholeDollars) {
    Cellar cellar{{priced(9.99f, 0), priced(10.0f, 0), priced(80.0f, 0), priced(300.0f, 0), priced(24.5f, 0),
                   priced(24.5f, 30.0f, 2)}};
    const GraphSettings settings;
    const GraphBars cost = buildBars(GraphKind::Cost, cellar.focus(), settings);
    ASSERT_EQ(cost.size(), 72);
    EXPECT_EQ(cost.labels[0], "$10-");
    EXPECT_EQ(cost.labels[1], "$10");
    EXPECT_EQ(cost.labels[70], "$79");
    EXPECT_EQ(cost.labels[71], "$80+");
    EXPECT_EQ(cost.counts[0], 1);
    EXPECT_EQ(cost.counts[1], 1);
    EXPECT_EQ(cost.counts[15], 3);
    EXPECT_EQ(cost.counts[71], 2);

    const GraphBars value = buildBars(GraphKind::Value, cellar.focus(), settings);
    EXPECT_EQ(value.counts[15], 1); // Value 0 counts at its Cost
    EXPECT_EQ(value.counts[21], 2);
    EXPECT_EQ(barDetails(GraphKind::Value, value, 15, cellar.focus(), settings),
              "$24:  1 bottles in 1 entries\r\n(72 total bars for this graph)\r\n"
              "  1   1993 P   ($24.50)\r\n");
    EXPECT_EQ(barDetails(GraphKind::Cost, cost, 71, cellar.focus(), settings),
              "$80+:  2 bottles in 2 entries\r\n(72 total bars for this graph)\r\n"
              "  1   1993 P   ($80.00)\r\n  1   1993 P   ($300.00)\r\n");
    EXPECT_EQ(
        barDetails(GraphKind::Cost, cost, 0, cellar.focus(), settings),
        "$10-:  1 bottles in 1 entries\r\n(72 total bars for this graph)\r\n  1   1993 P   ($9.99)\r\n");
}

TEST(GraphBars, VintageBarsLeaveOutYearsOutsideTheRange) {
    Cellar cellar{{wine("A", 1), wine("B", 2), wine("C", 4), wine("D", 8)}};
    cellar.wines[0].m_nVintage = 1965;
    cellar.wines[1].m_nVintage = 0;
    cellar.wines[2].m_nVintage = 1970;
    cellar.wines[3].m_nVintage = 1995;
    GraphSettings settings;
    GraphBars bars = buildBars(GraphKind::Vintage, cellar.focus(), settings);
    ASSERT_EQ(bars.size(), 27);
    EXPECT_EQ(bars.yearBars, 26);
    EXPECT_EQ(pairs(bars)[0], (std::pair<std::string, int>{"1970", 4}));
    EXPECT_EQ(pairs(bars)[25], (std::pair<std::string, int>{"1995", 8}));
    EXPECT_EQ(pairs(bars)[26], (std::pair<std::string, int>{"NV", 2}));
    EXPECT_EQ(barDetails(GraphKind::Vintage, bars, 26, cellar.focus(), settings),
              "NV:  2 bottles in 1 entries\r\n(27 total bars for this graph)\r\n  2     NV B  \r\n");
    sortBars(GraphKind::Vintage, bars, 1);
    EXPECT_EQ(bars.labels.front(), "NV");

    settings.minVintage = 2000; // a reversed range must not fail
    settings.maxVintage = 1990;
    EXPECT_EQ(buildBars(GraphKind::Vintage, cellar.focus(), settings).labels, std::vector<std::string>{"NV"});
}

TEST(GraphBars, MonthIndex) {
    const MonthYear december2026{12, 2026};
    const struct {
        const char* date;
        int index;
    } cases[] = {
        {"11-15-26", 1}, {"12-1-2026", 0}, {"3-17", 117}, {"3-97", 120}, {"3-96", 120}, {"12-1-16", 120},
        {"1-1-17", 119}, {"2027", 120},    {"2026", 11},  {"", 120},     {"abc", 120},  {"1-5-27", 120},
    };
    for (const auto& c : cases)
        EXPECT_EQ(monthIndex(c.date, december2026), c.index) << c.date;
}

TEST(GraphBars, SpendingBooksDollarsAndBottlesByMonth) {
    Cellar cellar{{wine("A", 0, 6), wine("B", 0, 2), wine("C", 0, 1)}};
    cellar.wines[0].m_fCost = 12.99f;
    cellar.wines[0].m_strDateAcquired = "11-15-26";
    cellar.wines[1].m_fCost = 10.0f;
    cellar.wines[1].m_strDateAcquired = "1-1-27"; // the future goes to "Other"
    cellar.wines[2].m_fCost = 5.0f;
    cellar.wines[2].m_strDateAcquired = "12-3-26";
    const SpendingClock clock{{12, 2026}, {1, 2027}}; // opened in December, labels already in January
    const GraphBars bars = buildBars(GraphKind::Spending, cellar.focus(), GraphSettings{}, clock);
    ASSERT_EQ(bars.size(), 121);
    EXPECT_EQ(bars.labels[0], "Jan 2027");
    EXPECT_EQ(bars.labels[1], "Dec 2026");
    EXPECT_EQ(bars.labels[119], "Feb 2017");
    EXPECT_EQ(bars.labels[120], "Other");
    EXPECT_EQ(bars.counts[1], 77);
    EXPECT_EQ(bars.bottles[1], 6);
    EXPECT_EQ(bars.counts[120], 20);
    EXPECT_EQ(barDetails(GraphKind::Spending, bars, 1, cellar.focus(), GraphSettings{}, clock.reference),
              "Dec 2026:  $77, 6 bottles\r\nSince:  $5, 1 bottles\r\nBefore:  $20, 2 bottles\r\n"
              "  6   1993 A   ($12.99)\r\n");
    EXPECT_EQ(briefDetails(bars, 1), "Dec 2026:  77 bottles\n\n121 total bars");
}
