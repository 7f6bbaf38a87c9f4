#include "core/model/WorkInParts.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStayAwake = std::chrono::milliseconds(5);

// Tells the core that this thread is waiting in a loop, without asking the system anything.
void pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#elif defined(__aarch64__)
    asm volatile("yield");
#else
    std::this_thread::yield();
#endif
}

// Looks at ready() for as long as kStayAwake while it does not hold; gives whether it came to hold. Between
// looks the thread pauses on the core, and every so often yields it to any thread waiting for one: a
// yield at every look costs a system call, which on a virtual machine is slow to return.
template <typename Ready> bool stayAwakeUntil(const Ready& ready) {
    constexpr unsigned kLooksPerYield = 16;
    constexpr int kPausesPerLook = 16;
    const Clock::time_point until = Clock::now() + kStayAwake;
    for (unsigned looks = 1; !ready(); ++looks) {
        if (Clock::now() >= until)
            return false;
        if (looks % kLooksPerYield == 0) {
            std::this_thread::yield();
            continue;
        }
        for (int i = 0; i < kPausesPerLook; ++i)
            pause();
    }
    return true;
}

// The helper threads and the work waiting for them. Never destroyed: a helper may still be looking for
// work while the program ends.
class Helpers {
public:
    static Helpers& instance() {
        static Helpers* const helpers = new Helpers;
        return *helpers;
    }

    // Queues work, starting another helper when every helper is busy; false if none could be started.
    // done is set once the work is done and its helper counts as idle again, so that work handed on
    // straight after never starts a helper more than it needs.
    bool hand(std::function<void()> work, std::shared_ptr<std::atomic<bool>> done) {
        {
            const std::lock_guard lock(m_mutex);
            m_tasks.push_back({std::move(work), std::move(done)});
            m_queued.store(m_tasks.size(), std::memory_order_release);
            if (m_tasks.size() > m_idle && !startOne()) {
                m_tasks.pop_back();
                m_queued.store(m_tasks.size(), std::memory_order_release);
                return false;
            }
        }
        m_wake.notify_one();
        return true;
    }

    // Starts helpers until there are count of them, with no work yet.
    void startUpTo(std::size_t count) {
        const std::lock_guard lock(m_mutex);
        while (m_started < count && startOne()) {
        }
    }

private:
    // With m_mutex held.
    bool startOne() {
        try {
            std::thread([this] { serve(); }).detach();
        } catch (const std::system_error&) {
            return false;
        }
        ++m_started;
        ++m_idle; // it looks for work as soon as it runs, which on a virtual machine can be milliseconds away
        return true;
    }

    struct Job {
        std::function<void()> work;
        std::shared_ptr<std::atomic<bool>> done;
    };

    [[noreturn]] void serve() {
        for (;;) {
            const Job job = take();
            job.work();
            {
                const std::lock_guard lock(m_mutex);
                ++m_idle;
            }
            job.done->store(true, std::memory_order_release);
            job.done->notify_all();
        }
    }

    Job take() {
        stayAwakeUntil([this] { return m_queued.load(std::memory_order_acquire) > 0; });
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_tasks.empty(); });
        Job job = std::move(m_tasks.front());
        m_tasks.pop_front();
        m_queued.store(m_tasks.size(), std::memory_order_release);
        --m_idle;
        return job;
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_tasks;
    std::atomic<std::size_t> m_queued{0}; // m_tasks.size(), for a look without the lock
    std::size_t m_idle = 0;               // helpers not running a task
    std::size_t m_started = 0;
};

} // namespace

namespace WorkInParts {

Task& Task::operator=(Task&& other) noexcept {
    join();
    m_done = std::move(other.m_done);
    return *this;
}

void Task::join() {
    if (!m_done)
        return;
    waitUntilSet(*m_done);
    m_done.reset();
}

void waitUntilSet(const std::atomic<bool>& flag) {
    if (!stayAwakeUntil([&flag] { return flag.load(std::memory_order_acquire); }))
        flag.wait(false, std::memory_order_acquire);
}

void Meeting::arriveAndWait() {
    const unsigned meeting = m_meetings.load(std::memory_order_acquire);
    if (m_arrived.fetch_add(1, std::memory_order_acq_rel) + 1 == m_threads) {
        // The last to arrive lets the others go; none can arrive at the next meeting before this.
        m_arrived.store(0, std::memory_order_relaxed);
        m_meetings.fetch_add(1, std::memory_order_release);
        m_meetings.notify_all();
        return;
    }
    const auto over = [&] { return m_meetings.load(std::memory_order_acquire) != meeting; };
    if (!stayAwakeUntil(over))
        while (!over())
            m_meetings.wait(meeting, std::memory_order_acquire);
}

void startHelpers() {
    Helpers::instance().startUpTo(count() - 1);
}

std::optional<Task> tryStartBeside(std::function<void()> work) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    if (!Helpers::instance().hand(std::move(work), done))
        return std::nullopt;
    Task task;
    task.m_done = std::move(done);
    return task;
}

Task startBeside(std::function<void()> work) {
    if (std::optional<Task> task = tryStartBeside(work))
        return std::move(*task);
    work();
    return {};
}

void waitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
             const std::atomic<unsigned>& news, const std::function<bool()>& ready) {
    while (!ready()) {
        const unsigned seen = news.load(std::memory_order_acquire);
        lock.unlock();
        const bool came = stayAwakeUntil([&] { return news.load(std::memory_order_acquire) != seen; });
        lock.lock();
        if (!came) {
            changed.wait(lock, ready);
            return;
        }
    }
}

} // namespace WorkInParts
