#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/JsonOutput.h"
#include "cli/commands/Commands.h"
#include "core/views/lists/BinList.h"

#include <iostream>
#include <memory>

void addBinsCommand(CLI::App& app) {
    CLI::App& command =
        *app.add_subcommand("bins", "the Bin List of the whole file: each bin and the wines in it");
    auto file = std::make_shared<std::string>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    CliSupport::addJsonFlag(command);
    CliSupport::setAction(command, [file] {
        // No criteria: the file is opened as list opens it, and the bins cover every entry anyway.
        return FocusSetOptions().withFocusSet(*file, [](const CBottlewrightDoc& doc) {
            BinList list;
            list.rebuild(doc);
            {
                JsonOutput::ArrayPrinter bins(std::cout, "bins");
                for (std::size_t b = 0; b < list.bins().size(); ++b) {
                    const BinList::Bin& bin = list.bins()[b];
                    Json wines = Json::array();
                    for (std::size_t w = 0; w < bin.wines.size(); ++w) {
                        const int entry = bin.wines[w];
                        wines.push_back(Json{{"count", bin.counts[w]},
                                             {"index", entry},
                                             {"wine", JsonOutput::text(doc.entry(entry)->description())}});
                    }
                    bins.add(
                        Json{{"name", JsonOutput::text(bin.name)}, {"total", bin.total}, {"wines", wines}});
                }
            }
            return CliSupport::finishOutput();
        });
    });
}
