#include "desktop/options.h"

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

DesktopOptions ParseDesktopOptions(int argc, const char* const* argv)
{
    DesktopOptions options;
    options.RecorderArgs.emplace_back(argc > 0 ? argv[0] : "orvel-sim");
    for (int i = 1; i < argc && options.Error.empty(); ++i) {
        const std::string arg = argv[i];
        const bool valued = arg == "--press" || arg == "--screenshot";
        if (valued && i + 1 >= argc) {
            options.Error = arg + " needs a value";
        } else if (arg == "--press") {
            const std::int32_t key = KeyOfName(argv[++i]);
            options.Presses.push_back(key);
            if (key < 0)
                options.Error = std::string("no such key: ") + argv[i];
        } else if (arg == "--screenshot") {
            options.Screenshot = argv[++i];
        } else if (arg.starts_with("--") || options.RecorderArgs.size() > 1) {
            options.Error = "unexpected argument: " + arg;
        } else {
            options.RecorderArgs.push_back(arg);
        }
    }
    return options;
}
