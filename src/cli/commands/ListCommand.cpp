#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"

#include <iostream>
#include <memory>

void addListCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "list", "the Focus Set after opening, sorted by SCHEME.bws or else by srtprec.bw3 in the current "
                "folder; with --where, only the entries that meet every criterion (\"New Focus Set\")");
    auto file = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    focus->addTo(command);
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [file, focus] {
        return focus->withFocusSet(*file, [](const CBottlewrightDoc& doc) {
            {
                JsonOutput::ArrayPrinter members(std::cout, "focus");
                // Sorted, the entries are met in no order memory favours.
                constexpr int kLookAhead = 8;
                for (int position = 0; position < doc.focusCount(); ++position) {
                    if (const CWine* ahead = doc.focusEntry(position + kLookAhead))
                        ahead->prefetch();
                    members.addWith([&](std::string& out) {
                        out += "{\"index\":";
                        JsonOutput::appendNumber(out, doc.focusMember(position));
                        out += ",\"description\":";
                        JsonOutput::appendText(out, doc.focusEntry(position)->description());
                        out += '}';
                    });
                }
            }
            return CliSupport::finishOutput();
        });
    });
}
