#include "core/app/LargePageHeap.h"

#include "core/app/LargePageTunables.h"

#include <cstdlib>

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
    if (LargePageTunables::chosen(std::getenv("GLIBC_TUNABLES"))) {
        startHeapAtLargePage();
        return;
    }
    // The program's own file by its real name, so that the system still lists the process by it.
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof self - 1)
        return;
    self[length] = '\0';
    if (!LargePageTunables::set())
        return;
    execv(self, argv);
    // Only on failure: the program goes on with the ordinary heap.
#else
    (void)argv;
#endif
}
