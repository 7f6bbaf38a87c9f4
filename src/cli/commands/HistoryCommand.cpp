#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/views/lists/HistoryList.h"

#include <iostream>
#include <memory>

void addHistoryCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "history", "the History List of that Focus Set, newest change first, as its columns show it");
    auto file = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    focus->addTo(command);
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [file, focus] {
        return focus->withFocusSet(*file, [](const CBottlewrightDoc& doc) {
            HistoryList list;
            list.rebuild(doc);
            {
                JsonOutput::ArrayPrinter records(std::cout, "records");
                for (int i = 0; i < list.count(); ++i) {
                    const auto texts = list.rowTexts(doc, i);
                    records.add(Json{{"date", JsonOutput::text(texts[0])},
                                     {"change", texts[1]},
                                     {"bottles", texts[2]},
                                     {"totalCost", texts[3]},
                                     {"totalValue", texts[4]},
                                     {"wine", JsonOutput::text(texts[5])}});
                }
            }
            return CliSupport::finishOutput();
        });
    });
}
