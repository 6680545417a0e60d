// orvel-soak: random events against the headless recorder until something breaks or the run is done.
#include <iostream>

#include "headless/soak.h"

int main(int argc, char** argv)
{
    SoakOptions options;
    if (const std::string error = ParseSoakOptions(argc, argv, options); !error.empty()) {
        std::cerr << "orvel-soak: " << error << "\n" << SOAK_USAGE;
        return 2;
    }
    if (options.Help) {
        std::cout << SOAK_USAGE;
        return 0;
    }
    return SoakRun(options, std::cout, std::cerr);
}
