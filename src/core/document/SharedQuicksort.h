#pragma once

#include "core/model/WorkInParts.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

// The program's own quicksort over rows: the middle one is the pivot, those compare puts before it go
// in front in the order met. Its order among equal rows is part of the behaviour.
//
// The two sides of a pivot never meet again, so a large sort shares its sides out between the
// machine's cores: each side gets the same swaps whichever thread sorts it, and the order is exactly
// that of one thread. compare must be safe to call from several threads at once.
namespace SharedQuicksort {

// Puts rows[lo..hi] either side of their middle row and gives where that row lands.
template <typename Row, typename Compare> int partition(Row* rows, int lo, int hi, const Compare& compare) {
    std::swap(rows[lo], rows[(lo + hi) / 2]);
    const Row pivot = rows[lo];
    // Each row that goes before the pivot swaps with the one at next. Whether it goes before is as
    // likely as not, so the swap is written without a branch: when it does not, both writes put back
    // what was there.
    int next = lo + 1;
    for (int i = lo + 1; i <= hi; ++i) {
        const Row row = rows[i];
        const int before = compare(row, pivot) < 0 ? 1 : 0;
        const int distance = -before & (i - next);
        rows[next + distance] = rows[next];
        rows[i - distance] = row;
        next += before;
    }
    std::swap(rows[lo], rows[next - 1]);
    return next - 1;
}

template <typename Row, typename Compare>
void sortOnThisThread(Row* rows, int lo, int hi, const Compare& compare) {
    while (lo < hi) {
        const int pivot = partition(rows, lo, hi, compare);
        sortOnThisThread(rows, lo, pivot - 1, compare);
        lo = pivot + 1;
    }
}

// The sides waiting for a thread, and when the last one is done.
class Ranges {
public:
    void give(int lo, int hi) {
        {
            const std::lock_guard lock(m_mutex);
            m_waiting.emplace_back(lo, hi);
            m_news.fetch_add(1, std::memory_order_release);
        }
        m_changed.notify_one();
    }
    // A waiting range, or false once every range is sorted.
    bool take(int& lo, int& hi) {
        std::unique_lock lock(m_mutex);
        WorkInParts::waitFor(lock, m_changed, m_news,
                             [this] { return !m_waiting.empty() || m_working == 0; });
        if (m_waiting.empty())
            return false;
        std::tie(lo, hi) = m_waiting.back();
        m_waiting.pop_back();
        ++m_working;
        return true;
    }
    void done() {
        bool finished = false;
        {
            const std::lock_guard lock(m_mutex);
            finished = --m_working == 0 && m_waiting.empty();
            m_news.fetch_add(1, std::memory_order_release);
        }
        if (finished)
            m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<int, int>> m_waiting;
    int m_working = 0;
    std::atomic<unsigned> m_news{0}; // each range given and each done
};

// Sorts rows[0..count).
template <typename Row, typename Compare> void sort(Row* rows, int count, const Compare& compare) {
    // Sides this long or longer go to whichever thread is free. Short enough that a core slower than the
    // other (a virtual machine's can be half as fast again) is not left with a long last side; below it,
    // a side is not worth the hand-over.
    constexpr int kShared = 1 << 12;
    const std::size_t threads = WorkInParts::count();
    if (count < 2 * kShared || threads < 2) {
        sortOnThisThread(rows, 0, count - 1, compare);
        return;
    }
    Ranges ranges;
    ranges.give(0, count - 1);
    const auto work = [&ranges, rows, &compare] {
        int lo = 0;
        int hi = 0;
        while (ranges.take(lo, hi)) {
            while (hi - lo >= kShared) {
                const int pivot = partition(rows, lo, hi, compare);
                if (pivot - lo > kShared)
                    ranges.give(lo, pivot - 1);
                else
                    sortOnThisThread(rows, lo, pivot - 1, compare);
                lo = pivot + 1;
            }
            sortOnThisThread(rows, lo, hi, compare);
            ranges.done();
        }
    };
    WorkInParts::run(threads, [&work](std::size_t) { work(); });
}

} // namespace SharedQuicksort
