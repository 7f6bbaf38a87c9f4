#include "cli/CliSupport.h"
#include "cli/ExchangeSupport.h"
#include "cli/commands/Commands.h"
#include "core/model/AtomicFile.h"
#include "core/model/Version2File.h"

#include <memory>

void addConvertV2Command(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "convert-v2", "converts a version 2.xx file OLD (.clr or .xpr) into a new Cellar File OUT.bwf");
    auto old = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command.add_option("OLD", *old, "the version 2.xx file")->required();
    command.add_option("OUT", *out, "the Cellar File to create")->required();
    CliSupport::setAction(command, [old, out] {
        std::string bytes, error;
        if (!readWholeFile(*old, bytes, error))
            return CliSupport::failed(*old, "File Open Failed");
        const Version2ReadResult result = Version2File::read(bytes);
        if (!result.isVersion2)
            return CliSupport::failed(*old, Version2File::notVersion2Message(*old));
        return ExchangeSupport::saveAndReport(*out, result.entries,
                                              std::to_string(result.entries.size()) + " entries converted; " +
                                                  std::to_string(result.dropped) +
                                                  " damaged records dropped.");
    });
}
