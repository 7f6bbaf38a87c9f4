#include "core/document/CBottlewrightDoc.h"
#include "core/views/entrylist/EntrySearch.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<int> findIn(const std::vector<bool>& matching, int selected, bool forward, bool wrap) {
    return EntrySearch::find(static_cast<int>(matching.size()), selected, forward, wrap,
                             [&](int position) { return matching[static_cast<std::size_t>(position)]; });
}

class HintCounter : public CDocObserver {
public:
    void onUpdate(CDocObserver*, UpdateHint hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

} // namespace

TEST(EntrySearchTest, FindSkipsTheStartAndWrapsOnlyWhenAsked) {
    const std::vector<bool> firstOnly = {true, false, false, false};
    EXPECT_EQ(findIn(firstOnly, 3, true, true), 0);
    EXPECT_EQ(findIn(firstOnly, 3, true, false), std::nullopt);
    EXPECT_EQ(findIn(firstOnly, 2, false, false), 0);
    // With no selection the search starts from 0, which is never examined itself.
    EXPECT_EQ(findIn(firstOnly, -1, true, true), std::nullopt);
    EXPECT_EQ(findIn({true, true}, -1, true, false), 1);
    EXPECT_EQ(findIn({true}, -1, true, true), std::nullopt); // one entry: never found
    EXPECT_EQ(findIn({false, true, false}, 0, false, true), 1);

    // Find and Replace's search comes back to the start last.
    EXPECT_EQ(EntrySearch::findInField(3, 1, [](int p) { return p == 1; }), 1);
    EXPECT_EQ(EntrySearch::findInField(3, 1, [](int p) { return p != 1; }), 2);
    EXPECT_EQ(EntrySearch::centredTopRow(10, 8), 6);
    EXPECT_EQ(EntrySearch::centredTopRow(2, 8), 0);
}

TEST(EntrySearchTest, FindIgnoresCaseInTheChosenFieldsAndReplaceSearchDoesNot) {
    CWine wine;
    wine.m_strProducer = "Ch\xC2teau Margaux"; // A circumflex, capital
    wine.m_strNotes = "Cassis";
    EntrySearch::FindOptions all;
    EXPECT_TRUE(EntrySearch::findMatches(wine, "ch\xE2teau", all));
    EXPECT_TRUE(EntrySearch::findMatches(wine, "cassis", all));
    EntrySearch::FindOptions notesOnly;
    notesOnly.allFields = false;
    notesOnly.checked[7] = true;
    EXPECT_FALSE(EntrySearch::findMatches(wine, "margaux", notesOnly));
    EXPECT_TRUE(EntrySearch::findMatches(wine, "cass", notesOnly));

    EXPECT_FALSE(EntrySearch::fieldMatches("Cassis", "cassis"));
    EXPECT_TRUE(EntrySearch::fieldMatches("Cassis", "Cass"));
    EXPECT_TRUE(EntrySearch::fieldMatches("", ""));
    EXPECT_FALSE(EntrySearch::fieldMatches("x", ""));
}

TEST(EntrySearchTest, ReplaceAllChangesTheFirstOccurrencePerEntryAndTellsTheViews) {
    const auto folder = std::filesystem::temp_directory_path() / "bw-entrysearch-test";
    std::filesystem::create_directories(folder);
    {
        CBottlewrightDoc doc(folder);
        HintCounter views;
        doc.addObserver(&views);
        for (const char* producer : {"banana", "Banana", "", "apple"})
            doc.focusEntry(doc.addNewEntry())->m_strProducer = producer;

        EXPECT_EQ(doc.replaceInFocusSet(CWine::Producer, "a", "b", nullptr), 3);
        EXPECT_EQ(doc.focusEntry(0)->m_strProducer, "bbnana");
        EXPECT_EQ(doc.focusEntry(1)->m_strProducer, "Bbnana");
        EXPECT_EQ(doc.focusEntry(3)->m_strProducer, "bpple");
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(views.hints, std::vector<int>{HintFocusSet});

        // An empty Find What fills the empty fields only.
        EXPECT_EQ(doc.replaceInFocusSet(CWine::Producer, "", "Unknown", nullptr), 1);
        EXPECT_EQ(doc.focusEntry(2)->m_strProducer, "Unknown");
        EXPECT_FALSE(doc.replaceInFocusEntry(0, CWine::Producer, "zz", "y", nullptr));
        EXPECT_EQ(views.hints.size(), 2u);
        doc.removeObserver(&views);
    }
    std::filesystem::remove_all(folder);
}
