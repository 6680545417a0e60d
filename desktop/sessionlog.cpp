#include "desktop/sessionlog.h"

#include <QWidget>
#include <optional>

#include "desktop/keymap.h"
#include "headless/keyboard.h"
#include "headless/scriptwrite.h"
#include "host/hostapp.h"

namespace {

ScriptCommand Command(ScriptOp op, KeyMods mods = {})
{
    return {.Op = op, .Line = 0, .Mods = mods, .Key = {}, .X = 0, .Y = 0, .Ms = 0, .Zoom = 0, .MenuCommand = 0,
        .AnswerOk = true, .Text = {}, .Nth = 0};
}

bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// What the host does with the key's down or up, as a script command: the PC keys it maps, Ctrl (whose
// release lets go of keys kept with it; its press does nothing) and characters with Ctrl or Alt, whose
// plain presses arrive as characters instead. None for a key the host ignores.
std::optional<ScriptCommand> KeyCommand(ScriptOp op, int vk, const KeyMods& mods)
{
    const bool ctrlUp = vk == VK_CONTROL && op == ScriptOp::Up;
    ScriptCommand cmd = Command(op, ctrlUp ? KeyMods{} : mods);
    if (PanelKeyOfVirtualKey(vk) >= 0 || ctrlUp)
        cmd.Key = {ScriptKeyKind::Pc, vk};
    else if (vk >= ' ' && vk <= '~' && (mods.Ctrl || mods.Alt))
        cmd.Key = {ScriptKeyKind::Char, vk};
    else
        return std::nullopt;
    return cmd;
}

// A script gives a character key the virtual key of its place on a US keyboard; some Qt keys (the
// shifted punctuation) have other codes, which no script line gives.
bool Replayable(const ScriptCommand& cmd)
{
    return cmd.Key.Kind != ScriptKeyKind::Char || VirtualKeyOfChar(static_cast<char>(cmd.Key.Code)) == cmd.Key.Code;
}

}  // namespace

SessionLog::SessionLog(QWidget& panel, const TimeControl& time) : QObject(&panel), time_(time)
{
    panel.installEventFilter(this);
}

void SessionLog::Add(const ScriptCommand& cmd)
{
    const std::string line = Replayable(cmd) ? ScriptCommandText(cmd) : std::string{};
    if (line.empty())
        Append("# not replayable: key " + std::to_string(cmd.Key.Code) + ", modifier bits " +
               std::to_string(PanelModifierBits(cmd.Mods)));
    else
        Append(line);
}

void SessionLog::AddMenu(int command)
{
    ScriptCommand cmd = Command(ScriptOp::Menu);
    cmd.MenuCommand = command;
    Add(cmd);
}

void SessionLog::Cancelled()
{
    if (entries_.empty())
        return;
    // the box came with the last character of a typed run
    Entry& asking = entries_.back();
    if (asking.Line.starts_with("type ") && asking.Line.size() > 6) {
        const char last = asking.Line.back();
        asking.Line.pop_back();
        entries_.push_back({asking.At, "type " + std::string(1, last)});
    }
    entries_.insert(entries_.end() - 1, {entries_.back().At, "answer cancel"});
}

std::string SessionLog::Script(const std::vector<std::string>& args, const std::string& fileName) const
{
    std::string text = "# Recorded with orvel-sim; replays with\n# orvel-headless --tick " + std::to_string(TICK_MS) +
                       " --seed " + std::to_string(time_.Seed()) + " --";
    for (const std::string& arg : args)
        text += " " + arg;
    text += " < " + fileName + "\n";
    std::uint64_t at = 0;
    for (const Entry& entry : entries_) {
        if (entry.At > at)
            text += "wait " + std::to_string(entry.At - at) + "\n";
        at = entry.At;
        text += entry.Line + "\n";
    }
    if (time_.Now() > at)
        text += "wait " + std::to_string(time_.Now() - at) + "\n";
    return text;
}

void SessionLog::Append(std::string line)
{
    entries_.push_back({time_.Now(), std::move(line)});
}

bool SessionLog::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        shortcutKey_ = static_cast<QKeyEvent*>(event)->key();
        break;
    case QEvent::KeyPress:
        shortcutKey_ = 0;
        KeyPressed(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == shortcutKey_ && !IsModifierKey(key->key())) {
            if (!key->isAutoRepeat())
                shortcutKey_ = 0;
            return true;  // a desktop shortcut took the press: the recorder hears neither
        }
        KeyReleased(*key);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        Mouse(*static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}

// As the panel view passes keys on: auto-repeats type again but press nothing again.
void SessionLog::KeyPressed(const QKeyEvent& event)
{
    const KeyMods mods = KeyModsOf(event.modifiers());
    if (const int vk = VirtualKeyOfQtKey(event.key()); vk && !event.isAutoRepeat())
        if (const auto cmd = KeyCommand(ScriptOp::Down, vk, mods))
            Add(*cmd);
    if (const std::uint32_t character = TypedCharacter(event.text(), mods))
        Typed(static_cast<char>(character));
}

void SessionLog::KeyReleased(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return;
    if (const int vk = VirtualKeyOfQtKey(event.key()))
        if (const auto cmd = KeyCommand(ScriptOp::Up, vk, KeyModsOf(event.modifiers())))
            Add(*cmd);
}

void SessionLog::Typed(char c)
{
    Entry* last = entries_.empty() ? nullptr : &entries_.back();
    if (last && last->At == time_.Now() && last->Line.starts_with("type ") && c != 0x7F) {
        last->Line += c;
        return;
    }
    ScriptCommand cmd = Command(ScriptOp::Type);
    cmd.Text = std::string(1, c);
    const std::string line = ScriptCommandText(cmd);
    Append(line.empty() ? "# not replayable: character " + std::to_string(c) : line);
}

// Moves only while a button is held or a capture runs: the others only change the title.
void SessionLog::Mouse(const QMouseEvent& event)
{
    const bool move = event.type() == QEvent::MouseMove;
    if (move ? !(event.buttons() & Qt::LeftButton) && !PanelMouseState.Capture : event.button() != Qt::LeftButton)
        return;
    const ScriptOp op = move ? ScriptOp::Move
                             : (event.type() == QEvent::MouseButtonRelease ? ScriptOp::MouseUp : ScriptOp::MouseDown);
    ScriptCommand cmd = Command(op, move ? KeyMods{} : KeyModsOf(event.modifiers()));
    const QPoint at = event.position().toPoint();
    cmd.X = at.x();
    cmd.Y = at.y();
    Add(cmd);
}
