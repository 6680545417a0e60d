#pragma once
// The scripts of the headless front end: one command a line, read in full and checked before any of
// it runs, so that a mistake on the last line costs no half-finished run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/panel.h"

enum class ScriptOp : std::uint8_t {
    Press,      // key down and up at the same time
    Down,
    Up,
    Type,       // character events only
    Click,      // mouse down and up at the same point
    MouseDown,
    MouseUp,
    Move,
    Wait,
    Menu,
    SaveLcd,
    Shot,
    Answer,
    Inspect,    // the state inspector's JSON into a file, or on one line of the output
    Goto,       // a page by its name, for reviews and tests
};

enum class ScriptKeyKind : std::uint8_t {
    Panel,  // a key of the panel picture, worked with the mouse; Code is its key value
    Pc,     // a PC key without a character; Code is its virtual-key code
    Char,   // a printable character; Code is the character
};

struct ScriptKey {
    ScriptKeyKind Kind;
    std::int32_t Code;
};

struct ScriptCommand {
    ScriptOp Op;
    int Line;
    KeyMods Mods;
    ScriptKey Key;            // press, down, up
    std::int32_t X;           // mouse commands
    std::int32_t Y;
    std::uint32_t Ms;         // wait
    int Zoom;                 // shot
    int MenuCommand;          // menu: the host command of the item
    bool AnswerOk;            // answer
    std::string Text;         // type: the characters; shot: the file; inspect: the file or empty; goto: the name
    std::size_t Nth;          // goto: which of the pages of that name, from 1
};

constexpr int MIN_SHOT_ZOOM = 1;
constexpr int MAX_SHOT_ZOOM = 8;
constexpr std::uint32_t MAX_WAIT_MS = 60 * 60 * 1000;  // an hour of simulated time: more is a typo
constexpr std::int32_t MIN_SCRIPT_COORD = -32768;      // the window system's mouse positions are 16-bit
constexpr std::int32_t MAX_SCRIPT_COORD = 32767;
constexpr std::size_t MAX_GOTO_NTH = 99;  // far more pages than share any one name
constexpr std::size_t MAX_SCRIPT_LINE = 4096;  // bytes, without the line end
constexpr std::size_t MAX_SCRIPT_BYTES = 16 << 20;  // reading stops there, whatever a pipe would go on giving

struct ScriptParse {
    std::vector<ScriptCommand> Commands;
    int ErrorLine = 0;  // 0: the script is good
    std::string Error;
};

// The text must be UTF-8 (a byte-order mark at the start is skipped) with no NUL byte and no line
// longer than MAX_SCRIPT_LINE; a line ends with LF, CR LF or CR.
ScriptParse ParseScript(std::string_view text);
// "FILE:LINE: message", or "FILE: message" for line 0 (the script as a whole)
std::string ScriptErrorText(const std::string& file, int line, const std::string& message);
