#include "core/app/LargePageTunables.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kVariable[] = "GLIBC_TUNABLES";
// Transparent huge pages for the heap, grown 256 MB at a time so that they can be used. Large blocks (a
// sort's rows, the History List's records) come from the heap too and stay there when freed: the next
// sort or rebuild reuses their pages, where fresh ones from the system would each be faulted in and
// zeroed again, a third of a sort's time on a million entries.
constexpr char kSettings[] = "glibc.malloc.hugetlb=1:glibc.malloc.top_pad=268435456:glibc.malloc.mmap_max=0:"
                             "glibc.malloc.trim_threshold=1073741824";

} // namespace

namespace LargePageTunables {

bool chosen(const char* tunables) {
    return tunables != nullptr && std::strstr(tunables, "glibc.malloc.hugetlb") != nullptr;
}

bool set() {
    const char* const current = std::getenv(kVariable);
    if (chosen(current))
        return true;
    if (current == nullptr || *current == '\0')
        return setenv(kVariable, kSettings, 1) == 0;
    const std::size_t size = std::strlen(current) + 1 + sizeof kSettings;
    char* const joined = static_cast<char*>(std::malloc(size));
    if (joined == nullptr)
        return false;
    std::snprintf(joined, size, "%s:%s", current, kSettings);
    const bool done = setenv(kVariable, joined, 1) == 0;
    std::free(joined);
    return done;
}

} // namespace LargePageTunables
