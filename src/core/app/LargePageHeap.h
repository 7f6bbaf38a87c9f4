#pragma once

// Where the C library allows it (glibc on Linux), starts the program once more with its heap backed by
// large pages, unless whatever started it set them already, and otherwise returns at once. Call first
// thing in main, before any thread or window exists. A cellar of a million entries takes about a gigabyte in
// small blocks: faulting that in page by page of 4 KB costs more than reading the file, and glibc takes this
// setting from the environment only as a program starts. The same start keeps large freed blocks in the heap
// for reuse.
void relaunchWithLargePageHeap(char** argv);
