#include "core/model/AtomicFile.h"
#include "core/model/CellarFile.h"
#include "helpers/TestFiles.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
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
    EXPECT_EQ(fileContents(target), "new");
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
    EXPECT_EQ(fileContents(target / "inside"), "kept");
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
    EXPECT_EQ(fileContents(target), "old");
    EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"});
}

// A disk that fills up part way: the old file stays whole, the reason is the system's, nothing is left.
TEST_F(AtomicSave, AWriteThatFailsPartWayLeavesTheTargetAndNamesTheCause) {
    const fs::path target = m_folder / "cellar.bwf";
    put(target, "old");
    for (const long failAfter : {0L, 1L, 65536L, 99999L}) {
        long room = failAfter;
        const WriteFunction fullDisk = [&room](int fd, const void* data, std::size_t size) -> long {
            const long n =
                room > 0
                    ? ::write(fd, data, std::min<std::size_t>({size, 4096, static_cast<std::size_t>(room)}))
                    : (errno = ENOSPC, -1);
            room -= std::max(n, 0L);
            return n;
        };
        EXPECT_EQ(writeFileAtomically(target, Bytes(100000, 'n'), fullDisk),
                  "The file cannot be written: No space left on device.");
        EXPECT_TRUE(fileContents(target) == "old") << failAfter;
        EXPECT_EQ(namesIn(m_folder), std::vector<std::string>{"cellar.bwf"}) << failAfter;
    }
}

// A link is written through to its real file; a read-only target is refused for an ordinary user (root
// becomes "nobody" in a child) and kept; a stale temporary file of a killed writer goes, another's stays.
TEST_F(AtomicSave, LinksReadOnlyTargetsAndStaleTemporaryFiles) {
    put(m_folder / "real.bwf", "old");
    fs::create_symlink("real.bwf", m_folder / "link.bwf");
    EXPECT_EQ(writeFileAtomically(m_folder / "link.bwf", bytesOf("new")), "");
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.bwf"));
    EXPECT_EQ(fileContents(m_folder / "real.bwf"), "new");
    EXPECT_EQ(writeFileAtomically("/dev/null", bytesOf("new")), "It is a device, not a file.");

    fs::permissions(m_folder / "real.bwf",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(m_folder, fs::perms::all);
    const pid_t child = fork();
    if (child == 0)
        _exit((geteuid() != 0 || setuid(65534) == 0) &&
              writeFileAtomically(m_folder / "link.bwf", bytesOf("x")) ==
                  "The file cannot be written: Permission denied.");
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(fileContents(m_folder / "real.bwf"), "new");

    const std::string stale = ".partial-" + std::to_string(child) + "-abc123";
    put(m_folder / ("cellar.bwf" + stale), "torn");
    put(m_folder / ("other.bwf" + stale), "someone else's");
    EXPECT_EQ(writeFileAtomically(m_folder / "cellar.bwf", bytesOf("new")), "");
    EXPECT_EQ(namesIn(m_folder),
              (std::vector<std::string>{"cellar.bwf", "link.bwf", "other.bwf" + stale, "real.bwf"}));
}

// Reads say why they cannot, and refuse what is not a regular file before reading a byte: a device
// never ends, a pipe blocks.
TEST_F(AtomicSave, ReadsSayWhyAndRefuseDevicesAndPipes) {
    ASSERT_EQ(mkfifo((m_folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("loop", m_folder / "loop");
    put(m_folder / "short.bwf", "abc");
    const std::pair<fs::path, std::string> cases[] = {
        {m_folder / "missing.bwf", "The file does not exist."},
        {m_folder, "It is a folder, not a file."},
        {m_folder / "short.bwf", "The file is too short to be a Cellar File."},
        {"/dev/zero", "It is a device, not a file."},
        {m_folder / "pipe", "It is a pipe, not a file."},
        {m_folder / "loop", "The file cannot be opened: Too many levels of symbolic links."},
        {m_folder / std::string(300, 'x'), "The file cannot be opened: File name too long."}};
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(CellarFile::load(path).error, reason) << path;
    std::uint64_t size = 0;
    EXPECT_EQ(checkReadableFile(m_folder / "short.bwf", size, 2),
              "The file is larger than 2 bytes, too large to read.");
}

// A save killed at any moment of its writing leaves the old file or the new one, byte for byte, and
// the next save removes its temporary file.
TEST_F(AtomicSave, ASaveKilledAtRandomLeavesTheOldOrTheNewFile) {
    WineList entries;
    for (int i = 0; i < 12000; ++i) {
        entries.push_back(std::make_unique<CWine>());
        entries.back()->m_strNotes.assign(150, static_cast<char>('a' + i % 26));
    }
    const Bytes newer = CellarFile::write(entries);
    const Bytes older(newer.begin(), newer.begin() + static_cast<std::ptrdiff_t>(newer.size() / 3));
    const fs::path target = m_folder / "cellar.bwf";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(writeFileAtomically(target, newer), "");
    const auto saveTime = std::chrono::steady_clock::now() - start;

    std::mt19937 random(std::random_device{}());
    for (int round = 0; round < 30; ++round) {
        ASSERT_EQ(writeFileAtomically(target, older), "");
        ASSERT_FALSE(anyPartialFile()) << "round " << round;
        const pid_t child = fork();
        if (child == 0)
            _exit(writeFileAtomically(target, newer).empty() ? 0 : 1);
        std::this_thread::sleep_for(saveTime * std::uniform_real_distribution<double>(0, 1.25)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = fileContents(target);
        ASSERT_TRUE(now == std::string(older.begin(), older.end()) ||
                    now == std::string(newer.begin(), newer.end()));
    }
    ASSERT_EQ(writeFileAtomically(target, older), "");
    EXPECT_FALSE(anyPartialFile());
}
