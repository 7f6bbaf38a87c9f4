#include "cli/CliSupport.h"
#include "cli/FieldOption.h"
#include "cli/FocusSetOptions.h"
#include "cli/commands/Commands.h"
#include "core/document/EntryReplace.h"
#include "core/model/CellarFile.h"
#include "core/model/Cp1252.h"

#include <algorithm>
#include <iostream>
#include <memory>

namespace {

struct ReplaceArguments {
    std::string file;
    std::string field;
    std::string findWhat;
    std::string replaceWith;
    std::string out;
    bool matchCase = false;
    FocusSetOptions focus;
};

} // namespace

void addReplaceCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "replace",
        "Replace All in the Focus Set: the first OLD in FIELD of each entry becomes NEW (with case; "
        "an empty OLD fills empty fields); writes the whole file to OUT");
    auto args = std::make_shared<ReplaceArguments>();
    command.add_option("FILE", args->file, "the Cellar File")->required();
    command
        .add_option("FIELD", args->field,
                    "producer, appellation, designation, region, country, wineType, vendor, bins, rating, "
                    "dateAcquired, tryDate, drinkDate, notes or user1 to user5")
        ->required();
    command.add_option("OLD", args->findWhat, "the text to replace")->required();
    command.add_option("NEW", args->replaceWith, "the replacement")->required();
    command.add_option("OUT", args->out, "the Cellar File to write")->required();
    command.add_flag("--case", args->matchCase,
                     "accepted for symmetry with find: Replace always matches case");
    args->focus.addTo(command);
    CliSupport::setAction(command, [args] {
        const int field = FieldOption::fieldIndex(args->field);
        if (std::find(EntryReplace::kFields.begin(), EntryReplace::kFields.end(), field) ==
            EntryReplace::kFields.end())
            throw CliSupport::UsageError("FIELD: Find and Replace does not offer \"" + args->field + "\"");
        return args->focus.withFocusSet(args->file, [&](CBottlewrightDoc& doc) {
            const int replaced = doc.replaceInFocusSet(field, Cp1252::fromUtf8(args->findWhat),
                                                       Cp1252::fromUtf8(args->replaceWith), nullptr);
            if (const std::string error = CellarFile::save(args->out, doc.entries()); !error.empty())
                return CliSupport::failed(args->out, error);
            std::cout << '"' << args->findWhat << "\" replaced with\n \"" << args->replaceWith << "\" in "
                      << replaced << " entries.\n";
            return CliSupport::finishOutput();
        });
    });
}
