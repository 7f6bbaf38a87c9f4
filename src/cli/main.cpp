// bottlewright-cli: reads Cellar Files without the windows, for scripts and tests.
#include "JsonWriter.h"
#include "ScratchFolder.h"
#include "WhereOption.h"
#include "document/Backup.h"
#include "document/CBottlewrightDoc.h"
#include "document/Statistics.h"
#include "model/CellarFile.h"
#include "model/Cp1252.h"

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

constexpr const char* kUsageHead =
    "usage: bottlewright-cli COMMAND ...\n"
    "\n"
    "  dump FILE [--json]                 every entry of a Cellar File as JSON, in file order\n"
    "  list FILE [--sort SCHEME.bws] [--where KEY=VALUE ...] [--json]\n"
    "                                     the Focus Set after opening, sorted by SCHEME.bws or else\n"
    "                                     by srtprec.bw3 in the current folder; with --where, only\n"
    "                                     the entries that meet every criterion (\"New Focus Set\")\n"
    "  stats FILE [--sort SCHEME.bws] [--where KEY=VALUE ...] [--json]\n"
    "                                     the statistics of that Focus Set and of the whole file\n"
    "  backup FILE DIR                    copies FILE into DIR as today's next dated backup and\n"
    "                                     prints the copy's path\n"
    "  rewrite IN OUT                     reads a Cellar File and writes it again to OUT\n"
    "\n"
    "  --where keys (repeatable; the value as typed in the Focus Criteria sheet):\n";

constexpr const char* kUsageTail =
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n";

struct Arguments {
    std::vector<std::string> files;
    std::optional<std::string> sortScheme;
    std::optional<FocusCriteria> criteria;
};

int usage(const std::string& problem) {
    if (!problem.empty())
        std::cerr << "bottlewright-cli: " << problem << "\n\n";
    std::cerr << kUsageHead << WhereOption::kKeysHelp << kUsageTail;
    return kUsage;
}

int failed(const std::string& file, const std::string& reason) {
    std::cerr << "bottlewright-cli: " << file << ": " << reason << '\n';
    return kFailed;
}

// Whatever failed while writing standard output (a full disk, a closed pipe) fails the command.
int finishOutput() {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "bottlewright-cli: the output could not be written.\n";
        return kFailed;
    }
    return 0;
}

void writeEntry(JsonWriter& json, const CWine& wine) {
    const auto text = [&](const char* name, const std::string& value) {
        json.key(name);
        json.writeString(Cp1252::toUtf8(value));
    };
    const auto integer = [&](const char* name, std::int32_t value) {
        json.key(name);
        json.writeInteger(value);
    };
    const auto amount = [&](const char* name, float value) {
        json.key(name);
        json.writeFloat(value);
    };
    json.beginObject();
    integer("vintage", wine.m_nVintage);
    text("producer", wine.m_strProducer);
    text("designation", wine.m_strDesignation);
    text("wineType", wine.m_strWineType);
    text("appellation", wine.m_strAppellation);
    text("region", wine.m_strRegion);
    amount("cost", wine.m_fCost);
    amount("value", wine.m_fValue);
    integer("numberAcquired", wine.m_nNumberAcquired);
    integer("numberRemaining", wine.m_nNumberRemaining);
    text("dateAcquired", wine.m_strDateAcquired);
    text("tryDate", wine.m_strTryDate);
    text("drinkDate", wine.m_strDrinkDate);
    text("rating", wine.m_strRating);
    text("country", wine.m_strCountry);
    text("bins", wine.m_strBins);
    text("vendor", wine.m_strVendor);
    text("user1", wine.m_strUser1);
    text("user2", wine.m_strUser2);
    text("user3", wine.m_strUser3);
    text("user4", wine.m_strUser4);
    text("user5", wine.m_strUser5);
    text("history", wine.m_strHistory);
    text("spare", wine.m_strSpare);
    text("dateModified", wine.m_strDateModified);
    integer("letterColor", wine.m_nLetterColor);
    text("notes", wine.m_strNotes);
    json.endObject();
}

int dump(const Arguments& arguments) {
    const std::string& file = arguments.files[0];
    const CellarReadResult result = CellarFile::load(file);
    if (!result.ok())
        return failed(file, result.error);
    JsonWriter json(std::cout);
    json.beginObject();
    json.key("entries");
    json.beginArray();
    for (const auto& wine : result.entries)
        writeEntry(json, *wine);
    json.endArray();
    json.endObject();
    std::cout << '\n';
    return finishOutput();
}

int rewrite(const Arguments& arguments) {
    const std::string& in = arguments.files[0];
    const std::string& out = arguments.files[1];
    const CellarReadResult result = CellarFile::load(in);
    if (!result.ok())
        return failed(in, result.error);
    if (const std::string error = CellarFile::save(out, result.entries); !error.empty())
        return failed(out, error);
    return 0;
}

// Opens the file as the program does, sorted by the scheme given or the last used precedence, narrows
// the Focus Set to the criteria given and hands the document to write. Returns write's status, or the
// exit status after saying why the file could not be opened.
int withFocusSet(const Arguments& arguments, const std::function<int(const CBottlewrightDoc&)>& write) {
    const std::string& file = arguments.files[0];
    // The document writes its precedence back into its start directory when it goes; a folder of its
    // own keeps that from touching the user's "srtprec.bw3".
    const ScratchFolder scratch;
    if (scratch.path().empty())
        return failed(file, "No temporary folder could be made for the document.");
    CBottlewrightDoc doc(scratch.path());
    SortPrecedence& precedence = doc.sortPrecedence();
    if (arguments.sortScheme) {
        if (!precedence.read(*arguments.sortScheme))
            return failed(*arguments.sortScheme, "Unable to retrieve the specified sorting scheme.");
    } else if (!precedence.read(std::filesystem::current_path() / "srtprec.bw3")) {
        precedence.clear();
    }
    if (const std::string error = doc.open(file); !error.empty())
        return failed(file, error);
    if (arguments.criteria)
        doc.newFocusSet(*arguments.criteria);
    return write(doc);
}

int writeList(const CBottlewrightDoc& doc) {
    JsonWriter json(std::cout);
    json.beginObject();
    json.key("focus");
    json.beginArray();
    for (int position = 0; position < doc.focusCount(); ++position) {
        json.beginObject();
        json.key("index");
        json.writeInteger(doc.focusMember(position));
        json.key("description");
        json.writeString(Cp1252::toUtf8(doc.focusEntry(position)->description()));
        json.endObject();
    }
    json.endArray();
    json.endObject();
    std::cout << '\n';
    return finishOutput();
}

void writeTotals(JsonWriter& json, const Statistics::Totals& totals) {
    const Statistics::Texts texts = Statistics::texts(totals);
    const auto text = [&](const char* name, const std::string& value) {
        json.key(name);
        json.writeString(value);
    };
    json.beginObject();
    json.key("bottles");
    json.writeInteger(totals.bottles);
    json.key("cost");
    json.writeFloat(totals.cost);
    json.key("value");
    json.writeFloat(totals.value);
    text("costText", texts.totalCost);
    text("averageCostText", texts.averageCost);
    text("valueText", texts.totalValue);
    text("averageValueText", texts.averageValue);
    json.endObject();
}

void writeScope(JsonWriter& json, const Statistics::Scope& scope) {
    json.beginObject();
    json.key("entries");
    json.writeInteger(scope.entries);
    json.key("remaining");
    writeTotals(json, scope.remaining);
    json.key("consumed");
    writeTotals(json, scope.consumed);
    json.key("acquired");
    writeTotals(json, scope.acquired);
    json.endObject();
}

int writeStats(const CBottlewrightDoc& doc) {
    const Statistics statistics = Statistics::compute(doc);
    JsonWriter json(std::cout);
    json.beginObject();
    json.key("focusSet");
    writeScope(json, statistics.focusSet);
    json.key("workingFile");
    writeScope(json, statistics.workingFile);
    json.endObject();
    std::cout << '\n';
    return finishOutput();
}

int list(const Arguments& arguments) {
    return withFocusSet(arguments, writeList);
}

int stats(const Arguments& arguments) {
    return withFocusSet(arguments, writeStats);
}

int backup(const Arguments& arguments) {
    const std::string& file = arguments.files[0];
    const std::string& folder = arguments.files[1];
    const Backup::Result result = Backup::make(file, folder);
    switch (result.outcome) {
    case Backup::Result::Copied:
        std::cout << result.destination.string() << '\n';
        return finishOutput();
    case Backup::Result::TooMany:
        return failed(folder, "Too many backups at this location today.");
    case Backup::Result::Failed:
        break;
    }
    std::error_code ignored;
    return failed(std::filesystem::exists(file, ignored) ? folder : file, result.error);
}

struct Command {
    const char* name;
    int (*run)(const Arguments&);
    std::size_t fileCount;
    bool takesJson;
    bool takesSort;
    bool takesWhere;
};

constexpr Command kCommands[] = {
    {"dump", dump, 1, true, false, false},        {"list", list, 1, true, true, true},
    {"stats", stats, 1, true, true, true},        {"backup", backup, 2, false, false, false},
    {"rewrite", rewrite, 2, false, false, false},
};

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h")
        return usage("");

    const Command* command = nullptr;
    for (const Command& known : kCommands)
        if (words[0] == known.name)
            command = &known;
    if (command == nullptr)
        return usage("unknown command \"" + words[0] + "\"");

    Arguments arguments;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h")
            return usage("");
        if (word == "--json" && command->takesJson)
            continue;
        if (word == "--sort" && command->takesSort) {
            if (++i == words.size())
                return usage("--sort needs a sorting scheme file");
            arguments.sortScheme = words[i];
        } else if (word == "--where" && command->takesWhere) {
            if (++i == words.size())
                return usage("--where needs KEY=VALUE");
            if (!arguments.criteria)
                arguments.criteria.emplace();
            if (const std::string problem = WhereOption::apply(words[i], *arguments.criteria);
                !problem.empty())
                return usage(problem);
        } else if (word.size() > 1 && word[0] == '-') {
            return usage("unknown option \"" + word + "\" for " + command->name);
        } else {
            arguments.files.push_back(word);
        }
    }
    if (arguments.files.size() != command->fileCount)
        return usage(std::string(command->name) + " needs " +
                     (command->fileCount == 1 ? "one file" : "two files"));
    return command->run(arguments);
}
