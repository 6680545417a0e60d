#include "orvel/orvelpages.h"

#include <algorithm>
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

namespace {

constexpr std::int32_t CENTRE_X = 110;
constexpr std::int32_t PROMPT_TOP = 35;
constexpr std::int32_t BUSY_TOP = 28;  // the long-running actions' outcome starts higher
constexpr std::size_t STATUS_BOX_CHARS = 24;
constexpr std::int32_t LAST_SEGMENT = 55;

constexpr const char* StatusTexts[] = {
    "Ready: 31GB free", "Mirroring (100%)", "rec time 00:06:14", "", "INT", "NEXT", "Z009",
};

// One centred line; a line that is a format shows the status text Fill in its %s.
struct ConfirmLine {
    const char* Format;
    StatusTextId Fill = STATUS_EMPTY;
    std::int32_t Gap = 0;  // extra pixels below the line
};

// What a page shows from step FromStep on, until a later screen's step is reached.
struct ConfirmScreen {
    std::int32_t FromStep;
    std::int32_t Top;
    std::span<const ConfirmLine> Lines;
};

enum ConfirmBox : std::uint8_t { BOX_NONE, BOX_STATUS, BOX_LAST_SEG };

struct ConfirmRules {
    UIPage* Page;
    std::span<const ConfirmScreen> Screens;
    ConfirmBox Box;
    std::int32_t FirstStar;  // the step the first STAR leads to
    bool StarOnlyAtStart;    // later STARs are taken but count no further
    bool KeepsStep;          // entering the page again shows where it stood
};

constexpr std::span<const ConfirmLine> NoLines;
constexpr ConfirmLine ExitOnly[] = {{""}, {""}, {"Press BACK to Exit"}};

constexpr ConfirmLine EraseMirrorAsk[] = {{"Press * to Format"}, {"Mirror Card"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen EraseMirrorScreens[] = {{0, PROMPT_TOP, EraseMirrorAsk}, {1, PROMPT_TOP, ExitOnly}};

constexpr ConfirmLine ErasePrimaryAsk[] = {{"Press * to Format"}, {"Primary Card"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmLine ErasePrimarySure[] = {
    {"This is the PRIMARY CF"}, {"card you are about to erase"}, {.Format = "ARE YOU SURE?", .Gap = 3},
    {"Press * to Continue"},    {"Press BACK to Exit"},
};
constexpr ConfirmLine ErasePrimaryBusy[] = {{"This will take"}, {"about 6 minutes"}};
constexpr ConfirmScreen ErasePrimaryScreens[] = {
    {0, PROMPT_TOP, ErasePrimaryAsk}, {1, PROMPT_TOP, ErasePrimarySure}, {2, BUSY_TOP, ErasePrimaryBusy}};

constexpr std::int32_t FACTORY_RESET_DONE = 5;
constexpr ConfirmLine FactoryResetAsk[] = {
    {"Press * to Restore"}, {"Factory Defaults"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmLine FactoryResetDone[] = {
    {"Default Settings"}, {.Format = "have been restored.", .Gap = 6}, {"Restart Orvel now"}};
constexpr ConfirmScreen FactoryResetScreens[] = {
    {0, PROMPT_TOP, FactoryResetAsk}, {FACTORY_RESET_DONE, PROMPT_TOP, FactoryResetDone}};

constexpr ConfirmLine ClearFadersAsk[] = {{"Press * to Clear"}, {"All Fader Assigns"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmLine ClearFadersDone[] = {{"Fader Assignments"}, {"have been cleared."}};
constexpr ConfirmScreen ClearFadersScreens[] = {{0, PROMPT_TOP, ClearFadersAsk}, {1, PROMPT_TOP, ClearFadersDone}};

constexpr ConfirmLine DeleteLastSegAsk[] = {
    {"Press * to Delete "}, {"Segment %s", STATUS_LAST_SEG}, {"in Folder %s", STATUS_FOLDER},
    {"                  "}, {"Press BACK to Exit"},
};
constexpr ConfirmScreen DeleteLastSegScreens[] = {{0, PROMPT_TOP, DeleteLastSegAsk}, {1, PROMPT_TOP, ExitOnly}};

constexpr ConfirmLine EraseFolderAsk[] = {
    {"Press * to erase"}, {"folder"}, {"Z001 (5 segs)"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen EraseFolderScreens[] = {{0, PROMPT_TOP, EraseFolderAsk}};

constexpr ConfirmLine UsbStatusAsk[] = {{"USB STATUS TEST"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen UsbStatusScreens[] = {{0, PROMPT_TOP, UsbStatusAsk}, {1, PROMPT_TOP, ExitOnly}};

constexpr ConfirmLine StoreToMirAsk[] = {
    {"Press * to store"}, {"settings to"}, {"Mirror CF Card"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen StoreToMirScreens[] = {{0, PROMPT_TOP, StoreToMirAsk}, {1, PROMPT_TOP, NoLines}};

constexpr ConfirmLine RecallFromMirAsk[] = {
    {"Press * to recall"}, {"settings from"}, {"Mirror CF Card"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen RecallFromMirScreens[] = {{0, PROMPT_TOP, RecallFromMirAsk}, {1, PROMPT_TOP, NoLines}};

// Ten presses, so that the boot loader is not burnt by accident.
constexpr std::int32_t BURN_BOOT_PRESSES = 10;
constexpr ConfirmLine BurnBootLoaderAsk[] = {
    {"Press * 10 times to"}, {"Burn Bootloader to ROM"}, {""}, {"Press BACK to Exit"}};
constexpr ConfirmScreen BurnBootLoaderScreens[] = {
    {0, PROMPT_TOP, BurnBootLoaderAsk}, {BURN_BOOT_PRESSES, PROMPT_TOP, NoLines}};

constexpr ConfirmLine BurnKavlinAsk[] = {
    {"Press * to Program"}, {"Kavlin Processor with"}, {"Program File RVKS-033.h"}, {""},
    {"(Currently running 0.29)"}, {""}, {"Press BACK to Exit"},
};
constexpr ConfirmLine BurnKavlinBusy[] = {{"This will complete"}, {"in about 2 minutes"}};
constexpr ConfirmScreen BurnKavlinScreens[] = {{0, PROMPT_TOP, BurnKavlinAsk}, {1, BUSY_TOP, BurnKavlinBusy}};

PageTitle EraseMirrorTitle = TitleOf("ERASE MIRROR", EraseMirrorTitle);
PageTitle ErasePrimaryTitle = TitleOf("ERASE PRIMARY", ErasePrimaryTitle);
PageTitle FactoryResetTitle = TitleOf("FACTORY RESET", FactoryResetTitle);
PageTitle ClearFadersTitle = TitleOf("CLEAR FADERS", ClearFadersTitle);
PageTitle DeleteLastSegTitle = TitleOf("DELETE LAST SEG", DeleteLastSegTitle);
PageTitle EraseFolderTitle = TitleOf("ERASE FOLDER", EraseFolderTitle);
PageTitle UsbStatusTitle = TitleOf("USB STATUS", UsbStatusTitle);
PageTitle StoreToMirTitle = TitleOf("STORE TO MIR", StoreToMirTitle);
PageTitle RecallFromMirTitle = TitleOf("RECALL FROM MIR", RecallFromMirTitle);
PageTitle BurnBootLoaderTitle = TitleOf("BURN BOOT LOADER", BurnBootLoaderTitle);
PageTitle BurnKavlinSwTitle = TitleOf("BURN KAVLIN SW", BurnKavlinSwTitle);

}  // namespace

UIPage EraseMirrorPage = TitledPage(ConfirmPageHandler, EraseMirrorTitle);
UIPage ErasePrimaryPage = TitledPage(ConfirmPageHandler, ErasePrimaryTitle);
UIPage FactoryResetPage = TitledPage(ConfirmPageHandler, FactoryResetTitle);
UIPage ClearFadersPage = TitledPage(ConfirmPageHandler, ClearFadersTitle);
UIPage DeleteLastSegPage = TitledPage(ConfirmPageHandler, DeleteLastSegTitle);
UIPage EraseFolderPage = TitledPage(ConfirmPageHandler, EraseFolderTitle);
UIPage UsbStatusPage = TitledPage(ConfirmPageHandler, UsbStatusTitle);
UIPage StoreToMirPage = TitledPage(ConfirmPageHandler, StoreToMirTitle);
UIPage RecallFromMirPage = TitledPage(ConfirmPageHandler, RecallFromMirTitle);
UIPage BurnBootLoaderPage = TitledPage(ConfirmPageHandler, BurnBootLoaderTitle);
UIPage BurnKavlinSwPage = TitledPage(ConfirmPageHandler, BurnKavlinSwTitle);

const UIKeepsPowerOn KeptPages{EraseMirrorPage,   ErasePrimaryPage, FactoryResetPage,   ClearFadersPage,
                               DeleteLastSegPage, EraseFolderPage,  UsbStatusPage,      StoreToMirPage,
                               RecallFromMirPage, BurnBootLoaderPage, BurnKavlinSwPage};

namespace {

constexpr ConfirmRules ConfirmTbl[] = {
    {.Page = &EraseMirrorPage, .Screens = EraseMirrorScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = true, .KeepsStep = false},
    {.Page = &ErasePrimaryPage, .Screens = ErasePrimaryScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
    {.Page = &FactoryResetPage, .Screens = FactoryResetScreens, .Box = BOX_STATUS, .FirstStar = FACTORY_RESET_DONE,
     .StarOnlyAtStart = true, .KeepsStep = true},
    {.Page = &ClearFadersPage, .Screens = ClearFadersScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = true, .KeepsStep = true},
    {.Page = &DeleteLastSegPage, .Screens = DeleteLastSegScreens, .Box = BOX_LAST_SEG, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = true},
    {.Page = &EraseFolderPage, .Screens = EraseFolderScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
    {.Page = &UsbStatusPage, .Screens = UsbStatusScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = true, .KeepsStep = false},
    {.Page = &StoreToMirPage, .Screens = StoreToMirScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
    {.Page = &RecallFromMirPage, .Screens = RecallFromMirScreens, .Box = BOX_STATUS, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
    {.Page = &BurnBootLoaderPage, .Screens = BurnBootLoaderScreens, .Box = BOX_NONE, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
    {.Page = &BurnKavlinSwPage, .Screens = BurnKavlinScreens, .Box = BOX_NONE, .FirstStar = 1,
     .StarOnlyAtStart = false, .KeepsStep = false},
};

std::int32_t ConfirmStep[std::size(ConfirmTbl)];

const UIKeepsPowerOn KeptSteps{ConfirmStep};

// The page's row of ConfirmTbl, or the table's size for a page that is not a confirmation page.
std::size_t ConfirmIndex(const UIPage* page)
{
    std::size_t index = 0;
    while (index < std::size(ConfirmTbl) && ConfirmTbl[index].Page != page)
        ++index;
    return index;
}

std::int32_t Centred(std::int32_t y, const char* text)
{
    return DrawTextCentred(&LcdCanvas, CENTRE_X, y, text);
}

std::int32_t DrawLine(std::int32_t y, const ConfirmLine& line)
{
    char fill[MAX_UI_TEXT];
    char text[MAX_UI_TEXT];
    StatusText(fill, line.Fill, sizeof(fill));
    FormatText(text, sizeof(text), line.Format, fill);
    return Centred(y, text) + line.Gap;
}

void DrawStatusBox()
{
    Canvas* c = &LcdCanvas;
    std::int32_t y = LCD_HEIGHT - 4 * FontHeight(c, 0);
    CanvasDrawLine(c, 4, y, 215, y, COLOUR_BLACK);
    y += 6;
    for (const std::uint32_t which : {STATUS_FREE_SPACE, STATUS_MIRRORING, STATUS_REC_TIME}) {
        char text[STATUS_BOX_CHARS + 1];
        StatusText(text, which, sizeof(text));
        y = Centred(y, text);
    }
}

void DrawLastSegBox()
{
    Canvas* c = &LcdCanvas;
    std::int32_t y = LCD_HEIGHT - 3 * FontHeight(c, 0);
    CanvasDrawLine(c, 0, y, LCD_WIDTH, y, COLOUR_BLACK);
    y = Centred(y + 6, "Last Segment in");
    char folder[MAX_UI_TEXT];
    char segment[MAX_UI_TEXT];
    char text[MAX_UI_TEXT];
    StatusText(folder, STATUS_FOLDER, sizeof(folder));
    StatusText(segment, STATUS_LAST_SEG, sizeof(segment));
    FormatText(text, sizeof(text), "Folder %s is %s", folder, segment);
    Centred(y, text);
}

const ConfirmScreen& ScreenAt(const ConfirmRules& rules, std::int32_t step)
{
    const ConfirmScreen* shown = &rules.Screens.front();
    for (const ConfirmScreen& screen : rules.Screens)
        if (screen.FromStep <= step)
            shown = &screen;
    return *shown;
}

void DrawConfirm(std::size_t index)
{
    const ConfirmRules& rules = ConfirmTbl[index];
    const ConfirmScreen& screen = ScreenAt(rules, ConfirmStep[index]);
    std::int32_t y = screen.Top;
    for (const ConfirmLine& line : screen.Lines)
        y = DrawLine(y, line);
    if (rules.Box == BOX_STATUS)
        DrawStatusBox();
    else if (rules.Box == BOX_LAST_SEG)
        DrawLastSegBox();
}

std::uint32_t CountStar(std::size_t index)
{
    const ConfirmRules& rules = ConfirmTbl[index];
    std::int32_t& step = ConfirmStep[index];
    if (step == 0)
        step = rules.FirstStar;
    else if (!rules.StarOnlyAtStart)
        ++step;
    return 1;
}

void EnterConfirm(std::size_t index)
{
    if (!ConfirmTbl[index].KeepsStep)
        ConfirmStep[index] = 0;
}

}  // namespace

void StatusText(char* buffer, std::uint32_t which, std::size_t size)
{
    if (which == STATUS_LAST_SEG) {
        FormatText(buffer, size, "%03d", LAST_SEGMENT);
        return;
    }
    if (!ASSERT(which < numberof(StatusTexts)))
        which = STATUS_EMPTY;
    FormatText(buffer, size, "%s", StatusTexts[which]);
}

std::int32_t ConfirmStepOf(const UIPage* page)
{
    const std::size_t index = ConfirmIndex(page);
    if (!ASSERT(index < numberof(ConfirmTbl)))
        return 0;
    return ConfirmStep[index];
}

std::uint32_t ConfirmPageHandler(void* self, Message* msg)
{
    const std::size_t index = ConfirmIndex(static_cast<UIPage*>(self));
    if (!ASSERT(index < numberof(ConfirmTbl)))
        return 0;
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return MsgParamUnsigned(msg) == KEY_STAR ? CountStar(index) : 0;
    case MSG_PAGE_ENTER:
        EnterConfirm(index);
        return 0;
    case MSG_REDRAW:
        DrawConfirm(index);
        return 0;
    default:
        return 0;
    }
}
