#include "core/model/WorkInParts.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

std::size_t threadsOfThisProcess() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<std::size_t>(std::distance(begin(tasks), end(tasks)));
}

TEST(WorkInParts, EveryPartRunsOnceAndRunReturnsWhenAllAreDone) {
    for (const std::size_t parts : {std::size_t{1}, std::size_t{2}, std::size_t{5}}) {
        std::vector<std::atomic<int>> runs(parts);
        WorkInParts::run(parts, [&runs](std::size_t part) {
            // Long enough that a part still running would be seen below.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ++runs[part];
        });
        for (std::size_t part = 0; part < parts; ++part)
            EXPECT_EQ(runs[part].load(), 1) << part << " of " << parts;
    }
    std::vector<std::size_t> starts;
    for (std::size_t part = 0; part <= 3; ++part)
        starts.push_back(WorkInParts::start(part, 3, 10));
    EXPECT_EQ(starts, (std::vector<std::size_t>{0, 4, 7, 10}));
}

// Helpers are kept from one task to the next, yet work that waits for other work still running never
// waits for a helper: one more starts whenever all are busy. Joining waits however long the work takes,
// past the time a waiting thread stays awake.
TEST(WorkInParts, TasksThatWaitForEachOtherAllGetAThreadAndJoinWaitsForSlowWork) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        constexpr std::size_t kTasks = 6;
        WorkInParts::Meeting all(kTasks + 1);
        std::vector<WorkInParts::Task> tasks;
        for (std::size_t task = 0; task < kTasks; ++task)
            tasks.push_back(WorkInParts::startBeside([&all] { all.arriveAndWait(); }));
        all.arriveAndWait();
        for (WorkInParts::Task& task : tasks) {
            task.join();
            EXPECT_FALSE(task.joinable());
        }
    }
    std::atomic<bool> done{false};
    WorkInParts::Task slow = WorkInParts::startBeside([&done] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        done = true;
    });
    ASSERT_TRUE(slow.joinable());
    slow.join();
    EXPECT_TRUE(done.load());
}

// Threads meeting round after round each see what all the others did before the meeting, whether they
// arrive at once or one of them much later than the others stay awake.
TEST(WorkInParts, AtEachMeetingEveryThreadSeesWhatTheOthersDidBefore) {
    constexpr std::size_t kThreads = 3;
    constexpr int kRounds = 200;
    WorkInParts::Meeting meeting(kThreads);
    std::vector<int> counts(kThreads, 0); // each written by its own thread only, between meetings
    std::atomic<int> wrong{0};
    const auto take = [&](std::size_t self) {
        for (int round = 1; round <= kRounds; ++round) {
            if (self == 0 && round % 50 == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            counts[self] = round;
            meeting.arriveAndWait();
            for (const int count : counts)
                wrong += count < round ? 1 : 0;
            meeting.arriveAndWait();
        }
    };
    WorkInParts::run(kThreads, take);
    EXPECT_EQ(wrong.load(), 0);

    std::atomic<bool> flag{false};
    WorkInParts::Task setter = WorkInParts::startBeside([&flag] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        flag.store(true);
        flag.notify_all();
    });
    WorkInParts::waitUntilSet(flag);
    EXPECT_TRUE(flag.load());
}

// Helpers started ahead of the work are all the work needs, even when it is handed over before they
// have begun to run, and each is free again for the next piece as soon as its last one is joined: no
// thread more than a core each, which would take turns with the working ones. Run in a process of its
// own, whose helpers no other test has started.
TEST(WorkInPartsDeathTest, WorkHandedOverAfterStartHelpersNeedsNoFurtherThread) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::size_t expected = 1 + std::max<std::size_t>(WorkInParts::count() - 1, 1);
    EXPECT_EXIT(
        {
            WorkInParts::startHelpers();
            for (int piece = 0; piece < 20; ++piece)
                WorkInParts::startBeside([] {}).join();
            std::_Exit(threadsOfThisProcess() == expected ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
