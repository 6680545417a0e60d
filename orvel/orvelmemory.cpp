#include "orvel/orvelpages.h"

#include <iterator>
#include <span>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "common/format.h"
#include "common/numberof.h"
#include "uicore/uipagetitle.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"

std::int32_t StoreStep;
std::int32_t StoreResult = PRESET_BUSY;
std::int32_t RecallStep;
std::int32_t RecallResult = PRESET_BUSY;

namespace {

constexpr std::int32_t CENTRE_X = 110;
constexpr std::int32_t LINES_TOP = 35;
// The walk goes from its first step straight to the last: the simulated memories need no waiting.
constexpr std::int32_t PRESET_FINISHED = 3;

// Lines are formats printed with one number: the memory's, or for an error the result.
struct MemoryKind {
    std::int32_t* Step;
    std::int32_t* Result;
    void (*Act)(std::int32_t n);
    std::span<const char* const> Prompt;
    const char* Error;
    std::span<const char* const> Done;
};

constexpr const char* PleaseWait[] = {"Please wait..."};

constexpr const char* StorePrompt[] = {"Press * to Store", "Preset #%d", "", "Press BACK to Exit"};
constexpr const char* StoreDone[] = {"Settings have been", "stored to Preset #%d"};
constexpr MemoryKind StoreKind = {.Step = &StoreStep, .Result = &StoreResult, .Act = PresetStore,
                                  .Prompt = StorePrompt, .Error = "Error in Store (%d)", .Done = StoreDone};

constexpr const char* RecallPrompt[] = {"Press * to recall", "preset #%d", "", "Press BACK to Exit"};
constexpr const char* RecallDone[] = {
    "Settings have been", "recalled from preset #%d", "", "*** RESTART ORVEL NOW ***"};
constexpr MemoryKind RecallKind = {.Step = &RecallStep, .Result = &RecallResult,
                                   .Act = [](std::int32_t) { PresetRecall(); }, .Prompt = RecallPrompt,
                                   .Error = "Error In Recall (%d)", .Done = RecallDone};

PageTitle StoreMemory1Title = TitleOf("STORE MEMORY", StoreMemory1Title);
PageTitle StoreMemory2Title = TitleOf("STORE MEMORY", StoreMemory2Title);
PageTitle StoreMemory3Title = TitleOf("STORE MEMORY", StoreMemory3Title);
PageTitle RecallMemory1Title = TitleOf("RECALL MEMORY", RecallMemory1Title);
PageTitle RecallMemory2Title = TitleOf("RECALL MEMORY", RecallMemory2Title);
PageTitle RecallMemory3Title = TitleOf("RECALL MEMORY", RecallMemory3Title);

}  // namespace

UIPage StoreMemory1Page = TitledPage(StoreMemoryHandler, StoreMemory1Title);
UIPage StoreMemory2Page = TitledPage(StoreMemoryHandler, StoreMemory2Title);
UIPage StoreMemory3Page = TitledPage(StoreMemoryHandler, StoreMemory3Title);
UIPage RecallMemory1Page = TitledPage(RecallMemoryHandler, RecallMemory1Title);
UIPage RecallMemory2Page = TitledPage(RecallMemoryHandler, RecallMemory2Title);
UIPage RecallMemory3Page = TitledPage(RecallMemoryHandler, RecallMemory3Title);

const UIKeepsPowerOn KeptPages{StoreStep, StoreResult, RecallStep, RecallResult, StoreMemory1Page, StoreMemory2Page,
                               StoreMemory3Page, RecallMemory1Page, RecallMemory2Page, RecallMemory3Page};

namespace {

struct MemoryPage {
    const UIPage* Page;
    std::int32_t Memory;
};

constexpr MemoryPage MemoryTbl[] = {
    {&StoreMemory1Page, 1},  {&StoreMemory2Page, 2},  {&StoreMemory3Page, 3},
    {&RecallMemory1Page, 1}, {&RecallMemory2Page, 2}, {&RecallMemory3Page, 3},
};

std::int32_t MemoryOf(const void* page)
{
    std::size_t index = 0;
    while (index < std::size(MemoryTbl) && MemoryTbl[index].Page != page)
        ++index;
    if (!ASSERT(index < numberof(MemoryTbl)))
        return 0;
    return MemoryTbl[index].Memory;
}

void DrawLines(std::span<const char* const> formats, std::int32_t number)
{
    std::int32_t y = LINES_TOP;
    for (const char* format : formats) {
        char text[MAX_UI_TEXT];
        FormatText(text, sizeof(text), format, number);
        y = DrawTextCentred(&LcdCanvas, CENTRE_X, y, text);
    }
}

void DrawMemory(const MemoryKind& kind, std::int32_t n)
{
    if (*kind.Step == 0)
        DrawLines(kind.Prompt, n);
    else if (*kind.Result == PRESET_BUSY)
        DrawLines(PleaseWait, 0);
    else if (*kind.Result != PRESET_DONE)
        DrawLines({&kind.Error, 1}, *kind.Result);
    else
        DrawLines(kind.Done, n);
}

std::uint32_t MemoryPageHandler(const MemoryKind& kind, void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        if (MsgParamUnsigned(msg) != KEY_STAR)
            return 0;
        kind.Act(MemoryOf(self));
        return 1;
    case MSG_PAGE_ENTER:
        *kind.Step = 0;
        *kind.Result = PRESET_BUSY;
        return 0;
    case MSG_REDRAW:
        DrawMemory(kind, MemoryOf(self));
        return 0;
    default:
        return 0;
    }
}

}  // namespace

void PresetStore(std::int32_t)
{
    if (++StoreStep == 1) {
        StoreStep = PRESET_FINISHED;
        StoreResult = PRESET_DONE;
    }
}

void PresetRecall()
{
    if (++RecallStep == 1) {
        RecallStep = PRESET_FINISHED;
        RecallResult = PRESET_DONE;
    }
}

std::uint32_t StoreMemoryHandler(void* self, Message* msg)
{
    return MemoryPageHandler(StoreKind, self, msg);
}

std::uint32_t RecallMemoryHandler(void* self, Message* msg)
{
    return MemoryPageHandler(RecallKind, self, msg);
}
