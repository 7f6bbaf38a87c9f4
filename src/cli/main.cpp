// bottlewright-cli: reads and writes Cellar Files without the windows, for scripts and tests.
#include "cli/CliSupport.h"
#include "cli/commands/Commands.h"

#include <iostream>
#include <new>

namespace {

// The help of the subcommand given, or of the program when none was.
std::string help(const CLI::App& app) {
    const auto chosen = app.get_subcommands();
    return chosen.empty() ? app.help() : chosen.front()->help(app.get_name());
}

int usageError(const CLI::App& app, const std::string& problem) {
    std::cerr << "bottlewright-cli: " << problem << "\n\n";
    std::cerr << help(app);
    return CliSupport::kUsage;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app("Reads and writes Bottlewright Cellar Files without the windows.", "bottlewright-cli");
    app.get_formatter()->label("Usage", "usage");
    app.get_formatter()->column_width(36);
    app.footer("Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n"
               "Run 'bottlewright-cli COMMAND --help' for the options of one command.");
    app.require_subcommand(1);
    app.fallthrough(false);
    addDumpCommand(app);
    addListCommand(app);
    addStatsCommand(app);
    addBackupCommand(app);
    addRewriteCommand(app);
    addImportCommand(app);
    addExportCommand(app);
    addSaveFocusCommand(app);
    addAppendCommand(app);
    addConvertV2Command(app);
    addImportCellarTrackerCommand(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << help(app);
        return 0;
    } catch (const CLI::RuntimeError& stop) {
        return stop.get_exit_code();
    } catch (const CLI::ParseError& wrong) {
        return usageError(app, wrong.what());
    } catch (const CliSupport::UsageError& wrong) {
        return usageError(app, wrong.what());
    } catch (const std::bad_alloc&) {
        std::cerr << "bottlewright-cli: there is not enough memory to do this.\n";
        return CliSupport::kFailed;
    }
    return 0;
}
