#include "core/model/PacedSplit.h"

#include <algorithm>
#include <cmath>

namespace {

// No part gets less than this share, so that its pace is still measured.
constexpr double kLeastShare = 0.05;

} // namespace

PacedSplit::PacedSplit(std::size_t parts) : m_shares(parts, 1.0 / static_cast<double>(parts)) {}

std::size_t PacedSplit::start(std::size_t part, std::size_t total) const {
    if (part >= m_shares.size())
        return total;
    double before = 0.0;
    for (std::size_t p = 0; p < part; ++p)
        before += m_shares[p];
    return std::min(total, static_cast<std::size_t>(std::floor(before * static_cast<double>(total))));
}

void PacedSplit::learn(std::span<const double> seconds, std::size_t total) {
    if (seconds.size() != m_shares.size())
        return;
    std::vector<double> paces(m_shares.size());
    double sum = 0.0;
    for (std::size_t part = 0; part < m_shares.size(); ++part) {
        const std::size_t count = start(part + 1, total) - start(part, total);
        // A part with nothing to do, or done too fast to time, tells nothing.
        if (count == 0 || !(seconds[part] > 0.0))
            return;
        paces[part] = static_cast<double>(count) / seconds[part];
        sum += paces[part];
    }
    // Half the old shares and half the new, so that one slow round does not swing the next.
    double shares = 0.0;
    for (std::size_t part = 0; part < m_shares.size(); ++part) {
        m_shares[part] = std::max(kLeastShare, (m_shares[part] + paces[part] / sum) / 2.0);
        shares += m_shares[part];
    }
    for (double& share : m_shares)
        share /= shares;
}
