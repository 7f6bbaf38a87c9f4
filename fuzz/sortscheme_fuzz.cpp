// Feeds arbitrary bytes to the sorting scheme reader (".bws", "srtprec.bw3"). A scheme read whole must
// survive being written and read again unchanged, and sorting with whatever was read must not misbehave.
#include "core/document/SortPrecedence.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SortPrecedence precedence;
    if (precedence.parse(std::string(reinterpret_cast<const char*>(data), size))) {
        std::string text;
        SortPrecedence again;
        for (const int field : SortPrecedence::fileOrder())
            text += std::to_string(precedence.precedence(field)) + ' ' +
                    std::to_string(precedence.descending(field) ? 1 : 0) + '\n';
        if (!again.parse(text))
            std::abort();
    }
    WineList entries;
    for (int i = 0; i < 8; ++i) {
        entries.push_back(std::make_unique<CWine>());
        entries.back()->m_nVintage = 1990 + (i * 7) % 5;
        entries.back()->m_strProducer = std::string(1, static_cast<char>('a' + (i * 3) % 4));
    }
    std::vector<int> focus = {0, 1, 2, 3, 4, 5, 6, 7};
    precedence.sort(focus, 8, entries);
    return 0;
}
