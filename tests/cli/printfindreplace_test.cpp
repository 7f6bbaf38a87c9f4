// Runs the print, find and replace commands of bottlewright-cli on a small fixture.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
};

class CliPrintFindReplace : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    Outcome run(const std::string& arguments) const {
        const std::string command =
            "cd '" + m_folder.string() + "' && '" BW_CLI "' " + arguments + " >out.txt";
        const int status = std::system(command.c_str());
        std::ifstream in(m_folder / "out.txt", std::ios::binary);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::string(std::istreambuf_iterator<char>(in), {})};
    }

    const std::string m_fixture = "'" + std::string(BW_TEST_DATA) + "/cellar/two-entries.bwf'";
    fs::path m_folder = fs::temp_directory_path() / ("bw-cli-print-" + std::to_string(::getpid()));
};

} // namespace

TEST_F(CliPrintFindReplace, FindListsMatchingPositionsIgnoringCaseUnlessAsked) {
    EXPECT_EQ(run("find " + m_fixture + " 'CH\xC3\x82TEAU' --json").out, "{\"matches\":[0]}\n");
    EXPECT_EQ(run("find " + m_fixture + " chateau --json").out, "{\"matches\":[]}\n");
    EXPECT_EQ(run("find " + m_fixture + " margaux --case --json").out, "{\"matches\":[]}\n");
    EXPECT_EQ(run("find " + m_fixture + " finish --fields producer --json").out, "{\"matches\":[]}\n");
    EXPECT_EQ(run("find " + m_fixture + " finish --fields producer,notes --json").out, "{\"matches\":[0]}\n");
    EXPECT_EQ(run("find " + m_fixture + " x --fields bins").status, 2);
}

TEST_F(CliPrintFindReplace, ReplaceChangesTheFirstOccurrencePerEntryAndWritesTheFile) {
    const Outcome replaced = run("replace " + m_fixture + " producer r R out.bwf");
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.out, "\"r\" replaced with\n \"R\" in 2 entries.\n");
    EXPECT_EQ(run("find out.bwf KRug --case --json").out, "{\"matches\":[1]}\n");
}

TEST_F(CliPrintFindReplace, PrintWritesThePagesOfEachStyle) {
    if (!fs::exists(fs::path(BW_CLI).parent_path() / "bottlewright-print"))
        GTEST_SKIP() << "built without the GUI";
    for (const char* style : {"grid", "winelist", "cellarbook"}) {
        const Outcome printed = run("print " + m_fixture + " --style " + style + " -o pages.pdf");
        EXPECT_EQ(printed.status, 0) << style;
        EXPECT_EQ(printed.out, "1 page\n") << style;
        EXPECT_GT(fs::file_size(m_folder / "pages.pdf"), 1000u) << style;
    }
    EXPECT_EQ(run("print " + m_fixture + " --style grid --margins 4,0,0,0 -o x.pdf").status, 2);
}
