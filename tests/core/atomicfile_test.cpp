#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_folder, ec);
    }

    static void put(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string contents(const fs::path& path) {
        std::ostringstream out;
        out << std::ifstream(path, std::ios::binary).rdbuf();
        return out.str();
    }
    static std::vector<std::string> namesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& item : fs::directory_iterator(folder))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }
    bool anyPartialFile() const {
        const auto names = namesIn(m_folder);
        return std::any_of(names.begin(), names.end(), [](const std::string& name) {
            return name.find(".partial-") != std::string::npos;
        });
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-atomic-" + std::to_string(std::random_device{}()));
};

} // namespace

TEST_F(AtomicSave, CreatesOrReplacesTheFileKeepingItsPermissionsAndLeavesNothingElse) {
    const fs::path target = m_folder / "cellar.bwf";
    EXPECT_EQ(writeFileAtomically(target, bytesOf("the first contents, longer than the next")), "");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(writeFileAtomically(target, bytesOf("new")), "");
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

// A failed save gives its reason and leaves no temporary file behind.
TEST_F(AtomicSave, MissingFolderOrFailedRenameGiveTheirReasonAndLeaveNothingBehind) {
    std::string reason = writeFileAtomically(m_folder / "missing" / "cellar.bwf", bytesOf("new"));
    EXPECT_NE(reason.find("does not exist"), std::string::npos) << reason;
    EXPECT_FALSE(fs::exists(m_folder / "missing"));

    // The rename is the last step; when it fails the written temporary file must go again.
    const fs::path target = m_folder / "cellar.bwf";
    fs::create_directory(target);
    put(target / "inside", "kept");
    EXPECT_EQ(writeFileAtomically(target, bytesOf("new")), "It is a folder, not a file.");
    EXPECT_EQ(contents(target / "inside"), "kept");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

TEST_F(AtomicSave, ReadOnlyFolderLeavesTheOldFileAndNoTemporaryFile) {
    const fs::path target = m_folder / "cellar.bwf";
    put(target, "old");
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(m_folder / "probe"))
        GTEST_SKIP() << "this account may write into read-only folders";
    const std::string reason = writeFileAtomically(target, bytesOf("new"));
    EXPECT_NE(reason.find("No file can be created in the folder"), std::string::npos) << reason;
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

// Saving is checked through the documents and the command line; here the reasons a load gives.
TEST_F(AtomicSave, CellarFileLoadSaysWhyItCannot) {
    EXPECT_EQ(CellarFile::load(m_folder / "missing.bwf").error, "The file does not exist.");
    EXPECT_EQ(CellarFile::load(m_folder).error, "It is a folder, not a file.");
    put(m_folder / "short.bwf", "abc");
    EXPECT_EQ(CellarFile::load(m_folder / "short.bwf").error, "The file is too short to be a Cellar File.");
}

// A disk that fills up part way: the old file stays whole, the reason is the system's, nothing is left.
TEST_F(AtomicSave, AWriteThatFailsPartWayLeavesTheTargetAndNamesTheCause) {
    const fs::path target = m_folder / "cellar.bwf";
    put(target, "old");
    const Bytes bytes(100000, 'n');
    for (const std::size_t failAfter :
         {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{99999}}) {
        std::size_t written = 0;
        const WriteFunction fullDisk = [&](int fd, const void* data, std::size_t size) -> long {
            const std::size_t room = failAfter - written;
            if (room == 0) {
                errno = ENOSPC;
                return -1;
            }
            const long n = ::write(fd, data, std::min(size, std::min(room, std::size_t{4096})));
            written += static_cast<std::size_t>(std::max(n, 0L));
            return n;
        };
        EXPECT_EQ(writeFileAtomically(target, bytes, fullDisk),
                  "The file cannot be written: No space left on device.");
        EXPECT_EQ(contents(target), "old") << failAfter;
        EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"}) << failAfter;
    }
}

TEST_F(AtomicSave, ALinkIsWrittenThroughAndALoopOrADeviceIsRefused) {
    put(m_folder / "real.bwf", "old");
    fs::create_symlink("real.bwf", m_folder / "link.bwf");
    EXPECT_EQ(writeFileAtomically(m_folder / "link.bwf", bytesOf("new")), "");
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.bwf"));
    EXPECT_EQ(contents(m_folder / "real.bwf"), "new");

    fs::create_symlink("loop.bwf", m_folder / "loop.bwf");
    EXPECT_EQ(writeFileAtomically(m_folder / "loop.bwf", bytesOf("new")),
              "The file cannot be written: Too many levels of symbolic links.");
    EXPECT_EQ(writeFileAtomically("/dev/null", bytesOf("new")), "It is a device, not a file.");
}

// Run as an ordinary user (root is made "nobody" in a child): a read-only file in a folder anyone may
// write into is refused with the system's reason and kept.
TEST_F(AtomicSave, AReadOnlyTargetIsRefusedWithTheSystemsReason) {
    const fs::path target = m_folder / "cellar.bwf";
    put(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(m_folder, fs::perms::all);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(2);
        _exit(writeFileAtomically(target, bytesOf("new")) == "The file cannot be written: Permission denied."
                  ? 0
                  : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

TEST_F(AtomicSave, TheNextWriteRemovesWhatAKilledWriterLeftForTheSameTarget) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string stale = ".partial-" + std::to_string(gone) + "-abc123";
    put(m_folder / ("cellar.bwf" + stale), "torn");
    put(m_folder / ("other.bwf" + stale), "someone else's");
    EXPECT_EQ(writeFileAtomically(m_folder / "cellar.bwf", bytesOf("new")), "");
    EXPECT_EQ(namesIn(m_folder), (std::vector<std::string>{"cellar.bwf", "other.bwf" + stale}));
}

// Reads refuse what is not a regular file before reading a byte: a device never ends, a pipe blocks.
TEST_F(AtomicSave, ReadsRefuseDevicesPipesAndBadNamesWithOneLine) {
    ASSERT_EQ(mkfifo((m_folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("loop", m_folder / "loop");
    const std::pair<fs::path, std::string> cases[] = {
        {"/dev/zero", "It is a device, not a file."},
        {m_folder / "pipe", "It is a pipe, not a file."},
        {m_folder / "loop", "The file cannot be opened: Too many levels of symbolic links."},
        {m_folder / std::string(300, 'x'), "The file cannot be opened: File name too long."}};
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(CellarFile::load(path).error, reason) << path;
    put(m_folder / "big", "12345");
    std::uint64_t size = 0;
    EXPECT_EQ(checkReadableFile(m_folder / "big", size, 4),
              "The file is larger than 4 bytes, too large to read.");
}

// A save killed at any moment of its writing leaves the old file or the new one, byte for byte, and
// the next save removes its temporary file.
TEST_F(AtomicSave, ASaveKilledAtRandomLeavesTheOldOrTheNewFile) {
    WineList entries;
    for (int i = 0; i < 12000; ++i) {
        entries.push_back(std::make_unique<CWine>());
        entries.back()->m_strProducer = "Producer " + std::to_string(i);
        entries.back()->m_strNotes.assign(150, static_cast<char>('a' + i % 26));
    }
    const Bytes newer = CellarFile::write(entries);
    const Bytes older(newer.begin(), newer.begin() + static_cast<std::ptrdiff_t>(newer.size() / 3));
    const std::string olderText(older.begin(), older.end());
    const std::string newerText(newer.begin(), newer.end());
    const fs::path target = m_folder / "cellar.bwf";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(writeFileAtomically(target, newer), "");
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

    std::mt19937 random(std::random_device{}());
    int torn = 0;
    int interrupted = 0;
    for (int round = 0; round < 30; ++round) {
        ASSERT_EQ(writeFileAtomically(target, older), "");
        ASSERT_FALSE(anyPartialFile()) << "round " << round;
        const pid_t child = fork();
        if (child == 0)
            _exit(writeFileAtomically(target, newer).empty() ? 0 : 1);
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, saveTime.count() * 5 / 4)(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        interrupted += anyPartialFile();
        const std::string now = contents(target);
        torn += now != olderText && now != newerText;
    }
    EXPECT_EQ(torn, 0);
    std::cout << interrupted << " of 30 kills left a temporary file\n";
    ASSERT_EQ(writeFileAtomically(target, older), "");
    EXPECT_FALSE(anyPartialFile());
}
