#include "headless/scriptinput.h"

#include <filesystem>

#include "canvas/lcdcanvas.h"
#include "headless/keyboard.h"
#include "host/hostapp.h"
#include "host/inputcheck.h"
#include "host/uistate.h"
#include "ui/catalogue.h"

namespace {

// Panel keys are held each by itself, as fingers hold them; PC keys arrive as key events, and a character without
// Ctrl or Alt also as a character event between them, as a desktop's keyboard delivers them.
void KeyDown(const ScriptCommand& cmd)
{
    switch (cmd.Key.Kind) {
    case ScriptKeyKind::Panel:
        HostPanelKeyDown(cmd.Key.Code);
        break;
    case ScriptKeyKind::Pc:
        HostKeyDown(cmd.Key.Code, cmd.Mods, false);
        break;
    case ScriptKeyKind::Char:
        HostKeyDown(VirtualKeyOfChar(static_cast<char>(cmd.Key.Code)), cmd.Mods, false);
        if (!cmd.Mods.Ctrl && !cmd.Mods.Alt)
            HostChar(static_cast<std::uint32_t>(cmd.Key.Code));
        break;
    }
}

void KeyUp(const ScriptCommand& cmd)
{
    switch (cmd.Key.Kind) {
    case ScriptKeyKind::Panel:
        HostPanelKeyUp(cmd.Key.Code, cmd.Mods);
        break;
    case ScriptKeyKind::Pc:
        HostKeyUp(cmd.Key.Code, cmd.Mods);
        break;
    case ScriptKeyKind::Char:
        HostKeyUp(VirtualKeyOfChar(static_cast<char>(cmd.Key.Code)), cmd.Mods);
        break;
    }
}

// Shown as any page switch shows it; the name was checked before the script ran.
void Goto(const ScriptCommand& cmd)
{
    if (UIPage* page = CatalogueFind(cmd.Text, cmd.Nth))
        UIGotoPage(page);
}

bool MouseInput(const ScriptCommand& cmd)
{
    switch (cmd.Op) {
    case ScriptOp::Click:
        HostMouseDown(cmd.X, cmd.Y, cmd.Mods);
        HostMouseUp(cmd.X, cmd.Y, cmd.Mods);
        return true;
    case ScriptOp::MouseDown:
        HostMouseDown(cmd.X, cmd.Y, cmd.Mods);
        return true;
    case ScriptOp::MouseUp:
        HostMouseUp(cmd.X, cmd.Y, cmd.Mods);
        return true;
    case ScriptOp::Move:
        HostMouseMove(cmd.X, cmd.Y);
        return true;
    default:
        return false;
    }
}

std::string OutputPath(const std::string& outDir, const std::string& file)
{
    return outDir.empty() ? file : (std::filesystem::path(outDir) / file).string();
}

std::size_t PagesNamed(const std::string& name)
{
    std::size_t count = 0;
    while (CatalogueFind(name, count + 1))
        ++count;
    return count;
}

}  // namespace

bool ScriptInput(const ScriptCommand& cmd)
{
    switch (cmd.Op) {
    case ScriptOp::Press:
        KeyDown(cmd);
        KeyUp(cmd);
        return true;
    case ScriptOp::Down:
        KeyDown(cmd);
        return true;
    case ScriptOp::Up:
        KeyUp(cmd);
        return true;
    case ScriptOp::Type:
        for (const char c : cmd.Text)
            HostChar(static_cast<std::uint8_t>(c));
        return true;
    case ScriptOp::Menu:
        HostMenuCommand(cmd.MenuCommand);
        return true;
    case ScriptOp::SaveLcd:
        HostMenuCommand(CMD_SAVE_LCD);
        return true;
    case ScriptOp::Goto:
        Goto(cmd);
        return true;
    default:
        return MouseInput(cmd);
    }
}

// A file gets the document spread over lines, for reading; the output one line, for piping.
WriteFailure ScriptOutput(const ScriptCommand& cmd, const std::string& outDir, std::ostream& out)
{
    const std::string path = OutputPath(outDir, cmd.Text);
    if (cmd.Op == ScriptOp::Shot)
        return {path, PngWrite(path, CanvasPicture(&LcdCanvas, cmd.Zoom)).Reason};
    if (cmd.Op != ScriptOp::Inspect)
        return {};
    if (cmd.Text.empty()) {
        out << InspectState() << "\n";
        return {};
    }
    return {path, WriteWholeFile(path, InspectState(2) + "\n").Reason};
}

// A goto names a page of the catalogue, and no more of them than there are, or the script does not run.
ScriptParse CheckScript(std::string_view text)
{
    ScriptParse script = ParseScript(text);
    for (const ScriptCommand& cmd : script.Commands) {
        if (script.ErrorLine || cmd.Op != ScriptOp::Goto || CatalogueFind(cmd.Text, cmd.Nth))
            continue;
        script.ErrorLine = cmd.Line;
        const std::size_t count = PagesNamed(cmd.Text);
        script.Error = count == 0 ? "no page \"" + Excerpt(cmd.Text) + "\""
                                  : RangeError("goto", "#" + std::to_string(cmd.Nth), "page number", 1,
                                               static_cast<long long>(count));
    }
    return script;
}
