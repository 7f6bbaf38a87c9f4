// bottlewright-cli as users start it: sets the C library's heap on large pages and hands over to the
// program proper, installed out of the way. Without it the program would start itself a second time to
// take those settings, and this program, with no library but the C library linked in, starts in a
// fraction of that time.
#include "core/app/LargePageTunables.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int /*argc*/, char** argv) {
    // The program proper lies at a fixed place from this one's real file, links followed.
    char program[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program);
    std::size_t folder = length > 0 ? static_cast<std::size_t>(length) : 0;
    while (folder > 0 && program[folder - 1] != '/')
        --folder;
    constexpr char kFromHere[] = BW_PROGRAM_FROM_LAUNCHER;
    if (folder == 0 || folder + sizeof kFromHere > sizeof program) {
        std::fprintf(stderr, "bottlewright-cli: the program's own folder cannot be found.\n");
        return 1;
    }
    std::memcpy(program + folder, kFromHere, sizeof kFromHere);
    // Without the settings the program still runs, only slower.
    LargePageTunables::set();
    execv(program, argv);
    std::fprintf(stderr, "bottlewright-cli: %s cannot be started: %s.\n", program, std::strerror(errno));
    return 1;
}
