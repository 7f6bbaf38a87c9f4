#include "cli/CliSupport.h"
#include "cli/ExchangeSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/commands/Commands.h"
#include "core/exchange/FocusSetFiles.h"

#include <memory>

void addSaveFocusCommand(CLI::App& app) {
    CLI::App& command =
        *app.add_subcommand("save-focus", "saves the Focus Set of FILE as a new Cellar File OUT.bwf");
    auto file = std::make_shared<std::string>();
    auto target = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File whose Focus Set is written")->required();
    command.add_option("OUT", *target, "the Cellar File to create or replace")->required();
    focus->addTo(command);
    CliSupport::setAction(command, [file, target, focus] {
        return focus->withFocusSet(*file, [&](const CBottlewrightDoc& doc) {
            const FocusSetFiles::Outcome outcome = FocusSetFiles::save(*target, doc.focusEntries(), *file);
            return outcome.ok ? ExchangeSupport::printMessage(outcome.message)
                              : CliSupport::failed(*target, outcome.message);
        });
    });
}
