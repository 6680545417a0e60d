#include "headless/options.h"

#include <algorithm>
#include <string_view>

#include "host/inputcheck.h"

const char* const HEADLESS_USAGE =
    "usage: orvel-headless [--script FILE|-] [--out DIR] [--tick MS] [--seed N] [--quiet] [--panel DIR]\n"
    "                      [-- DEVICE-ARGS...]\n"
    "       orvel-headless --atlas DIR [--models all|ID,...] [--compare OLD-DIR] [--seed N] [--panel DIR]\n"
    "                      [-- DEVICE-ARGS...]\n";

namespace {

// "all", or model ids parted by commas.
std::string SplitModels(std::string_view value, std::vector<std::string>& models)
{
    models.clear();
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(',', start), value.size());
        if (end == start)
            return "--models takes all or model ids parted by commas, not " + Quoted(value);
        models.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return {};
}

struct NamedOption {
    std::string_view Option;
    std::string HeadlessOptions::*Value;
};

constexpr NamedOption NamedOptionTbl[] = {
    {"--script", &HeadlessOptions::ScriptPath}, {"--out", &HeadlessOptions::OutDir},
    {"--panel", &HeadlessOptions::PanelDir},    {"--atlas", &HeadlessOptions::AtlasDir},
    {"--compare", &HeadlessOptions::CompareDir},
};

// The option's value into options; the error message, or "".
std::string TakeValue(std::string_view option, std::string_view value, HeadlessOptions& options)
{
    for (const NamedOption& named : NamedOptionTbl) {
        if (option != named.Option)
            continue;
        if (value.empty())
            return std::string(option) + " needs a value";
        options.*named.Value = value;
        return NameError(option, value);
    }
    if (option == "--models") {
        std::string error = NameError(option, value);
        return error.empty() ? SplitModels(value, options.Models) : error;
    }
    if (option == "--seed")
        return ParseInRange(option, value, "", std::uint32_t{0}, UINT32_MAX, options.Seed);
    return ParseInRange(option, value, "milliseconds", std::uint32_t{1}, MAX_TICK_MS, options.TickMs);  // --tick
}

bool TakesValue(std::string_view option)
{
    return std::ranges::any_of(NamedOptionTbl, [option](const NamedOption& n) { return n.Option == option; }) ||
           option == "--seed" || option == "--tick" || option == "--models";
}

// The recorder's own arguments are names too.
std::string CheckDeviceArgs(const HeadlessOptions& options)
{
    for (const std::string& arg : options.DeviceArgs)
        if (std::string error = NameError("device argument", arg); !error.empty())
            return error;
    return {};
}

// The atlas options belong together; the models of an atlas of all are started with their own args.
std::string CheckAtlas(const HeadlessOptions& options)
{
    if (options.AtlasDir.empty() && (!options.Models.empty() || !options.CompareDir.empty()))
        return std::string(options.Models.empty() ? "--compare" : "--models") + " needs --atlas";
    if (!options.Models.empty() && !options.DeviceArgs.empty())
        return "--models takes no device args: each model has its own";
    return CheckDeviceArgs(options);
}

}  // namespace

std::string ParseOptions(int argc, const char* const* argv, HeadlessOptions& options)
{
    if (argc > 0 && argv[0])
        options.ProgramPath = argv[0];
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            options.DeviceArgs.assign(argv + i + 1, argv + argc);
            break;
        }
        if (arg == "--quiet") {
            options.Quiet = true;
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (!TakesValue(arg)) {
            return "unknown argument " + Quoted(arg);
        } else if (i + 1 == argc) {
            return std::string(arg) + " needs a value";
        } else if (std::string error = TakeValue(arg, argv[++i], options); !error.empty()) {
            return error;
        }
    }
    return CheckAtlas(options);
}
