#pragma once

// The C library's settings (glibc's GLIBC_TUNABLES) for a heap on large pages. glibc takes them from the
// environment only as a program starts, so they are set before the program proper starts: by the small
// program users start, or else by the program itself starting once more. Plain C library calls only, so
// that the small program needs no other library and starts at once.
namespace LargePageTunables {

// Whether the settings already choose the heap's pages, set by an earlier start or by the user: a
// program that finds them so never starts again, and the user's choice stands.
bool chosen(const char* tunables);

// Sets GLIBC_TUNABLES to the large-page settings after those the user gave, unless chosen() already;
// false if the environment cannot take them.
bool set();

} // namespace LargePageTunables
