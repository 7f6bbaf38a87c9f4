#include "core/document/Backup.h"
#include "helpers/TestFiles.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_location);
        std::ofstream(m_source, std::ios::binary) << std::string("cellar\0bytes\n", 13);
        setTodayOverride(CalendarDate{1997, 3, 5});
    }
    void TearDown() override {
        setTodayOverride(std::nullopt);
        fs::remove_all(m_dir);
    }

    const fs::path m_dir =
        fs::temp_directory_path() / ("bw-backup-" + std::to_string(std::random_device{}()));
    const fs::path m_source = m_dir / "Cellar.bwf";
    const fs::path m_location = m_dir / "backups";
};

TEST(BackupName, TwoDigitYearMonthDayAndLetter) {
    EXPECT_EQ(Backup::fileName({1997, 3, 5}, 'a'), "970305a.bwf");
    EXPECT_EQ(Backup::fileName({2026, 12, 31}, 'y'), "261231y.bwf");
    const std::pair<int, int> years[] = {{1950, 50}, {1999, 99}, {2000, 0}, {2099, 99}};
    for (const auto& [year, twoDigits] : years)
        EXPECT_EQ(Backup::twoDigitYear(year), twoDigits) << year;
}

TEST_F(BackupTest, BackupsOfTheDayAreCopiesEndingInAThenB) {
    const Backup::Result first = Backup::make(m_source, m_location);
    EXPECT_EQ(first.outcome, Backup::Result::Copied);
    EXPECT_EQ(first.destination, m_location / "970305a.bwf");
    EXPECT_EQ(fileContents(first.destination), fileContents(m_source));

    std::ofstream(m_source, std::ios::binary) << "changed";
    const Backup::Result second = Backup::make(m_source, m_location);
    EXPECT_EQ(second.outcome, Backup::Result::Copied);
    EXPECT_EQ(second.destination, m_location / "970305b.bwf");
    EXPECT_EQ(fileContents(second.destination), "changed");
    EXPECT_EQ(fileContents(first.destination), std::string("cellar\0bytes\n", 13)) << "never overwritten";

    setTodayOverride(CalendarDate{2000, 1, 1});
    EXPECT_EQ(Backup::make(m_source, m_location).destination, m_location / "000101a.bwf");
}

TEST_F(BackupTest, TwentyFiveBackupsOnOneDayAreTheMostAndNothingMoreIsWritten) {
    for (char letter = 'a'; letter <= 'x'; ++letter)
        std::ofstream(m_location / Backup::fileName({1997, 3, 5}, letter)) << letter;
    const Backup::Result last = Backup::make(m_source, m_location);
    EXPECT_EQ(last.outcome, Backup::Result::Copied);
    EXPECT_EQ(last.destination, m_location / "970305y.bwf");
    std::ofstream(m_location / "970305y.bwf") << "y";
    const Backup::Result result = Backup::make(m_source, m_location);
    EXPECT_EQ(result.outcome, Backup::Result::TooMany);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_location), fs::directory_iterator()), 25);
    EXPECT_EQ(fileContents(m_location / "970305y.bwf"), "y");

    // Another day starts at "a" again.
    setTodayOverride(CalendarDate{1997, 3, 6});
    EXPECT_EQ(Backup::make(m_source, m_location).destination, m_location / "970306a.bwf");
}

TEST_F(BackupTest, OtherFailuresGiveThePlatformsText) {
    const Backup::Result noFolder = Backup::make(m_source, m_dir / "missing");
    EXPECT_EQ(noFolder.outcome, Backup::Result::Failed);
    EXPECT_EQ(noFolder.error, std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_FALSE(fs::exists(m_dir / "missing"));

    // A missing source is named as what cannot be read, not taken for a full day of backups.
    const Backup::Result noSource = Backup::make(m_dir / "missing.bwf", m_location);
    EXPECT_EQ(noSource.outcome, Backup::Result::Failed);
    EXPECT_TRUE(noSource.sourceFailed);
    EXPECT_EQ(noSource.error, "The file cannot be read: " +
                                  std::make_error_code(std::errc::no_such_file_or_directory).message() + ".");

    // A Working File never saved has no path.
    const Backup::Result unsaved = Backup::make({}, m_location);
    EXPECT_EQ(unsaved.outcome, Backup::Result::Failed);
    EXPECT_FALSE(unsaved.error.empty());
    EXPECT_TRUE(fs::is_empty(m_location));
}

// A backup killed at any moment leaves no dated name holding anything but a whole copy, and the next
// backup leaves no temporary file. Each round's copies are checked and removed, so names never run out.
TEST_F(BackupTest, ABackupKilledAtRandomLeavesOnlyWholeCopies) {
    std::string source;
    for (int i = 0; source.size() < 2'000'000; ++i)
        source += std::to_string(i) + std::string(100, static_cast<char>('a' + i % 26));
    std::ofstream(m_source, std::ios::binary) << source;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Backup::make(m_source, m_location).outcome, Backup::Result::Copied);
    const auto copyTime = std::chrono::steady_clock::now() - start;

    std::mt19937 random(std::random_device{}());
    for (int round = 0; round < 30; ++round) {
        const pid_t child = fork();
        if (child == 0)
            _exit(Backup::make(m_source, m_location).outcome == Backup::Result::Copied ? 0 : 1);
        std::this_thread::sleep_for(copyTime * std::uniform_real_distribution<double>(0, 1.25)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ASSERT_EQ(Backup::make(m_source, m_location).outcome, Backup::Result::Copied);
        for (const auto& item : fs::directory_iterator(m_location)) {
            ASSERT_TRUE(item.path().extension() == ".bwf" && fileContents(item.path()) == source)
                << item.path() << " in round " << round;
            fs::remove(item.path());
        }
    }
}

} // namespace
