#include "core/views/lists/BinList.h"

#include "core/document/CBottlewrightDoc.h"
#include "core/model/WineDates.h"
#include "core/views/lists/ListQuicksort.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace {

std::string trimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<BinList::Placement> BinList::parse(std::string_view binsText, std::int32_t bottlesLeft) {
    std::string text = binsText.empty() ? std::string(kNotListed) : std::string(binsText);
    const bool single = text.find(',') == std::string::npos;
    std::vector<Placement> placements;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string item = text.substr(0, comma);
        text = comma == std::string::npos ? std::string() : text.substr(comma + 1);
        const std::size_t dash = item.find('-');
        Placement placement{trimSpaces(item.substr(0, dash)), single ? bottlesLeft : 1};
        int count = 0;
        if (dash != std::string::npos && std::sscanf(item.c_str() + dash + 1, "%d", &count) == 1)
            placement.count = count;
        placements.push_back(std::move(placement));
    }
    return placements;
}

int BinList::compareNames(const std::string& a, const std::string& b) {
    return compareNumberTextOverShorter(a, b, false);
}

void BinList::rebuild(const CBottlewrightDoc& document) {
    std::vector<Bin> bins;
    std::unordered_map<std::string, std::size_t> byName;
    for (int e = 0; e < document.entryCount(); ++e) {
        const CWine& wine = *document.entry(e);
        for (Placement& placement : parse(wine.m_strBins, wine.m_nNumberRemaining)) {
            const auto [found, added] = byName.try_emplace(placement.name, bins.size());
            if (added)
                bins.push_back(Bin{0, std::move(placement.name), 0, {}, {}});
            Bin& bin = bins[found->second];
            bin.wines.push_back(e);
            bin.counts.push_back(placement.count);
            bin.total += placement.count;
        }
    }

    // Names compared by index, so that sorting moves no bin until the order is known.
    std::vector<std::size_t> order(bins.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    listQuicksort(order,
                  [&bins](std::size_t a, std::size_t b) { return compareNames(bins[a].name, bins[b].name); });
    m_bins.clear();
    m_bins.reserve(bins.size());
    m_totalLines = 0;
    for (std::size_t i : order) {
        m_bins.push_back(std::move(bins[i]));
        m_bins.back().startLine = m_totalLines;
        m_totalLines += static_cast<int>(m_bins.back().wines.size()) + 1;
    }
}

int BinList::binAtLine(int line) const {
    if (line < 0 || line >= m_totalLines)
        return -1;
    const auto after = std::upper_bound(m_bins.begin(), m_bins.end(), line,
                                        [](int l, const Bin& bin) { return l < bin.startLine; });
    return static_cast<int>(after - m_bins.begin()) - 1;
}

std::vector<BinList::Line> BinList::lines(int firstLine, int count) const {
    std::vector<Line> result;
    int bin = binAtLine(std::max(firstLine, 0));
    if (bin < 0)
        return result;
    int wine = std::max(firstLine, 0) - m_bins[static_cast<std::size_t>(bin)].startLine - 1;
    while (static_cast<int>(result.size()) < count && bin < static_cast<int>(m_bins.size())) {
        result.push_back({bin, wine});
        ++wine;
        if (wine >= static_cast<int>(m_bins[static_cast<std::size_t>(bin)].wines.size())) {
            ++bin;
            wine = -1;
        }
    }
    return result;
}

std::string BinList::lineText(const CBottlewrightDoc& document, const Line& line) const {
    const Bin& bin = m_bins.at(static_cast<std::size_t>(line.bin));
    if (line.wine < 0)
        return bin.name + " - " + std::to_string(bin.total);
    const int entry = bin.wines.at(static_cast<std::size_t>(line.wine));
    const std::string description =
        entry >= 0 && entry < document.entryCount() ? document.entry(entry)->description() : "*****";
    return std::to_string(bin.counts[static_cast<std::size_t>(line.wine)]) + " " + description;
}
