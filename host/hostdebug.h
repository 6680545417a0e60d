#pragma once
// The host's debug lines on the standard output; a scripted front end may silence them. A tool window
// may also watch them, with the lines only it wants (every tick, the pages entered) and the LCD's
// redraws: with no observer installed none of that costs more than a test of one pointer.
#include <string_view>

enum class HostTraceKind {
    Tick,   // the fast timing broadcasts: every 10 ms one and every 100 ms one
    Timer,  // the slower timing broadcasts
    Key,
    Char,
    Page,   // the page entered, by name
    Other,
};

class HostObserver {
public:
    virtual ~HostObserver() = default;
    // A debug line without its line end, whether or not the standard output gets it.
    virtual void TraceLine([[maybe_unused]] HostTraceKind kind, [[maybe_unused]] std::string_view line) {}
    // The LCD was drawn and shown anew.
    virtual void LcdRedrawn() {}
};

void HostDebug(const char* format, ...) __attribute__((format(printf, 1, 2)));
void HostDebugAs(HostTraceKind kind, const char* format, ...) __attribute__((format(printf, 2, 3)));
void HostDebugQuiet(bool quiet);

// Observers are not owned; each is installed at most once and must be removed before it goes.
void HostObserve(HostObserver* observer);
void HostUnobserve(HostObserver* observer);
bool HostObserved();
// For the lines only observers get; callers test HostObserved first so that nothing is formatted in vain.
void HostTrace(HostTraceKind kind, const char* format, ...) __attribute__((format(printf, 2, 3)));
// After every redraw of the LCD: names a page entered since the previous one, then tells the observers.
void HostTraceRedrawn();
