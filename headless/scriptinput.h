#pragma once
// What a script's commands do to the recorder, for every front end that runs scripts: the headless
// runner on its virtual clock and the desktop on its simulated one. Waits and answers are the front
// end's own.
#include <ostream>
#include <string>
#include <string_view>

#include "headless/headlessui.h"
#include "headless/script.h"

// Runs an input command (keys, characters, the mouse, menu items, goto); false for any other.
bool ScriptInput(const ScriptCommand& cmd);
// Runs shot or inspect: files go to outDir (the current folder when empty), an inspect without a file
// to out. The file that could not be written and why; an empty Reason when it was.
WriteFailure ScriptOutput(const ScriptCommand& cmd, const std::string& outDir, std::ostream& out);
// The script parsed and checked as a whole; a goto naming no page is an error too.
ScriptParse CheckScript(std::string_view text);
