#include "cli/CliSupport.h"
#include "cli/commands/Commands.h"
#include "core/model/CellarFile.h"

#include <memory>

void addRewriteCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand("rewrite", "reads a Cellar File and writes it again to OUT");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command.add_option("IN", *in, "the Cellar File to read")->required();
    command.add_option("OUT", *out, "the Cellar File to write")->required();
    CliSupport::setAction(command, [in, out] {
        CliSupport::setCurrentFile(*in);
        const CellarReadResult& result =
            CliSupport::keepUntilExit(std::make_unique<CellarReadResult>(CellarFile::load(*in)));
        if (!result.ok())
            return CliSupport::failed(*in, result.error);
        CliSupport::note(*in, CellarFile::trailingBytesNote(result.trailingBytes));
        CliSupport::setCurrentFile(*out);
        if (const std::string error = CellarFile::save(*out, result.entries); !error.empty())
            return CliSupport::failed(*out, error);
        return 0;
    });
}
