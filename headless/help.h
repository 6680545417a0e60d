#pragma once
// The text of orvel-headless --help, made from the tables the parsers read: the usage line first, then
// the options, the script commands, the key names and the menu items.
#include <string>

std::string HeadlessHelpText();
