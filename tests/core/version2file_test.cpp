#include "core/model/AtomicFile.h"
#include "core/model/Version2File.h"

#include <gtest/gtest.h>

namespace {

// A record with the given vintage, producer, designation and notes; other fields fixed.
std::string record(const std::string& vintage, const std::string& notes,
                   const std::string& marker = "@@@\n") {
    std::string text = vintage +
                       "\nProducer\nDesig\nRed\nApp\nRegion\n9.5\n12\n6\n4\n1-2-93\n\n\n90\nFrance\nA1\nShop"
                       "\nu1\nu2\nu3\n5-1-95\n";
    return text + notes + marker;
}

const std::string kHeader = "##BottlewrightVersion2.0##\n";

} // namespace

TEST(Version2File, HeaderMustMatchWithItsLineEnd) {
    EXPECT_FALSE(Version2File::read("##BottlewrightVersion2.0#\n").isVersion2);
    EXPECT_FALSE(Version2File::read("##BottlewrightVersion2.0##X\n").isVersion2);
    const Version2ReadResult empty = Version2File::read(kHeader);
    EXPECT_TRUE(empty.isVersion2);
    EXPECT_TRUE(empty.entries.empty());
}

TEST(Version2File, NotesMarkersAndDamagedRecords) {
    struct Case {
        std::string body;
        std::vector<std::string> notes; // of the kept records
        int dropped;
    };
    const std::vector<Case> cases{
        {record("1990", "a\n\nb\n", "@*@\n"), {"a\r\nb\r\n"}, 0},
        {"1991\nX\n@@@\n" + record("1992", "n"), {"n"}, 1}, // cut short at the designation
        {"@#@\n" + record("1992", ""), {""}, 1},            // a stray marker line
        {record("1993", "x", "@!@\nskipped\n@@@ and more\n") + record("1", "y"), {"y"}, 1},
        {record("1994", "kept") + record("1995", "no marker", ""), {"kept"}, 0},
        {record("1996", std::string(1460, 'z')), {std::string(Version2File::kNotesRoom, 'z')}, 0},
        {record("1997", std::string(1453, 'z') + "\nq"), {std::string(1453, 'z') + "q"}, 0},
    };
    for (const Case& c : cases) {
        const Version2ReadResult result = Version2File::read(kHeader + c.body);
        ASSERT_EQ(result.entries.size(), c.notes.size()) << c.body.substr(0, 40);
        for (std::size_t i = 0; i < c.notes.size(); ++i)
            EXPECT_EQ(result.entries[i]->m_strNotes, c.notes[i]);
        EXPECT_EQ(result.dropped, c.dropped) << c.body.substr(0, 40);
    }
}

TEST(Version2File, FieldsWidthsAndNumbers) {
    const std::string longProducer(60, 'p');
    std::string text = kHeader + record("NV", "");
    text.replace(text.find("Producer"), 8, longProducer.substr(0, 50) + "\n");
    const Version2ReadResult cut = Version2File::read(text);
    EXPECT_EQ(cut.entries.size() + cut.dropped, 1u); // the eaten line end shifts the fields

    const Version2ReadResult result = Version2File::read(kHeader + record("NV", "") + record("", ""));
    ASSERT_EQ(result.entries.size(), 2u);
    const CWine& wine = *result.entries[0];
    EXPECT_EQ(wine.m_nVintage, 0);
    EXPECT_EQ(result.entries[1]->m_nVintage, 0);
    EXPECT_FLOAT_EQ(wine.m_fCost, 9.5f);
    EXPECT_EQ(wine.m_nNumberRemaining, 4);
    EXPECT_EQ(wine.m_strDateModified, "5-1-95");
    EXPECT_EQ(wine.m_strUser3, "u3");
    EXPECT_TRUE(wine.m_strUser4.empty());
}

TEST(Version2File, ReadsTheFixtureWithCrLfLineEnds) {
    std::string bytes, error;
    ASSERT_TRUE(readWholeFile(BW_TEST_DATA "/exchange/cellar.clr", bytes, error));
    const Version2ReadResult result = Version2File::read(bytes);
    ASSERT_EQ(result.entries.size(), 2u);
    EXPECT_EQ(result.entries[0]->m_strProducer, "Latour");
    EXPECT_EQ(result.entries[1]->m_strNotes, "line one\r\nline two\r\n");
    EXPECT_EQ(result.dropped, 2);
}
