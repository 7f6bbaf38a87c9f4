// Writes the benchmarks' made-up cellar of N entries as a Cellar File, for the comparison scripts:
//   make-cellar N OUT.bwf
#include "LargeCellar.h"
#include "core/model/CellarFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make-cellar N OUT.bwf\n");
        return 2;
    }
    const std::string error = CellarFile::save(argv[2], makeLargeCellar(std::atoi(argv[1])));
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
