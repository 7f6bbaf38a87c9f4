// Feeds arbitrary text to the sample source parser: it either gives entries or a one-line reason.
#include "core/model/SampleSource.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CellarReadResult result =
        SampleSource::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!result.ok() && (!result.entries.empty() || result.error.find_first_of("\r\n") != std::string::npos))
        std::abort();
    return 0;
}
