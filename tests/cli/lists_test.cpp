// The history, history-summary and bins subcommands on a small file, as a user runs them.
#include "core/model/CellarFile.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class ListsCli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_folder);
        WineList entries;
        for (const auto& [producer, left, bins, history] :
             {std::tuple{"Alpha", 10, "A10-2, A9-8", "1-2-98\t10\t12\t50.00\t50.00\t50.00\t50.00\x06"},
              std::tuple{"Beta", 1, "", "12-31-97\t1\t0\t999.99\t0.00\t999.99\t0.00\x06"}}) {
            entries.push_back(std::make_unique<CWine>());
            CWine& wine = *entries.back();
            wine.m_strProducer = producer;
            wine.m_nNumberRemaining = left;
            wine.m_fCost = producer[0] == 'A' ? 50.0f : 999.99f;
            wine.m_strBins = bins;
            wine.m_strHistory = history;
        }
        ASSERT_EQ(CellarFile::save(m_folder / "c.bwf", entries), "");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::pair<int, std::string> run(const std::string& arguments) const {
        const fs::path out = m_folder / "out.txt";
        const std::string command = "cd '" + m_folder.string() + "' && '" BW_CLI "' " + arguments + " >'" +
                                    out.string() + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        std::ifstream in(out, std::ios::binary);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::string(std::istreambuf_iterator<char>(in), {})};
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-cli-lists-" + std::to_string(std::random_device{}()));
};

TEST_F(ListsCli, HistoryRowsAsTheViewShowsThem) {
    EXPECT_EQ(
        run("history c.bwf --json"),
        std::pair(0, std::string("{\"records\":[\n"
                                 "{\"date\":\"1-2-98\",\"change\":\"-2\",\"bottles\":\"11\",\"totalCost\":"
                                 "\"$1,499.99\",\"totalValue\":\"$1,499.99\",\"wine\":\"1993 Alpha  \"},\n"
                                 "{\"date\":\"12-31-97\",\"change\":\"1\",\"bottles\":\"13\",\"totalCost\":"
                                 "\"$1,599.99\",\"totalValue\":\"$1,599.99\",\"wine\":\"1993 Beta  \"}\n"
                                 "]}\n")));
    EXPECT_EQ(run("history c.bwf --where producer=Beta").second.find("Alpha"), std::string::npos);
}

TEST_F(ListsCli, SummaryOfARowAndARowThatIsNotThere) {
    EXPECT_EQ(
        run("history-summary c.bwf 1"),
        std::pair(0, std::string("Change since 12-31-97:\n\nConsumption:\n2 bottles\ncost:  $100.00\n"
                                 "value:  $100.00\n\nAcquisition:\n0 bottles\ncost:  $0.00\nvalue:  $0.00\n\n"
                                 "Net Change:\n-2 bottles\ncost:  $-100.00\nvalue:  $-100.00\n")));
    EXPECT_EQ(run("history-summary c.bwf 2").first, 1);
}

TEST_F(ListsCli, BinsInNameOrderWithTheirWines) {
    EXPECT_EQ(
        run("bins c.bwf").second,
        "{\"bins\":[\n"
        "{\"name\":\"A9\",\"total\":8,\"wines\":[{\"count\":8,\"index\":0,\"wine\":\"1993 Alpha  \"}]},\n"
        "{\"name\":\"A10\",\"total\":2,\"wines\":[{\"count\":2,\"index\":0,\"wine\":\"1993 Alpha  \"}]},\n"
        "{\"name\":\"AANot Listed\",\"total\":1,\"wines\":[{\"count\":1,\"index\":1,\"wine\":\"1993 Beta  "
        "\"}]}\n"
        "]}\n");
}

} // namespace
