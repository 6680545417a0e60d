#include "headless/options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

const char* const HEADLESS_USAGE =
    "usage: orvel-headless [--script FILE|-] [--out DIR] [--tick MS] [--seed N] [--quiet] [--panel DIR]\n"
    "                      [-- DEVICE-ARGS...]\n"
    "       orvel-headless --atlas DIR [--models all|ID,...] [--compare OLD-DIR] [--seed N] [--panel DIR]\n"
    "                      [-- DEVICE-ARGS...]\n";

namespace {

bool ParseUnsigned(std::string_view text, std::uint32_t& value)
{
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc{} && last == end && !text.empty();
}

// "all", or model ids parted by commas.
std::string SplitModels(std::string_view value, std::vector<std::string>& models)
{
    models.clear();
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(',', start), value.size());
        if (end == start)
            return "--models takes all or model ids parted by commas, not '" + std::string(value) + "'";
        models.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return {};
}

// The option's value into options; the error message, or "".
std::string TakeValue(std::string_view option, std::string_view value, HeadlessOptions& options)
{
    if (option == "--script")
        options.ScriptPath = value;
    else if (option == "--out")
        options.OutDir = value;
    else if (option == "--panel")
        options.PanelDir = value;
    else if (option == "--atlas")
        options.AtlasDir = value;
    else if (option == "--compare")
        options.CompareDir = value;
    else if (option == "--models")
        return SplitModels(value, options.Models);
    else if (option == "--seed" && !ParseUnsigned(value, options.Seed))
        return "--seed takes a number, not '" + std::string(value) + "'";
    else if (option == "--tick" && (!ParseUnsigned(value, options.TickMs) || options.TickMs == 0))
        return "--tick takes a number of milliseconds from 1, not '" + std::string(value) + "'";
    return {};
}

bool TakesValue(std::string_view option)
{
    return option == "--script" || option == "--out" || option == "--panel" || option == "--seed" ||
           option == "--tick" || option == "--atlas" || option == "--models" || option == "--compare";
}

// The atlas options belong together; the models of an atlas of all are started with their own args.
std::string CheckAtlas(const HeadlessOptions& options)
{
    if (options.AtlasDir.empty() && (!options.Models.empty() || !options.CompareDir.empty()))
        return std::string(options.Models.empty() ? "--compare" : "--models") + " needs --atlas";
    if (!options.Models.empty() && !options.DeviceArgs.empty())
        return "--models takes no device args: each model has its own";
    return {};
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
            return "unknown argument '" + std::string(arg) + "'";
        } else if (i + 1 == argc) {
            return std::string(arg) + " needs a value";
        } else if (std::string error = TakeValue(arg, argv[++i], options); !error.empty()) {
            return error;
        }
    }
    return CheckAtlas(options);
}
