#pragma once
// What the fuzz targets and the regression test do with one input: hand it to a reader and check what
// the reader promises of its result. A broken promise is an assertion report, which aborts a fuzz
// target and fails a test.
#include <string>
#include <string_view>
#include <vector>

// A script: a bad one names a line of its own, keeps no command and says why in a short message; a
// good one keeps commands of valid values and clean names in line order, each what its line alone reads as.
void CheckScriptInput(std::string_view input);

// A command line, split into argument words by CommandLineWords, read by both front ends: a short
// message when it is refused, valid values and clean names when it is taken.
void CheckCommandLineInput(std::string_view input);

// A NUL or a line end ends each word; the first word is the program path.
std::vector<std::string> CommandLineWords(std::string_view input);
