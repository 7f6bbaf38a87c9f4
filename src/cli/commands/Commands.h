#pragma once

#include <CLI/CLI.hpp>

// One function a subcommand: each declares its options and its action on the application.
void addDumpCommand(CLI::App& app);
void addListCommand(CLI::App& app);
void addStatsCommand(CLI::App& app);
void addBackupCommand(CLI::App& app);
void addRewriteCommand(CLI::App& app);
void addHistoryCommand(CLI::App& app);
void addHistorySummaryCommand(CLI::App& app);
void addBinsCommand(CLI::App& app);
void addGraphCommand(CLI::App& app);
void addFindCommand(CLI::App& app);
void addReplaceCommand(CLI::App& app);
// Hands its command line on to bottlewright-print.
void addPrintCommand(CLI::App& app, int argc, char** argv);
void addImportCommand(CLI::App& app);
void addExportCommand(CLI::App& app);
void addSaveFocusCommand(CLI::App& app);
void addAppendCommand(CLI::App& app);
void addConvertV2Command(CLI::App& app);
void addImportCellarTrackerCommand(CLI::App& app);
