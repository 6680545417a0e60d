#include "host/hostdebug.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "common/debug.h"
#include "ui/catalogue.h"
#include "uicore/uicontrols.h"
#include "uicore/uimain.h"

namespace {

bool Quiet;
std::vector<HostObserver*> Observers;
const UIPage* PageSeen;  // the page last named to the observers

constexpr std::size_t MAX_TRACE_LINE = 160;

void TellObservers(HostTraceKind kind, const char* format, va_list args)
{
    char line[MAX_TRACE_LINE];
    std::vsnprintf(line, sizeof(line), format, args);
    std::string_view text(line);
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    // an observer may remove itself while it is told
    for (HostObserver* observer : std::vector<HostObserver*>(Observers))
        observer->TraceLine(kind, text);
}

void Debug(HostTraceKind kind, const char* format, va_list args)
{
    if (!Observers.empty()) {
        va_list copy;
        va_copy(copy, args);
        TellObservers(kind, format, copy);
        va_end(copy);
    }
    if (Quiet)
        return;
    std::vprintf(format, args);
    std::fflush(stdout);
}

}  // namespace

void HostDebug(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Debug(HostTraceKind::Other, format, args);
    va_end(args);
}

void HostDebugAs(HostTraceKind kind, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Debug(kind, format, args);
    va_end(args);
}

void HostDebugQuiet(bool quiet)
{
    Quiet = quiet;
}

void HostObserve(HostObserver* observer)
{
    if (!ASSERT(observer) || std::ranges::find(Observers, observer) != Observers.end())
        return;
    // the page shown when watching starts is not a page change
    if (Observers.empty())
        PageSeen = UICurrentPage;
    Observers.push_back(observer);
}

void HostUnobserve(HostObserver* observer)
{
    std::erase(Observers, observer);
}

bool HostObserved()
{
    return !Observers.empty();
}

void HostTrace(HostTraceKind kind, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    TellObservers(kind, format, args);
    va_end(args);
}

void HostTraceRedrawn()
{
    if (Observers.empty())
        return;
    if (UICurrentPage != PageSeen) {
        PageSeen = UICurrentPage;
        char name[MAX_UI_TEXT] = "";
        if (PageSeen)
            CataloguePageName(PageSeen, name);
        HostTrace(HostTraceKind::Page, "PAGE %s", name);
    }
    for (HostObserver* observer : std::vector<HostObserver*>(Observers))
        observer->LcdRedrawn();
}
