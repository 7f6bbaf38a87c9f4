#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Work that splits into independent parts, one a core: a pass over a million entries would otherwise
// leave all but one of the machine's cores idle.
//
// The parts run on helper threads that the process starts once and keeps. A helper that runs out of
// work keeps looking for more for a few milliseconds before it sleeps, and so does a thread waiting for
// a helper's part: on a virtual machine a core left to sleep can take milliseconds to wake again (about
// 3 ms on the development machine), longer than the steps of a whole command take.
namespace WorkInParts {

// How many parts to split work into: one a core, up to eight.
inline std::size_t count() {
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
}

// Work running on a helper; joined (waited for) at the latest when it goes, like a std::jthread.
class Task {
public:
    Task() = default;
    Task(Task&&) noexcept = default;
    Task& operator=(Task&& other) noexcept;
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { join(); }

    bool joinable() const { return m_done != nullptr; }
    // Returns once the work is done.
    void join();

private:
    friend std::optional<Task> tryStartBeside(std::function<void()> work);
    std::shared_ptr<std::atomic<bool>> m_done;
};

// Starts the helpers now, for a program that will soon share work: their start, milliseconds on a
// virtual machine, then overlaps what the program does first.
void startHelpers();

// Starts work on a helper and gives its task, to be joined before the work's results are read; nothing
// where the system has no thread to give.
std::optional<Task> tryStartBeside(std::function<void()> work);
// The same, but where there is no thread does the work here and gives a task already joined.
Task startBeside(std::function<void()> work);

// Waits, holding lock, until ready() holds: for a thread waiting for news from the others. They count
// each piece of news in news under the lock and notify changed; until some comes, this thread stays
// awake for a few milliseconds watching news before it sleeps on changed.
void waitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
             const std::atomic<unsigned>& news, const std::function<bool()>& ready);

// Returns once flag is true, set (and notified) by another thread.
void waitUntilSet(const std::atomic<bool>& flag);

// A place where the same threads meet again and again, as at a std::barrier.
class Meeting {
public:
    explicit Meeting(std::size_t threads) : m_threads(threads) {}
    // Returns once every thread has arrived; what each did before it arrived is then seen by all.
    void arriveAndWait();

private:
    const std::size_t m_threads;
    std::atomic<std::size_t> m_arrived{0};
    std::atomic<unsigned> m_meetings{0};
};

// Runs work(part) for each part in [0, parts), each on a helper, the last on this thread, and returns
// once all are done.
template <typename Work> void run(std::size_t parts, const Work& work) {
    std::vector<Task> tasks;
    tasks.reserve(parts);
    for (std::size_t part = 0; part + 1 < parts; ++part)
        tasks.push_back(startBeside([&work, part] { work(part); }));
    if (parts > 0)
        work(parts - 1);
    for (Task& task : tasks)
        task.join();
}

// The first of [0, total) in part of parts equal parts.
inline std::size_t start(std::size_t part, std::size_t parts, std::size_t total) {
    return total / parts * part + std::min(part, total % parts);
}

} // namespace WorkInParts
