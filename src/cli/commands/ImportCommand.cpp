#include "cli/CliSupport.h"
#include "cli/ExchangeSupport.h"
#include "cli/commands/Commands.h"
#include "core/exchange/TabImport.h"
#include "core/exchange/TabText.h"
#include "core/model/AtomicFile.h"

#include <memory>

void addImportCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "import", "imports tab-separated TXT through the field map MAP.bwx into a new Cellar File OUT.bwf");
    auto text = std::make_shared<std::string>();
    auto map = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    command.add_option("TXT", *text, "the tab-separated text file; its first line names the columns")
        ->required();
    command.add_option("--map", *map, "the field mapping scheme (.bwx)")->required();
    command.add_option("OUT", *out, "the Cellar File to create")->required();
    CliSupport::setAction(command, [text, map, out] {
        std::string bytes, error;
        if (!readWholeFile(*text, bytes, error))
            return CliSupport::failed(*text, "Unable to open " + *text + ": " + error);
        FieldMap fields;
        if (!fields.retrieve(*map))
            return CliSupport::failed(*map, "Not a mapping scheme: it must hold 24 numbers.");
        const int columns = static_cast<int>(TabText::headerColumns(TabText::headerLine(bytes)).size());
        // Numbers beyond the file's columns count as unmapped, as Retrieve shows them.
        std::vector<std::uint8_t> cellarFile;
        const TabImportResult result =
            TabImport::readToCellarFile(bytes, fields.limitedTo(columns), columns, cellarFile);
        bytes.clear();
        bytes.shrink_to_fit();
        if (const std::string failure = writeFileAtomically(*out, cellarFile); !failure.empty())
            return CliSupport::failed(*out, failure);
        return ExchangeSupport::printMessage(result.message());
    });
}
