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

// Starts work on a thread of its own and gives that thread, to be joined before the work's results are
// read. Where the system has no thread to give, does the work here and gives an empty one.
template <typename Work> std::jthread startBeside(const Work& work) {
    try {
        return std::jthread(work);
    } catch (const std::system_error&) {
        work();
        return {};
    }
}

// Runs work(part) for each part in [0, parts), each on a thread of its own, the last on this one, and
// returns once all are done.
template <typename Work> void run(std::size_t parts, const Work& work) {
    std::vector<std::jthread> threads;
    for (std::size_t part = 0; part + 1 < parts; ++part)
        threads.push_back(startBeside([&work, part] { work(part); }));
    if (parts > 0)
        work(parts - 1);
}

// The first of [0, total) in part of parts equal parts.
inline std::size_t start(std::size_t part, std::size_t parts, std::size_t total) {
    return total / parts * part + std::min(part, total % parts);
}

} // namespace WorkInParts
