#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace ListQuicksortDetail {

template <typename T, typename Order>
void sortRange(std::vector<T>& items, std::ptrdiff_t low, std::ptrdiff_t high, Order& order) {
    const auto at = [&items](std::ptrdiff_t i) -> T& { return items[static_cast<std::size_t>(i)]; };
    while (low < high) {
        std::swap(at(low), at(low + (high - low) / 2));
        const T pivot = at(low);
        std::ptrdiff_t before = low; // [low, before) sorts before the pivot
        std::ptrdiff_t next = low;
        std::ptrdiff_t after = high; // (after, high] sorts after it
        while (next <= after) {
            const int o = order(at(next), pivot);
            if (o < 0)
                std::swap(at(before++), at(next++));
            else if (o > 0)
                std::swap(at(next), at(after--));
            else
                ++next;
        }
        if (before - low < high - after) {
            sortRange(items, low, before - 1, order);
            low = after + 1;
        } else {
            sortRange(items, after + 1, high, order);
            high = before - 1;
        }
    }
}

} // namespace ListQuicksortDetail

// The lists' quicksort: the middle item is the pivot; items that order(item, pivot) puts before it
// go in front, those it calls equal stay beside it. Gathering the equals keeps a list of many equal
// dates or bin names from going quadratic; their order among themselves is undefined. The smaller
// side is sorted by recursion and the larger by the loop, so the depth stays logarithmic.
// order gives a negative number, 0 or a positive number; T should be cheap to copy.
template <typename T, typename Order> void listQuicksort(std::vector<T>& items, Order order) {
    ListQuicksortDetail::sortRange(items, 0, static_cast<std::ptrdiff_t>(items.size()) - 1, order);
}
