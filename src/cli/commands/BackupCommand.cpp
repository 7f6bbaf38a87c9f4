#include "cli/CliSupport.h"
#include "cli/commands/Commands.h"
#include "core/document/Backup.h"

#include <iostream>
#include <memory>

void addBackupCommand(CLI::App& app) {
    CLI::App& command = *app.add_subcommand(
        "backup", "copies FILE into DIR as today's next dated backup and prints the copy's path");
    auto file = std::make_shared<std::string>();
    auto folder = std::make_shared<std::string>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    command.add_option("DIR", *folder, "the backup location")->required();
    CliSupport::setAction(command, [file, folder] {
        CliSupport::setCurrentFile(*file);
        const Backup::Result result = Backup::make(*file, *folder);
        switch (result.outcome) {
        case Backup::Result::Copied:
            std::cout << result.destination.string() << '\n';
            return CliSupport::finishOutput();
        case Backup::Result::TooMany:
            return CliSupport::failed(*folder, "Too many backups at this location today.");
        case Backup::Result::Failed:
            break;
        }
        return CliSupport::failed(result.sourceFailed ? *file : *folder, result.error);
    });
}
