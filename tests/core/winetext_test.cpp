#include "core/model/CWine.h"
#include "core/model/WineText.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// Lengths on each side of the forms' limits: kept in the eight bytes, in a block, with a long length.
const std::size_t kLengths[] = {0, 1, 6, 7, 8, 9, 15, 16, 23, 24, 0x3FFE, 0x3FFF, 0x4000, 70000};

// A text of the given length holding every byte value, NUL included, so a length cut at a NUL shows.
std::string textOfLength(std::size_t length) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>((i * 37 + 11) % 256);
    return text;
}

void expectHolds(const WineText& text, const std::string& expected) {
    ASSERT_EQ(text.size(), expected.size());
    EXPECT_EQ(text.view(), expected);
    EXPECT_EQ(text.c_str()[expected.size()], '\0');
    EXPECT_EQ(text.empty(), expected.empty());
}

} // namespace

TEST(WineText, HoldsEveryLengthAndByteThroughAssignCopyAndMove) {
    for (const std::size_t length : kLengths) {
        SCOPED_TRACE(length);
        const std::string expected = textOfLength(length);
        WineText text;
        text = expected;
        expectHolds(text, expected);

        const WineText copy(text);
        expectHolds(copy, expected);
        WineText moved(std::move(text));
        expectHolds(moved, expected);

        // Reassigning reuses or replaces the block, whichever length came before.
        for (const std::size_t next : kLengths) {
            const std::string other = textOfLength(next);
            moved = other;
            expectHolds(moved, other);
            moved = expected;
            expectHolds(moved, expected);
        }
        moved.clear();
        expectHolds(moved, "");
    }
}

TEST(WineText, AssignsPartsOfItselfAndAppends) {
    WineText text;
    text = "Chateau Margaux Premier Grand Cru";
    text.assign(text.view().substr(8));
    EXPECT_EQ(text, "Margaux Premier Grand Cru");
    text.assign(text.view().substr(0, 7));
    EXPECT_EQ(text, "Margaux");
    text += " 1990, a long text now";
    EXPECT_EQ(text, "Margaux 1990, a long text now");
    text += '!';
    EXPECT_EQ("Margaux 1990, a long text now!", text);
    EXPECT_EQ("[" + text + "]", "[Margaux 1990, a long text now!]");
    EXPECT_LT(text, std::string("Margauy"));
}

// Texts of every length spread over the fields, so that every form and the packed space's layout show.
CWine wineWithTexts(std::size_t seed) {
    CWine wine;
    wine.m_nVintage = 1985;
    wine.m_nLetterColor = CWine::Green;
    wine.m_fCost = 12.5f;
    wine.m_fValue = 20.25f;
    wine.m_nNumberAcquired = 12;
    wine.m_nNumberRemaining = 7;
    std::size_t i = seed;
    CWine::visitMembers(wine, [&i](const char*, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, WineText>)
            member = textOfLength(kLengths[i++ % std::size(kLengths)]);
    });
    return wine;
}

TEST(WineText, PackedEntryHoldsTheSameAndCopiesOutliveIt) {
    for (std::size_t seed = 0; seed < std::size(kLengths); ++seed) {
        SCOPED_TRACE(seed);
        const CWine source = wineWithTexts(seed);
        std::unique_ptr<CWine> packed = CWine::packed(source);
        EXPECT_EQ(*packed, source);

        // Copies and moves of lent texts own their characters; a text changed in a packed entry
        // leaves the others where they are.
        CWine copy = *packed;
        WineText taken(std::move(packed->m_strNotes));
        packed->m_strProducer = "A producer changed after packing";
        EXPECT_EQ(packed->m_strAppellation, source.m_strAppellation);
        packed.reset();
        EXPECT_EQ(copy, source);
        EXPECT_EQ(taken, source.m_strNotes);
    }
}
