// bw-make-sample IN.tsv OUT.bwf: builds a Cellar File from its readable tab-separated source.
#include "core/model/SampleSource.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: bw-make-sample IN.tsv OUT.bwf\n";
        return 2;
    }
    const CellarReadResult source = SampleSource::load(argv[1]);
    if (!source.ok()) {
        std::cerr << "bw-make-sample: " << argv[1] << ": " << source.error << '\n';
        return 1;
    }
    if (const std::string error = CellarFile::save(argv[2], source.entries); !error.empty()) {
        std::cerr << "bw-make-sample: " << error << '\n';
        return 1;
    }
    return 0;
}
