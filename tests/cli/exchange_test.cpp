// Runs the data exchange subcommands of bottlewright-cli on small fixtures.
#include "core/model/CellarFile.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class Exchange : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    // The exit status; standard output lands in out.txt of the test's folder.
    int run(const std::string& arguments) const {
        const std::string command =
            "cd '" + m_folder.string() + "' && '" BW_CLI "' " + arguments + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string output() const {
        std::ifstream in(m_folder / "out.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-exchange-" + std::to_string(std::random_device{}()));
};

const std::string kData = BW_TEST_DATA "/exchange/";

} // namespace

TEST_F(Exchange, ExportWithEveryFieldMappedImportsBackToTheSameEntries) {
    ASSERT_EQ(run("import-cellartracker '" + kData + "ct-list.csv' ct.bwf"), 0);
    EXPECT_EQ(output().substr(0, 53), "Bottlewright found 8 rows in the CellarTracker export");
    {
        std::ofstream map(m_folder / "full.bwx");
        for (int column = 1; column <= 24; ++column)
            map << column << (column < 24 ? ' ' : '\n');
    }
    ASSERT_EQ(run("export ct.bwf --map full.bwx ct.txt"), 0);
    EXPECT_EQ(output(), "6 entries exported to ct.txt.\n");
    ASSERT_EQ(run("import ct.txt --map full.bwx back.bwf"), 0);
    EXPECT_EQ(output(),
              "Bottlewright found 6 entries. 0 errors were\nencountered; 6 entries were imported.\n");

    // Export writes Focus Set order, so each entry is looked for among the originals.
    CellarReadResult before = CellarFile::load(m_folder / "ct.bwf");
    const CellarReadResult after = CellarFile::load(m_folder / "back.bwf");
    ASSERT_EQ(after.entries.size(), 6u);
    // Notes lose their line breaks and a missing Value is written as the Cost, as export writes them.
    for (auto& wine : before.entries) {
        wine->m_fValue = wine->effectiveValue();
        std::replace(wine->m_strNotes.begin(), wine->m_strNotes.end(), '\r', ' ');
        std::replace(wine->m_strNotes.begin(), wine->m_strNotes.end(), '\n', ' ');
    }
    for (const auto& wine : after.entries) {
        const auto same = std::find_if(before.entries.begin(), before.entries.end(),
                                       [&wine](const auto& original) { return *original == *wine; });
        ASSERT_NE(same, before.entries.end()) << wine->description();
        before.entries.erase(same);
    }
}

TEST_F(Exchange, FailuresWriteNothing) {
    EXPECT_EQ(run("convert-v2 '" + kData + "wines.txt' out.bwf"), 1);
    EXPECT_EQ(run("import-cellartracker '" + kData + "cellar.clr' out.bwf"), 1);
    EXPECT_EQ(run("import '" + kData + "wines.txt' --map '" + kData + "wines.txt' out.bwf"), 1);
    EXPECT_FALSE(fs::exists(m_folder / "out.bwf"));

    ASSERT_EQ(run("convert-v2 '" + kData + "cellar.clr' Cellar.bwf"), 0);
    EXPECT_EQ(run("append Cellar.bwf CELLAR.bwf"), 1);
    EXPECT_EQ(run("save-focus Cellar.bwf saved.bwf --where producer=Krug"), 0);
    EXPECT_EQ(output(), "1 entries saved to saved.bwf\n");
}
