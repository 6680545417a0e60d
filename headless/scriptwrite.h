#pragma once
// Commands back into script lines, for the scripts programs write: the soak's failing runs, and
// sessions recorded from the desktop.
#include <string>

#include "headless/script.h"

// The command as one script line, without the line end, that ParseScript reads as the same command
// (the line number aside). Empty for a command no line gives: a key press of the blank or of '#'
// without a modifier (scripts type those), typed text that is empty or not printable, or a key, menu
// item, file name or zoom the language does not know.
std::string ScriptCommandText(const ScriptCommand& cmd);
