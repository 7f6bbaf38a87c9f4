#include "editing/EntryBoxValues.h"
#include "model/CWine.h"
#include "model/Today.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every member set, each text to its own tag, so that a field taken from or written to the wrong
// member shows.
CWine filledWine() {
    CWine wine;
    wine.m_nVintage = 1985;
    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 7;
    wine.m_fCost = 12.5f;
    wine.m_fValue = 7.0f;
    for (int field = 0; field < CWine::FieldCount; ++field) {
        if (std::string* text = wine.textField(field))
            *text = "text" + std::to_string(field);
    }
    wine.m_strHistory = "1-5-95\t6\t12\t10.00\t10.00\t15.00\t15.00\x06";
    wine.m_strSpare = "spare";
    wine.m_strNotes = "line one\r\nline two";
    return wine;
}

struct Edit {
    const char* name;
    void (*apply)(EntryBoxValues&);
};

// One edit per field the box writes back; each must count as a change.
const std::vector<Edit> kEdits{
    {"vintage", [](EntryBoxValues& v) { v.vintage = 1986; }},
    {"number acquired", [](EntryBoxValues& v) { v.numberAcquired = 13; }},
    {"number remaining", [](EntryBoxValues& v) { v.numberRemaining = 6; }},
    {"producer", [](EntryBoxValues& v) { v.producer += "x"; }},
    {"appellation", [](EntryBoxValues& v) { v.appellation += "x"; }},
    {"designation", [](EntryBoxValues& v) { v.designation += "x"; }},
    {"region", [](EntryBoxValues& v) { v.region += "x"; }},
    {"country", [](EntryBoxValues& v) { v.country += "x"; }},
    {"wine type", [](EntryBoxValues& v) { v.wineType += "x"; }},
    {"vendor", [](EntryBoxValues& v) { v.vendor += "x"; }},
    {"bins", [](EntryBoxValues& v) { v.bins += "x"; }},
    {"user1", [](EntryBoxValues& v) { v.user1 += "x"; }},
    {"user2", [](EntryBoxValues& v) { v.user2 += "x"; }},
    {"user3", [](EntryBoxValues& v) { v.user3 += "x"; }},
    {"user4", [](EntryBoxValues& v) { v.user4 += "x"; }},
    {"user5", [](EntryBoxValues& v) { v.user5 += "x"; }},
    {"rating", [](EntryBoxValues& v) { v.rating += "x"; }},
    {"cost", [](EntryBoxValues& v) { v.cost = "12.75"; }},
    {"value", [](EntryBoxValues& v) { v.value = "7.01"; }},
    {"date acquired", [](EntryBoxValues& v) { v.dateAcquired = "1-2-95"; }},
    {"try date", [](EntryBoxValues& v) { v.tryDate = "1-2-95"; }},
    {"drink date", [](EntryBoxValues& v) { v.drinkDate = "1-2-95"; }},
    {"date modified", [](EntryBoxValues& v) { v.dateModified = "1-2-95"; }},
    {"notes", [](EntryBoxValues& v) { v.notes += "x"; }},
    {"history", [](EntryBoxValues& v) { v.history += "3-2-96\t5\t6\t10.00\t10.00\t15.00\t15.00\x06"; }},
    {"text case", [](EntryBoxValues& v) { v.producer[0] = 'T'; }},
};

} // namespace

TEST(EntryBoxValues, FromWineTakesEveryFieldAndWritesAmountsWithTwoDecimals) {
    const CWine wine = filledWine();
    const EntryBoxValues values = EntryBoxValues::fromWine(wine);
    EXPECT_EQ(values.cost, "12.50");
    EXPECT_EQ(values.value, "7.00");
    EXPECT_EQ(values.description, wine.description());
    EXPECT_EQ(values.history, wine.m_strHistory);
    EXPECT_EQ(values.notes, wine.m_strNotes);

    // Written back unchanged, the entry is the same apart from the stamp.
    CWine stored = filledWine();
    stored.m_strSpare = "other spare";
    stored.m_fCost = 0.0f;
    values.storeInto(stored);
    CWine expected = wine;
    expected.m_strSpare = "other spare";
    expected.m_strDateModified = stored.m_strDateModified;
    EXPECT_EQ(stored, expected);
}

TEST(EntryBoxValues, DiffersFromCatchesEachFieldButNotTheSpareText) {
    const CWine wine = filledWine();
    EXPECT_FALSE(EntryBoxValues::fromWine(wine).differsFrom(wine));
    for (const Edit& edit : kEdits) {
        EntryBoxValues values = EntryBoxValues::fromWine(wine);
        edit.apply(values);
        EXPECT_TRUE(values.differsFrom(wine)) << edit.name;
    }

    CWine otherSpare = wine;
    otherSpare.m_strSpare = "changed";
    EXPECT_FALSE(EntryBoxValues::fromWine(wine).differsFrom(otherSpare));

    // Amounts compare as read with "%f", not as texts; an unreadable text changes nothing.
    for (const char* cost : {"12.5", "12.500", "12.50abc", "", "abc"}) {
        EntryBoxValues values = EntryBoxValues::fromWine(wine);
        values.cost = cost;
        EXPECT_FALSE(values.differsFrom(wine)) << cost;
    }
}

TEST(EntryBoxValues, StoreStampsTodayAndKeepsAnUnreadableAmount) {
    setTodayOverride(CalendarDate{2001, 7, 3});
    EntryBoxValues values = EntryBoxValues::fromWine(filledWine());
    values.cost = "abc";
    values.value = "9.25";
    values.dateModified = "1-1-95";
    CWine wine = filledWine();
    values.storeInto(wine);
    setTodayOverride(std::nullopt);

    EXPECT_EQ(wine.m_strDateModified, "7-3-1");
    EXPECT_FLOAT_EQ(wine.m_fCost, 12.5f);
    EXPECT_FLOAT_EQ(wine.m_fValue, 9.25f);
    EXPECT_EQ(wine.m_strSpare, "spare");
}

TEST(EntryBoxValues, NoSignificantInformationOnlyWithDefaultsInTheNamedFields) {
    const EntryBoxValues blank = EntryBoxValues::fromWine(CWine{});
    EXPECT_TRUE(blank.holdsNoSignificantInformation());

    const std::vector<std::string> significant{"vintage",  "number acquired", "number remaining",
                                               "producer", "appellation",     "designation",
                                               "region",   "country",         "notes"};
    for (const Edit& edit : kEdits) {
        if (std::string(edit.name) == "text case")
            continue;
        EntryBoxValues values = blank;
        edit.apply(values);
        const bool isSignificant =
            std::find(significant.begin(), significant.end(), edit.name) != significant.end();
        EXPECT_EQ(values.holdsNoSignificantInformation(), !isSignificant) << edit.name;
    }
}
