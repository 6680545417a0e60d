#include "desktop/options.h"

#include <algorithm>
#include <string_view>

#include "host/inputcheck.h"
#include "host/panel.h"
#include "uicore/uikeys.h"

std::int32_t KeyOfName(const std::string& name)
{
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (name == r->Label)
            return r->Key;
    for (std::int32_t n = 1; n <= 12; ++n)
        if (name == "F" + std::to_string(n))
            return static_cast<std::int32_t>(KEY_F1) + n - 1;
    return -1;
}

namespace {

constexpr std::string_view Usage =
    "usage: orvel-sim [10|lite] [--press KEY]... [--screenshot FILE] [--seed N] [--help] [--version]\n";

struct DesktopOption {
    std::string_view Option;
    std::string_view Value;  // empty: the option takes none
    std::string_view Help;
};

constexpr DesktopOption DesktopOptionTbl[] = {
    {"--press", "KEY", "a short press after start-up (may repeat): a panel label below, or F1 to F12"},
    {"--screenshot", "FILE", "writes the main window as a PNG file two seconds after its first frame, then ends"},
    {"--seed", "N", "seeds the meters' random generator (0 to 4294967295), for a run that replays"},
    {"--help", "", "this text, without a display"},
    {"--version", "", "the version, without a display"},
};

bool TakesValue(std::string_view arg)
{
    for (const DesktopOption& option : DesktopOptionTbl)
        if (arg == option.Option)
            return !option.Value.empty();
    return false;
}

// The value of --press, --screenshot or --seed into options; the error, or "".
std::string TakeValue(const std::string& option, const std::string& value, DesktopOptions& options)
{
    if (value.empty())
        return option + " needs a value";
    if (std::string error = NameError(option, value); !error.empty())
        return error;
    if (option == "--screenshot") {
        options.Screenshot = value;
        return {};
    }
    if (option == "--seed") {
        std::uint32_t seed = 0;
        const std::string error = ParseInRange(option, value, "", std::uint32_t{0}, UINT32_MAX, seed);
        options.Seed = seed;
        return error;
    }
    const std::int32_t key = KeyOfName(value);
    options.Presses.push_back(key);
    return key < 0 ? "no such key: " + Quoted(value) : std::string{};
}

std::string TakeRecorderArgument(const std::string& arg, DesktopOptions& options)
{
    if (arg.starts_with("--") || options.RecorderArgs.size() > 1)
        return "unexpected argument: " + Quoted(arg);
    options.RecorderArgs.push_back(arg);
    return NameError("recorder argument", arg);
}

}  // namespace

DesktopOptions ParseDesktopOptions(int argc, const char* const* argv)
{
    DesktopOptions options;
    options.RecorderArgs.emplace_back(argc > 0 ? argv[0] : "orvel-sim");
    for (int i = 1; i < argc && options.Error.empty(); ++i) {
        const std::string arg = argv[i];
        const bool valued = TakesValue(arg);
        if (valued && i + 1 >= argc)
            options.Error = arg + " needs a value";
        else if (valued)
            options.Error = TakeValue(arg, argv[++i], options);
        else
            options.Error = TakeRecorderArgument(arg, options);
    }
    return options;
}

DesktopRequest EarlyRequest(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return DesktopRequest::Help;
        if (arg == "--version")
            return DesktopRequest::Version;
        i += TakesValue(arg) ? 1 : 0;  // "--screenshot --help" names a file
    }
    return DesktopRequest::Run;
}

std::string DesktopUsage()
{
    return std::string(Usage);
}

std::string DesktopHelpText()
{
    std::string text = DesktopUsage() +
                       "\nThe Orvel Simulator: the recorder's front panel and LCD in a window, worked with the PC\n"
                       "keys and the mouse (Help > Keys lists them).\n\n"
                       "  10 | lite           the recorder model: 10 tracks, or the reduced model\n";
    for (const DesktopOption& option : DesktopOptionTbl) {
        std::string name = std::string(option.Option) + (option.Value.empty() ? "" : " ") + std::string(option.Value);
        name.resize(std::max<std::size_t>(name.size(), 20), ' ');
        text += "  " + name + std::string(option.Help) + "\n";
    }
    text += "\nPanel labels for --press:";
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        text += std::string(" ") + r->Label;
    return text + "\nQt's own options (-platform NAME, -style NAME, ...) are taken too.\n"
                  "Without a display: xvfb-run orvel-sim, or orvel-headless for scripts.\n";
}

std::string DesktopVersionText()
{
    return std::string("orvel-sim ") + ORVEL_VERSION + "\n";
}

namespace {

// Platforms that draw without a window system of their own.
constexpr std::string_view DisplaylessPlatformTbl[] = {"offscreen", "minimal", "minimalegl", "vnc", "linuxfb", "eglfs",
                                                        "vkkhrdisplay"};

// QT_QPA_PLATFORM lists platforms to try, parted by ';', each with ':' and its options after it.
bool NeedsNoDisplay(std::string_view platforms)
{
    for (std::size_t start = 0; start < platforms.size();) {
        const std::size_t end = std::min(platforms.find(';', start), platforms.size());
        const std::string_view entry = platforms.substr(start, end - start);
        const std::string_view name = entry.substr(0, entry.find(':'));
        for (const std::string_view displayless : DisplaylessPlatformTbl)
            if (name == displayless)
                return true;
        start = end + 1;
    }
    return false;
}

// The platform asked for on the command line (Qt reads "-platform NAME"), or null.
const char* PlatformArgument(int argc, const char* const* argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return argv[i + 1];
    }
    return nullptr;
}

bool Set(const char* value)
{
    return value && *value;
}

}  // namespace

std::string MissingDisplay(EnvReader getEnv, int argc, const char* const* argv)
{
    const char* platform = PlatformArgument(argc, argv);
    if (!platform)
        platform = getEnv("QT_QPA_PLATFORM");
    if (Set(getEnv("DISPLAY")) || Set(getEnv("WAYLAND_DISPLAY")) || (Set(platform) && NeedsNoDisplay(platform)))
        return {};
    return "no display (DISPLAY and WAYLAND_DISPLAY are not set): run it under xvfb-run (xvfb-run orvel-sim), "
           "or use orvel-headless for scripts without windows";
}
