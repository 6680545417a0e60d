#include "headless/script.h"

#include <charconv>

#include "host/hostapp.h"
#include "host/inputcheck.h"

namespace {

constexpr std::string_view Blanks = " \t";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view s)
{
    const std::size_t start = s.find_first_not_of(Blanks);
    return start == std::string_view::npos ? std::string_view{} : s.substr(start);
}

std::string_view Trim(std::string_view s)
{
    s = TrimLeft(s);
    return s.substr(0, s.find_last_not_of(Blanks) + 1);
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Names of commands, keys, menu items and answers are read without regard to case.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

bool StartsWithName(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && SameName(s.substr(0, prefix.size()), prefix);
}

// A '#' that begins a word starts a comment.
std::string_view WithoutComment(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '#' && (i == 0 || IsBlank(s[i - 1])))
            return s.substr(0, i);
    return s;
}

std::vector<std::string_view> Words(std::string_view s)
{
    std::vector<std::string_view> words;
    for (s = TrimLeft(s); !s.empty(); s = TrimLeft(s)) {
        const std::size_t end = std::min(s.find_first_of(Blanks), s.size());
        words.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
    return words;
}

// The command's name as the table writes it, for messages.
std::string_view CommandName(ScriptOp op);

struct Modifier {
    std::string_view Prefix;
    bool KeyMods::*Flag;
};

constexpr Modifier ModifierTbl[] = {
    {"CTRL+", &KeyMods::Ctrl},
    {"ALT+", &KeyMods::Alt},
    {"SHIFT+", &KeyMods::Shift},
};

// Takes "CTRL+", "ALT+" and "SHIFT+" off the front of the word, as long as something follows them
// (so that "CTRL++" is Ctrl with the character '+').
KeyMods TakeModifiers(std::string_view& word)
{
    KeyMods mods = {false, false, false};
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& m : ModifierTbl) {
            if (word.size() > m.Prefix.size() && StartsWithName(word, m.Prefix)) {
                mods.*m.Flag = true;
                word.remove_prefix(m.Prefix.size());
                found = true;
            }
        }
    }
    return mods;
}

bool AnyModifier(const KeyMods& mods)
{
    return mods.Ctrl || mods.Alt || mods.Shift;
}

template <typename T>
bool ParseNumber(std::string_view word, T& value)
{
    const char* end = word.data() + word.size();
    const auto [last, error] = std::from_chars(word.data(), end, value);
    return error == std::errc{} && last == end;
}

struct PcKeyName {
    std::string_view Name;
    int VirtualKey;
};

// CTRL is a key of its own too: releasing it lets go of the panel keys held with Ctrl and the mouse.
constexpr PcKeyName PcKeyTbl[] = {
    {"UP", VK_UP},         {"DOWN", VK_DOWN},  {"LEFT", VK_LEFT},       {"RIGHT", VK_RIGHT},
    {"ENTER", VK_RETURN},  {"ESC", VK_ESCAPE}, {"BACKSPACE", VK_BACK},  {"CTRL", VK_CONTROL},
};

bool FunctionKey(std::string_view word, ScriptKey& key)
{
    int n = 0;
    if (word.size() < 2 || Upper(word[0]) != 'F' || !ParseNumber(word.substr(1), n) || n < 1 || n > 12)
        return false;
    key = {ScriptKeyKind::Pc, VK_F1 + n - 1};
    return true;
}

bool NamedKey(std::string_view word, ScriptKey& key)
{
    for (const PanelRegion* r = PanelRegions.data(); r->Key >= 0; ++r) {
        if (SameName(word, r->Label)) {
            key = {ScriptKeyKind::Panel, r->Key};
            return true;
        }
    }
    for (const PcKeyName& pc : PcKeyTbl) {
        if (SameName(word, pc.Name)) {
            key = {ScriptKeyKind::Pc, pc.VirtualKey};
            return true;
        }
    }
    return FunctionKey(word, key);
}

bool Printable(char c)
{
    return c >= ' ' && c <= '~';
}

bool ParseKey(std::string_view word, ScriptKey& key)
{
    if (word.size() == 1 && Printable(word[0])) {
        key = {ScriptKeyKind::Char, word[0]};
        return true;
    }
    return NamedKey(word, key);
}

// The argument words, when there are from least to most of them; otherwise the error.
std::string TakeWords(std::string_view args, std::size_t least, std::size_t most, const char* missing,
                      std::vector<std::string_view>& words)
{
    words = Words(args);
    if (words.size() < least)
        return missing;
    if (words.size() > most)
        return "unexpected " + Quoted(words[most]);
    return {};
}

std::string ParseKeyArgs(ScriptCommand& cmd, std::string_view args)
{
    std::vector<std::string_view> words;
    if (std::string error = TakeWords(args, 1, 1, "missing key", words); !error.empty())
        return error;
    std::string_view word = words[0];
    const KeyMods mods = TakeModifiers(word);
    if (!ParseKey(word, cmd.Key))
        return "unknown key " + Quoted(words[0]);
    cmd.Mods = mods;
    return {};
}

std::string ParseTypeArgs(ScriptCommand& cmd, std::string_view text)
{
    if (text.empty())
        return "missing text";
    for (const char c : text) {
        if (!Printable(c))
            return "cannot type the byte " + HexByte(c);
    }
    cmd.Text = text;
    return {};
}

std::string ParsePointArgs(ScriptCommand& cmd, std::string_view args)
{
    std::vector<std::string_view> words;
    if (std::string error = TakeWords(args, 2, 2, "missing coordinates: X Y", words); !error.empty())
        return error;
    std::string error = ParseInRange(CommandName(cmd.Op), words[0], "X", MIN_SCRIPT_COORD, MAX_SCRIPT_COORD, cmd.X);
    if (error.empty())
        error = ParseInRange(CommandName(cmd.Op), words[1], "Y", MIN_SCRIPT_COORD, MAX_SCRIPT_COORD, cmd.Y);
    return error;
}

std::string ParseWaitArgs(ScriptCommand& cmd, std::string_view args)
{
    std::vector<std::string_view> words;
    if (std::string error = TakeWords(args, 1, 1, "missing milliseconds", words); !error.empty())
        return error;
    return ParseInRange(CommandName(cmd.Op), words[0], "milliseconds", std::uint32_t{0}, MAX_WAIT_MS, cmd.Ms);
}

struct MenuItemName {
    std::string_view Text;
    int Command;
};

constexpr MenuItemName MenuTbl[] = {
    {"Orvel 4", CMD_ORVEL_4},   {"Orvel 6", CMD_ORVEL_6},   {"Orvel 8", CMD_ORVEL_8},
    {"Orvel 12", CMD_ORVEL_12}, {"Save LCD", CMD_SAVE_LCD},
};

std::string ParseMenuArgs(ScriptCommand& cmd, std::string_view args)
{
    const std::string_view name = Trim(args);
    if (name.empty())
        return "missing menu item";
    for (const MenuItemName& item : MenuTbl) {
        if (SameName(name, item.Text)) {
            cmd.MenuCommand = item.Command;
            return {};
        }
    }
    return "unknown menu item " + Quoted(name);
}

std::string ParseNoArgs(ScriptCommand&, std::string_view args)
{
    std::vector<std::string_view> words;
    return TakeWords(args, 0, 0, "", words);
}

std::string ParseShotArgs(ScriptCommand& cmd, std::string_view args)
{
    std::vector<std::string_view> words;
    if (std::string error = TakeWords(args, 1, 2, "missing file", words); !error.empty())
        return error;
    cmd.Text = words[0];
    cmd.Zoom = MIN_SHOT_ZOOM;
    if (std::string error = NameError("file name", cmd.Text); !error.empty())
        return error;
    if (words.size() == 2)
        return ParseInRange(CommandName(cmd.Op), words[1], "zoom", MIN_SHOT_ZOOM, MAX_SHOT_ZOOM, cmd.Zoom);
    return {};
}

std::string ParseInspectArgs(ScriptCommand& cmd, std::string_view args)
{
    std::vector<std::string_view> words;
    if (std::string error = TakeWords(args, 0, 1, "", words); !error.empty())
        return error;
    if (words.empty())
        return {};
    cmd.Text = words[0];
    return NameError("file name", cmd.Text);
}

// " #" and digits at the end pick the Nth page of the name, however many digits there are.
std::string TakePageNumber(std::string_view& text, std::size_t& nth)
{
    nth = 1;
    const std::size_t hash = text.rfind(" #");
    if (hash == std::string_view::npos)
        return {};
    const std::string_view written = text.substr(hash + 1);
    const std::string_view digits = written.substr(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return {};
    text = text.substr(0, hash);
    if (ParseInRange("goto", digits, "", std::size_t{1}, MAX_GOTO_NTH, nth).empty())
        return {};
    return RangeError("goto", written, "page number", 1, MAX_GOTO_NTH);
}

// "goto TITLE" or "goto TITLE #N": the rest of the line names the page ("CH# SETUP" keeps its '#').
std::string ParseGotoArgs(ScriptCommand& cmd, std::string_view text)
{
    const std::size_t end = text.find_last_not_of(Blanks);
    text = text.substr(0, end == std::string_view::npos ? 0 : end + 1);
    if (std::string error = TakePageNumber(text, cmd.Nth); !error.empty())
        return error;
    if (text.empty())
        return "missing page title";
    cmd.Text = text;
    return NameError("page name", cmd.Text);
}

std::string ParseAnswerArgs(ScriptCommand& cmd, std::string_view args)
{
    const std::vector<std::string_view> words = Words(args);
    if (words.size() == 1 && (SameName(words[0], "ok") || SameName(words[0], "cancel"))) {
        cmd.AnswerOk = SameName(words[0], "ok");
        return {};
    }
    return "answer takes ok or cancel";
}

using ArgParser = std::string (*)(ScriptCommand& cmd, std::string_view args);

struct CommandEntry {
    std::string_view Name;
    ScriptOp Op;
    ArgParser Parse;
    bool Mouse;    // takes modifier prefixes on the command itself
    bool RawText;  // the rest of the line as written, '#' included
};

constexpr CommandEntry CommandTbl[] = {
    {"press", ScriptOp::Press, ParseKeyArgs, false, false},
    {"down", ScriptOp::Down, ParseKeyArgs, false, false},
    {"up", ScriptOp::Up, ParseKeyArgs, false, false},
    {"type", ScriptOp::Type, ParseTypeArgs, false, true},
    {"click", ScriptOp::Click, ParsePointArgs, true, false},
    {"mousedown", ScriptOp::MouseDown, ParsePointArgs, true, false},
    {"mouseup", ScriptOp::MouseUp, ParsePointArgs, true, false},
    {"move", ScriptOp::Move, ParsePointArgs, true, false},
    {"wait", ScriptOp::Wait, ParseWaitArgs, false, false},
    {"menu", ScriptOp::Menu, ParseMenuArgs, false, false},
    {"save-lcd", ScriptOp::SaveLcd, ParseNoArgs, false, false},
    {"shot", ScriptOp::Shot, ParseShotArgs, false, false},
    {"answer", ScriptOp::Answer, ParseAnswerArgs, false, false},
    {"inspect", ScriptOp::Inspect, ParseInspectArgs, false, false},
    {"goto", ScriptOp::Goto, ParseGotoArgs, false, true},
};

const CommandEntry* FindCommand(std::string_view name)
{
    for (const CommandEntry& entry : CommandTbl)
        if (SameName(name, entry.Name))
            return &entry;
    return nullptr;
}

std::string_view CommandName(ScriptOp op)
{
    for (const CommandEntry& entry : CommandTbl)
        if (entry.Op == op)
            return entry.Name;
    return {};
}

// Adds the line's command, if it has one; the error message when the line is wrong.
std::string ParseLine(std::string_view line, int number, std::vector<ScriptCommand>& commands)
{
    line = TrimLeft(line);
    if (line.empty() || line.front() == '#')
        return {};
    const std::size_t end = std::min(line.find_first_of(Blanks), line.size());
    const std::string_view written = line.substr(0, end);
    const std::string_view rest = end < line.size() ? line.substr(end + 1) : std::string_view{};
    std::string_view name = written;
    ScriptCommand cmd{.Op = ScriptOp::Wait, .Line = number, .Mods = TakeModifiers(name), .Key = {}, .X = 0, .Y = 0,
                      .Ms = 0, .Zoom = 0, .MenuCommand = 0, .AnswerOk = true, .Text = {}};
    const CommandEntry* entry = FindCommand(name);
    if (!entry)
        return "unknown command " + Quoted(written);
    if (AnyModifier(cmd.Mods) && !entry->Mouse)
        return Quoted(entry->Name) + " takes no modifiers";
    cmd.Op = entry->Op;
    std::string error = entry->Parse(cmd, entry->RawText ? rest : WithoutComment(rest));
    if (error.empty())
        commands.push_back(std::move(cmd));
    return error;
}

constexpr std::string_view TextRule = "the script must be UTF-8 or ASCII text";

struct ByteOrderMark {
    std::string_view Bytes;
    const char* Encoding;  // null: UTF-8, skipped
};

using namespace std::string_view_literals;

// UTF-32's marks before UTF-16's, since the little-endian one begins with UTF-16's.
constexpr ByteOrderMark ByteOrderMarkTbl[] = {
    {"\xEF\xBB\xBF"sv, nullptr}, {"\xFF\xFE\0\0"sv, "UTF-32"}, {"\0\0\xFE\xFF"sv, "UTF-32"},
    {"\xFF\xFE"sv, "UTF-16"},    {"\xFE\xFF"sv, "UTF-16"},
};

// Skips a UTF-8 byte-order mark; the error for the mark of another encoding.
std::string SkipByteOrderMark(std::string_view& text)
{
    for (const ByteOrderMark& mark : ByteOrderMarkTbl) {
        if (!text.starts_with(mark.Bytes))
            continue;
        if (mark.Encoding)
            return std::string("a ") + mark.Encoding + " byte-order mark: " + std::string(TextRule);
        text.remove_prefix(mark.Bytes.size());
        return {};
    }
    return {};
}

// Takes the text up to the next line end (LF, CR LF or CR) and the end off the front of the text.
std::string_view TakeLine(std::string_view& text)
{
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::string_view line = text.substr(0, end);
    const bool crlf = text.substr(end).starts_with("\r\n");
    text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
    return line;
}

// The line must be UTF-8 without NUL bytes, and short enough that no mistake in it is a flood.
std::string CheckLineText(std::string_view line)
{
    if (line.size() > MAX_SCRIPT_LINE)
        return "the line is longer than " + std::to_string(MAX_SCRIPT_LINE) + " bytes";
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] == '\0')
            return "a NUL byte: " + std::string(TextRule);
        const std::size_t length = Utf8SequenceAt(line, at);
        if (length == 0)
            return "the byte " + HexByte(line[at]) + " is not UTF-8: " + std::string(TextRule);
        at += length;
    }
    return {};
}

ScriptParse Failed(int line, std::string error)
{
    ScriptParse parse;
    parse.ErrorLine = line;
    parse.Error = std::move(error);
    return parse;
}

}  // namespace

ScriptParse ParseScript(std::string_view text)
{
    if (std::string error = SkipByteOrderMark(text); !error.empty())
        return Failed(1, std::move(error));
    ScriptParse result;
    for (int number = 1; !text.empty(); ++number) {
        const std::string_view line = TakeLine(text);
        std::string error = CheckLineText(line);
        if (error.empty())
            error = ParseLine(line, number, result.Commands);
        if (!error.empty())
            return Failed(number, std::move(error));
    }
    return result;
}

std::string ScriptErrorText(const std::string& file, int line, const std::string& message)
{
    return file + (line > 0 ? ":" + std::to_string(line) : std::string{}) + ": " + message;
}
