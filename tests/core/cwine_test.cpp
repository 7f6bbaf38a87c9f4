#include "core/model/CWine.h"
#include "core/model/Today.h"
#include "core/model/WineDates.h"

#include <gtest/gtest.h>
#include <span>
#include <tuple>

TEST(WineRecord, DefaultsDescriptionValueAndBottlesConsumed) {
    CWine wine;
    EXPECT_EQ((std::tuple{wine.m_nVintage, wine.m_nNumberRemaining, wine.m_fCost, wine.m_fValue,
                          wine.m_nLetterColor}),
              (std::tuple{1993, 0, 0.0f, 0.0f, CWine::Black}));
    wine.m_nVintage = 0;
    wine.m_strProducer = "A";
    wine.m_strAppellation = "B";
    EXPECT_EQ(wine.description(), "  NV A B ");
    wine.m_nVintage = 1990;
    wine.m_strDesignation = "Z";
    EXPECT_EQ(wine.description(), "1990 A B Z");

    wine.m_fCost = 12.50f;
    for (const auto& [value, effective] : {std::pair{0.02f, 12.50f}, {0.03f, 0.03f}, {0.0f, 12.50f}}) {
        wine.m_fValue = value;
        EXPECT_FLOAT_EQ(wine.effectiveValue(), effective) << value;
    }

    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 5;
    EXPECT_EQ(wine.numberConsumed(), 7);
}

// Every field set, each text to its own tag, so that a field copied from or to the wrong place shows.
CWine filledWine(const std::string& tag, std::int32_t number) {
    CWine wine;
    wine.m_nVintage = number;
    for (int field = 0; field < CWine::FieldCount; ++field) {
        if (WineText* text = wine.textField(field))
            *text = tag + std::to_string(field);
    }
    wine.m_fCost = static_cast<float>(number) + 0.25f;
    wine.m_fValue = static_cast<float>(number) + 0.5f;
    wine.m_nNumberAcquired = number + 1;
    wine.m_nNumberRemaining = number + 2;
    wine.m_strHistory = tag + "history";
    wine.m_strSpare = tag + "spare";
    wine.m_nLetterColor = CWine::Red;
    return wine;
}

TEST(WineRecord, PartialCopyKeepsNamesAndAmountsAndStartsBottlesAndHistoryAfresh) {
    setTodayOverride(CalendarDate{2001, 7, 3});
    const CWine source = filledWine("source", 1985);
    CWine copy = filledWine("old", 2001);
    copy.copyFrom(source, false);
    setTodayOverride(std::nullopt);

    CWine expected = source;
    expected.m_strBins.clear();
    expected.m_strDateAcquired.clear();
    expected.m_strHistory.clear();
    expected.m_strNotes.clear();
    expected.m_nNumberAcquired = 0;
    expected.m_nNumberRemaining = 0;
    expected.m_nLetterColor = CWine::Black;
    expected.m_strDateModified = "7-3-1";
    EXPECT_EQ(copy, expected);

    CWine whole = filledWine("old", 2001);
    whole.copyFrom(source, true);
    EXPECT_EQ(whole, source);
}

TEST(WineRecord, TextFieldAccessorNamesEachTextFieldByIndex) {
    CWine wine;
    std::vector<int> withoutText;
    for (int field = -1; field <= CWine::FieldCount; ++field) {
        if (WineText* text = wine.textField(field))
            *text = std::to_string(field);
        else
            withoutText.push_back(field);
    }
    EXPECT_EQ(withoutText,
              (std::vector<int>{-1, CWine::Vintage, CWine::NumberRemaining, CWine::Cost, CWine::Value,
                                CWine::NumberAcquired, CWine::NumberConsumed, 25}));
    const std::vector<std::string> members{
        wine.m_strProducer, wine.m_strDesignation,  wine.m_strWineType, wine.m_strAppellation,
        wine.m_strRegion,   wine.m_strDateAcquired, wine.m_strTryDate,  wine.m_strDrinkDate,
        wine.m_strRating,   wine.m_strCountry,      wine.m_strBins,     wine.m_strVendor,
        wine.m_strUser1,    wine.m_strUser2,        wine.m_strUser3,    wine.m_strUser4,
        wine.m_strUser5,    wine.m_strDateModified, wine.m_strNotes};
    EXPECT_EQ(members, (std::vector<std::string>{"1", "3", "4", "2", "9", "23", "11", "12", "10", "14", "8",
                                                 "15", "16", "17", "18", "19", "20", "21", "13"}));
}

TEST(WineDates, ComparesByWidenedYearThenMonthThenDay) {
    const struct {
        const char *a, *b;
        int expected;
    } cases[] = {{"1-1-49", "12-31-99", 1}, {"5-95", "5-1-95", -1},  {"", "1-1-50", -1},
                 {"3-4-05", "3-4-05", 0},   {"3-5-05", "3-4-05", 1}, {"2-30-05", "3-1-05", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(compareDates(c.a, c.b), c.expected) << c.a << " against " << c.b;
    EXPECT_EQ(compareDates("1-2147483647-1", "1--2147483648-1"), 1);
}

// Once the numbers at a position are equal, the characters there are not compared ("05" against "5 ").
// Plus outranks letters in rating mode only, where a minus ranks below the bare number; an empty text
// comes before a lone minus in plain mode and after it in rating mode. Other characters compare as
// signed bytes, so 0xE9 sorts before a blank.
TEST(NumberText, OrdersNumbersByValueAndRatingsBySign) {
    struct Case {
        const char *a, *b;
        int expected;
    };
    const Case plain[] = {{"Bin 9", "Bin 10", -1}, {"A", "9", 1},      {"9", "A", -1},     {"", "", 0},
                          {"A3-2", "A3-2", 0},     {"A3", "A3-2", -1}, {"9.5", "9.25", 1}, {"05", "5 ", 1},
                          {"+", "A", -1},          {"90-", "90", 1},   {"", "-", -1},      {"-", "", 1},
                          {"\xE9", " ", -1},       {"a", "b", -1}};
    const Case rating[] = {{"9", "10", -1},    {"+", "A", 1},     {"90-", "90", -1},
                           {"90", "90-", 1},   {"90", "90+", -1}, {"90+", "90", 1},
                           {"90-", "90+", -1}, {"", "-", 1},      {"-", "", -1}};
    for (const bool ratingMode : {false, true})
        for (const Case& c : ratingMode ? std::span<const Case>(rating) : std::span<const Case>(plain))
            EXPECT_EQ(compareNumberText(c.a, c.b, ratingMode), c.expected)
                << c.a << " against " << c.b << (ratingMode ? " (rating)" : "");
}

// Sorting reads dates without sscanf where it safely can; the result must be what sscanf gives.
TEST(WineDates, FastReadingAgreesWithScanf) {
    const auto widened = [](int year) {
        return year > 0 && year < 50 ? 2000 + year : year >= 50 && year <= 99 ? 1900 + year : year;
    };
    const std::string pieces[] = {"",   "-",  "0",    "5",         "12",        "31",
                                  "95", "07", "2049", "999999999", "1234567890"};
    for (const std::string& a : pieces) {
        for (const std::string& b : pieces) {
            for (const std::string& text :
                 {a, a + "-" + b, a + "-" + b + "-" + a, a + "--" + b, a + "-" + b + "-"}) {
                int numbers[3] = {0, 0, 0};
                const int count =
                    std::sscanf(text.c_str(), "%d-%d-%d", &numbers[0], &numbers[1], &numbers[2]);
                const WineDate date = parseWineDate(text);
                SCOPED_TRACE(text);
                if (count >= 1) {
                    EXPECT_EQ(date.year, widened(numbers[count - 1]));
                }
                if (count == 3) {
                    EXPECT_EQ(date.month, numbers[0]);
                    EXPECT_EQ(date.day, numbers[1]);
                } else if (count == 2) {
                    EXPECT_EQ(date.month, numbers[0]);
                    EXPECT_EQ(date.day, 0);
                } else if (count == 1) {
                    EXPECT_EQ(date.month, 0);
                } else {
                    EXPECT_EQ(date.year, -1);
                    EXPECT_EQ(date.month, -1);
                }
            }
        }
    }
}
