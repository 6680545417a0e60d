#pragma once
// The simulator's command line: orvel-sim [RECORDER-ARGUMENT] [--press KEY]... [--screenshot FILE] [--seed N]
// The first plain argument is the recorder's own command line ("10" or "lite" choose the model);
// --press gives recorder keys short presses after start-up (panel labels such as TC or MENU, or F1
// to F12); --screenshot writes the main window as a PNG file two seconds after its first frame, then ends;
// --seed seeds the meters' random generator, as orvel-headless's does (by default from the clock).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DesktopOptions {
    std::vector<std::string> RecorderArgs;  // the program path, then the recorder's argument if given
    std::vector<std::int32_t> Presses;  // recorder keys
    std::string Screenshot;
    std::optional<std::uint32_t> Seed;
    std::string Error;  // what is wrong with the command line; empty when nothing is
};

DesktopOptions ParseDesktopOptions(int argc, const char* const* argv);
// The recorder key named by a panel label or F1 to F12, or -1.
std::int32_t KeyOfName(const std::string& name);
