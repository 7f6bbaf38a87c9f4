#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

// No file the program reads whole comes near this; a larger one (or a device) is refused unread.
inline constexpr std::uint64_t kMaxReadSize = std::uint64_t{2} << 30;

// How bytes reach an open file: the number written or -1 with errno set, like write(2). The default is
// write(2) itself; tests pass one that fails part way, as a full disk does.
using WriteFunction = std::function<long(int fd, const void* data, std::size_t size)>;

// Writes bytes to a temporary file in the target's folder, flushes it to the disk and renames it over
// the target. Returns an empty string on success, otherwise a one-line reason; the target is then
// untouched. A target that is a symbolic link is written through to its real file; the permissions of
// an existing target are kept; a target the user may not write is refused.
[[nodiscard]] std::string writeFileAtomically(const std::filesystem::path& target,
                                              std::span<const std::uint8_t> bytes);
[[nodiscard]] std::string writeFileAtomically(const std::filesystem::path& target,
                                              std::span<const std::uint8_t> bytes,
                                              const WriteFunction& write);

// Reads a whole regular file of at most kMaxReadSize bytes; returns false and a reason when it cannot.
// Devices, pipes and sockets are refused before anything is read, so nothing blocks or grows unbounded.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error);
// The same, also giving the system's error number when the system refused (0 otherwise).
bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error,
                   int& systemError);

// Opens a regular file of at most limit bytes for reading, without ever waiting: a name that became a
// pipe since it was looked at is refused, not waited on. Returns the descriptor, which the caller
// closes, and the file's size; or -1 with the reason (as checkReadableFile gives it) and the system's
// error number when the system refused (0 otherwise).
[[nodiscard]] int openReadableFile(const std::filesystem::path& path, std::uint64_t& size, std::string& error,
                                   int& systemError, std::uint64_t limit = kMaxReadSize);

// Why path cannot be read as a file: "" for a regular file of at most limit bytes, whose size is then
// given; otherwise a one-line reason (a device, a pipe, too large, or the system's text).
[[nodiscard]] std::string checkReadableFile(const std::filesystem::path& path, std::uint64_t& size,
                                            std::uint64_t limit = kMaxReadSize);

// A temporary file that becomes a final file only when whole. It is named after a stem in its folder:
// the stem's name, ".partial-", the writer's process id and random letters ("cellar.bwf.partial-812-x3k9q2"),
// so the next write with the same stem removes what a killed run left behind.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path stem, WriteFunction write = {});
    // Removes the temporary file when it was never published.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // The file written gets this mode, owner and group (those of the file it replaces), as far as allowed.
    void keepOwnerAndModeOf(unsigned mode, unsigned owner, unsigned group);
    // Creates the temporary file with the bytes, on the disk; "" or the reason it failed.
    [[nodiscard]] std::string write(std::span<const std::uint8_t> bytes);
    // Renames the written file over target (which may exist); "" or the reason.
    [[nodiscard]] std::string replace(const std::filesystem::path& target);

    enum class Link { Made, NameTaken, Failed };
    // Gives the written file the name target only if nothing has it yet; never overwrites.
    [[nodiscard]] Link linkAsNew(const std::filesystem::path& target, std::string& error);

    const std::filesystem::path& temporaryPath() const { return m_temporary; }
    // The system's error number of the last failure, for callers that show the platform's own text.
    int systemError() const { return m_error; }

    // The ".partial-" files of that stem whose writer is no longer running; returns how many went.
    static int removeStale(const std::filesystem::path& stem);

private:
    void syncFolder() const;

    std::filesystem::path m_stem;
    WriteFunction m_write;
    std::filesystem::path m_temporary;
    int m_error = 0;
    bool m_keep = false;
    unsigned m_mode = 0;
    unsigned m_owner = 0;
    unsigned m_group = 0;
};
