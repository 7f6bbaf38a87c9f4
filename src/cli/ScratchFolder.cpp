#include "cli/ScratchFolder.h"

#include <random>
#include <string>

ScratchFolder::ScratchFolder() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        return;
    std::random_device random;
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::filesystem::path candidate = base / ("bottlewright-cli-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate, ec) && !ec) {
            m_path = std::move(candidate);
            return;
        }
    }
}

ScratchFolder::~ScratchFolder() {
    if (m_path.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}
