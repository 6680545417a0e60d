#pragma once
// orvel-soak: the recorder headless on the virtual clock, fed random events from a seeded generator
// and checked after every one (headless/soakcheck.h). A failure is shrunk to a short list of events
// that still fails the same way, each try on a recorder started afresh from power-on, and written as a
// ready-to-run script for orvel-headless.
//   orvel-soak [--events N] [--hours H] [--seed S] [--out FILE] [--max-growth KIB] [-- DEVICE-ARGS...]
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct SoakOptions {
    std::uint64_t Events = 100000;
    double Hours = 0;  // simulated; the run ends once both the events and the hours are reached
    std::uint64_t Seed = 0;
    bool SeedGiven = false;  // otherwise a random one, printed
    std::string OutFile = "soak-failure.orvel";
    std::uint64_t MaxGrowthKiB = 0;  // 0: memory is reported, never bounded
    std::vector<std::string> DeviceArgs;
    bool Help = false;
};

extern const char* const SOAK_USAGE;

// The error message, or "" when the arguments are good.
std::string ParseSoakOptions(int argc, const char* const* argv, SoakOptions& options);

// Progress and figures go to out, failures to err. The exit status: 0 when every invariant held; 1 on a
// failure (the script written), when memory grew past the bound, or when the recorder does not start.
int SoakRun(const SoakOptions& options, std::ostream& out, std::ostream& err);
