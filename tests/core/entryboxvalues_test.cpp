#include "core/editing/EntryBoxValues.h"
#include "core/model/CWine.h"
#include "core/model/Today.h"

#include <gtest/gtest.h>
#include <string>

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
        if (WineText* text = wine.textField(field))
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
    bool significant; // whether it alone makes a blank entry worth keeping
};

// One edit per field the box writes back; each must count as a change.
const Edit kEdits[] = {
    {"vintage", [](EntryBoxValues& v) { v.vintage = 1986; }, true},
    {"number acquired", [](EntryBoxValues& v) { v.numberAcquired = 13; }, true},
    {"number remaining", [](EntryBoxValues& v) { v.numberRemaining = 6; }, true},
    {"producer", [](EntryBoxValues& v) { v.producer += "x"; }, true},
    {"appellation", [](EntryBoxValues& v) { v.appellation += "x"; }, true},
    {"designation", [](EntryBoxValues& v) { v.designation += "x"; }, true},
    {"region", [](EntryBoxValues& v) { v.region += "x"; }, true},
    {"country", [](EntryBoxValues& v) { v.country += "x"; }, true},
    {"notes", [](EntryBoxValues& v) { v.notes += "x"; }, true},
    {"wine type", [](EntryBoxValues& v) { v.wineType += "x"; }, false},
    {"vendor", [](EntryBoxValues& v) { v.vendor += "x"; }, false},
    {"bins", [](EntryBoxValues& v) { v.bins += "x"; }, false},
    {"user1", [](EntryBoxValues& v) { v.user1 += "x"; }, false},
    {"user2", [](EntryBoxValues& v) { v.user2 += "x"; }, false},
    {"user3", [](EntryBoxValues& v) { v.user3 += "x"; }, false},
    {"user4", [](EntryBoxValues& v) { v.user4 += "x"; }, false},
    {"user5", [](EntryBoxValues& v) { v.user5 += "x"; }, false},
    {"rating", [](EntryBoxValues& v) { v.rating += "x"; }, false},
    {"cost", [](EntryBoxValues& v) { v.cost = "12.75"; }, false},
    {"value", [](EntryBoxValues& v) { v.value = "7.01"; }, false},
    {"date acquired", [](EntryBoxValues& v) { v.dateAcquired = "1-2-95"; }, false},
    {"try date", [](EntryBoxValues& v) { v.tryDate = "1-2-95"; }, false},
    {"drink date", [](EntryBoxValues& v) { v.drinkDate = "1-2-95"; }, false},
    {"date modified", [](EntryBoxValues& v) { v.dateModified = "1-2-95"; }, false},
    {"history", [](EntryBoxValues& v) { v.history += "3-2-96\t5\t6\t10.00\t10.00\t15.00\t15.00\x06"; },
     false},
};

} // namespace

// Written back unchanged, the entry is the same apart from the stamp of today; the spare text is kept.
TEST(EntryBoxValues, FromWineTakesEveryFieldAndStoreIntoWritesItBackStamped) {
    setTodayOverride(CalendarDate{2001, 7, 3});
    const CWine wine = filledWine();
    EntryBoxValues values = EntryBoxValues::fromWine(wine);
    EXPECT_EQ(values.cost, "12.50");
    EXPECT_EQ(values.value, "7.00");
    EXPECT_EQ(values.description, wine.description());

    CWine stored = filledWine();
    stored.m_strSpare = "other spare";
    stored.m_fCost = 0.0f;
    values.storeInto(stored);
    CWine expected = wine;
    expected.m_strSpare = "other spare";
    expected.m_strDateModified = "7-3-1";
    EXPECT_EQ(stored, expected);

    // An unreadable amount leaves the entry's own.
    stored.m_fCost = 3.0f;
    values.cost = "abc";
    values.value = "9.25";
    values.storeInto(stored);
    setTodayOverride(std::nullopt);
    EXPECT_FLOAT_EQ(stored.m_fCost, 3.0f);
    EXPECT_FLOAT_EQ(stored.m_fValue, 9.25f);
}

TEST(EntryBoxValues, DiffersFromCatchesEachFieldButNotTheSpareText) {
    const CWine wine = filledWine();
    EXPECT_FALSE(EntryBoxValues::fromWine(wine).differsFrom(wine));
    for (const Edit& edit : kEdits) {
        EntryBoxValues values = EntryBoxValues::fromWine(wine);
        edit.apply(values);
        EXPECT_TRUE(values.differsFrom(wine)) << edit.name;
    }
    EntryBoxValues recased = EntryBoxValues::fromWine(wine);
    recased.producer[0] = 'T';
    EXPECT_TRUE(recased.differsFrom(wine));

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

TEST(EntryBoxValues, NoSignificantInformationOnlyWithDefaultsInTheNamedFields) {
    const EntryBoxValues blank = EntryBoxValues::fromWine(CWine{});
    EXPECT_TRUE(blank.holdsNoSignificantInformation());
    for (const Edit& edit : kEdits) {
        EntryBoxValues values = blank;
        edit.apply(values);
        EXPECT_EQ(values.holdsNoSignificantInformation(), !edit.significant) << edit.name;
    }
}
