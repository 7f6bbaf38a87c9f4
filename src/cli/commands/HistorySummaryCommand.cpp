#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/commands/Commands.h"
#include "core/views/lists/HistoryList.h"

#include <iostream>
#include <memory>

void addHistorySummaryCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "history-summary",
        "the change since one row of the History List, as double-clicking the row shows it");
    auto file = std::make_shared<std::string>();
    auto row = std::make_shared<int>(0);
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    command.add_option("ROW", *row, "the row of the History List, 0 for the newest")->required();
    focus->addTo(command);
    CliSupport::setAction(command, [file, row, focus] {
        return focus->withFocusSet(*file, [&file, &row](const CBottlewrightDoc& doc) {
            HistoryList list;
            list.rebuild(doc);
            if (*row < 0 || *row >= list.count())
                return CliSupport::failed(*file, "the History List has no row " + std::to_string(*row));
            std::cout << HistoryList::summaryText(list.summary(*row)) << '\n';
            return CliSupport::finishOutput();
        });
    });
}
