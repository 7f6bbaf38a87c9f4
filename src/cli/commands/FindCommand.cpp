#include "cli/CliSupport.h"
#include "cli/FieldOption.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/model/Cp1252.h"
#include "core/views/entrylist/EntrySearch.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

struct FindArguments {
    std::string file;
    std::string text;
    std::vector<std::string> fields;
    bool matchCase = false;
    FocusSetOptions focus;
};

EntrySearch::FindOptions optionsOf(const FindArguments& args) {
    EntrySearch::FindOptions options;
    options.matchCase = args.matchCase;
    options.allFields = args.fields.empty();
    for (const std::string& key : args.fields) {
        const int field = FieldOption::fieldIndex(key);
        const auto* at = std::find(EntrySearch::kFindFields.begin(), EntrySearch::kFindFields.end(), field);
        if (at == EntrySearch::kFindFields.end())
            throw CliSupport::UsageError("--fields: Find does not look in \"" + key + "\"");
        options.checked[static_cast<std::size_t>(at - EntrySearch::kFindFields.begin())] = true;
    }
    return options;
}

} // namespace

void addFindCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "find", "the Focus Set positions whose producer, appellation, designation, region, country, wine "
                "type, source/vendor or notes hold TEXT, ignoring case as Find does");
    auto args = std::make_shared<FindArguments>();
    command.add_option("FILE", args->file, "the Cellar File")->required();
    command.add_option("TEXT", args->text, "the text to look for")->required();
    command
        .add_option("--fields", args->fields,
                    "look only in these fields (producer, appellation, designation, "
                    "region, country, wineType, vendor, notes)")
        ->delimiter(',');
    command.add_flag("--case", args->matchCase, "match letter case exactly");
    args->focus.addTo(command);
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [args] {
        const EntrySearch::FindOptions options = optionsOf(*args);
        const std::string search =
            args->matchCase ? args->text : Cp1252::toLower(Cp1252::fromUtf8(args->text));
        return args->focus.withFocusSet(args->file, [&](const CBottlewrightDoc& doc) {
            Json matches = Json::array();
            for (int position = 0; position < doc.focusCount(); ++position) {
                if (EntrySearch::findMatches(*doc.focusEntry(position), search, options))
                    matches.push_back(position);
            }
            std::cout << JsonOutput::line(Json{{"matches", matches}}) << '\n';
            return CliSupport::finishOutput();
        });
    });
}
