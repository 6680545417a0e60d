#include <charconv>
#include <string_view>

#include "headless/soak.h"

const char* const SOAK_USAGE =
    "usage: orvel-soak [--events N] [--hours H] [--seed S] [--out FILE] [--max-growth KIB] [-- DEVICE-ARGS...]\n"
    "  --events N        random events to run at least (default 100000)\n"
    "  --hours H         simulated hours to reach at least (default 0); the run ends once both are reached\n"
    "  --seed S          the generator's seed (default: a random one, printed)\n"
    "  --out FILE        where the shortest failing script is written (default soak-failure.orvel)\n"
    "  --max-growth KIB  fail when resident memory grows by more than this after the warm-up (default: no bound)\n"
    "  -- DEVICE-ARGS    the recorder's own command line, e.g. 10 or lite\n";

namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && last == end && !text.empty();
}

std::string Bad(std::string_view option, std::string_view what, std::string_view value)
{
    return std::string(option) + " takes " + std::string(what) + ", not '" + std::string(value) + "'";
}

std::string TakeValue(std::string_view option, std::string_view value, SoakOptions& options)
{
    if (option == "--events" && !ParseNumber(value, options.Events))
        return Bad(option, "a number of events", value);
    if (option == "--hours" && (!ParseNumber(value, options.Hours) || !(options.Hours >= 0)))
        return Bad(option, "a number of hours from 0", value);
    if (option == "--seed" && !ParseNumber(value, options.Seed))
        return Bad(option, "a number", value);
    if (option == "--max-growth" && !ParseNumber(value, options.MaxGrowthKiB))
        return Bad(option, "a number of KiB", value);
    if (option == "--out")
        options.OutFile = value;
    options.SeedGiven = options.SeedGiven || option == "--seed";
    return {};
}

bool TakesValue(std::string_view option)
{
    return option == "--events" || option == "--hours" || option == "--seed" || option == "--out" ||
           option == "--max-growth";
}

}  // namespace

std::string ParseSoakOptions(int argc, const char* const* argv, SoakOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            options.DeviceArgs.assign(argv + i + 1, argv + argc);
            break;
        }
        if (arg == "--help" || arg == "-h")
            options.Help = true;
        else if (!TakesValue(arg))
            return "unknown argument '" + std::string(arg) + "'";
        else if (i + 1 == argc)
            return std::string(arg) + " needs a value";
        else if (std::string error = TakeValue(arg, argv[++i], options); !error.empty())
            return error;
    }
    if (options.OutFile.empty())
        return "--out takes a file name";
    return {};
}
