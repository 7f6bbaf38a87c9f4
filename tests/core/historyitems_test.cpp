#include "editing/HistoryItemList.h"

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

TEST(HistoryItemList, NewestFirstWhateverTheOrderOfInsertion) {
    const std::vector<std::string> newestFirst{item("3-2-96"), item("1-5-95"), item("12-31-94")};
    std::vector<std::string> order = newestFirst;
    std::sort(order.begin(), order.end());
    do {
        EXPECT_EQ(inserted(order), newestFirst) << order[0] << " | " << order[1] << " | " << order[2];
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(HistoryItemList, TiesAndUnreadableDates) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        // The quantity after an empty date must not be taken for a year.
        {"empty date sorts last",
         {item("", "3"), item("1-5-95"), item("12-31-94")},
         {item("1-5-95"), item("12-31-94"), item("", "3")}},
        {"empty date after a dated line",
         {item("12-31-94"), item("", "3")},
         {item("12-31-94"), item("", "3")}},
        {"same date, descending text",
         {item("1-5-95", "10"), item("1-5-95", "2"), item("1-5-95", "3")},
         {item("1-5-95", "3"), item("1-5-95", "2"), item("1-5-95", "10")}},
        {"same date spelled differently",
         {item("1-5-95"), item("01-05-95")},
         {item("1-5-95"), item("01-05-95")}},
        {"two-digit years widen",
         {item("5-1-49"), item("5-1-50"), item("5-1-99")},
         {item("5-1-49"), item("5-1-99"), item("5-1-50")}},
        {"identical lines both kept", {item("1-5-95"), item("1-5-95")}, {item("1-5-95"), item("1-5-95")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(inserted(c.lines), c.expected) << c.name;
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
    const std::string written = list.historyText();
    EXPECT_EQ(written, item("3-2-96") + "\x06" + item("1-5-95") + "\x06" + item("12-31-94") + "\x06");
    HistoryItemList again;
    again.load(written);
    EXPECT_EQ(again.historyText(), written);
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
