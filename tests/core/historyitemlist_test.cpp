#include "core/editing/HistoryItemList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::string item(const std::string& date, const std::string& newQty = "6") {
    return date + "\t" + newQty + "\t12\t10.00\t10.00\t15.00\t15.00";
}

std::vector<std::string> inserted(const std::vector<std::string>& lines) {
    HistoryItemList list;
    for (const std::string& line : lines) {
        const std::size_t position = list.insertSorted(line);
        EXPECT_EQ(list.items().at(position), line);
    }
    return list.items();
}

} // namespace

// Newest first; on the same date in descending order of the text; an empty date last (the quantity after
// it must not be taken for a year); two-digit years below 50 are 20xx.
TEST(HistoryItemList, SortedTheSameWhateverTheOrderOfInsertion) {
    const std::vector<std::vector<std::string>> sortedLists{
        {item("3-2-96"), item("1-5-95"), item("12-31-94")},
        {item("1-5-95"), item("12-31-94"), item("", "3")},
        {item("1-5-95", "3"), item("1-5-95", "2"), item("1-5-95", "10")},
        {item("1-5-95"), item("01-05-95")},
        {item("5-1-49"), item("5-1-99"), item("5-1-50")},
        {item("1-5-95"), item("1-5-95")},
    };
    for (const std::vector<std::string>& expected : sortedLists) {
        std::vector<std::string> order = expected;
        std::sort(order.begin(), order.end());
        do {
            EXPECT_EQ(inserted(order), expected) << "inserted as " << ::testing::PrintToString(order);
        } while (std::next_permutation(order.begin(), order.end()));
    }
}

TEST(HistoryItemList, LoadsHistoryTextAndWritesItBackSorted) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"every item ended",
         item("1-5-95") + "\x06" + item("3-2-96") + "\x06",
         {item("3-2-96"), item("1-5-95")}},
        {"last item without its end",
         item("1-5-95") + "\x06" + item("3-2-96"),
         {item("3-2-96"), item("1-5-95")}},
        {"stops at the first empty item",
         item("1-5-95") + "\x06\x06" + item("3-2-96") + "\x06",
         {item("1-5-95")}},
        {"empty text", "", {}},
        {"leading end character", "\x06" + item("1-5-95"), {}},
    };
    for (const Case& c : cases) {
        HistoryItemList list;
        list.insertSorted(item("9-9-99"));
        list.load(c.text);
        EXPECT_EQ(list.items(), c.expected) << c.name;
    }

    HistoryItemList list;
    list.load(item("12-31-94") + "\x06" + item("3-2-96") + "\x06" + item("1-5-95"));
    EXPECT_EQ(list.historyText(),
              item("3-2-96") + "\x06" + item("1-5-95") + "\x06" + item("12-31-94") + "\x06");
}

TEST(HistoryItemList, TakeAtRemovesTheItemAndAddingItBackRestoresItsPlace) {
    HistoryItemList list;
    list.load(item("3-2-96") + "\x06" + item("1-5-95") + "\x06" + item("12-31-94") + "\x06");
    const std::string taken = list.takeAt(1);
    EXPECT_EQ(taken, item("1-5-95"));
    EXPECT_EQ(list.items(), (std::vector{item("3-2-96"), item("12-31-94")}));
    EXPECT_EQ(list.insertSorted(taken), 1u);
    EXPECT_THROW(list.takeAt(3), std::out_of_range);
}

TEST(HistoryItemList, FieldsSplitAtTabsAndJoinBack) {
    using Fields = HistoryItemList::Fields;
    struct Case {
        std::string line;
        Fields fields;
    };
    const std::vector<Case> cases{
        {"1-5-95\t6\t12\t10.00\t9.50\t15.00\t14.00",
         {"1-5-95", "6", "12", "10.00", "9.50", "15.00", "14.00"}},
        {"\t6\t12\t10.00\t9.50\t15.00\t14.00", {"", "6", "12", "10.00", "9.50", "15.00", "14.00"}},
        {"1-5-95\t6", {"1-5-95", "6", "", "", "", "", ""}},
        {"", {}},
        // The last field takes whatever follows its tab.
        {"1-5-95\t6\t12\t10.00\t9.50\t15.00\t14.00\textra",
         {"1-5-95", "6", "12", "10.00", "9.50", "15.00", "14.00\textra"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HistoryItemList::splitFields(c.line), c.fields) << c.line;

    const Fields fields{"1-5-95", "6", "12", "10.00", "9.50", "15.00", "14.00"};
    EXPECT_EQ(HistoryItemList::joinFields(fields), cases[0].line);
    EXPECT_EQ(HistoryItemList::joinFields(Fields{}), "\t\t\t\t\t\t");
    EXPECT_TRUE(HistoryItemList::allEmpty(Fields{}));
    EXPECT_FALSE(HistoryItemList::allEmpty(Fields{"", "", "", "", "", "", "0"}));
}
