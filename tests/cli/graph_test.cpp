// Runs "bottlewright-cli graph" on a small cellar and checks its bars and its usage errors.
#include "core/model/CellarFile.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class GraphCli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_folder);
        WineList entries;
        const struct {
            const char* producer;
            int remaining;
            float cost;
            const char* acquired;
        } wines[] = {
            {"Zeta", 3, 9.99f, "11-15-26"}, {"M\xFCller", 5, 80.0f, "3-97"}, {"Zeta", 1, 12.99f, ""}};
        for (const auto& wine : wines) {
            auto entry = std::make_unique<CWine>();
            entry->m_strProducer = wine.producer;
            entry->m_nNumberRemaining = wine.remaining;
            entry->m_nNumberAcquired = 6;
            entry->m_fCost = wine.cost;
            entry->m_strDateAcquired = wine.acquired;
            entries.push_back(std::move(entry));
        }
        ASSERT_EQ(CellarFile::save(m_folder / "cellar.bwf", entries), "");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // Standard output and the exit status.
    std::pair<std::string, int> run(const std::string& arguments) const {
        const fs::path out = m_folder / "out.txt";
        const std::string command = "cd '" + m_folder.string() + "' && '" BW_CLI "' graph " + arguments +
                                    " >'" + out.string() + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        std::ifstream in(out, std::ios::binary);
        return {std::string(std::istreambuf_iterator<char>(in), {}),
                WIFEXITED(status) ? WEXITSTATUS(status) : -1};
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-graph-" + std::to_string(std::random_device{}()));
};

} // namespace

TEST_F(GraphCli, PrintsTheBarsInTheGraphsOrder) {
    EXPECT_EQ(run("producer cellar.bwf --json"),
              (std::pair<std::string, int>{"{\"bars\":[\n{\"label\":\"Müller\",\"count\":5},\n"
                                           "{\"label\":\"Zeta\",\"count\":4}\n]}\n",
                                           0}));
    EXPECT_EQ(run("producer cellar.bwf --order 2 --scope consumed").first,
              "{\"bars\":[\n{\"label\":\"Müller\",\"count\":1},\n{\"label\":\"Zeta\",\"count\":8}\n]}\n");
    EXPECT_EQ(run("cost cellar.bwf --min 10 --max 12 --order 1").first,
              "{\"bars\":[\n{\"label\":\"$10-\",\"count\":3},\n{\"label\":\"$10\",\"count\":0},\n"
              "{\"label\":\"$11\",\"count\":0},\n{\"label\":\"$12+\",\"count\":6}\n]}\n");
    const std::string spending = run("spending cellar.bwf --today 12-1-2026").first;
    EXPECT_NE(spending.find("{\"label\":\"Nov 2026\",\"count\":59,\"bottles\":6},\n"), std::string::npos);
    EXPECT_NE(spending.find("{\"label\":\"Other\",\"count\":557,\"bottles\":12}\n]}"), std::string::npos);
}

TEST_F(GraphCli, WrongUsageExitsWithTwo) {
    for (const char* arguments :
         {"bottles cellar.bwf", "producer cellar.bwf --scope all", "vintage cellar.bwf --min 1990 --max 1990",
          "producer cellar.bwf --color red"})
        EXPECT_EQ(run(arguments).second, 2) << arguments;
}
