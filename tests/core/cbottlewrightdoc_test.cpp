#include "core/document/CBottlewrightDoc.h"
#include "core/model/Today.h"
#include "helpers/DocumentTestAccess.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
using Hints = std::vector<std::pair<CDocObserver*, int>>;

// Records what a view would be told.
class RecordingObserver : public CDocObserver {
public:
    void onUpdate(CDocObserver* sender, UpdateHint hint) override {
        calls.emplace_back(sender, hint);
        if (whenTold)
            whenTold();
    }
    void onFocusSetSorted() override { ++sorts; }

    Hints calls;
    int sorts = 0;
    std::function<void()> whenTold;
};

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(m_dir); }
    void TearDown() override {
        setTodayOverride(std::nullopt);
        std::filesystem::remove_all(m_dir);
    }

    // Entries named by their Producer, in document order, and a Focus Set of the given indices.
    static void fill(CBottlewrightDoc& doc, const Strings& producers, const std::vector<int>& members = {}) {
        for (const std::string& producer : producers)
            doc.focusEntry(doc.addNewEntry())->m_strProducer = producer;
        if (members.empty())
            return;
        DocumentTestAccess::setFocusMembers(doc, members);
    }
    static Strings focusProducers(const CBottlewrightDoc& doc) {
        Strings producers;
        for (int position = 0; position < doc.focusCount(); ++position)
            producers.push_back(doc.focusEntry(position)->m_strProducer);
        return producers;
    }
    static Strings documentProducers(const CBottlewrightDoc& doc) {
        Strings producers;
        for (int index = 0; index < doc.entryCount(); ++index)
            producers.push_back(doc.entry(index)->m_strProducer);
        return producers;
    }

    const std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("bw-document-" + std::to_string(std::random_device{}()));
};

} // namespace

TEST_F(DocumentTest, NewEntriesAreDefaultsAppendedWithoutMarkingModified) {
    CBottlewrightDoc doc(m_dir);
    EXPECT_EQ(doc.entryCount(), 0);
    EXPECT_EQ(doc.title(), "Cellar");
    EXPECT_EQ(doc.focusEntry(0), nullptr);
    EXPECT_EQ(doc.entry(0), nullptr);
    RecordingObserver view;
    doc.addObserver(&view);
    fill(doc, {"A", "B"});
    EXPECT_EQ(doc.addNewEntry(), 2);
    EXPECT_EQ(DocumentTestAccess::focusMembers(doc), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(*doc.focusEntry(2), CWine{});
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(DocumentTestAccess::focusCapacity(doc), 3)
        << "one entry appended grows the array by exactly one";
}

TEST_F(DocumentTest, DeletingKeepsTheOtherMembersNamingTheirEntries) {
    const struct {
        Strings producers;
        std::vector<int> focus;
        int position;
        bool modify;
        std::vector<int> members;
        Strings focusProducers, documentProducers;
    } cases[] = {
        {{"A", "B", "C"}, {2, 0, 1}, 0, false, {0, 1}, {"A", "B"}, {"A", "B"}},
        // An earlier entry gone shifts the later indices.
        {{"A", "B", "C", "D", "E"}, {4, 1, 0, 3}, 1, true, {3, 0, 2}, {"E", "A", "D"}, {"A", "C", "D", "E"}},
        // A position outside the Focus Set changes nothing.
        {{"A", "B"}, {1}, 1, true, {1}, {"B"}, {"A", "B"}},
        {{"A", "B"}, {1}, -1, true, {1}, {"B"}, {"A", "B"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "deleting position " << c.position << " of " << c.focus.size());
        CBottlewrightDoc doc(m_dir);
        fill(doc, c.producers, c.focus);
        if (c.modify)
            doc.deleteEntry(c.position);
        else
            doc.discardNewEntry(c.position);
        EXPECT_EQ(DocumentTestAccess::focusMembers(doc), c.members);
        EXPECT_EQ(focusProducers(doc), c.focusProducers);
        EXPECT_EQ(documentProducers(doc), c.documentProducers);
        EXPECT_EQ(doc.isModified(), c.modify && c.focus.size() != c.members.size());
    }
}

TEST_F(DocumentTest, CopyingPositionThreeAddsAPartialCopyAtTheEndAndMarksModified) {
    setTodayOverride(CalendarDate{2001, 7, 3});
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C", "D"}, {3, 2, 1, 0});
    doc.focusEntry(3)->m_nNumberRemaining = 6;

    // Which fields a partial copy keeps is the entry record's business; here only where it goes.
    const int copy = doc.copyEntry(3);
    EXPECT_EQ(copy, 4);
    EXPECT_EQ(doc.focusMember(4), 4);
    EXPECT_EQ(documentProducers(doc), (Strings{"A", "B", "C", "D", "A"}));
    EXPECT_EQ(doc.focusEntry(copy)->m_nNumberRemaining, 0);
    EXPECT_EQ(doc.focusEntry(copy)->m_strDateModified, "7-3-1");
    EXPECT_TRUE(doc.isModified());

    // Cancelling the copy deletes it again, and the mark stays.
    doc.discardNewEntry(copy);
    EXPECT_EQ(doc.entryCount(), 4);
    EXPECT_TRUE(doc.isModified());

    // With no entry selected there is nothing to copy.
    EXPECT_EQ(doc.copyEntry(-1), -1);
    EXPECT_EQ(doc.copyEntry(4), -1);
    EXPECT_EQ(doc.entryCount(), 4);
}

TEST_F(DocumentTest, FocusPositionsGoWithoutTheirEntriesTheArrayGrowsTenAtATimeAndAllWinesTakesAll) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C"});
    DocumentTestAccess::removeFocusPosition(doc, 1);
    DocumentTestAccess::removeFocusPosition(doc, 2);
    EXPECT_EQ(focusProducers(doc), (Strings{"A", "C"}));
    EXPECT_EQ(doc.entryCount(), 3);
    EXPECT_FALSE(doc.isModified());

    DocumentTestAccess::setFocusMembers(doc, {});
    EXPECT_EQ(doc.focusCount(), 0);
    EXPECT_EQ(DocumentTestAccess::focusCapacity(doc), 3);
    doc.focusEntry(doc.addNewEntry())->m_strProducer = "D"; // fits in the array as it is
    EXPECT_EQ(DocumentTestAccess::focusCapacity(doc), 3);
    fill(doc, {}, {3, 2, 1, 0});
    EXPECT_EQ(DocumentTestAccess::focusCapacity(doc), 13);
    EXPECT_EQ(focusProducers(doc), (Strings{"D", "C", "B", "A"}));

    // All Wines takes every entry back, sorted, and tells the views.
    DocumentTestAccess::removeFocusPosition(doc, 0);
    RecordingObserver view;
    doc.addObserver(&view);
    doc.selectAllWines();
    EXPECT_EQ(focusProducers(doc), (Strings{"A", "B", "C", "D"}));
    EXPECT_EQ(view.sorts, 1);
    EXPECT_EQ(view.calls, (Hints{{nullptr, HintFocusSet}}));
    EXPECT_FALSE(doc.isModified());
    doc.removeObserver(&view);
}

TEST_F(DocumentTest, EveryObserverGetsEveryHintWithItsSenderAndMayUnsubscribeOnTheWay) {
    CBottlewrightDoc doc(m_dir);
    RecordingObserver first;
    RecordingObserver second;
    doc.addObserver(&first);
    doc.addObserver(&second);
    doc.addObserver(&first);
    DocumentTestAccess::notify(doc, &first, HintColumns);
    doc.removeObserver(&second);
    DocumentTestAccess::notify(doc, nullptr, HintResorted);
    EXPECT_EQ(first.calls, (Hints{{&first, HintColumns}, {nullptr, HintResorted}}));
    EXPECT_EQ(second.calls, (Hints{{&first, HintColumns}}));

    // A view closes the window of another view, which then must not be told anything more.
    doc.removeObserver(&first);
    RecordingObserver closer;
    auto* other = new RecordingObserver;
    RecordingObserver last;
    closer.whenTold = [&] {
        doc.removeObserver(&closer);
        doc.removeObserver(other);
        delete other;
        other = nullptr;
    };
    doc.addObserver(&closer);
    doc.addObserver(other);
    doc.addObserver(&last);
    DocumentTestAccess::notify(doc, nullptr, HintFieldNames);
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
    EXPECT_EQ(view.calls, (Hints{{nullptr, HintFocusSet}}));
}

TEST_F(DocumentTest, AFailedSaveKeepsTheMarkAndTheNameAndAFailedOpenLeavesTheDocumentEmpty) {
    CBottlewrightDoc doc(m_dir);
    fill(doc, {"A", "B", "C"});
    doc.setModified(true);
    EXPECT_NE(doc.saveAs(m_dir / "no such folder" / "Mine.bwf"), "");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), "Cellar");
    EXPECT_NE(doc.save(), "");
    EXPECT_TRUE(doc.isModified());

    ASSERT_EQ(doc.saveAs(m_dir / "damaged.bwf"), "");
    std::filesystem::resize_file(m_dir / "damaged.bwf",
                                 std::filesystem::file_size(m_dir / "damaged.bwf") - 5);
    for (const char* name : {"damaged.bwf", "missing.bwf"}) {
        CBottlewrightDoc opened(m_dir);
        EXPECT_NE(opened.open(m_dir / name), "") << name;
        EXPECT_EQ(opened.entryCount(), 0) << name;
        EXPECT_EQ(opened.focusCount(), 0) << name;
        EXPECT_EQ(opened.title(), "Cellar") << name;
    }
}

TEST_F(DocumentTest, SortPrecedenceComesFromTheStartDirectoryAndGoesBackThere) {
    SortPrecedence byCost;
    byCost.setPrecedence(CWine::Cost, 1);
    byCost.setDescending(CWine::Cost, true);
    {
        CBottlewrightDoc doc(m_dir);
        EXPECT_EQ(doc.sortPrecedence(), SortPrecedence{});
        doc.sortPrecedence() = byCost;
        fill(doc, {"A", "B"});
        doc.focusEntry(1)->m_fCost = 9.0f;
        doc.sortFocusSet();
        EXPECT_EQ(focusProducers(doc), (Strings{"B", "A"}));
    }
    EXPECT_EQ(CBottlewrightDoc(m_dir).sortPrecedence(), byCost);

    // A short file gives no keys at all.
    std::ofstream(m_dir / "srtprec.bw3") << "1 1\n2 0\n";
    EXPECT_EQ(CBottlewrightDoc(m_dir).sortPrecedence(), SortPrecedence{});
}

TEST_F(DocumentTest, ImportedEntriesKeepTheirOrderUnsortedAndMarkModifiedOnlyWhenThereAreAny) {
    for (const Strings& producers : {Strings{}, Strings{"Zeta", "Alpha"}}) {
        CBottlewrightDoc doc(m_dir);
        RecordingObserver view;
        doc.addObserver(&view);
        WineList entries;
        for (const std::string& producer : producers) {
            entries.push_back(std::make_unique<CWine>());
            entries.back()->m_strProducer = producer;
        }
        doc.fillWithImported(std::move(entries));
        EXPECT_EQ(focusProducers(doc), producers);
        EXPECT_EQ(doc.isModified(), !producers.empty());
        EXPECT_EQ(view.sorts, 0);
        EXPECT_EQ(view.calls, (Hints{{nullptr, HintFocusSet}}));
    }
}
