#pragma once

#include <filesystem>

// An empty folder of its own under the system's temporary folder, removed with everything in it
// when the object goes. Empty path when none could be made.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};
