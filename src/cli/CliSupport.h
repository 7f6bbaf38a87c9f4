#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// What every subcommand shares: exit statuses, the one way to report a failure, and the checks on
// standard output.
namespace CliSupport {

inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

// Wrong usage found after parsing (a bad --where value, say); main prints it as it prints CLI11's own.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "bottlewright-cli: FILE: REASON" on standard error; returns kFailed.
[[nodiscard]] int failed(const std::string& file, const std::string& reason);

// "bottlewright-cli: FILE: NOTE" on standard error when there is a note; the command goes on.
void note(const std::string& file, const std::string& text);

// The file being read or written, so that running out of memory can name it.
void setCurrentFile(const std::string& file);
const std::string& currentFile();

// Whatever failed while writing standard output (a full disk, a closed pipe) fails the command.
[[nodiscard]] int finishOutput();

// --json, accepted for scripts' sake: JSON is the only output format.
void addJsonFlag(CLI::App& command);

// Declares the subcommand's action: run's exit status ends the program.
void setAction(CLI::App& command, std::function<int()> run);

// Keeps the object until the process ends and gives it back. The program ends right after its one
// command, and the system takes the memory back at once, where freeing a million entries one by one
// takes a good part of a second. The object stays reachable, so leak checkers do not count it.
template <typename T> T& keepUntilExit(std::unique_ptr<T> object) {
    static auto* const kept = new std::vector<std::unique_ptr<T>>;
    kept->push_back(std::move(object));
    return *kept->back();
}

} // namespace CliSupport
