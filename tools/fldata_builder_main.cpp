// fldata_builder <sources-dir> <output-file>
// Builds the flange data file from its CSV sources. Prints the coverage
// report on success; on any fault prints every fault and exits non-zero, so
// a bad source fails the build.

#include "data_file_build.h"

#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::cerr << "usage: fldata_builder <sources-dir> <output-file>\n";
        return 2;
    }
    try {
        const auto outcome = vantelo::tools::buildDataFile(argv[1], argv[2]);
        for (const std::string &error : outcome.errors)
            std::cerr << "error: " << error << '\n';
        if (!outcome.written) {
            std::cerr << "fldata_builder: " << argv[2] << " not written\n";
            return 1;
        }
        std::cout << outcome.report;
        return 0;
    } catch (const std::exception &failure) {
        std::cerr << "fldata_builder: " << failure.what() << '\n';
        return 1;
    }
}
