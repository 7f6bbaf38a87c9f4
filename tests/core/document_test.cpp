#include "document/CBottlewrightDoc.h"
#include "model/Today.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                (std::string("bw-document-") + info->name() + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        setTodayOverride(std::nullopt);
        std::filesystem::remove_all(m_dir);
    }

    // A document whose entries are named by their Producer, in document order.
    static void fill(CBottlewrightDoc& doc, const std::vector<std::string>& producers) {
        for (const std::string& producer : producers)
            doc.focusEntry(doc.addNewEntry())->m_strProducer = producer;
    }
    static std::vector<std::string> focusProducers(const CBottlewrightDoc& doc) {
        std::vector<std::string> producers;
        for (int position = 0; position < doc.focusCount(); ++position)
            producers.push_back(doc.focusEntry(position)->m_strProducer);
        return producers;
    }
    static std::vector<std::string> documentProducers(const CBottlewrightDoc& doc) {
        std::vector<std::string> producers;
        for (int index = 0; index < doc.entryCount(); ++index)
            producers.push_back(doc.entry(index)->m_strProducer);
        return producers;
    }
    static void setFocus(CBottlewrightDoc& doc, const std::vector<int>& members) {
        doc.clearFocusSet();
        for (const int member : members)
            doc.appendToFocusSet(member);
    }

    std::filesystem::path m_dir;
};

using Strings = std::vector<std::string>;

// Records what a view would be told.
class RecordingObserver : public CDocObserver {
public:
    void onUpdate(CDocObserver* sender, int hint) override { calls.emplace_back(sender, hint); }
    void onFocusSetSorted() override { ++sorts; }

    std::vector<std::pair<CDocObserver*, int>> calls;
    int sorts = 0;
};

} // namespace

TEST_F(DocumentTest, NewDocumentIsEmptyUnmodifiedAndCalledCellar) {
    const CBottlewrightDoc doc(m_dir);
    EXPECT_EQ(doc.entryCount(), 0);
    EXPECT_EQ(doc.focusCount(), 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "Cellar");
    EXPECT_EQ(doc.focusEntry(0), nullptr);
    EXPECT_EQ(doc.entry(0), nullptr);
}

TEST_F(DocumentTest, AddNewEntryAppendsADefaultEntryWithoutMarkingModified) {
    CBottlewrightDoc doc(m_dir);
    RecordingObserver view;
    doc.addObserver(&view);
    fill(doc, {"A", "B"});
    EXPECT_EQ(doc.addNewEntry(), 2);
    EXPECT_EQ(doc.entryCount(), 3);
    EXPECT_EQ(doc.focusMember(2), 2);
    EXPECT_EQ(*doc.focusEntry(2), CWine{});
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(view.calls.empty());
    // One entry appended grows the array by exactly one.
    EXPECT_EQ(doc.focusCapacity(), 3);
}

TEST_F(DocumentTest, DeletingPositionZeroOfTwoZeroOneKeepsTheOtherMembersNamingTheirEntries) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C"});
    setFocus(doc, {2, 0, 1});
    doc.deleteEntry(0, false);
    EXPECT_EQ(doc.focusCount(), 2);
    EXPECT_EQ(doc.focusMember(0), 0);
    EXPECT_EQ(doc.focusMember(1), 1);
    EXPECT_EQ(focusProducers(doc), (Strings{"A", "B"}));
    EXPECT_EQ(documentProducers(doc), (Strings{"A", "B"}));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, DeletingAnEarlierEntryShiftsTheLaterIndices) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C", "D", "E"});
    setFocus(doc, {4, 1, 0, 3});
    doc.deleteEntry(1, true);
    EXPECT_EQ(doc.focusCount(), 3);
    EXPECT_EQ(doc.focusMember(0), 3);
    EXPECT_EQ(doc.focusMember(1), 0);
    EXPECT_EQ(doc.focusMember(2), 2);
    EXPECT_EQ(focusProducers(doc), (Strings{"E", "A", "D"}));
    EXPECT_EQ(documentProducers(doc), (Strings{"A", "C", "D", "E"}));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentTest, DeletingAPositionOutsideTheFocusSetDoesNothing) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B"});
    setFocus(doc, {1});
    doc.deleteEntry(1, true);
    doc.deleteEntry(-1, true);
    EXPECT_EQ(doc.entryCount(), 2);
    EXPECT_EQ(doc.focusCount(), 1);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, CopyingPositionThreeAddsAPartialCopyAtTheEndAndMarksModified) {
    setTodayOverride(CalendarDate{2001, 7, 3});
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C", "D"});
    setFocus(doc, {3, 2, 1, 0});
    CWine& source = *doc.focusEntry(3);
    source.m_nVintage = 1985;
    source.m_fCost = 12.5f;
    source.m_strUser2 = "cellar left";
    source.m_nNumberAcquired = 12;
    source.m_nNumberRemaining = 6;
    source.m_strBins = "B7";
    source.m_strHistory = "history";

    const int copy = doc.copyEntry(3);
    EXPECT_EQ(copy, 4);
    EXPECT_EQ(doc.entryCount(), 5);
    EXPECT_EQ(doc.focusMember(4), 4);
    const CWine& made = *doc.focusEntry(copy);
    EXPECT_EQ(made.m_strProducer, "A");
    EXPECT_EQ(made.m_nVintage, 1985);
    EXPECT_EQ(made.m_fCost, 12.5f);
    EXPECT_EQ(made.m_strUser2, "cellar left");
    EXPECT_EQ(made.m_nNumberAcquired, 0);
    EXPECT_EQ(made.m_nNumberRemaining, 0);
    EXPECT_EQ(made.m_strBins, "");
    EXPECT_EQ(made.m_strHistory, "");
    EXPECT_EQ(made.m_strDateModified, "7-3-1");
    EXPECT_TRUE(doc.isModified());

    // Cancelling the copy deletes it again, and the mark stays.
    doc.deleteEntry(copy, false);
    EXPECT_EQ(doc.entryCount(), 4);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentTest, RemovingAPositionKeepsTheEntry) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C"});
    doc.removeFocusPosition(1);
    EXPECT_EQ(focusProducers(doc), (Strings{"A", "C"}));
    EXPECT_EQ(doc.entryCount(), 3);
    doc.removeFocusPosition(2);
    EXPECT_EQ(doc.focusCount(), 2);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, ClearKeepsTheArrayAndARebuildGrowsItTenAtATime) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B"});
    ASSERT_EQ(doc.focusCapacity(), 2);
    doc.clearFocusSet();
    EXPECT_EQ(doc.focusCount(), 0);
    EXPECT_EQ(doc.focusCapacity(), 2);
    doc.focusEntry(doc.addNewEntry())->m_strProducer = "C"; // fits in the array as it is
    EXPECT_EQ(doc.focusCapacity(), 2);
    setFocus(doc, {2, 1, 0});
    EXPECT_EQ(doc.focusCapacity(), 12);
    EXPECT_EQ(focusProducers(doc), (Strings{"C", "B", "A"}));
}

TEST_F(DocumentTest, AllWinesSortsEveryEntryAndTellsTheViews) {
    CBottlewrightDoc doc(m_dir);
    RecordingObserver view;
    doc.addObserver(&view);
    fill(doc, {"C", "A", "B"});
    setFocus(doc, {0});
    doc.selectAllWines();
    EXPECT_EQ(focusProducers(doc), (Strings{"A", "B", "C"}));
    EXPECT_EQ(view.sorts, 1);
    ASSERT_EQ(view.calls.size(), 1u);
    EXPECT_EQ(view.calls[0], (std::pair<CDocObserver*, int>{nullptr, HintFocusSet}));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentTest, EveryObserverGetsEveryHintWithItsSender) {
    CBottlewrightDoc doc(m_dir);
    RecordingObserver first;
    RecordingObserver second;
    doc.addObserver(&first);
    doc.addObserver(&second);
    doc.addObserver(&first);
    doc.updateAllViews(&first, HintColumns);
    doc.removeObserver(&second);
    doc.updateAllViews(nullptr, HintResorted);
    EXPECT_EQ(first.calls,
              (std::vector<std::pair<CDocObserver*, int>>{{&first, HintColumns}, {nullptr, HintResorted}}));
    EXPECT_EQ(second.calls, (std::vector<std::pair<CDocObserver*, int>>{{&first, HintColumns}}));
}

TEST_F(DocumentTest, ObserversMayUnsubscribeWhileAHintGoesRound) {
    // Closes the window of another view, which then must not be told anything more.
    class ClosingObserver : public RecordingObserver {
    public:
        ClosingObserver(CBottlewrightDoc& doc, CDocObserver*& other) : m_doc(doc), m_other(other) {}
        void onUpdate(CDocObserver* sender, int hint) override {
            RecordingObserver::onUpdate(sender, hint);
            m_doc.removeObserver(this);
            m_doc.removeObserver(m_other);
            delete m_other;
            m_other = nullptr;
        }

    private:
        CBottlewrightDoc& m_doc;
        CDocObserver*& m_other;
    };

    CBottlewrightDoc doc(m_dir);
    CDocObserver* other = new RecordingObserver;
    ClosingObserver closer(doc, other);
    RecordingObserver last;
    doc.addObserver(&closer);
    doc.addObserver(other);
    doc.addObserver(&last);
    doc.updateAllViews(nullptr, HintFieldNames);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(closer.calls.size(), 1u);
    EXPECT_EQ(last.calls.size(), 1u);
    EXPECT_EQ(doc.observers(), (std::vector<CDocObserver*>{&last}));
}

TEST_F(DocumentTest, SavingClearsTheMarkAndNamesTheDocument) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"B", "A"});
    doc.setModified(true);
    ASSERT_EQ(doc.saveAs(m_dir / "Mine.bwf"), "");
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "Mine.bwf");
    EXPECT_EQ(doc.pathName(), m_dir / "Mine.bwf");

    doc.focusEntry(0)->m_strProducer = "Z";
    doc.setModified(true);
    ASSERT_EQ(doc.save(), "");
    EXPECT_FALSE(doc.isModified());

    CBottlewrightDoc reopened(m_dir);
    RecordingObserver view;
    reopened.addObserver(&view);
    ASSERT_EQ(reopened.open(m_dir / "Mine.bwf"), "");
    EXPECT_EQ(documentProducers(reopened), (Strings{"Z", "A"}));
    EXPECT_EQ(focusProducers(reopened), (Strings{"A", "Z"}));
    EXPECT_EQ(reopened.title(), "Mine.bwf");
    EXPECT_FALSE(reopened.isModified());
    EXPECT_EQ(view.calls, (std::vector<std::pair<CDocObserver*, int>>{{nullptr, HintFocusSet}}));
}

TEST_F(DocumentTest, AFailedSaveKeepsTheMarkAndTheName) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A"});
    doc.setModified(true);
    EXPECT_NE(doc.saveAs(m_dir / "no such folder" / "Mine.bwf"), "");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), "Cellar");
    EXPECT_NE(doc.save(), "");
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentTest, OpeningADamagedFileLeavesTheDocumentEmpty) {
    CBottlewrightDoc source(m_dir);
    fill(source, {"A", "B", "C"});
    ASSERT_EQ(source.saveAs(m_dir / "whole.bwf"), "");
    const std::filesystem::path damaged = m_dir / "damaged.bwf";
    std::filesystem::copy_file(m_dir / "whole.bwf", damaged);
    std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) - 5);

    CBottlewrightDoc doc(m_dir);
    EXPECT_NE(doc.open(damaged), "");
    EXPECT_EQ(doc.entryCount(), 0);
    EXPECT_EQ(doc.focusCount(), 0);
    EXPECT_EQ(doc.title(), "Cellar");
    EXPECT_NE(doc.open(m_dir / "missing.bwf"), "");
    EXPECT_EQ(doc.entryCount(), 0);
}

TEST_F(DocumentTest, SortPrecedenceComesFromTheStartDirectoryAndGoesBackThere) {
    {
        CBottlewrightDoc doc(m_dir);
        EXPECT_EQ(doc.sortPrecedence(), SortPrecedence{});
        doc.sortPrecedence().setPrecedence(CWine::Cost, 1);
        doc.sortPrecedence().setDescending(CWine::Cost, true);
        fill(doc, {"A", "B"});
        doc.focusEntry(1)->m_fCost = 9.0f;
        doc.sortFocusSet();
        EXPECT_EQ(focusProducers(doc), (Strings{"B", "A"}));
    }
    ASSERT_TRUE(std::filesystem::exists(m_dir / "srtprec.bw3"));
    {
        CBottlewrightDoc doc(m_dir);
        EXPECT_EQ(doc.sortPrecedence().precedence(CWine::Cost), 1);
        EXPECT_TRUE(doc.sortPrecedence().descending(CWine::Cost));
    }
}

TEST_F(DocumentTest, AShortPrecedenceFileGivesNoKeysAtAll) {
    std::ofstream(m_dir / "srtprec.bw3") << "1 1\n2 0\n";
    CBottlewrightDoc doc(m_dir);
    EXPECT_EQ(doc.sortPrecedence(), SortPrecedence{});
}

TEST_F(DocumentTest, AStartDirectoryThatCannotTakeThePrecedenceFileIsNoError) {
    EXPECT_NO_THROW(CBottlewrightDoc(m_dir / "no such folder"));
}
