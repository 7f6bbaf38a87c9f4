#include "core/model/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace {

std::string systemReason(int error) {
    return error != 0 ? std::string(std::strerror(error)) : std::string("unknown error");
}

std::string quoted(const std::filesystem::path& path) {
    std::string text = path.string();
    text.insert(text.begin(), '"');
    text += '"';
    return text;
}

// A name beside the target that no other save picks: the target's name, a dot and random letters.
std::filesystem::path temporaryName(const std::filesystem::path& target) {
    static std::mt19937_64 generator{std::random_device{}()};
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix = ".tmp";
    for (int i = 0; i < 8; ++i)
        suffix += kLetters[generator() % (sizeof kLetters - 1)];
    std::filesystem::path name = target;
    name += suffix;
    return name;
}

// Creates the file only if it does not exist yet ("x"), so a stray file of the same name is never
// overwritten. Returns nullptr and leaves errno set when it cannot.
std::FILE* createExclusively(const std::filesystem::path& path) {
    return std::fopen(path.string().c_str(), "wbx");
}

} // namespace

std::string writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    if (const auto status = std::filesystem::status(folder, ec); !std::filesystem::is_directory(status))
        return std::filesystem::exists(status) ? quoted(folder) + " is not a folder."
                                               : "The folder " + quoted(folder) + " does not exist.";

    std::filesystem::path temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 10 && file == nullptr; ++attempt) {
        temporary = temporaryName(target);
        errno = 0;
        file = createExclusively(temporary);
        if (file == nullptr && errno != EEXIST)
            break;
    }
    if (file == nullptr)
        return "No file can be created in the folder " + quoted(folder) + ": " + systemReason(errno) + ".";

    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && std::ferror(file) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        return "The file cannot be written: " + systemReason(writeError != 0 ? writeError : errno) + ".";
    }

    // The new file keeps the permissions of the one it replaces.
    if (const auto status = std::filesystem::status(target, ec); !ec && std::filesystem::exists(status))
        std::filesystem::permissions(temporary, status.permissions(), ec);

    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return "The file cannot be replaced: " + ec.message() + ".";
    }
    return {};
}

bool readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        error = "The file does not exist.";
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        error = "It is a folder, not a file.";
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "The file cannot be opened: " + systemReason(errno) + ".";
        return false;
    }
    bytes.clear();
    if (const auto size = std::filesystem::file_size(path, ec); !ec)
        bytes.reserve(size);
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        bytes.clear();
        error = "The file cannot be read.";
        return false;
    }
    return true;
}
