#pragma once
// Assertion reporting: a failed check reports its expression text, the source module and the
// line, then processing continues with the values given (the recorder never halts on a check).
struct AssertReport {
    const char* Expression;
    const char* Module;  // "uicore/uimain": folder and file name without extension
    unsigned Line;
};

// Receives every report; the default writes it to the diagnostic output (stderr).
using AssertSink = void (*)(const AssertReport& report);

// Installs a sink (null restores the default) and returns the previous one.
AssertSink AssertSetSink(AssertSink sink);

// Reports a failed check at the source file's line.
void AssertFailed(const char* expression, const char* file, unsigned line);

// A macro only because the expression text and the call site cannot be captured otherwise (the file
// and line macros rather than std::source_location, which not every compiler's library has). Its value
// is the check's, so that callers can branch on it; the false is spelled here, where the optimiser sees
// it, so that it knows a failed check's guard is taken and does not warn about the path it prevents.
#define ASSERT(expr) \
    (static_cast<bool>(expr) ? true : (AssertFailed(#expr, __FILE__, __LINE__), false))
