#include "cli/CliSupport.h"
#include "cli/ExchangeSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/commands/Commands.h"
#include "core/exchange/FocusSetFiles.h"

#include <memory>

void addExportCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "export", "writes the Focus Set of FILE as tab-separated text OUT.txt through the field map "
                  "MAP.bwx; the header holds the names of ./LastUsed.fnm, else the default names");
    auto file = std::make_shared<std::string>();
    auto map = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    command.add_option("--map", *map, "the field mapping scheme (.bwx), numbering fields 1..K")->required();
    command.add_option("OUT", *out, "the text file to write")->required();
    focus->addTo(command);
    CliSupport::setAction(command, [file, map, out, focus] {
        FieldMap fields;
        if (!fields.retrieve(*map))
            return CliSupport::failed(*map, "Not a mapping scheme: it must hold 24 numbers.");
        if (!fields.isExportable())
            return CliSupport::failed(*map, "The map must number the fields 1 to K, each number once.");
        if (fields.exportColumnCount() == 0)
            return CliSupport::failed(*map, "The map gives no field a column; nothing was exported.");
        FieldNames names;
        if (!names.read(std::filesystem::current_path() / "LastUsed.fnm"))
            names.setDefaults();
        return focus->withFocusSet(*file, [&](const CBottlewrightDoc& doc) {
            const FocusSetFiles::Outcome outcome =
                FocusSetFiles::exportText(*out, doc.focusEntries(), fields, names, *file);
            return outcome.ok ? ExchangeSupport::printMessage(outcome.message)
                              : CliSupport::failed(*out, outcome.message);
        });
    });
}
