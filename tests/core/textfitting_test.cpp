#include "core/views/entrylist/TextFitting.h"

#include <gtest/gtest.h>
#include <string>

using TextFitting::fittedLength;

namespace {

// Every character 7 pixels wide; counts how often it is asked.
struct FixedPitch {
    int calls = 0;
    int operator()(int count) {
        ++calls;
        return 7 * count;
    }
};

int fit(const std::string& text, int width, FixedPitch& measure) {
    return fittedLength(text, width, [&](int count) { return measure(count); });
}

int fit(const std::string& text, int width) {
    FixedPitch measure;
    return fit(text, width, measure);
}

} // namespace

TEST(TextFitting, WholeTextWhenItFits) {
    EXPECT_EQ(fit("Chardonnay", 3 + 70), 10);
    EXPECT_EQ(fit("abc", 3 + 21), 3);
    EXPECT_EQ(fit("", 40), 0);
}

TEST(TextFitting, CutsToTheLongestPrefixThatFits) {
    EXPECT_EQ(fit("Chardonnay", 3 + 69), 9);
    EXPECT_EQ(fit("Chardonnay", 3 + 35), 5);
    EXPECT_EQ(fit("Chardonnay", 3 + 34), 4);
}

TEST(TextFitting, LongTextKeepsTwoCharactersInANarrowColumn) {
    // 8 pixels leave 5 usable: not even one 7-pixel character fits.
    EXPECT_EQ(fit("Chardonnay", 8), 2);
    EXPECT_EQ(fit("Merlot", 0), 2);
    // Three characters or fewer are cut to one less than they have, never below 0.
    EXPECT_EQ(fit("Cab", 8), 2);
    EXPECT_EQ(fit("ab", 8), 1);
    EXPECT_EQ(fit("a", 8), 0);
    EXPECT_EQ(fit("", 0), 0);
}

TEST(TextFitting, OnlyTheFirstLineOfANoteIsShown) {
    EXPECT_EQ(TextFitting::firstLineLength("Decant\r\nthen wait"), 6u);
    EXPECT_EQ(TextFitting::firstLineLength("Decant\nthen wait"), 6u);
    EXPECT_EQ(TextFitting::firstLineLength("one line"), 8u);
    EXPECT_EQ(fit("Decant\r\nthen wait an hour", 500), 6);
    EXPECT_EQ(fit("\nsecond", 500), 0);
}

TEST(TextFitting, MeasuresByBisection) {
    FixedPitch measure;
    const std::string text(1000, 'x');
    EXPECT_EQ(fit(text, 3 + 7 * 321, measure), 321);
    EXPECT_LE(measure.calls, 12);
}
