#include "core/document/CBottlewrightDoc.h"
#include "core/views/lists/HistoryList.h"
#include "helpers/DocumentTestAccess.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <string>

namespace {

std::string item(const char* date, int newQty, int oldQty, float newCost, float oldCost, float newValue,
                 float oldValue) {
    char text[200];
    std::snprintf(text, sizeof text, "%s\t%d\t%d\t%.2f\t%.2f\t%.2f\t%.2f", date, newQty, oldQty,
                  static_cast<double>(newCost), static_cast<double>(oldCost), static_cast<double>(newValue),
                  static_cast<double>(oldValue));
    return std::string(text) + kHistoryItemEnd;
}

class HistoryListTest : public ::testing::Test {
protected:
    CWine& add(int left, float cost, float value, std::string history) {
        CWine& wine = *m_doc.focusEntry(m_doc.addNewEntry());
        wine.m_nNumberRemaining = left;
        wine.m_fCost = cost;
        wine.m_fValue = value;
        wine.m_strHistory = std::move(history);
        return wine;
    }
    // The dates of the list's records after a rebuild over one entry holding an item of each date.
    std::vector<std::string> sortedDates(std::initializer_list<const char*> itemDates) {
        std::string history;
        for (const char* date : itemDates)
            history += std::string(date) + kHistoryItemEnd;
        add(0, 0.0f, 0.0f, history);
        m_list.rebuild(m_doc);
        std::vector<std::string> dates;
        for (int i = 0; i < m_list.count(); ++i)
            dates.push_back(m_list.record(i).m_strDate);
        return dates;
    }
    CBottlewrightDoc m_doc{std::filesystem::temp_directory_path() / "bw-historylist-absent" / "none"};
    HistoryList m_list;
};

TEST(HistoryDelta, FillsFromAnItemAndLeavesUnreadableNumbersAtZero) {
    const CHistoryDelta full = HistoryList::deltaFromItem("12-31-97\t10\t12\t1.5\t2\t3.25\t4", 7);
    EXPECT_EQ(full.m_strDate, "12-31-97");
    EXPECT_EQ(full.m_nEntry, 7);
    EXPECT_EQ(full.change(), -2);
    EXPECT_FLOAT_EQ(full.m_fNewCost, 1.5f);
    EXPECT_FLOAT_EQ(full.m_fOldCost, 2.0f);
    EXPECT_FLOAT_EQ(full.m_fNewValue, 3.25f);
    EXPECT_FLOAT_EQ(full.m_fOldValue, 4.0f);
    const CHistoryDelta bad = HistoryList::deltaFromItem("1-2-98\tx\t3", 0);
    EXPECT_EQ(bad.m_nNewQty, 0);
    EXPECT_EQ(bad.m_nOldQty, 3);
    EXPECT_EQ(bad.m_fOldValue, 0.0f);
}

// Plain numbers, no century: year 98 after 97, and 5 (2005) before 97.
TEST_F(HistoryListTest, SortsNewestFirstByYearMonthDayAsRead) {
    EXPECT_EQ(
        sortedDates({"12-31-97", "1-2-98", "5-1-5", "1-30-98", "12-31-97", "2-1-98", "x"}),
        (std::vector<std::string>{"2-1-98", "1-30-98", "1-2-98", "12-31-97", "12-31-97", "5-1-5", "x"}));
}

// Dates too far apart to sort by counting take the quicksort, in the same order.
TEST_F(HistoryListTest, SortsDatesFarApartTheSameWay) {
    EXPECT_EQ(
        sortedDates({"1-1-2000000000", "12-31-97", "1-2-98", "1-1--2000000000", "2-1-98"}),
        (std::vector<std::string>{"1-1-2000000000", "2-1-98", "1-2-98", "12-31-97", "1-1--2000000000"}));
}

// Numbers are read as "%d" and "%f" read them, whichever way the reading takes: in one pass for an
// item as the program writes it, field by field for any other.
TEST(HistoryDelta, ReadsNumbersAsScanfDoes) {
    std::vector<std::string> amounts = {"0",         "-0.00", ".5",   "5.",    "16777217", "9999999.9",
                                        "0.1234567", "1e3",   "0x10", "1.2.3", "-",        ".",
                                        "",          "+5",    "1\t2", " 7"};
    for (int cents = 0; cents < 2000000; cents += 23)
        amounts.push_back(std::to_string(cents / 100) + "." + std::to_string(100 + cents % 100).substr(1));
    const std::vector<std::string> counts = {"0",  "-0", "12",  "-123456789", "1234567890", "99999999999",
                                             "+5", "",   "1.5", "-",          "007",        " 3"};
    const auto scanned = [](const std::string& text, const char* format, auto number) {
        std::sscanf(text.c_str(), format, &number);
        return number;
    };
    for (std::size_t i = 0; i < std::max(amounts.size(), counts.size()); ++i) {
        const std::string& amount = amounts[i % amounts.size()];
        const std::string& count = counts[i % counts.size()];
        // The amount as each of the four amounts, and last, where the item's rest is read.
        for (int place = 0; place < 4; ++place) {
            std::string item = "1-1-98\t" + count + "\t" + count;
            for (int field = 0; field < 4; ++field)
                item += "\t" + (field == place ? amount : std::string("1.25"));
            const CHistoryDelta delta = HistoryList::deltaFromItem(item, 0);
            const float* read[] = {&delta.m_fNewCost, &delta.m_fOldCost, &delta.m_fNewValue,
                                   &delta.m_fOldValue};
            const float expected =
                scanned(place == 3 ? amount : amount.substr(0, amount.find('\t')), "%f", 0.0f);
            ASSERT_EQ(std::memcmp(read[place], &expected, sizeof expected), 0) << item;
            ASSERT_EQ(delta.m_nNewQty, scanned(count, "%d", 0)) << item;
            ASSERT_EQ(delta.m_nOldQty, scanned(count, "%d", 0)) << item;
        }
    }
}

TEST_F(HistoryListTest, NoHistoryGivesNoRecords) {
    add(5, 10.0f, 0.0f, "");
    m_list.rebuild(m_doc);
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(m_list.current().bottles, 5);
}

// Each row shows the totals just after its own change; the newest shows today's totals.
TEST_F(HistoryListTest, RunningTotalsUndoEachNewerChange) {
    add(10, 100.0f, 0.01f, item("1-2-98", 10, 12, 100, 100, 100, 100)); // value falls back to cost
    add(1, 999.99f, 0.0f, item("12-31-97", 1, 0, 999.99f, 0, 999.99f, 0));
    DocumentTestAccess::removeFocusPosition(m_doc, 1);
    DocumentTestAccess::appendToFocusSet(m_doc, 1);
    m_list.rebuild(m_doc);
    ASSERT_EQ(m_list.count(), 2);
    const auto newest = m_list.rowTexts(m_doc, 0);
    EXPECT_EQ(newest,
              (std::array<std::string, 6>{"1-2-98", "-2", "11", "$1,999.99", "$1,999.99", "1993   "}));
    const auto older = m_list.rowTexts(m_doc, 1);
    EXPECT_EQ(older[1], "1");
    EXPECT_EQ(older[2], "13");
    EXPECT_EQ(older[3], "$2,199.99");

    m_doc.discardNewEntry(1);
    EXPECT_EQ(m_list.rowTexts(m_doc, 1)[5], "*****");
}

// A Focus Set large enough to be read on several cores gives the records and totals of one: equal
// dates in Working File order, the totals added in Focus Set order. Dates of eight characters or more
// are lent by the list, and a record copied out keeps its date past the next rebuild.
TEST_F(HistoryListTest, ALargeFocusSetReadsAsInOnePass) {
    constexpr int kEntries = 24000;
    std::mt19937 random(3);
    std::uniform_int_distribution<int> day(1, 28);
    struct Expected {
        int year;
        int day;
        int entry;
    };
    std::vector<Expected> expected;
    for (int entry = 0; entry < kEntries; ++entry) {
        std::string history;
        for (int year : {97, 1998}) {
            const int d = day(random);
            history +=
                item(("1-" + std::to_string(d) + "-" + std::to_string(year)).c_str(), 1, 0, 0, 0, 0, 0);
            expected.push_back({year, d, entry});
        }
        add(entry % 7, 0.1f * static_cast<float>(entry), 0.0f, entry % 3 == 0 ? "" : history);
        if (entry % 3 == 0)
            expected.resize(expected.size() - 2);
    }
    std::vector<int> members(kEntries);
    std::iota(members.begin(), members.end(), 0);
    std::shuffle(members.begin(), members.end(), random);
    DocumentTestAccess::setFocusMembers(m_doc, members);
    m_list.rebuild(m_doc);
    const CHistoryDelta newest = m_list.record(0);
    m_list.rebuild(m_doc);

    std::stable_sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
        return a.year != b.year ? a.year > b.year : a.day > b.day;
    });
    ASSERT_EQ(static_cast<std::size_t>(m_list.count()), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const CHistoryDelta& record = m_list.record(static_cast<int>(i));
        ASSERT_EQ(record.m_nEntry, expected[i].entry) << i;
        ASSERT_EQ(record.m_strDate,
                  "1-" + std::to_string(expected[i].day) + "-" + std::to_string(expected[i].year));
    }
    EXPECT_EQ(newest.m_strDate, m_list.record(0).m_strDate);
    // Each row's bottles are those of the row above with its change undone.
    EXPECT_EQ(m_list.totalsAfter(0).bottles, m_list.current().bottles);
    for (int i = 1; i < m_list.count(); ++i)
        ASSERT_EQ(m_list.totalsAfter(i).bottles,
                  m_list.totalsAfter(i - 1).bottles - m_list.record(i - 1).change())
            << i;
    HistoryList::Totals totals;
    for (const int member : members) {
        const CWine& wine = *m_doc.entry(member);
        totals.bottles += wine.m_nNumberRemaining;
        totals.cost += wine.m_fCost * static_cast<float>(wine.m_nNumberRemaining);
    }
    EXPECT_EQ(m_list.current().bottles, totals.bottles);
    EXPECT_EQ(m_list.current().cost, totals.cost);
}

TEST_F(HistoryListTest, SummaryCountsNewerChangesAndNetChange) {
    std::string history = item("1-1-98", 12, 0, 10, 0, 20, 0); // bought 12
    history += item("2-1-98", 10, 12, 10, 10, 20, 20);         // drank 2
    history += item("3-1-98", 13, 10, 11, 10, 21, 20);         // bought 3 at 11
    add(13, 11.0f, 21.0f, history);
    m_list.rebuild(m_doc);
    ASSERT_EQ(m_list.count(), 3);

    const HistoryList::Summary newest = m_list.summary(0);
    for (const HistoryList::Totals* totals : {&newest.consumed, &newest.acquired, &newest.net}) {
        EXPECT_EQ(totals->bottles, 0);
        EXPECT_EQ(totals->cost, 0.0f);
        EXPECT_EQ(totals->value, 0.0f);
    }
    const HistoryList::Summary oldest = m_list.summary(2);
    EXPECT_EQ(HistoryList::summaryText(oldest),
              "Change since 1-1-98:\n\nConsumption:\n2 bottles\ncost:  $20.00\nvalue:  $40.00\n\n"
              "Acquisition:\n3 bottles\ncost:  $33.00\nvalue:  $63.00\n\n"
              "Net Change:\n1 bottles\ncost:  $23.00\nvalue:  $33.00");
}

TEST(HistoryListLayout, AnchorsRowsAndClicks) {
    EXPECT_EQ(HistoryListLayout::anchors(50, 20, 30, 70), (std::array<int, 6>{60, 90, 130, 210, 290, 310}));
    EXPECT_EQ(HistoryListLayout::rowsPerPage(205, 20), 9);
    EXPECT_EQ(HistoryListLayout::recordAt(22, 20, 0, 5), std::nullopt); // heading
    EXPECT_EQ(HistoryListLayout::recordAt(23, 20, 0, 5), 0);
    EXPECT_EQ(HistoryListLayout::recordAt(43, 20, 3, 5), 4);
    EXPECT_EQ(HistoryListLayout::recordAt(63, 20, 3, 5), std::nullopt); // below the last
}

} // namespace
