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

enum class OptionKind : std::uint8_t { Name, Models, Seed, Tick, Quiet, Help };

struct OptionEntry {
    std::string_view Option;
    OptionKind Kind;
    std::string HeadlessOptions::*Name;  // where a name's value goes
    std::string_view Value;  // how the value is written; empty: the option takes none
    std::string_view Help;
};

constexpr OptionEntry OptionTbl[] = {
    {"--script", OptionKind::Name, &HeadlessOptions::ScriptPath, "FILE|-",
     "the script; - (the default) reads the standard input"},
    {"--out", OptionKind::Name, &HeadlessOptions::OutDir, "DIR", "where shots, captures and regions.txt go"},
    {"--tick", OptionKind::Tick, nullptr, "MS", "the timer's period, 1 to 1000 (default 10)"},
    {"--seed", OptionKind::Seed, nullptr, "N", "seeds the recorder's random numbers (default 1)"},
    {"--quiet", OptionKind::Quiet, nullptr, "", "no debug lines, no notes"},
    {"--panel", OptionKind::Name, &HeadlessOptions::PanelDir, "DIR", "where panel_rest.png and panel_lit.png are"},
    {"--atlas", OptionKind::Name, &HeadlessOptions::AtlasDir, "DIR", "writes the atlas of every page there, no script"},
    {"--models", OptionKind::Models, nullptr, "all|ID,...", "the models of the atlas"},
    {"--compare", OptionKind::Name, &HeadlessOptions::CompareDir, "OLD-DIR", "compares the atlas with an older one"},
    {"--help", OptionKind::Help, nullptr, "", "this text (also -h)"},
};

const OptionEntry* FindOption(std::string_view option)
{
    for (const OptionEntry& entry : OptionTbl)
        if (option == entry.Option || (option == "-h" && entry.Kind == OptionKind::Help))
            return &entry;
    return nullptr;
}

// The option's value into options; the error message, or "".
std::string TakeValue(const OptionEntry& entry, std::string_view value, HeadlessOptions& options)
{
    const std::string_view option = entry.Option;
    switch (entry.Kind) {
    case OptionKind::Name:
        if (value.empty())
            return std::string(option) + " needs a value";
        options.*entry.Name = value;
        return NameError(option, value);
    case OptionKind::Models: {
        std::string error = NameError(option, value);
        return error.empty() ? SplitModels(value, options.Models) : error;
    }
    case OptionKind::Seed:
        return ParseInRange(option, value, "", std::uint32_t{0}, UINT32_MAX, options.Seed);
    default:
        return ParseInRange(option, value, "milliseconds", std::uint32_t{1}, MAX_TICK_MS, options.TickMs);
    }
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

std::vector<OptionForm> OptionForms()
{
    std::vector<OptionForm> forms;
    for (const OptionEntry& entry : OptionTbl)
        forms.push_back({entry.Option, entry.Value, entry.Help});
    return forms;
}

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
        const OptionEntry* entry = FindOption(arg);
        if (!entry)
            return "unknown argument " + Quoted(arg);
        if (entry->Value.empty()) {
            (entry->Kind == OptionKind::Quiet ? options.Quiet : options.Help) = true;
        } else if (i + 1 == argc) {
            return std::string(arg) + " needs a value";
        } else if (std::string error = TakeValue(*entry, argv[++i], options); !error.empty()) {
            return error;
        }
    }
    return CheckAtlas(options);
}
