#include "parse_checks.h"

#include <algorithm>
#include <tuple>

#include "common/debug.h"
#include "desktop/options.h"
#include "headless/options.h"
#include "host/script.h"
#include "host/hostapp.h"
#include "host/inputcheck.h"

namespace {

bool Printable(char c)
{
    return c >= ' ' && c <= '~';
}

bool Control(char c)
{
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// A name kept from the input (a file, a folder, a page, an argument) holds no control byte and fits.
bool CleanName(std::string_view name)
{
    return name.size() <= MAX_NAME_BYTES && std::ranges::none_of(name, Control);
}

// A message quotes at most one short excerpt of the input: UTF-8 without control bytes, and short.
constexpr std::size_t MAX_MESSAGE_BYTES = 256;

void CheckMessage(std::string_view message)
{
    ASSERT(message.size() <= MAX_MESSAGE_BYTES && std::ranges::none_of(message, Control));
    for (std::size_t at = 0; at < message.size();) {
        const std::size_t length = Utf8SequenceAt(message, at);
        if (!ASSERT(length > 0))
            return;
        at += length;
    }
}

bool PanelKey(std::int32_t key)
{
    return std::ranges::any_of(PanelKeyTbl, [key](const PanelKeyPlace& place) { return place.Key == key; });
}

bool PcKey(std::int32_t key)
{
    constexpr int Named[] = {VK_BACK, VK_RETURN, VK_CONTROL, VK_ESCAPE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    return std::ranges::find(Named, key) != std::end(Named) || (key >= VK_F1 && key <= VK_F12);
}

// What the desktop's --press takes: a panel key or a function key of the recorder.
bool DeviceKey(std::int32_t key)
{
    return PanelKey(key) || (key >= std::int32_t{KEY_F1} && key <= std::int32_t{KEY_F12});
}

bool ValidKey(const ScriptKey& key)
{
    switch (key.Kind) {
    case ScriptKeyKind::Panel:
        return PanelKey(key.Code);
    case ScriptKeyKind::Pc:
        return PcKey(key.Code);
    case ScriptKeyKind::Char:
        return key.Code >= ' ' && key.Code <= '~';
    }
    return false;
}

bool TakesModifiers(ScriptOp op)
{
    using enum ScriptOp;
    return op == Press || op == Down || op == Up || op == Click || op == MouseDown || op == MouseUp || op == Move;
}

void CheckCommandValues(const ScriptCommand& cmd)
{
    ASSERT(TakesModifiers(cmd.Op) || !(cmd.Mods.Ctrl || cmd.Mods.Alt || cmd.Mods.Shift));
    ASSERT(CleanName(cmd.Text));
    switch (cmd.Op) {
    case ScriptOp::Click:
    case ScriptOp::MouseDown:
    case ScriptOp::MouseUp:
    case ScriptOp::Move:
        ASSERT(std::min(cmd.X, cmd.Y) >= MIN_SCRIPT_COORD && std::max(cmd.X, cmd.Y) <= MAX_SCRIPT_COORD);
        break;
    case ScriptOp::Wait:
        ASSERT(cmd.Ms <= MAX_WAIT_MS);
        break;
    case ScriptOp::Press:
    case ScriptOp::Down:
    case ScriptOp::Up:
        ASSERT(ValidKey(cmd.Key));
        break;
    case ScriptOp::Type:
        ASSERT(!cmd.Text.empty() && std::ranges::all_of(cmd.Text, Printable));
        break;
    case ScriptOp::Shot:
        ASSERT(!cmd.Text.empty() && cmd.Zoom >= MIN_SHOT_ZOOM && cmd.Zoom <= MAX_SHOT_ZOOM);
        break;
    case ScriptOp::Menu:
        ASSERT(cmd.MenuCommand >= CMD_ORVEL_4 && cmd.MenuCommand <= CMD_SAVE_LCD);
        break;
    case ScriptOp::Goto:
        ASSERT(!cmd.Text.empty() && cmd.Nth >= 1 && cmd.Nth <= MAX_GOTO_NTH);
        break;
    default:
        break;
    }
}

auto Fields(const ScriptCommand& c)
{
    return std::tie(c.Op, c.Mods.Ctrl, c.Mods.Alt, c.Mods.Shift, c.Key.Kind, c.Key.Code, c.X, c.Y, c.Ms, c.Zoom,
                    c.MenuCommand, c.AnswerOk, c.Text, c.Nth);
}

// A line ends with LF, CR LF or CR.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + (text.substr(end).starts_with("\r\n") ? 2 : 1), text.size()));
    }
    return lines;
}

void CheckGoodScript(const ScriptParse& parse, const std::vector<std::string_view>& lines)
{
    int last = 0;
    for (const ScriptCommand& cmd : parse.Commands) {
        if (!ASSERT(cmd.Line > last && cmd.Line <= static_cast<int>(lines.size())))
            return;
        last = cmd.Line;
        CheckCommandValues(cmd);
        // A command reads the same whatever comes before or after its line.
        const ScriptParse alone = ParseScript(lines[static_cast<std::size_t>(cmd.Line - 1)]);
        ASSERT(alone.Commands.size() == 1 && Fields(alone.Commands[0]) == Fields(cmd));
    }
}

void CheckHeadlessOptions(const std::vector<const char*>& argv)
{
    HeadlessOptions options;
    const std::string error = ParseOptions(static_cast<int>(argv.size()) - 1, argv.data(), options);
    if (argv.size() > 1)
        ASSERT(options.ProgramPath == argv[0]);
    if (!error.empty()) {
        CheckMessage(error);
        return;
    }
    ASSERT(options.TickMs >= 1 && options.TickMs <= MAX_TICK_MS);
    ASSERT(std::ranges::all_of(options.DeviceArgs, CleanName) && std::ranges::all_of(options.Models, CleanName));
    for (const std::string* name : {&options.ScriptPath, &options.OutDir, &options.PanelDir, &options.AtlasDir,
                                    &options.CompareDir})
        ASSERT(CleanName(*name));
    ASSERT(options.Models.empty() || (!options.AtlasDir.empty() && options.DeviceArgs.empty()));
    ASSERT(options.CompareDir.empty() || !options.AtlasDir.empty());
    ASSERT(std::ranges::none_of(options.Models, [](const std::string& model) { return model.empty(); }));
}

void CheckDesktopOptions(const std::vector<const char*>& argv)
{
    const DesktopOptions options = ParseDesktopOptions(static_cast<int>(argv.size()) - 1, argv.data());
    ASSERT(!options.RecorderArgs.empty() && options.RecorderArgs.size() <= 2);
    if (argv.size() > 1)
        ASSERT(options.RecorderArgs[0] == argv[0]);
    if (!options.Error.empty()) {
        CheckMessage(options.Error);
        return;
    }
    ASSERT(std::ranges::all_of(options.Presses, DeviceKey));
    ASSERT(CleanName(options.Screenshot) && (options.RecorderArgs.size() == 1 || CleanName(options.RecorderArgs[1])));
}

}  // namespace

void CheckScriptInput(std::string_view input)
{
    const ScriptParse parse = ParseScript(input);
    const std::vector<std::string_view> lines = Lines(input);
    if (parse.ErrorLine == 0) {
        ASSERT(parse.Error.empty());
        CheckGoodScript(parse, lines);
        return;
    }
    ASSERT(!parse.Error.empty() && parse.Commands.empty());
    CheckMessage(parse.Error);
    ASSERT(parse.ErrorLine >= 1 && parse.ErrorLine <= static_cast<int>(lines.size()));
}

std::vector<std::string> CommandLineWords(std::string_view input)
{
    std::vector<std::string> words;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find_first_of(std::string_view("\0\n", 2)), input.size());
        words.emplace_back(input.substr(0, end));
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return words;
}

void CheckCommandLineInput(std::string_view input)
{
    const std::vector<std::string> words = CommandLineWords(input);
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    argv.push_back(nullptr);  // as the system ends argv
    CheckHeadlessOptions(argv);
    CheckDesktopOptions(argv);
}
