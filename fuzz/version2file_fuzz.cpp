// Feeds arbitrary bytes, after the header line, to the version 2 reader. Every kept entry must hold
// texts no longer than their fields allow.
#include "core/model/Version2File.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(Version2File::kHeader);
    text += '\n';
    text.append(reinterpret_cast<const char*>(data), size);
    const Version2ReadResult result = Version2File::read(text);
    if (!result.isVersion2)
        std::abort();
    for (const auto& wine : result.entries) {
        if (wine->m_strNotes.size() > Version2File::kNotesRoom || wine->m_strProducer.size() > 50 ||
            wine->m_strBins.size() > 128)
            std::abort();
    }
    if (Version2File::read(std::string_view(reinterpret_cast<const char*>(data), size)).entries.size() > size)
        std::abort();
    return 0;
}
