#pragma once

#include <cstddef>
#include <span>
#include <vector>

// How threads that meet after every round of work split the next round between them, in proportion to
// how fast each went before: the cores of a virtual machine need not be equally fast (on the development
// machine one took half as long again as the other), and equal parts would leave the faster one waiting
// at every meeting. Each thread keeps a split of its own; given the same times, all come to the same parts.
class PacedSplit {
public:
    explicit PacedSplit(std::size_t parts);

    // The first of [0, total) in part, for this round; start(parts, total) is total.
    std::size_t start(std::size_t part, std::size_t total) const;
    // Learns from the round just done, of total, in which part took seconds[part] for its share.
    void learn(std::span<const double> seconds, std::size_t total);

private:
    std::vector<double> m_shares; // add up to 1
};
