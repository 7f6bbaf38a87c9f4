#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/document/Statistics.h"

#include <iostream>
#include <memory>

namespace {

Json totalsJson(const Statistics::Totals& totals) {
    const Statistics::Texts texts = Statistics::texts(totals);
    return Json{{"bottles", totals.bottles},
                {"cost", JsonOutput::amount(totals.cost)},
                {"value", JsonOutput::amount(totals.value)},
                {"costText", texts.totalCost},
                {"averageCostText", texts.averageCost},
                {"valueText", texts.totalValue},
                {"averageValueText", texts.averageValue}};
}

Json scopeJson(const Statistics::Scope& scope) {
    return Json{{"entries", scope.entries},
                {"remaining", totalsJson(scope.remaining)},
                {"consumed", totalsJson(scope.consumed)},
                {"acquired", totalsJson(scope.acquired)}};
}

} // namespace

void addStatsCommand(CLI::App& app) {
    CLI::App& command =
        *app.add_subcommand("stats", "the statistics of that Focus Set and of the whole file");
    auto file = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    focus->addTo(command);
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [file, focus] {
        return focus->withFocusSet(*file, [](const CBottlewrightDoc& doc) {
            const Statistics statistics = Statistics::compute(doc);
            std::cout << JsonOutput::line(Json{{"focusSet", scopeJson(statistics.focusSet)},
                                               {"workingFile", scopeJson(statistics.workingFile)}})
                      << '\n';
            return CliSupport::finishOutput();
        });
    });
}
