#include "document/CBottlewrightDoc.h"
#include "document/FocusCriteria.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Each condition against a single entry.
class MatchesCriteriaTest : public ::testing::Test {
protected:
    bool matches() const { return MatchesCriteria(m_wine, m_criteria); }

    CWine m_wine;
    FocusCriteria m_criteria;
};

// A text criterion, the member it must look at, and a way to set it.
struct TextCriterion {
    const char* name;
    std::string FocusCriteria::*criterion;
    std::string CWine::*field;
};

const TextCriterion kTextCriteria[] = {
    {"producer", &FocusCriteria::producer, &CWine::m_strProducer},
    {"designation", &FocusCriteria::designation, &CWine::m_strDesignation},
    {"appellation", &FocusCriteria::appellation, &CWine::m_strAppellation},
    {"region", &FocusCriteria::region, &CWine::m_strRegion},
    {"country", &FocusCriteria::country, &CWine::m_strCountry},
    {"wineType", &FocusCriteria::wineType, &CWine::m_strWineType},
    {"vendor", &FocusCriteria::vendor, &CWine::m_strVendor},
    {"bins", &FocusCriteria::bins, &CWine::m_strBins},
    {"notes", &FocusCriteria::notes, &CWine::m_strNotes},
    {"user1", &FocusCriteria::user1, &CWine::m_strUser1},
    {"user2", &FocusCriteria::user2, &CWine::m_strUser2},
    {"user3", &FocusCriteria::user3, &CWine::m_strUser3},
    {"user4", &FocusCriteria::user4, &CWine::m_strUser4},
    {"user5", &FocusCriteria::user5, &CWine::m_strUser5},
};

struct DateCriterion {
    const char* name;
    FocusCriteria::Range FocusCriteria::*range;
    std::string CWine::*field;
};

const DateCriterion kDateCriteria[] = {
    {"dateAcquired", &FocusCriteria::dateAcquired, &CWine::m_strDateAcquired},
    {"tryDate", &FocusCriteria::tryDate, &CWine::m_strTryDate},
    {"drinkDate", &FocusCriteria::drinkDate, &CWine::m_strDrinkDate},
    {"dateModified", &FocusCriteria::dateModified, &CWine::m_strDateModified},
};

TEST_F(MatchesCriteriaTest, EmptyCriteriaWithEveryColourMatchEveryEntry) {
    EXPECT_TRUE(matches());
    m_wine.m_nVintage = 0;
    m_wine.m_strProducer = "Anything";
    m_wine.m_nNumberRemaining = 99999;
    m_wine.m_fCost = 1e9f;
    m_wine.m_nLetterColor = CWine::Blue;
    EXPECT_TRUE(matches());
}

TEST_F(MatchesCriteriaTest, TextCriteriaSearchTheirOwnFieldIgnoringCaseAndBlankAsksForEmpty) {
    for (const TextCriterion& text : kTextCriteria) {
        SCOPED_TRACE(text.name);
        CWine wine;
        FocusCriteria criteria;
        criteria.*text.criterion = "chat";
        const auto with = [&](const std::string& value) {
            wine.*text.field = value;
            return MatchesCriteria(wine, criteria);
        };
        EXPECT_TRUE(with("Chateau Aubel"));
        EXPECT_TRUE(with("CHATEAU X"));
        EXPECT_TRUE(with("Le Petit chat"));
        EXPECT_FALSE(with("Clos Verdan"));
        EXPECT_FALSE(with(""));

        criteria.*text.criterion = "blank";
        EXPECT_TRUE(with(""));
        EXPECT_FALSE(with("blank"));
        EXPECT_FALSE(with("Chateau Aubel"));

        // Only the lower-case word asks for an empty field; anything else is searched for.
        criteria.*text.criterion = "Blank";
        EXPECT_FALSE(with(""));
        EXPECT_TRUE(with("Blanket Hill"));
        EXPECT_TRUE(with("BLANKET"));
    }
}

TEST_F(MatchesCriteriaTest, TextCriteriaLookAtNoOtherField) {
    for (const TextCriterion& text : kTextCriteria) {
        SCOPED_TRACE(text.name);
        CWine wine;
        for (const TextCriterion& other : kTextCriteria)
            wine.*other.field = &other == &text ? "" : "needle";
        FocusCriteria criteria;
        criteria.*text.criterion = "needle";
        EXPECT_FALSE(MatchesCriteria(wine, criteria));
        criteria.*text.criterion = "blank";
        EXPECT_TRUE(MatchesCriteria(wine, criteria));
    }
}

TEST_F(MatchesCriteriaTest, CaseIsIgnoredForWindows1252Letters) {
    m_criteria.producer = "m\xFCller"; // müller
    m_wine.m_strProducer = "WEINGUT M\xDCLLER";
    EXPECT_TRUE(matches());
    m_criteria.producer = "\xE9\x9A"; // é, š
    m_wine.m_strProducer = "\xC9\x8A";
    EXPECT_TRUE(matches());
    m_wine.m_strProducer = "E\x8A";
    EXPECT_FALSE(matches());
}

TEST_F(MatchesCriteriaTest, WholeNumberRangesDefaultToZeroAndTwentyFiveHundred) {
    m_criteria.numberLeft = {"1", ""};
    for (const auto& [left, expected] :
         std::vector<std::pair<int, bool>>{{0, false}, {1, true}, {2500, true}, {2501, false}}) {
        m_wine.m_nNumberRemaining = left;
        EXPECT_EQ(matches(), expected) << left;
    }

    m_criteria = {};
    m_criteria.vintage = {"", "1990"};
    for (const auto& [vintage, expected] :
         std::vector<std::pair<int, bool>>{{-1, false}, {0, true}, {1990, true}, {1991, false}}) {
        m_wine.m_nVintage = vintage;
        EXPECT_EQ(matches(), expected) << vintage;
    }

    // Unreadable bounds fall back to the defaults; "%d" reads the leading number of a text.
    m_criteria.vintage = {"abc", "1995x"};
    m_wine.m_nVintage = 1995;
    EXPECT_TRUE(matches());
    m_wine.m_nVintage = 1996;
    EXPECT_FALSE(matches());
    m_criteria.vintage = {"x", "y"};
    m_wine.m_nVintage = 2500;
    EXPECT_TRUE(matches());
    m_wine.m_nVintage = 2501;
    EXPECT_FALSE(matches());
}

TEST_F(MatchesCriteriaTest, AcquiredAndGoneRangesUseTheirOwnCounts) {
    m_wine.m_nNumberAcquired = 12;
    m_wine.m_nNumberRemaining = 5; // 7 gone
    m_criteria.numberAcquired = {"12", "12"};
    EXPECT_TRUE(matches());
    m_criteria.numberAcquired = {"13", ""};
    EXPECT_FALSE(matches());

    m_criteria = {};
    m_criteria.numberGone = {"7", "7"};
    EXPECT_TRUE(matches());
    m_criteria.numberGone = {"", "6"};
    EXPECT_FALSE(matches());
    m_criteria.numberGone = {"5", "5"};
    EXPECT_FALSE(matches()) << "Number Gone is not the number left";
}

TEST_F(MatchesCriteriaTest, RatingRangeComparesAsRatings) {
    m_criteria.rating = {"90", ""};
    for (const auto& [rating, expected] : std::vector<std::pair<std::string, bool>>{{"90", true},
                                                                                    {"95", true},
                                                                                    {"100", true},
                                                                                    {"90+", true},
                                                                                    {"89", false},
                                                                                    {"90-", false},
                                                                                    {"", false},
                                                                                    {"100+", false}}) {
        m_wine.m_strRating = rating;
        EXPECT_EQ(matches(), expected) << rating;
    }

    m_criteria.rating = {"", "88"};
    m_wine.m_strRating = "85";
    EXPECT_TRUE(matches());
    m_wine.m_strRating = "";
    EXPECT_FALSE(matches()) << "an empty rating is below the default Min 0";

    m_criteria.rating = {"blank", ""};
    EXPECT_TRUE(matches());
    m_wine.m_strRating = "85";
    EXPECT_FALSE(matches());

    // "blank" counts only in the Min.
    m_criteria.rating = {"", "blank"};
    m_wine.m_strRating = "";
    EXPECT_FALSE(matches());
}

TEST_F(MatchesCriteriaTest, DateRangesCompareDatesOfTheirOwnField) {
    for (const DateCriterion& date : kDateCriteria) {
        SCOPED_TRACE(date.name);
        CWine wine;
        for (const DateCriterion& other : kDateCriteria)
            wine.*other.field = "1-1-90";
        FocusCriteria criteria;
        const auto with = [&](const std::string& value) {
            wine.*date.field = value;
            return MatchesCriteria(wine, criteria);
        };

        criteria.*date.range = {"1-1-95", ""};
        EXPECT_FALSE(with(""));
        EXPECT_FALSE(with("12-31-94"));
        EXPECT_TRUE(with("1-1-95"));
        EXPECT_TRUE(with("12-31-48"));
        EXPECT_FALSE(with("1-1-49")) << "the default Max 2049 ends with 2048";

        criteria.*date.range = {"blank", ""};
        EXPECT_TRUE(with(""));
        EXPECT_FALSE(with("1-1-95"));

        // The default Min is 1-1-51; month-year and year-only bounds.
        criteria.*date.range = {"", "5-95"};
        EXPECT_FALSE(with("12-31-50"));
        EXPECT_TRUE(with("1-1-51"));
        EXPECT_TRUE(with("4-30-95"));
        EXPECT_FALSE(with("5-1-95"));
        criteria.*date.range = {"1997", "1998"};
        EXPECT_FALSE(with("12-31-96"));
        EXPECT_TRUE(with("1-1-97"));
        EXPECT_FALSE(with("1-1-98"));
    }
}

TEST_F(MatchesCriteriaTest, CostAndValueRangesReadFloatsAndValueFallsBackToCost) {
    m_wine.m_fCost = 25.0f;
    m_criteria.cost = {"10.5", ""};
    EXPECT_TRUE(matches());
    m_criteria.cost = {"", "24.99"};
    EXPECT_FALSE(matches());
    m_criteria.cost = {"x", "y"}; // 0 to 250000
    EXPECT_TRUE(matches());
    m_wine.m_fCost = 250000.5f;
    EXPECT_FALSE(matches());

    m_criteria = {};
    m_wine.m_fCost = 25.0f;
    m_criteria.value = {"20", ""};
    for (const auto& [value, expected] : std::vector<std::pair<float, bool>>{
             {0.0f, true}, {0.02f, true}, {0.03f, false}, {19.0f, false}, {20.0f, true}}) {
        m_wine.m_fValue = value;
        EXPECT_EQ(matches(), expected) << value;
    }
}

TEST_F(MatchesCriteriaTest, LetterColourMustBeTicked) {
    m_criteria.colors = {false, true, true, true};
    EXPECT_FALSE(matches());
    m_wine.m_nLetterColor = CWine::Red;
    EXPECT_TRUE(matches());
    for (const int outside : {-1, 4}) {
        m_wine.m_nLetterColor = outside;
        EXPECT_FALSE(matches()) << outside;
    }
    m_criteria.colors = {false, false, false, false};
    for (int color = 0; color < 4; ++color) {
        m_wine.m_nLetterColor = color;
        EXPECT_FALSE(matches()) << color;
    }
}

TEST_F(MatchesCriteriaTest, EveryConditionInForceMustHold) {
    m_wine.m_strProducer = "Chateau Aubel";
    m_wine.m_nVintage = 1990;
    m_criteria.producer = "aubel";
    m_criteria.vintage = {"1990", "1990"};
    EXPECT_TRUE(matches());
    m_criteria.region = "blank";
    EXPECT_TRUE(matches());
    m_wine.m_strRegion = "Bordeaux";
    EXPECT_FALSE(matches());
}

// Records the hints a document sends.
class HintLog : public CDocObserver {
public:
    void onUpdate(CDocObserver*, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

class FocusSetMethodsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir);
        m_doc.emplace(m_dir);
        m_doc->addObserver(&m_log);
    }
    void TearDown() override {
        m_doc.reset();
        std::filesystem::remove_all(m_dir);
    }

    CBottlewrightDoc& doc() { return *m_doc; }

    // Entries named by producer, with bottles left and letter colour; the Focus Set as after opening.
    void fill(const std::vector<std::tuple<std::string, int, int>>& wines) {
        for (const auto& [producer, left, color] : wines) {
            CWine& wine = *doc().focusEntry(doc().addNewEntry());
            wine.m_strProducer = producer;
            wine.m_nNumberRemaining = left;
            wine.m_nLetterColor = color;
        }
        doc().selectAllWines();
        m_log.hints.clear();
    }
    void setFocus(const std::vector<int>& members) {
        doc().clearFocusSet();
        for (const int member : members)
            doc().appendToFocusSet(member);
    }
    Strings focusProducers() {
        Strings producers;
        for (int position = 0; position < doc().focusCount(); ++position)
            producers.push_back(doc().focusEntry(position)->m_strProducer);
        return producers;
    }
    std::vector<int> focusMembers() {
        std::vector<int> members;
        for (int position = 0; position < doc().focusCount(); ++position)
            members.push_back(doc().focusMember(position));
        return members;
    }
    // What the sort makes of the members in this order.
    std::vector<int> sorted(std::vector<int> members) {
        doc().sortPrecedence().sort(members, static_cast<int>(members.size()), doc().entries());
        return members;
    }
    void expectRebuilt() {
        EXPECT_EQ(m_log.hints, std::vector<int>{HintFocusSet});
        EXPECT_FALSE(doc().isModified());
        m_log.hints.clear();
    }

    const std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("bw-focus-" + std::to_string(std::random_device{}()));
    std::optional<CBottlewrightDoc> m_doc;
    HintLog m_log;
};

TEST_F(FocusSetMethodsTest, NewFocusSetTakesMatchingEntriesSortedAndLeavesTheDocumentUnmodified) {
    fill({{"Zeta Chateau", 1, 0}, {"Clos Verdan", 2, 0}, {"CHATEAU X", 0, 1}, {"Chateau Aubel", 3, 0}});
    FocusCriteria criteria;
    criteria.producer = "chat";
    doc().applyFocusCriteria(criteria);
    EXPECT_EQ(focusProducers(), (Strings{"CHATEAU X", "Chateau Aubel", "Zeta Chateau"}));
    expectRebuilt();

    doc().newFocusSet(FocusCriteria{});
    EXPECT_EQ(doc().focusCount(), 4);
    expectRebuilt();

    criteria = {};
    criteria.colors[CWine::Black] = false;
    doc().newFocusSet(criteria);
    EXPECT_EQ(focusProducers(), Strings{"CHATEAU X"});
    expectRebuilt();
}

TEST_F(FocusSetMethodsTest, RemoveKeepsTheOrderOfTheOthersAndAddNeverDuplicates) {
    // Equal sort keys throughout, so that the order before the sort shows in the result.
    fill({{"P", 0, 0}, {"P", 1, 1}, {"P", 2, 0}, {"P", 3, 1}, {"P", 4, 0}, {"P", 5, 1}, {"P", 6, 0}});
    const std::vector<int> order{6, 1, 4, 0, 5, 3, 2};
    setFocus(order);
    ASSERT_NE(sorted({6, 4, 0, 2}), sorted({0, 2, 4, 6})) << "the test needs an order-sensitive sort";

    FocusCriteria criteria;
    criteria.method = FocusCriteria::RemoveFromFocusSet;
    criteria.colors = {false, true, false, false}; // the red ones
    doc().applyFocusCriteria(criteria);
    EXPECT_EQ(focusMembers(), sorted({6, 4, 0, 2}));
    expectRebuilt();

    criteria.method = FocusCriteria::AddToFocusSet;
    criteria.colors = {true, true, false, false}; // all of them: black members stay once, red come back
    setFocus({6, 4, 0, 2});
    doc().applyFocusCriteria(criteria);
    EXPECT_EQ(focusMembers(), sorted({6, 4, 0, 2, 1, 3, 5}));
    expectRebuilt();

    doc().addToFocusSet(criteria);
    EXPECT_EQ(doc().focusCount(), 7);
    expectRebuilt();
}

TEST_F(FocusSetMethodsTest, RemoveByProducerAndAddByNumbers) {
    fill({{"Xavier", 0, 0}, {"Alpha", 2, 0}, {"Maximin", 0, 0}, {"Beta", 5, 0}});
    FocusCriteria criteria;
    criteria.producer = "x";
    doc().removeFromFocusSet(criteria);
    EXPECT_EQ(focusProducers(), (Strings{"Alpha", "Beta"}));
    expectRebuilt();

    criteria = {};
    criteria.numberLeft = {"", "0"};
    doc().addToFocusSet(criteria);
    EXPECT_EQ(focusProducers(), (Strings{"Alpha", "Beta", "Maximin", "Xavier"}));
    expectRebuilt();
}

TEST_F(FocusSetMethodsTest, QuickCommandsRebuildFromEveryEntry) {
    fill({{"A", 0, 0}, {"B", 1, 1}, {"C", 0, 2}, {"D", 7, 3}, {"E", 0, 1}});
    setFocus({3});
    const std::pair<std::function<void()>, Strings> commands[] = {
        {[&] { doc().selectZeroBottleWines(); }, {"A", "C", "E"}},
        {[&] { doc().selectOneOrMoreBottleWines(); }, {"B", "D"}},
        {[&] { doc().selectLetterColorWines(CWine::Black); }, {"A"}},
        {[&] { doc().selectLetterColorWines(CWine::Red); }, {"B", "E"}},
        {[&] { doc().selectLetterColorWines(CWine::Green); }, {"C"}},
        {[&] { doc().selectLetterColorWines(CWine::Blue); }, {"D"}},
        {[&] { doc().selectAllWines(); }, {"A", "B", "C", "D", "E"}},
    };
    for (const auto& [command, expected] : commands) {
        command();
        EXPECT_EQ(focusProducers(), expected);
        expectRebuilt();
    }
}

TEST_F(FocusSetMethodsTest, ChangingTheLetterColourRecoloursOnlyMembersAndMarksModified) {
    fill({{"A", 0, 0}, {"B", 1, 1}, {"C", 0, 2}, {"D", 7, 3}});
    doc().selectZeroBottleWines();
    m_log.hints.clear();
    doc().setFocusLetterColor(CWine::Red);
    EXPECT_EQ(m_log.hints, std::vector<int>{HintLetterColors});
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(focusProducers(), (Strings{"A", "C"}));
    std::vector<int> colors;
    for (const auto& wine : doc().entries())
        colors.push_back(wine->m_nLetterColor);
    EXPECT_EQ(colors, (std::vector<int>{CWine::Red, CWine::Red, CWine::Red, CWine::Blue}));
}

} // namespace
