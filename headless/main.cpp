// orvel-headless: the recorder and the host logic without windows, driven by a script on the virtual
// clock, for automation, screenshots and tests; or the atlas of every page a user can reach.
#include <csignal>
#include <iostream>

#include "headless/atlasrun.h"
#include "headless/options.h"
#include "headless/runner.h"

int main(int argc, char** argv)
{
    std::signal(SIGXFSZ, SIG_IGN);  // a file size limit fails the write, which says so, instead of ending the program
    HeadlessOptions options;
    if (const std::string error = ParseOptions(argc, argv, options); !error.empty()) {
        std::cerr << "orvel-headless: " << error << "\n" << HEADLESS_USAGE;
        return 2;
    }
    if (options.Help) {
        std::cout << HEADLESS_USAGE;
        return 0;
    }
    if (!options.AtlasDir.empty())
        return AtlasRun(options, std::cerr);
    return HeadlessRun(options, std::cout, std::cerr);
}
