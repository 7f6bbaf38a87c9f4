#pragma once

#include "core/model/CWine.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The outcome of reading a Cellar File: every entry, or none and a one-line reason.
struct CellarReadResult {
    WineList entries;
    std::string error;
    // Bytes after the last entry (a copy tool's padding): read past, and not kept when saved.
    std::uint64_t trailingBytes = 0;

    bool ok() const { return error.empty(); }
};

// The Cellar File: the framework's binary object archive of CWine records, little-endian whatever the host.
namespace CellarFile {

inline constexpr std::uint32_t kHeaderWord = 0;
// The bytes of a file held at a time while it is read.
inline constexpr std::size_t kWindow = std::size_t{1} << 16;

// The note the user gets once when a file holds bytes after its last entry; empty when it holds none.
std::string trailingBytesNote(std::uint64_t trailingBytes);

// Reads a whole archive. A damaged archive gives no entries and the reason; never a partial list.
CellarReadResult read(std::span<const std::uint8_t> bytes);
// The same from the next size bytes of a stream, holding no more than window bytes of them at a time,
// so that the entries and the file are never in memory together.
CellarReadResult read(std::istream& stream, std::uint64_t size, std::size_t window = kWindow);
CellarReadResult load(const std::filesystem::path& path);

// How load shares a large file with a helper thread: by default the helper, once it runs, takes half of
// what the reading from the start has left (the tail), and when done with it, half of what that reading
// still has before the tail (the middle). Tests choose the parts' bytes instead, and have the reading from
// the start wait until the helper knows where both parts start, so that every way the parts and the
// reading from the start can meet is taken.
struct Sharing {
    std::uint64_t tailBytes = 0;   // the file's last bytes the tail looks in; 0 for the default
    std::uint64_t middleBytes = 0; // the bytes left where the middle looks; 0 for the default
    bool startWhenPartsFound = false;
};
CellarReadResult load(const std::filesystem::path& path, const Sharing& sharing);

// The archive bytes for the entries in the order given.
std::vector<std::uint8_t> write(std::span<const CWine* const> entries,
                                std::uint32_t headerWord = kHeaderWord);
std::vector<std::uint8_t> write(const WineList& entries, std::uint32_t headerWord = kHeaderWord);

// Writes the archive to a temporary file beside the target and renames it over the target, so an
// interrupted save leaves the old file whole. Returns an empty string or the reason it failed.
std::string save(const std::filesystem::path& path, const WineList& entries);
std::string save(const std::filesystem::path& path, std::span<const CWine* const> entries);

} // namespace CellarFile
