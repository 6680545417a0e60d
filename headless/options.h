#pragma once
// The command line of the headless front end:
//   orvel-headless [--script FILE|-] [--out DIR] [--tick MS] [--seed N] [--quiet] [--panel DIR] [-- DEVICE-ARGS...]
//   orvel-headless --atlas DIR [--models all|ID,...] [--compare OLD-DIR] [-- DEVICE-ARGS...]
#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t DEFAULT_SEED = 1;  // the C library's own start, so that runs repeat
constexpr std::uint32_t DEFAULT_TICK_MS = 10;
constexpr std::uint32_t MAX_TICK_MS = 1000;  // a second between ticks already starves the recorder's 10 ms polls

struct HeadlessOptions {
    std::string ScriptPath = "-";  // "-": the standard input
    std::string OutDir;            // empty: the current folder
    std::uint32_t TickMs = DEFAULT_TICK_MS;
    std::uint32_t Seed = DEFAULT_SEED;
    bool Quiet = false;
    bool Help = false;
    std::string PanelDir;  // empty: the pictures of the source tree
    std::string ProgramPath = "orvel-headless";
    std::vector<std::string> DeviceArgs;  // the recorder's own command line, e.g. "10" or "lite"
    std::string AtlasDir;                 // not empty: crawl the pages into an atlas there, no script
    std::vector<std::string> Models;      // --models: "all" or model ids; empty: the device args' model
    std::string CompareDir;               // the atlas to compare the new one with
};

extern const char* const HEADLESS_USAGE;

// The error message, or "" when the arguments are good.
std::string ParseOptions(int argc, const char* const* argv, HeadlessOptions& options);
