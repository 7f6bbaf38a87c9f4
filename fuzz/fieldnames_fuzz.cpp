// Feeds arbitrary bytes to the field name reader (".fnm", "LastUsed.fnm"). A file read whole gives 25
// names without line breaks, and they read back the same from the text the writer makes of them.
#include "core/setup/FieldNames.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldNames names;
    if (!names.parse(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    std::string text;
    for (const std::string& name : names.names()) {
        if (name.find('\n') != std::string::npos)
            std::abort();
        text += name + "\r\n";
    }
    FieldNames again;
    if (!again.parse(text) || again.names() != names.names())
        std::abort();
    return 0;
}
