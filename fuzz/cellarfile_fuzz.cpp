// Feeds arbitrary bytes to the Cellar File reader. A read either fails with a one-line reason and no
// entries, or succeeds; what it read must then survive a write and a second read unchanged.
// Entries are compared through their written bytes because a NaN amount never equals itself.
// Reading the same bytes from a stream through a small window must give the same outcome.
#include "core/model/CellarFile.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CellarReadResult first = CellarFile::read(std::span(data, size));

    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    const std::size_t window = size > 0 ? 16 + data[size - 1] % 64 : 16;
    const CellarReadResult streamed = CellarFile::read(stream, size, window);
    if (streamed.error != first.error || streamed.entries.size() != first.entries.size() ||
        streamed.trailingBytes != first.trailingBytes)
        std::abort();

    if (!first.ok()) {
        if (!first.entries.empty() || first.error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    const std::vector<std::uint8_t> written = CellarFile::write(first.entries);
    if (CellarFile::write(streamed.entries) != written)
        std::abort();
    const CellarReadResult second = CellarFile::read(written);
    if (!second.ok() || second.entries.size() != first.entries.size())
        std::abort();
    if (CellarFile::write(second.entries) != written)
        std::abort();
    return 0;
}
