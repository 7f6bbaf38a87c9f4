#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"

#include <iostream>
#include <memory>

namespace {

// {"index":7,"description":"1990 Producer Appellation Designation"}
void appendMember(std::string& out, const CBottlewrightDoc& doc, int position) {
    // Sorted, the entries are met in no order memory favours.
    constexpr int kLookAhead = 8;
    if (const CWine* ahead = doc.focusEntry(position + kLookAhead))
        ahead->prefetch();
    thread_local std::string description; // kept, so that describing an entry seldom allocates
    description.clear();
    doc.focusEntry(position)->appendDescription(description);
    out += "{\"index\":";
    JsonOutput::appendNumber(out, doc.focusMember(position));
    out += ",\"description\":";
    JsonOutput::appendText(out, description);
    out += '}';
}

} // namespace

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
                members.addEach(static_cast<std::size_t>(doc.focusCount()),
                                [&doc](std::string& out, std::size_t position) {
                                    appendMember(out, doc, static_cast<int>(position));
                                });
            }
            return CliSupport::finishOutput();
        });
    });
}
