#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/model/Today.h"
#include "core/views/graphs/GraphBars.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <optional>

namespace {

struct GraphOptions {
    std::string kind;
    std::string file;
    std::string scope = "remaining";
    int order = 0;
    std::optional<int> minimum;
    std::optional<int> maximum;
    std::optional<std::string> today;
};

GraphKind kindNamed(const std::string& name) {
    for (const GraphKindInfo& info : kGraphKinds) {
        if (name == info.cliName)
            return info.kind;
    }
    throw CliSupport::UsageError("KIND: unknown graph " + name);
}

// The month and year of "M-D-YYYY".
MonthYear monthOf(const std::string& date) {
    int month = 0;
    int day = 0;
    int year = 0;
    char rest = 0;
    if (std::sscanf(date.c_str(), "%d-%d-%d%c", &month, &day, &year, &rest) != 3 || month < 1 || month > 12 ||
        day < 1 || day > 31)
        throw CliSupport::UsageError("--today: " + date + " is not a date M-D-YYYY");
    return {month, year};
}

GraphSettings settingsOf(GraphKind kind, const GraphOptions& options) {
    static const std::map<std::string, int> scopes{{"remaining", 0}, {"acquired", 1}, {"consumed", 2}};
    GraphSettings settings;
    settings.sort = options.order;
    settings.scope = scopes.at(options.scope);
    GraphRange range = graphRange(kind, settings);
    range.minimum = options.minimum.value_or(range.minimum);
    range.maximum = options.maximum.value_or(range.maximum);
    if (hasGraphRange(kind) && range.minimum >= range.maximum)
        throw CliSupport::UsageError("--min must be below --max");
    setGraphRange(kind, settings, range);
    forceFixedSettings(kind, settings);
    return settings;
}

} // namespace

void addGraphCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "graph", "the bars of a graph of that Focus Set, in the order the graph shows them");
    auto options = std::make_shared<GraphOptions>();
    auto focus = std::make_shared<FocusSetOptions>();
    std::vector<std::string> kinds;
    for (const GraphKindInfo& info : kGraphKinds)
        kinds.emplace_back(info.cliName);
    command.add_option("KIND", options->kind, "the graph")->required()->check(CLI::IsMember(kinds));
    command.add_option("FILE", options->file, "the Cellar File")->required();
    focus->addTo(command);
    command.add_option("--scope", options->scope, "bottles counted (default remaining)")
        ->check(CLI::IsMember({"remaining", "acquired", "consumed"}));
    command
        .add_option("--order", options->order, "0/1 ascending/descending label, 2/3 by bar size (default 0)")
        ->check(CLI::Range(0, 3));
    command.add_option("--min", options->minimum, "lowest vintage or dollar of the range graphs");
    command.add_option("--max", options->maximum, "highest vintage or dollar of the range graphs");
    command.add_option("--today", options->today, "M-D-YYYY: the month the spending graph takes as now");
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [options, focus] {
        const GraphKind kind = kindNamed(options->kind);
        const GraphSettings settings = settingsOf(kind, *options);
        MonthYear now{today().month, today().year};
        if (options->today)
            now = monthOf(*options->today);
        return focus->withFocusSet(options->file, [&](const CBottlewrightDoc& doc) {
            GraphBars bars = buildBars(kind, doc.focusEntries(), settings, SpendingClock{now, now});
            sortBars(kind, bars, settings.sort);
            {
                JsonOutput::ArrayPrinter printer(std::cout, "bars");
                for (int i = 0; i < bars.size(); ++i) {
                    Json bar{{"label", JsonOutput::text(bars.labels[i])}, {"count", bars.counts[i]}};
                    if (kind == GraphKind::Spending)
                        bar["bottles"] = bars.bottles[i];
                    printer.add(bar);
                }
            }
            return CliSupport::finishOutput();
        });
    });
}
