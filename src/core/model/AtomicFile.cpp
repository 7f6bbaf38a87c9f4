#include "core/model/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPartialMarker = ".partial-";
// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

std::string systemReason(int error) {
    return error != 0 ? std::generic_category().message(error) : std::string("unknown error");
}

std::string quoted(const fs::path& path) {
    return '"' + path.string() + '"';
}

fs::path folderOf(const fs::path& path) {
    fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// What a name that is not a regular file is, for the one-line refusal.
std::string kindProblem(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "It is a folder, not a file.";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "It is a device, not a file.";
    if (S_ISFIFO(mode))
        return "It is a pipe, not a file.";
    if (S_ISSOCK(mode))
        return "It is a socket, not a file.";
    return "It is not a regular file.";
}

std::string tooLarge(std::uint64_t limit) {
    if (limit % (std::uint64_t{1} << 30) == 0)
        return "The file is larger than " + std::to_string(limit >> 30) + " GB, too large to read.";
    return "The file is larger than " + std::to_string(limit) + " bytes, too large to read.";
}

std::string cannotOpen(int error) {
    return error == ENOENT ? std::string("The file does not exist.")
                           : "The file cannot be opened: " + systemReason(error) + ".";
}

// The file a write to target lands in: target itself, or the end of its chain of symbolic links,
// so the link stays a link and its real file gets the new contents.
bool followLinks(fs::path& path, std::string& error) {
    for (int hops = 0;; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return true;
            error = "The file cannot be written: " + systemReason(errno) + ".";
            return false;
        }
        if (!S_ISLNK(status.st_mode))
            return true;
        std::error_code ec;
        const fs::path link = fs::read_symlink(path, ec);
        if (hops == kMaxLinkHops || ec) {
            error = "The file cannot be written: " + (ec ? ec.message() : systemReason(ELOOP)) + ".";
            return false;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
}

std::string checkReadable(const fs::path& path, std::uint64_t& size, std::uint64_t limit, int& systemError) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        systemError = errno;
        return cannotOpen(systemError);
    }
    if (std::string problem = kindProblem(status.st_mode); !problem.empty())
        return problem;
    size = static_cast<std::uint64_t>(status.st_size);
    return size > limit ? tooLarge(limit) : std::string();
}

} // namespace

AtomicFile::AtomicFile(fs::path stem, WriteFunction write)
    : m_stem(std::move(stem)), m_write(std::move(write)) {}

AtomicFile::~AtomicFile() {
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

void AtomicFile::keepOwnerAndModeOf(unsigned mode, unsigned owner, unsigned group) {
    m_keep = true;
    m_mode = mode;
    m_owner = owner;
    m_group = group;
}

int AtomicFile::removeStale(const fs::path& stem) {
    const std::string prefix = stem.filename().string() + kPartialMarker;
    std::error_code ec;
    int removed = 0;
    for (fs::directory_iterator it(folderOf(stem), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
        // A writer still running (this one included) is left to finish its own file.
        if (pid <= 0 || pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        std::error_code ignored;
        removed += fs::remove(it->path(), ignored) ? 1 : 0;
    }
    return removed;
}

std::string AtomicFile::write(std::span<const std::uint8_t> bytes) {
    removeStale(m_stem);
    static std::mt19937_64 generator{std::random_device{}()};
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    int fd = -1;
    for (int attempt = 0; attempt < 10 && fd < 0; ++attempt) {
        std::string name = m_stem.string() + kPartialMarker + std::to_string(::getpid()) + '-';
        for (int i = 0; i < 6; ++i)
            name += kLetters[generator() % (sizeof kLetters - 1)];
        m_temporary = name;
        fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        m_error = errno;
        m_temporary.clear();
        return "No file can be created in the folder " + quoted(folderOf(m_stem)) + ": " +
               systemReason(m_error) + ".";
    }
    if (m_keep) {
        // Only the owner's own files or root may keep another owner; a failure leaves the writer's.
        [[maybe_unused]] const int owned = ::fchown(fd, m_owner, m_group);
        ::fchmod(fd, m_mode);
    }

    m_error = 0;
    const std::uint8_t* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0 && m_error == 0) {
        const long written = m_write ? m_write(fd, next, left) : ::write(fd, next, left);
        if (written < 0 && errno != EINTR)
            m_error = errno;
        else if (written == 0)
            m_error = EIO;
        else if (written > 0) {
            next += written;
            left -= static_cast<std::size_t>(written);
        }
    }
    if (m_error == 0 && ::fsync(fd) != 0)
        m_error = errno;
    if (::close(fd) != 0 && m_error == 0)
        m_error = errno;
    if (m_error != 0) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        return "The file cannot be written: " + systemReason(m_error) + ".";
    }
    return {};
}

std::string AtomicFile::replace(const fs::path& target) {
    if (::rename(m_temporary.c_str(), target.c_str()) != 0) {
        m_error = errno;
        return "The file cannot be replaced: " + systemReason(m_error) + ".";
    }
    m_temporary.clear();
    syncFolder();
    return {};
}

AtomicFile::Link AtomicFile::linkAsNew(const fs::path& target, std::string& error) {
    int result = ::link(m_temporary.c_str(), target.c_str());
    const bool linked = result == 0;
    // Some file systems (FAT, some network shares) have no hard links: rename without replacing.
    if (!linked && (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EMLINK))
        result = ::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE);
    if (result != 0) {
        m_error = errno;
        if (m_error == EEXIST)
            return Link::NameTaken;
        error = systemReason(m_error);
        return Link::Failed;
    }
    if (linked)
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
    syncFolder();
    return Link::Made;
}

void AtomicFile::syncFolder() const {
    const int fd = ::open(folderOf(m_stem).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

std::string writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes) {
    return writeFileAtomically(target, bytes, {});
}

std::string writeFileAtomically(const fs::path& target, std::span<const std::uint8_t> bytes,
                                const WriteFunction& write) {
    fs::path real = target;
    std::string error;
    if (!followLinks(real, error))
        return error;
    const fs::path folder = folderOf(real);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0)
        return errno == ENOENT
                   ? "The folder " + quoted(folder) + " does not exist."
                   : "The folder " + quoted(folder) + " cannot be used: " + systemReason(errno) + ".";
    if (!S_ISDIR(status.st_mode))
        return quoted(folder) + " is not a folder.";

    AtomicFile file(real, write);
    if (::stat(real.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode) || !S_ISREG(status.st_mode))
            return kindProblem(status.st_mode);
        // The folder may let anyone rename over a file its owner made read-only: ask the file itself.
        if (::access(real.c_str(), W_OK) != 0)
            return "The file cannot be written: " + systemReason(errno) + ".";
        file.keepOwnerAndModeOf(status.st_mode & 07777, status.st_uid, status.st_gid);
    }
    if (error = file.write(bytes); !error.empty())
        return error;
    return file.replace(real);
}

std::string checkReadableFile(const fs::path& path, std::uint64_t& size, std::uint64_t limit) {
    int ignored = 0;
    return checkReadable(path, size, limit, ignored);
}
bool readWholeFile(const fs::path& path, std::string& bytes, std::string& error) {
    int ignored = 0;
    return readWholeFile(path, bytes, error, ignored);
}

int openReadableFile(const fs::path& path, std::uint64_t& size, std::string& error, int& systemError,
                     std::uint64_t limit) {
    systemError = 0;
    if (error = checkReadable(path, size, limit, systemError); !error.empty())
        return -1;
    // Not blocking: if the name became a pipe since it was looked at, opening must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        systemError = fd < 0 ? errno : 0;
        error = fd < 0 ? cannotOpen(errno) : kindProblem(status.st_mode);
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    size = static_cast<std::uint64_t>(status.st_size);
    if (size > limit) {
        error = tooLarge(limit);
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readWholeFile(const fs::path& path, std::string& bytes, std::string& error, int& systemError) {
    bytes.clear();
    std::uint64_t size = 0;
    const int fd = openReadableFile(path, size, error, systemError);
    if (fd < 0)
        return false;
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    for (;;) {
        const long got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            systemError = errno;
            error = "The file cannot be read: " + systemReason(errno) + ".";
            break;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > kMaxReadSize) {
            error = tooLarge(kMaxReadSize);
            break;
        }
    }
    ::close(fd);
    if (!error.empty())
        bytes.clear();
    return error.empty();
}
