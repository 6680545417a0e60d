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

// What the command line asks for before any window exists.
enum class DesktopRequest : std::uint8_t { Run, Help, Version };
DesktopRequest EarlyRequest(int argc, const char* const* argv);
// The usage line first, then the options and where the keys are described.
std::string DesktopUsage();
std::string DesktopHelpText();
std::string DesktopVersionText();

// Why no window can open, in one line naming what to run instead; empty when there is a display or the
// window-system platform (QT_QPA_PLATFORM or -platform) needs none. getEnv reads the environment.
using EnvReader = const char* (*)(const char* name);
std::string MissingDisplay(EnvReader getEnv, int argc, const char* const* argv);
