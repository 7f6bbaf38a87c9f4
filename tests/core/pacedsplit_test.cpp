#include "core/model/PacedSplit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::size_t> starts(const PacedSplit& split, std::size_t parts, std::size_t total) {
    std::vector<std::size_t> result;
    for (std::size_t part = 0; part <= parts; ++part)
        result.push_back(split.start(part, total));
    return result;
}

} // namespace

// Equal parts at first; then a part that went half as fast gets less, round after round, until each
// takes as long as the others; every part keeps something, and times that tell nothing change nothing.
TEST(PacedSplit, PartsFollowHowFastEachWent) {
    PacedSplit split(2);
    EXPECT_EQ(starts(split, 2, 1000), (std::vector<std::size_t>{0, 500, 1000}));

    // Part 1 takes twice as long for the same count: two thirds of the work belong to part 0.
    for (int round = 0; round < 20; ++round) {
        const std::size_t mine = split.start(1, 1000);
        split.learn(std::vector<double>{static_cast<double>(mine), 2.0 * static_cast<double>(1000 - mine)},
                    1000);
    }
    EXPECT_NEAR(static_cast<double>(split.start(1, 1000)), 667.0, 2.0);
    EXPECT_EQ(split.start(2, 1000), 1000U);

    // A part measured as never done, or doing nothing, leaves the split as it was.
    const std::vector<std::size_t> before = starts(split, 2, 1000);
    split.learn(std::vector<double>{0.0, 1.0}, 1000);
    split.learn(std::vector<double>{1.0, 1.0}, 1);
    EXPECT_EQ(starts(split, 2, 1000), before);

    // However slow a part, it keeps a share, so that its pace is still measured.
    PacedSplit lopsided(3);
    for (int round = 0; round < 40; ++round)
        lopsided.learn(std::vector<double>{1.0, 1.0, 1000.0}, 3000);
    EXPECT_GE(lopsided.start(3, 3000) - lopsided.start(2, 3000), 140U); // about a twentieth
    EXPECT_LE(lopsided.start(0, 3000), lopsided.start(1, 3000));
    EXPECT_LE(lopsided.start(1, 3000), lopsided.start(2, 3000));
}

// Threads that each keep a split agree on every boundary, given the same times.
TEST(PacedSplit, SplitsLearningTheSameTimesAgree) {
    PacedSplit a(4);
    PacedSplit b(4);
    const std::vector<std::vector<double>> rounds{
        {1.0, 2.0, 3.0, 4.0}, {0.3, 0.1, 0.2, 0.9}, {5.0, 5.0, 1.0, 2.0}};
    for (const std::vector<double>& seconds : rounds) {
        a.learn(seconds, 8192);
        b.learn(seconds, 8192);
        EXPECT_EQ(starts(a, 4, 8191), starts(b, 4, 8191));
    }
}
