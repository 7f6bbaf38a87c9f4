#include "cli/CliSupport.h"

#include <iostream>

namespace CliSupport {

int failed(const std::string& file, const std::string& reason) {
    std::cerr << "bottlewright-cli: " << file << ": " << reason << '\n';
    return kFailed;
}

void note(const std::string& file, const std::string& text) {
    if (!text.empty())
        std::cerr << "bottlewright-cli: " << file << ": " << text << '\n';
}

namespace {
std::string& currentFileName() {
    static std::string name;
    return name;
}
} // namespace

void setCurrentFile(const std::string& file) {
    currentFileName() = file;
}

const std::string& currentFile() {
    return currentFileName();
}

int finishOutput() {
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "bottlewright-cli: the output could not be written.\n";
        return kFailed;
    }
    return 0;
}

void addJsonFlag(CLI::App& command) {
    static const std::string description = "JSON output (the only format)";
    command.add_flag("--json", description);
}

void setAction(CLI::App& command, std::function<int()> run) {
    // CLI11 ends the program with a RuntimeError's exit code without printing anything.
    command.callback([run = std::move(run)] {
        if (const int status = run(); status != 0)
            throw CLI::RuntimeError(status);
    });
}

} // namespace CliSupport
