#include "headless/help.h"

#include <algorithm>
#include <string_view>

#include "headless/options.h"
#include "host/script.h"
#include "host/panel.h"

namespace {

constexpr std::size_t HELP_COLUMN = 24;  // where the descriptions start

// "  NAME ARGS   help" with the help in its column, or on the next line when the name is longer.
std::string Row(std::string_view name, std::string_view args, std::string_view help)
{
    std::string row = "  " + std::string(name) + (args.empty() ? "" : " ") + std::string(args);
    row += row.size() < HELP_COLUMN ? std::string(HELP_COLUMN - row.size(), ' ') : "\n" + std::string(HELP_COLUMN, ' ');
    return row + std::string(help) + "\n";
}

template <typename Names>
std::string Listed(const Names& names)
{
    std::string text;
    for (const auto& name : names)
        text += " " + std::string(name);
    return text;
}

std::string KeyNames()
{
    std::vector<std::string_view> panel;
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        panel.emplace_back(r->Label);
    std::vector<std::string_view> mouse;
    for (const ScriptCommandForm& command : ScriptCommandForms())
        if (command.Mouse)
            mouse.push_back(command.Name);
    return "\nKeys (press, down, up; any case):\n  panel keys:" + Listed(panel) + "\n  PC keys:" +
           Listed(ScriptPcKeyNames()) + " F1 to F12\n  a printable character stands for itself\n  modifiers:" +
           Listed(ScriptModifierPrefixes()) + " before a key (CTRL+R), and before the mouse commands:" + Listed(mouse) +
           "\n";
}

}  // namespace

std::string HeadlessHelpText()
{
    std::string text = std::string(HEADLESS_USAGE) + "\nOptions:\n";
    for (const OptionForm& option : OptionForms())
        text += Row(option.Option, option.Value, option.Help);
    text += Row("--", "DEVICE-ARGS...", "the recorder's own command line, e.g. 10 or lite");
    text += "\nScript commands (one a line; # begins a comment):\n";
    for (const ScriptCommandForm& command : ScriptCommandForms())
        text += Row(command.Name, command.Args, command.Help);
    std::vector<std::string> items;
    for (const std::string_view item : ScriptMenuItems())
        items.push_back("\"" + std::string(item) + "\"");
    return text + KeyNames() + "\nMenu items (menu ITEM):" + Listed(items) + "\n";
}
