#include "headless/scriptwrite.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

#include "host/hostapp.h"

namespace {

struct Name {
    int Code;
    std::string_view Text;
};

// The PC keys without a character, and the menu items, by the names the script language reads.
constexpr Name PcKeyNameTbl[] = {
    {VK_UP, "UP"},       {VK_DOWN, "DOWN"},  {VK_LEFT, "LEFT"},           {VK_RIGHT, "RIGHT"},
    {VK_RETURN, "ENTER"}, {VK_ESCAPE, "ESC"}, {VK_BACK, "BACKSPACE"},     {VK_CONTROL, "CTRL"},
};

constexpr Name MenuNameTbl[] = {
    {CMD_ORVEL_4, "Orvel 4"},   {CMD_ORVEL_6, "Orvel 6"},   {CMD_ORVEL_8, "Orvel 8"},
    {CMD_ORVEL_12, "Orvel 12"}, {CMD_SAVE_LCD, "Save LCD"},
};

std::string NameOf(std::span<const Name> names, int code)
{
    const auto name = std::ranges::find(names, code, &Name::Code);
    return name == names.end() ? std::string{} : std::string(name->Text);
}

bool Printable(char c)
{
    return c >= ' ' && c <= '~';
}

bool AnyModifier(const KeyMods& mods)
{
    return mods.Ctrl || mods.Alt || mods.Shift;
}

std::string Modifiers(const KeyMods& mods)
{
    return std::string(mods.Ctrl ? "CTRL+" : "") + (mods.Alt ? "ALT+" : "") + (mods.Shift ? "SHIFT+" : "");
}

// A word never holds a blank, and a '#' that begins one begins a comment.
std::string CharKeyName(std::int32_t code, const KeyMods& mods)
{
    const auto c = static_cast<char>(code);
    if (code != c || !Printable(c) || c == ' ' || (c == '#' && !AnyModifier(mods)))
        return {};
    return std::string(1, c);
}

std::string PanelKeyName(std::int32_t code)
{
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r)
        if (r->Key == code)
            return r->Label;
    return {};
}

std::string PcKeyName(std::int32_t code)
{
    if (code >= VK_F1 && code <= VK_F12)
        return "F" + std::to_string(code - VK_F1 + 1);
    return NameOf(PcKeyNameTbl, code);
}

std::string KeyName(const ScriptKey& key, const KeyMods& mods)
{
    switch (key.Kind) {
    case ScriptKeyKind::Panel:
        return PanelKeyName(key.Code);
    case ScriptKeyKind::Pc:
        return PcKeyName(key.Code);
    case ScriptKeyKind::Char:
        return CharKeyName(key.Code, mods);
    }
    return {};
}

std::string KeyLine(std::string_view command, const ScriptCommand& cmd)
{
    const std::string key = KeyName(cmd.Key, cmd.Mods);
    return key.empty() ? std::string{} : std::string(command) + " " + Modifiers(cmd.Mods) + key;
}

std::string TypeLine(const ScriptCommand& cmd)
{
    if (cmd.Text.empty() || !std::ranges::all_of(cmd.Text, Printable))
        return {};
    return "type " + cmd.Text;  // the rest of the line as written: blanks and '#' included
}

std::string MouseLine(std::string_view command, const ScriptCommand& cmd)
{
    return Modifiers(cmd.Mods) + std::string(command) + " " + std::to_string(cmd.X) + " " + std::to_string(cmd.Y);
}

// One word that is no comment.
bool FileWord(const std::string& file)
{
    return !file.empty() && file.front() != '#' && std::ranges::all_of(file, [](char c) { return c > ' ' && c <= '~'; });
}

std::string ShotLine(const ScriptCommand& cmd)
{
    if (!FileWord(cmd.Text) || cmd.Zoom < MIN_SHOT_ZOOM || cmd.Zoom > MAX_SHOT_ZOOM)
        return {};
    return "shot " + cmd.Text + (cmd.Zoom == MIN_SHOT_ZOOM ? "" : " " + std::to_string(cmd.Zoom));
}

std::string InspectLine(const ScriptCommand& cmd)
{
    if (cmd.Text.empty())
        return "inspect";
    return FileWord(cmd.Text) ? "inspect " + cmd.Text : std::string{};
}

// Whether the text ends in " #" and digits, which a goto line reads as the page's number.
bool EndsInPageNumber(std::string_view text)
{
    const std::size_t hash = text.rfind(" #");
    return hash != std::string_view::npos && hash + 2 < text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(hash + 2), text.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The number also keeps the name's own trailing blanks and " #N" ending, which the line would lose.
std::string GotoLine(const ScriptCommand& cmd)
{
    if (cmd.Text.empty() || cmd.Nth < 1 || !std::ranges::all_of(cmd.Text, Printable))
        return {};
    const bool numbered = cmd.Nth > 1 || cmd.Text.back() == ' ' || EndsInPageNumber(cmd.Text);
    return "goto " + cmd.Text + (numbered ? " #" + std::to_string(cmd.Nth) : "");
}

std::string MenuLine(const ScriptCommand& cmd)
{
    const std::string item = NameOf(MenuNameTbl, cmd.MenuCommand);
    return item.empty() ? item : "menu " + item;
}

}  // namespace

std::string ScriptCommandText(const ScriptCommand& cmd)
{
    switch (cmd.Op) {
    case ScriptOp::Press:
        return KeyLine("press", cmd);
    case ScriptOp::Down:
        return KeyLine("down", cmd);
    case ScriptOp::Up:
        return KeyLine("up", cmd);
    case ScriptOp::Type:
        return TypeLine(cmd);
    case ScriptOp::Click:
        return MouseLine("click", cmd);
    case ScriptOp::MouseDown:
        return MouseLine("mousedown", cmd);
    case ScriptOp::MouseUp:
        return MouseLine("mouseup", cmd);
    case ScriptOp::Move:
        return MouseLine("move", cmd);
    case ScriptOp::Wait:
        return "wait " + std::to_string(cmd.Ms);
    case ScriptOp::Menu:
        return MenuLine(cmd);
    case ScriptOp::SaveLcd:
        return "save-lcd";
    case ScriptOp::Shot:
        return ShotLine(cmd);
    case ScriptOp::Answer:
        return cmd.AnswerOk ? "answer ok" : "answer cancel";
    case ScriptOp::Inspect:
        return InspectLine(cmd);
    case ScriptOp::Goto:
        return GotoLine(cmd);
    }
    return {};
}
