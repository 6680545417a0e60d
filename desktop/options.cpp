#include "desktop/options.h"

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
        const bool valued = arg == "--press" || arg == "--screenshot" || arg == "--seed";
        if (valued && i + 1 >= argc)
            options.Error = arg + " needs a value";
        else if (valued)
            options.Error = TakeValue(arg, argv[++i], options);
        else
            options.Error = TakeRecorderArgument(arg, options);
    }
    return options;
}
