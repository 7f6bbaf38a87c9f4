#include "cli/CliSupport.h"
#include "cli/ExchangeSupport.h"
#include "cli/commands/Commands.h"
#include "core/exchange/CellarTrackerImport.h"
#include "core/model/AtomicFile.h"

#include <memory>

void addImportCellarTrackerCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "import-cellartracker",
        "imports a CellarTracker List or Inventory export (comma- or tab-separated) into a new Cellar File");
    auto csv = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command.add_option("CSV", *csv, "the CellarTracker export")->required();
    command.add_option("OUT", *out, "the Cellar File to create")->required();
    CliSupport::setAction(command, [csv, out] {
        std::string bytes, error;
        if (!readWholeFile(*csv, bytes, error))
            return CliSupport::failed(*csv, "Unable to open " + *csv + ": " + error);
        const CellarTrackerResult result = CellarTrackerImport::read(bytes);
        if (!result.recognized)
            return CliSupport::failed(*csv, std::string(CellarTrackerImport::kNotAnExport));
        return ExchangeSupport::saveAndReport(*out, result.entries, result.message());
    });
}
