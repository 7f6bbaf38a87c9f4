#include "cli/CliSupport.h"
#include "cli/FocusSetOptions.h"
#include "cli/PrintOptions.h"
#include "cli/commands/Commands.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// The painting needs Qt, which this program does without: bottlewright-print beside it does the work.
std::filesystem::path printerProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::path() : self.parent_path()) / "bottlewright-print";
}

} // namespace

void addPrintCommand(CLI::App& app, int argc, char** argv) {
    CLI::App& command = *app.add_subcommand(
        "print", "writes the Focus Set's printed pages to a PDF exactly as the program prints them, and "
                 "prints \"N pages\"");
    auto file = std::make_shared<std::string>();
    auto focus = std::make_shared<FocusSetOptions>();
    auto options = std::make_shared<PrintOptions>();
    command.add_option("FILE", *file, "the Cellar File")->required();
    focus->addTo(command);
    options->addTo(command);
    CliSupport::setAction(command, [file, focus, options, argc, argv] {
        // The options live as long as the command; wrong margins are a usage error here already.
        (void)file;
        (void)focus;
        (void)options->style();
        const std::filesystem::path program = printerProgram();
        std::vector<char*> arguments(argv, argv + argc);
        arguments.front() = const_cast<char*>(program.c_str());
        arguments.push_back(nullptr);
        std::cout.flush();
        ::execv(program.c_str(), arguments.data());
        return CliSupport::failed(program.string(),
                                  "cannot be started; printing needs the program built with Qt");
    });
}
