#pragma once

#include <algorithm>
#include <cstddef>
#include <system_error>
#include <thread>
#include <vector>

// Work that splits into independent parts, one a core: a pass over a million entries would otherwise
// leave all but one of the machine's cores idle.
namespace WorkInParts {

// How many parts to split work into: one a core, up to eight.
inline std::size_t count() {
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
}

// Runs work(part) for each part in [0, parts), each on a thread of its own, the last on this one, and
// returns once all are done. A part the system has no thread for runs on this one too.
template <typename Work> void run(std::size_t parts, const Work& work) {
    std::vector<std::jthread> threads;
    std::size_t part = 0;
    try {
        for (; part + 1 < parts; ++part)
            threads.emplace_back(work, part);
    } catch (const std::system_error&) {
    }
    for (; part < parts; ++part)
        work(part);
}

// The first of [0, total) in part of parts equal parts.
inline std::size_t start(std::size_t part, std::size_t parts, std::size_t total) {
    return total / parts * part + std::min(part, total % parts);
}

} // namespace WorkInParts
