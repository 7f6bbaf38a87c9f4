// bottlewright-cli: reads and writes Cellar Files without the windows, for scripts and tests.
#include "cli/CliSupport.h"
#include "cli/commands/Commands.h"
#include "core/app/LargePageHeap.h"
#include "core/model/WorkInParts.h"

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
    relaunchWithLargePageHeap(argv);
    // Reading, sorting and writing a large cellar share their work with helper threads.
    WorkInParts::startHelpers();
    std::ios::sync_with_stdio(false);
    CLI::App app("Reads and writes Bottlewright Cellar Files without the windows.", "bottlewright-cli");
    app.get_formatter()->label("Usage", "usage");
    app.get_formatter()->column_width(36);
    app.footer("Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n"
               "Run 'bottlewright-cli COMMAND --help' for the options of one command.");
    app.set_version_flag("--version", std::string(BW_VERSION));
    app.require_subcommand(1);
    app.fallthrough(false);
    addDumpCommand(app);
    addListCommand(app);
    addStatsCommand(app);
    addBackupCommand(app);
    addRewriteCommand(app);
    addHistoryCommand(app);
    addHistorySummaryCommand(app);
    addBinsCommand(app);
    addGraphCommand(app);
    addFindCommand(app);
    addReplaceCommand(app);
    addPrintCommand(app, argc, argv);
    addImportCommand(app);
    addExportCommand(app);
    addSaveFocusCommand(app);
    addAppendCommand(app);
    addConvertV2Command(app);
    addImportCellarTrackerCommand(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForVersion&) {
        std::cout << BW_VERSION << '\n';
        return 0;
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
        if (CliSupport::currentFile().empty())
            std::cerr << "bottlewright-cli: there is not enough memory to do this.\n";
        else
            std::cerr << "bottlewright-cli: there is not enough memory to open " << CliSupport::currentFile()
                      << ".\n";
        return CliSupport::kFailed;
    }
    return 0;
}
