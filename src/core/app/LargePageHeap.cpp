#include "core/app/LargePageHeap.h"

#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__linux__) && defined(__GLIBC__)
#include <cstdint>
#include <malloc.h>
#include <unistd.h>
#endif

#if defined(__linux__) && defined(__GLIBC__)
namespace {

// The heap starts wherever the program's data ends, and its pages below the first 2 MB boundary
// cannot be large pages: each would be faulted in on its own, some hundreds of them, as costly as
// the rest of the heap. A block reaching up to that boundary, never touched and never freed, keeps
// them unused.
void startHeapAtLargePage() {
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    constexpr std::uintptr_t kChunkHeader = 2 * sizeof(std::size_t);
    constexpr std::uintptr_t kWorthSkipping = std::uintptr_t{64} << 10;
    // The heap's free top ends at the break; what malloc takes from it starts where it starts.
    const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t top = end - mallinfo2().keepcost;
    const std::uintptr_t boundary = (top + kLargePage - 1) & ~(kLargePage - 1);
    if (boundary - top < kWorthSkipping)
        return;
    void* const block = std::malloc(boundary - top - sizeof(std::size_t));
    // Taken from elsewhere (a free block that fitted, another allocator): of no use.
    if (reinterpret_cast<std::uintptr_t>(block) != top + kChunkHeader)
        std::free(block);
}

} // namespace
#endif

void relaunchWithLargePageHeap(char** argv) {
#if defined(__linux__) && defined(__GLIBC__)
    const char* const current = std::getenv("GLIBC_TUNABLES");
    // Set already, by the first start or by the user: never start again.
    if (current != nullptr && std::strstr(current, "glibc.malloc.hugetlb") != nullptr) {
        startHeapAtLargePage();
        return;
    }
    // Transparent huge pages for the heap, grown 256 MB at a time so that they can be used. Large
    // blocks (a sort's rows, the History List's records) come from the heap too and stay there when
    // freed: the next sort or rebuild reuses their pages, where fresh ones from the system would each
    // be faulted in and zeroed again, a third of a sort's time on a million entries.
    std::string tunables = "glibc.malloc.hugetlb=1:glibc.malloc.top_pad=268435456:glibc.malloc.mmap_max=0:"
                           "glibc.malloc.trim_threshold=1073741824";
    if (current != nullptr && *current != '\0')
        tunables = std::string(current) + ':' + tunables;
    // The program's own file by its real name, so that the system still lists the process by it.
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof self - 1)
        return;
    self[length] = '\0';
    if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0)
        return;
    execv(self, argv);
    // Only on failure: the program goes on with the ordinary heap.
#else
    (void)argv;
#endif
}
