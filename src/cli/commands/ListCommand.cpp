#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"

#include <iostream>
#include <memory>
#include <vector>

namespace {

// {"index":7,"description":"1990 Producer Appellation Designation"}
void appendMember(std::string& out, const CBottlewrightDoc& doc, const std::vector<const CWine*>& entries,
                  std::size_t position) {
    // Sorted, the entries are met in no order memory favours.
    constexpr std::size_t kLookAhead = 8;
    if (position + kLookAhead < entries.size())
        entries[position + kLookAhead]->prefetch();
    thread_local std::string description; // kept, so that describing an entry seldom allocates
    description.clear();
    entries[position]->appendDescription(description);
    out += "{\"index\":";
    JsonOutput::appendNumber(out, doc.focusMember(static_cast<int>(position)));
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
                // Looked up all at once, the entries' addresses take a fraction of the time they
                // would one by one between the descriptions.
                const std::vector<const CWine*> entries = doc.focusEntries();
                JsonOutput::ArrayPrinter members(std::cout, "focus");
                members.addEach(entries.size(), [&doc, &entries](std::string& out, std::size_t position) {
                    appendMember(out, doc, entries, position);
                });
            }
            return CliSupport::finishOutput();
        });
    });
}
