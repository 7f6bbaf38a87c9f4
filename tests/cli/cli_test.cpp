// Runs bottlewright-cli as a user would and checks its output, exit status and files.
#include "../core/helpers/TestFiles.h"
#include "core/document/Backup.h"
#include "core/model/CellarFile.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <tuple>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string fixture(const std::string& name) {
    return std::string(BW_TEST_DATA) + "/cellar/" + name;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    // Runs the program in the test's folder with the arguments given (already quoted for the shell).
    Outcome run(const std::string& arguments) const {
        const std::string command = "cd '" + m_folder.string() + "' && '" BW_CLI "' " + arguments + " >'" +
                                    (m_folder / "out.txt").string() + "' 2>'" +
                                    (m_folder / "err.txt").string() + "'";
        const int status = std::system(command.c_str());
        Outcome result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileContents(m_folder / "out.txt"),
                       fileContents(m_folder / "err.txt")};
        fs::remove(m_folder / "out.txt");
        fs::remove(m_folder / "err.txt");
        return result;
    }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream(m_folder / name, std::ios::binary) << text;
    }

    // Three wines whose order by Producer (the default) differs from their order by Vintage.
    void writeThreeWines(const std::string& name) const {
        WineList entries;
        for (const auto& [vintage, producer] :
             {std::pair{1990, "Zeta"}, std::pair{2005, "Alpha"}, std::pair{1995, "M\xFCller"}}) {
            entries.push_back(std::make_unique<CWine>());
            entries.back()->m_nVintage = vintage;
            entries.back()->m_strProducer = producer;
        }
        ASSERT_EQ(CellarFile::save(m_folder / name, entries), "");
    }

    // A precedence file with Vintage as the only key, ascending (line 23 is Vintage).
    static std::string byVintage() {
        std::string text;
        for (int line = 1; line <= 24; ++line)
            text += line == 23 ? "1 0\n" : "25 0\n";
        return text;
    }

    const fs::path m_folder =
        fs::temp_directory_path() / ("bw-cli-" + std::to_string(std::random_device{}()));
};

// The focus of the three wines in the given order of their indices.
std::string focusJson(std::initializer_list<int> order) {
    const char* const descriptions[] = {"1990 Zeta  ", "2005 Alpha  ", "1995 Müller  "};
    std::string json = "{\"focus\":[\n";
    for (const int index : order)
        json +=
            "{\"index\":" + std::to_string(index) + ",\"description\":\"" + descriptions[index] + "\"},\n";
    return json.substr(0, json.size() - 2) + "\n]}\n";
}
const std::string kByProducer = focusJson({1, 2, 0});
const std::string kByVintage = focusJson({0, 2, 1});

} // namespace

TEST_F(Cli, DumpPrintsEveryEntryAsJsonAndRewriteGivesTheSameBytes) {
    const Outcome result = run("dump '" + fixture("two-entries.bwf") + "' --json");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, fileContents(fixture("two-entries.json")));
    EXPECT_EQ(result.err, "");

    EXPECT_EQ(run("dump '" + fixture("empty.bwf") + "'").out, "{\"entries\":[]}\n");

    EXPECT_EQ(run("rewrite '" + fixture("two-entries.bwf") + "' copy.bwf").status, 0);
    EXPECT_EQ(fileContents(m_folder / "copy.bwf"), fileContents(fixture("two-entries.bwf")));
}

// The bottlewright-cli users start hands over to the program proper, which it looks for from its own
// real file: a copy away from it says so, rather than failing silently.
TEST_F(Cli, TheLauncherAwayFromTheProgramSaysWhereItLooked) {
    fs::create_directories(m_folder / "bin");
    fs::copy_file(BW_CLI, m_folder / "bin" / "bottlewright-cli");
    const std::string command = "'" + (m_folder / "bin" / "bottlewright-cli").string() + "' --version 2>'" +
                                (m_folder / "err.txt").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    const std::string error = fileContents(m_folder / "err.txt");
    EXPECT_TRUE(error.starts_with("bottlewright-cli: " + (m_folder / "bin/").string())) << error;
    EXPECT_TRUE(error.ends_with("/bottlewright-cli cannot be started: No such file or directory.\n"))
        << error;
}

TEST_F(Cli, DumpAndListEscapeBackslashQuoteAndControlCharactersAlike) {
    WineList entries;
    entries.push_back(std::make_unique<CWine>());
    entries.back()->m_strProducer = "a\\b\"c\bd\fe\tf\ng";
    // Every byte but 0, which no text holds: list writes its texts its own way, and must agree.
    entries.push_back(std::make_unique<CWine>());
    entries.back()->m_nVintage = 0;
    for (int byte = 1; byte < 256; ++byte)
        entries.back()->m_strProducer += static_cast<char>(byte);
    ASSERT_EQ(CellarFile::save(m_folder / "odd.bwf", entries), "");
    const Outcome result = run("dump odd.bwf");
    EXPECT_NE(result.out.find(R"("producer":"a\\b\"c\bd\fe\tf\ng")"), std::string::npos) << result.out;

    const std::string key = R"("producer":")";
    const std::size_t all = result.out.find(key, result.out.find(key) + 1) + key.size();
    const std::string allEscaped = result.out.substr(all, result.out.find("\",\"", all) - all);
    EXPECT_NE(run("list odd.bwf").out.find(R"("description":"  NV )" + allEscaped + "  \"}"),
              std::string::npos)
        << allEscaped;
}

TEST_F(Cli, ListSortsByTheSchemeGivenOrElseByTheLastUsedPrecedence) {
    writeThreeWines("three.bwf");
    const Outcome byProducer = run("list three.bwf --json");
    EXPECT_EQ(byProducer.status, 0) << byProducer.err;
    EXPECT_EQ(byProducer.out, kByProducer);
    EXPECT_FALSE(fs::exists(m_folder / "srtprec.bw3")) << "list must not leave a precedence file behind";

    write("vintage.bws", byVintage());
    EXPECT_EQ(run("list three.bwf --sort vintage.bws --json").out, kByVintage);
    EXPECT_FALSE(fs::exists(m_folder / "srtprec.bw3"));

    write("srtprec.bw3", byVintage());
    EXPECT_EQ(run("list three.bwf").out, kByVintage);
    EXPECT_EQ(fileContents(m_folder / "srtprec.bw3"), byVintage());
}

// A long Focus Set is written on several cores, in parts and rounds; they must join into one list, in order.
TEST_F(Cli, ListOfManyEntriesPrintsEachOnceInOrder) {
    constexpr int kCount = 70001;
    WineList entries;
    std::string expected = "{\"focus\":[\n";
    for (int i = 0; i < kCount; ++i) {
        // Read backwards, so that the Focus Set's order is not the file's.
        const int index = kCount - 1 - i;
        entries.push_back(std::make_unique<CWine>());
        entries.back()->m_strProducer = std::string("P").append(std::to_string(100000 + index));
        expected += "{\"index\":" + std::to_string(index) + ",\"description\":\"1993 P" +
                    std::to_string(100000 + i) + "  \"}" + (i + 1 < kCount ? ",\n" : "\n]}\n");
    }
    ASSERT_EQ(CellarFile::save(m_folder / "many.bwf", entries), "");
    const Outcome result = run("list many.bwf --json");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out == expected) << "the list differs from the " << kCount << " entries in order";
}

// A file with a copy tool's padding is read; the user is told once, on standard error.
TEST_F(Cli, BytesAfterTheLastEntryGiveANoteAndExitZero) {
    write("padded.bwf", fileContents(fixture("two-entries.bwf")) + std::string(3, '\0'));
    const std::string note =
        "bottlewright-cli: padded.bwf: The file holds 3 bytes after its last entry; they "
        "will not be kept when you save.\n";
    for (const char* command : {"dump padded.bwf", "list padded.bwf", "rewrite padded.bwf copy.bwf"}) {
        const Outcome result = run(command);
        EXPECT_EQ(result.status, 0) << command;
        EXPECT_EQ(result.err, note) << command;
    }
    EXPECT_EQ(fileContents(m_folder / "copy.bwf"), fileContents(fixture("two-entries.bwf")));
}

// Failures exit with 1 and one line naming the file; wrong usage exits with 2 and shows the usage.
TEST_F(Cli, FailuresSayWhyAndWriteNothing) {
    const std::string whole = fileContents(fixture("two-entries.bwf"));
    write("damaged.bwf", whole.substr(0, whole.size() - 1));
    writeThreeWines("three.bwf");
    write("short.bws", "1 0\n2 0\n");
    const std::string damaged = "damaged.bwf: The file ends in the middle of entry 2.";
    const std::pair<std::string, std::string> failures[] = {
        {"dump damaged.bwf --json", damaged},
        {"list damaged.bwf", damaged},
        {"rewrite damaged.bwf copy.bwf", damaged},
        {"dump missing.bwf", "missing.bwf: The file does not exist."},
        {"rewrite '" + fixture("two-entries.bwf") + "' nowhere/copy.bwf",
         "nowhere/copy.bwf: The folder \"nowhere\" does not exist."},
        {"list three.bwf --sort short.bws", "short.bws: Unable to retrieve the specified sorting scheme."}};
    for (const auto& [command, error] : failures) {
        const Outcome failed = run(command);
        EXPECT_EQ(failed.status, 1) << command;
        EXPECT_EQ(failed.out, "") << command;
        EXPECT_EQ(failed.err, "bottlewright-cli: " + error + "\n");
    }
    EXPECT_FALSE(fs::exists(m_folder / "copy.bwf"));

    for (const char* arguments :
         {"", "frobnicate x", "dump", "dump a b", "rewrite a", "rewrite a b --json", "list a --sort"}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_NE(result.err.find("usage: bottlewright-cli"), std::string::npos) << arguments;
    }
}

TEST_F(Cli, ListWhereKeepsTheEntriesThatMeetEveryCriterionOfAKnownKey) {
    writeThreeWines("three.bwf");
    EXPECT_EQ(run("list three.bwf --where producer=A --json").out, focusJson({1, 0}));
    EXPECT_EQ(run("list three.bwf --where producer=M\xC3\x9CLLER").out, focusJson({2}));
    EXPECT_EQ(run("list three.bwf --where vintage-min=1991 --where vintage-max=2005").out, focusJson({1, 2}));
    EXPECT_EQ(run("list three.bwf --where designation=blank --where producer=blank").out, "{\"focus\":[]}\n");
    EXPECT_EQ(run("list three.bwf --where colors=red,blue").out, "{\"focus\":[]}\n");
    EXPECT_EQ(run("list three.bwf --where colors=green,black").out, kByProducer);

    write("vintage.bws", byVintage());
    EXPECT_EQ(run("list three.bwf --sort vintage.bws --where value-max=0").out, kByVintage);

    // A criterion needs a known key and known colours, and only list and stats take one.
    for (const char* arguments :
         {"list three.bwf --where", "list three.bwf --where producer", "list three.bwf --where maker=x",
          "list three.bwf --where vintage=1990", "stats three.bwf --where colors=red,pink",
          "dump three.bwf --where producer=x", "backup three.bwf . --where producer=x", "backup three.bwf"}) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_NE(result.err.find("usage: bottlewright-cli"), std::string::npos) << arguments;
    }
    const Outcome unknownKey = run("list three.bwf --where maker=x");
    EXPECT_TRUE(unknownKey.err.starts_with("bottlewright-cli: unknown --where key \"maker\"\n\n"));
    EXPECT_NE(unknownKey.err.find("usage: bottlewright-cli list"), std::string::npos);
}

TEST_F(Cli, StatsGivesTheDialogsFiguresForTheFocusSetAndTheWholeFile) {
    WineList entries;
    for (const auto& [producer, left, acquired, cost, value] :
         {std::tuple{"Alpha", 3, 5, 10.0f, 0.0f}, std::tuple{"Beta", 1, 1, 1234.0f, 2000.0f}}) {
        entries.push_back(std::make_unique<CWine>());
        CWine& wine = *entries.back();
        wine.m_strProducer = producer;
        wine.m_nNumberRemaining = left;
        wine.m_nNumberAcquired = acquired;
        wine.m_fCost = cost;
        wine.m_fValue = value;
    }
    ASSERT_EQ(CellarFile::save(m_folder / "two.bwf", entries), "");
    const auto totals = [](int bottles, const char* cost, const char* value, const char* costText,
                           const char* averageCost, const char* valueText, const char* averageValue) {
        return "{\"bottles\":" + std::to_string(bottles) + ",\"cost\":" + cost + ",\"value\":" + value +
               ",\"costText\":\"" + costText + "\",\"averageCostText\":\"" + averageCost +
               "\",\"valueText\":\"" + valueText + "\",\"averageValueText\":\"" + averageValue + "\"}";
    };
    const std::string alpha =
        "{\"entries\":1,\"remaining\":" + totals(3, "30", "30", "$30.00", "$10.00", "$30.00", "$10.00") +
        ",\"consumed\":" + totals(2, "20", "20", "$20.00", "$10.00", "$20.00", "$10.00") +
        ",\"acquired\":" + totals(5, "50", "50", "$50.00", "$10.00", "$50.00", "$10.00") + "}";
    const std::string both =
        "{\"entries\":2,\"remaining\":" +
        totals(4, "1264", "2030", "$1,264.00", "$316.00", "$2,030.00", "$507.50") +
        ",\"consumed\":" + totals(2, "20", "20", "$20.00", "$10.00", "$20.00", "$10.00") +
        ",\"acquired\":" + totals(6, "1284", "2050", "$1,284.00", "$214.00", "$2,050.00", "$341.67") + "}";

    const Outcome filtered = run("stats two.bwf --where producer=alp --json");
    EXPECT_EQ(filtered.status, 0) << filtered.err;
    EXPECT_EQ(filtered.out, "{\"focusSet\":" + alpha + ",\"workingFile\":" + both + "}\n");
    EXPECT_EQ(run("stats two.bwf").out, "{\"focusSet\":" + both + ",\"workingFile\":" + both + "}\n");
    EXPECT_FALSE(fs::exists(m_folder / "srtprec.bw3"));
}

TEST_F(Cli, BackupCopiesToTodaysNextNameUntilTheLetterY) {
    const std::string sample = fixture("two-entries.bwf");
    fs::create_directories(m_folder / "backups");
    const CalendarDate date = today();
    for (const char letter : {'a', 'b'}) {
        const fs::path copy = m_folder / "backups" / Backup::fileName(date, letter);
        const Outcome result = run("backup '" + sample + "' backups");
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, "backups/" + Backup::fileName(date, letter) + "\n");
        EXPECT_EQ(fileContents(copy), fileContents(sample));
    }
    for (char letter = 'c'; letter <= 'y'; ++letter)
        write("backups/" + Backup::fileName(date, letter), "");
    const Outcome tooMany = run("backup '" + sample + "' backups");
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_EQ(tooMany.out, "");
    EXPECT_EQ(tooMany.err, "bottlewright-cli: backups: Too many backups at this location today.\n");

    const std::string missing = std::make_error_code(std::errc::no_such_file_or_directory).message();
    EXPECT_EQ(run("backup '" + sample + "' nowhere").err, "bottlewright-cli: nowhere: " + missing + "\n");
    EXPECT_EQ(run("backup missing.bwf backups").err,
              "bottlewright-cli: missing.bwf: The file cannot be read: " + missing + ".\n");
}
