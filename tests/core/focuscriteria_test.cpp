#include "core/document/CBottlewrightDoc.h"
#include "core/document/FocusCriteria.h"
#include "helpers/DocumentTestAccess.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

struct TextCriterion {
    const char* name;
    std::string FocusCriteria::*criterion;
    WineText CWine::*field;
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

template <typename C, typename T> struct Case {
    C criterion;
    std::vector<T> matching;
    std::vector<T> failing;
};

std::string describe(const std::string& text) {
    return "\"" + text + "\"";
}
std::string describe(const FocusCriteria::Range& range) {
    return "[" + range.min + ", " + range.max + "]";
}

// Only the one criterion is in force and only the one member of `wine` changes.
template <typename C, typename T, typename Member>
void expectMatches(C FocusCriteria::*criterion, Member CWine::*field, const std::vector<Case<C, T>>& cases,
                   CWine wine = {}) {
    for (const Case<C, T>& c : cases) {
        SCOPED_TRACE(describe(c.criterion));
        FocusCriteria criteria;
        criteria.*criterion = c.criterion;
        for (const bool expected : {true, false}) {
            for (const T& value : expected ? c.matching : c.failing) {
                wine.*field = value;
                EXPECT_EQ(MatchesCriteria(wine, criteria), expected) << value;
            }
        }
    }
}

using RangeCases = std::vector<Case<FocusCriteria::Range, int>>;

// Only the lower-case word "blank" asks for an empty field; "Blank" is searched for like any text.
TEST(MatchesCriteria, TextCriteriaSearchOnlyTheirOwnFieldIgnoringCaseAndBlankAsksForEmpty) {
    const std::vector<Case<std::string, std::string>> cases{
        {"chat", {"Chateau Aubel", "CHATEAU X"}, {"Clos Verdan", ""}},
        {"blank", {""}, {"blank", "Chateau Aubel"}},
        {"Blank", {"Blanket Hill", "BLANKET"}, {""}},
        {"m\xFCller", {"WEINGUT M\xDCLLER"}, {"Muller"}}, // müller, MÜLLER
        {"\xE9\x9A", {"\xC9\x8A"}, {"E\x8A"}},            // é and š against É and Š
        {"\xFE", {"\xDE"}, {"\xD0", "\xF7"}},
        {"\xDE", {"\xFE"}, {"\xD7"}}, // þ and Þ; Ð and ÷, × differ
    };
    for (const TextCriterion& text : kTextCriteria) {
        SCOPED_TRACE(text.name);
        CWine others;
        for (const TextCriterion& other : kTextCriteria)
            others.*other.field = "chat Blank m\xFCller \xE9\x9A";
        expectMatches(text.criterion, text.field, cases, others);
    }
}

// Unreadable bounds fall back to the defaults (0 to 2500, amounts 0 to 250000); "%d" reads a leading
// number.
TEST(MatchesCriteria, NumberRatingAndAmountRanges) {
    expectMatches(&FocusCriteria::numberLeft, &CWine::m_nNumberRemaining,
                  RangeCases{{{"1", ""}, {1, 2500}, {0, 2501}}});
    expectMatches(&FocusCriteria::vintage, &CWine::m_nVintage,
                  RangeCases{{{"", "1990"}, {0, 1990}, {-1, 1991}},
                             {{"abc", "1995x"}, {1995}, {1996}},
                             {{"x", "y"}, {2500}, {2501}}});

    CWine sevenGone;
    sevenGone.m_nNumberAcquired = 12;
    sevenGone.m_nNumberRemaining = 5;
    expectMatches(&FocusCriteria::numberAcquired, &CWine::m_nNumberAcquired,
                  RangeCases{{{"12", "12"}, {12}, {}}, {{"13", ""}, {}, {12}}}, sevenGone);
    expectMatches(&FocusCriteria::numberGone, &CWine::m_nNumberRemaining,
                  RangeCases{{{"7", "7"}, {5}, {}}, {{"", "6"}, {}, {5}}, {{"5", "5"}, {}, {5}}}, sevenGone);

    // An empty rating is below the default Min 0; "blank" counts only in the Min.
    expectMatches(&FocusCriteria::rating, &CWine::m_strRating,
                  std::vector<Case<FocusCriteria::Range, std::string>>{
                      {{"90", ""}, {"90", "95", "100", "90+"}, {"89", "90-", "", "100+"}},
                      {{"", "88"}, {"85"}, {""}},
                      {{"blank", ""}, {""}, {"85"}},
                      {{"", "blank"}, {}, {""}},
                  });

    using AmountCases = std::vector<Case<FocusCriteria::Range, float>>;
    expectMatches(&FocusCriteria::cost, &CWine::m_fCost,
                  AmountCases{{{"10.5", ""}, {25.0f}, {}},
                              {{"", "24.99"}, {}, {25.0f}},
                              {{"x", "y"}, {25.0f}, {250000.5f}}});
    // A value below two cents is taken to be the cost.
    CWine costs25;
    costs25.m_fCost = 25.0f;
    expectMatches(&FocusCriteria::value, &CWine::m_fValue,
                  AmountCases{{{"20", ""}, {0.0f, 0.02f, 20.0f}, {0.03f, 19.0f}}}, costs25);
}

// The default range is 1-1-51 up to 2049 (exclusive); month-year and year-only bounds are whole periods.
TEST(MatchesCriteria, DateRangesCompareDatesOfTheirOwnField) {
    const std::vector<Case<FocusCriteria::Range, std::string>> cases{
        {{"1-1-95", ""}, {"1-1-95", "12-31-48"}, {"", "12-31-94", "1-1-49"}},
        {{"blank", ""}, {""}, {"1-1-95"}},
        {{"", "5-95"}, {"1-1-51", "4-30-95"}, {"12-31-50", "5-1-95"}},
        {{"1997", "1998"}, {"1-1-97"}, {"12-31-96", "1-1-98"}},
    };
    const std::pair<FocusCriteria::Range FocusCriteria::*, WineText CWine::*> dates[] = {
        {&FocusCriteria::dateAcquired, &CWine::m_strDateAcquired},
        {&FocusCriteria::tryDate, &CWine::m_strTryDate},
        {&FocusCriteria::drinkDate, &CWine::m_strDrinkDate},
        {&FocusCriteria::dateModified, &CWine::m_strDateModified},
    };
    CWine others;
    for (const auto& [range, field] : dates)
        others.*field = "1-1-90";
    for (const auto& [range, field] : dates)
        expectMatches(range, field, cases, others);
}

TEST(MatchesCriteria, LetterColourMustBeTickedAndEveryConditionInForceMustHold) {
    CWine wine;
    wine.m_nVintage = 0;
    wine.m_nNumberRemaining = 99999;
    wine.m_fCost = 1e9f;
    for (int color = -1; color <= 4; ++color) {
        wine.m_nLetterColor = color;
        FocusCriteria criteria;
        if (color >= 0 && color < 4) {
            EXPECT_TRUE(MatchesCriteria(wine, criteria)) << "nothing in force, colour " << color;
        }
        criteria.colors = {false, true, true, true};
        EXPECT_EQ(MatchesCriteria(wine, criteria), color >= 1 && color <= 3) << color;
        criteria.colors = {false, false, false, false};
        EXPECT_FALSE(MatchesCriteria(wine, criteria)) << color;
    }

    wine = {};
    wine.m_strProducer = "Chateau Aubel";
    wine.m_nVintage = 1990;
    FocusCriteria criteria;
    criteria.producer = "aubel";
    criteria.vintage = {"1990", "1990"};
    criteria.region = "blank";
    EXPECT_TRUE(MatchesCriteria(wine, criteria));
    wine.m_strRegion = "Bordeaux";
    EXPECT_FALSE(MatchesCriteria(wine, criteria));
}

class HintLog : public CDocObserver {
public:
    void onUpdate(CDocObserver*, UpdateHint hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

class FocusSetMethodsTest : public ::testing::Test {
protected:
    void SetUp() override { m_doc.addObserver(&m_log); }

    // Entries named by producer, with bottles left and letter colour; the Focus Set as after opening.
    void fill(const std::vector<std::tuple<std::string, int, int>>& wines) {
        for (const auto& [producer, left, color] : wines) {
            CWine& wine = *m_doc.focusEntry(m_doc.addNewEntry());
            wine.m_strProducer = producer;
            wine.m_nNumberRemaining = left;
            wine.m_nLetterColor = color;
        }
        m_doc.selectAllWines();
        m_log.hints.clear();
    }
    void setFocus(const std::vector<int>& members) { DocumentTestAccess::setFocusMembers(m_doc, members); }
    Strings focusProducers() {
        Strings producers;
        for (int position = 0; position < m_doc.focusCount(); ++position)
            producers.push_back(m_doc.focusEntry(position)->m_strProducer);
        return producers;
    }
    std::vector<int> focusMembers() { return DocumentTestAccess::focusMembers(m_doc); }
    std::vector<int> sorted(std::vector<int> members) {
        m_doc.sortPrecedence().sort(members, static_cast<int>(members.size()), m_doc.entries());
        return members;
    }
    void expectRebuilt() {
        EXPECT_EQ(m_log.hints, std::vector<int>{HintFocusSet});
        EXPECT_FALSE(m_doc.isModified());
        m_log.hints.clear();
    }

    HintLog m_log;
    // A start folder that does not exist: the default sort by Producer, and no precedence file written.
    CBottlewrightDoc m_doc{std::filesystem::temp_directory_path() / "bw-focus-absent" / "none"};
};

FocusCriteria producer(const std::string& text) {
    FocusCriteria criteria;
    criteria.producer = text;
    return criteria;
}

// Run one after the other: each rebuilds the Focus Set, sorted, without modifying the document.
TEST_F(FocusSetMethodsTest, CriteriaMethodsQuickCommandsAndLetterColour) {
    fill({{"Zeta Chateau", 1, CWine::Black},
          {"Clos Verdan", 2, CWine::Red},
          {"CHATEAU X", 0, CWine::Red},
          {"Chateau Aubel", 0, CWine::Green},
          {"Maximin", 5, CWine::Blue}});
    FocusCriteria noneLeft;
    noneLeft.numberLeft = {"", "0"};
    FocusCriteria notBlack;
    notBlack.colors[CWine::Black] = false;
    const Strings all{"CHATEAU X", "Chateau Aubel", "Clos Verdan", "Maximin", "Zeta Chateau"};
    const std::pair<std::function<void()>, Strings> commands[] = {
        {[&] { m_doc.applyFocusCriteria(producer("chat")); }, {"CHATEAU X", "Chateau Aubel", "Zeta Chateau"}},
        {[&] { m_doc.removeFromFocusSet(producer("x")); }, {"Chateau Aubel", "Zeta Chateau"}},
        {[&] { m_doc.addToFocusSet(noneLeft); }, {"CHATEAU X", "Chateau Aubel", "Zeta Chateau"}},
        {[&] { m_doc.newFocusSet(FocusCriteria{}); }, all},
        {[&] { m_doc.newFocusSet(notBlack); }, {"CHATEAU X", "Chateau Aubel", "Clos Verdan", "Maximin"}},
        {[&] { m_doc.selectZeroBottleWines(); }, {"CHATEAU X", "Chateau Aubel"}},
        {[&] { m_doc.selectOneOrMoreBottleWines(); }, {"Clos Verdan", "Maximin", "Zeta Chateau"}},
        {[&] { m_doc.selectLetterColorWines(CWine::Black); }, {"Zeta Chateau"}},
        {[&] { m_doc.selectLetterColorWines(CWine::Red); }, {"CHATEAU X", "Clos Verdan"}},
        {[&] { m_doc.selectLetterColorWines(CWine::Green); }, {"Chateau Aubel"}},
        {[&] { m_doc.selectLetterColorWines(CWine::Blue); }, {"Maximin"}},
        {[&] { m_doc.selectAllWines(); }, all},
    };
    for (const auto& [command, expected] : commands) {
        command();
        EXPECT_EQ(focusProducers(), expected);
        expectRebuilt();
    }

    // Changing the letter colour recolours only the members and marks the document modified.
    m_doc.selectZeroBottleWines();
    m_log.hints.clear();
    m_doc.setFocusLetterColor(CWine::Red);
    EXPECT_EQ(m_log.hints, std::vector<int>{HintLetterColors});
    EXPECT_TRUE(m_doc.isModified());
    EXPECT_EQ(focusProducers(), (Strings{"CHATEAU X", "Chateau Aubel"}));
    std::vector<int> colors;
    for (const auto& wine : m_doc.entries())
        colors.push_back(wine->m_nLetterColor);
    EXPECT_EQ(colors, (std::vector<int>{CWine::Black, CWine::Red, CWine::Red, CWine::Red, CWine::Blue}));
}

TEST_F(FocusSetMethodsTest, RemoveKeepsTheOrderOfTheOthersAndAddNeverDuplicates) {
    // Equal sort keys throughout, so that the order before the sort shows in the result.
    fill({{"P", 0, 0}, {"P", 1, 1}, {"P", 2, 0}, {"P", 3, 1}, {"P", 4, 0}, {"P", 5, 1}, {"P", 6, 0}});
    setFocus({6, 1, 4, 0, 5, 3, 2});
    ASSERT_NE(sorted({6, 4, 0, 2}), sorted({0, 2, 4, 6})) << "the test needs an order-sensitive sort";

    FocusCriteria criteria;
    criteria.method = FocusCriteria::RemoveFromFocusSet;
    criteria.colors = {false, true, false, false}; // the red ones
    m_doc.applyFocusCriteria(criteria);
    EXPECT_EQ(focusMembers(), sorted({6, 4, 0, 2}));
    expectRebuilt();

    criteria.method = FocusCriteria::AddToFocusSet;
    criteria.colors = {true, true, false, false}; // all of them: black members stay once, red come back
    setFocus({6, 4, 0, 2});
    m_doc.applyFocusCriteria(criteria);
    EXPECT_EQ(focusMembers(), sorted({6, 4, 0, 2, 1, 3, 5}));
    expectRebuilt();
    m_doc.addToFocusSet(criteria);
    EXPECT_EQ(m_doc.focusCount(), 7);
    expectRebuilt();
}

} // namespace
