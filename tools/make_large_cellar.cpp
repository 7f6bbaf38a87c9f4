// bw-make-large-cellar COUNT OUT.bwf: writes the benchmarks' made-up cellar of COUNT entries, for trying
// the program on a cellar of a realistic size.
#include "LargeCellar.h"
#include "core/model/CellarFile.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const long count = argc == 3 ? std::strtol(argv[1], nullptr, 10) : -1;
    if (count < 0 || count > 10'000'000) {
        std::cerr << "usage: bw-make-large-cellar COUNT OUT.bwf\n";
        return 2;
    }
    if (const std::string error = CellarFile::save(argv[2], makeLargeCellar(static_cast<int>(count)));
        !error.empty()) {
        std::cerr << "bw-make-large-cellar: " << argv[2] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
