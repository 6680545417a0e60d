#include "ui/ui.h"

#include <iterator>

#include "common/debug.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "ui/uihome.h"
#include "ui/uipages.h"
#include "uicore/uikeys.h"
#include "ui/catalogue.h"

namespace {

constexpr std::uint16_t PAGE_KEY_HOLD_MS = 1000;

enum TransportRequest : std::int32_t {
    REQUEST_NONE = -1,
    REQUEST_STOP = 0,
    REQUEST_PLAY = 1,
    REQUEST_RECORD = 2,
    REQUEST_BUS = 3,
    REQUEST_PFL = 4,
    REQUEST_SETUP = 5,
};

TransportSink Sink = OrvelTransportCmd;

void Request(std::int32_t cmd)
{
    if (cmd != REQUEST_NONE)
        Sink(static_cast<std::uint32_t>(cmd));
}

// Play also shows where the playback is followed.
void RequestPlay()
{
    Request(REQUEST_PLAY);
    UIGotoPage(&PlaybackControlPage);
}

void RequestFor(std::uint32_t key, std::int32_t cmd)
{
    if (key == KEY_AMIX)
        RequestPlay();
    else
        Request(cmd);
}

// A page key on its own: what a press held for its whole period or a short press does.
struct PageKey {
    std::uint32_t Key;
    std::int32_t Held;     // request when held with "SHIFTED" transport keys
    std::int32_t Shifted;  // request when pressed with the shift (REQUEST_NONE: an ordinary key)
};

constexpr PageKey PageKeyTbl[] = {
    {.Key = KEY_TC, .Held = REQUEST_RECORD, .Shifted = REQUEST_RECORD},
    {.Key = KEY_AMIX, .Held = REQUEST_PLAY, .Shifted = REQUEST_PLAY},
    {.Key = KEY_KLIN, .Held = REQUEST_STOP, .Shifted = REQUEST_STOP},
    {.Key = KEY_BUS, .Held = REQUEST_NONE, .Shifted = REQUEST_BUS},
    {.Key = KEY_PFL, .Held = REQUEST_NONE, .Shifted = REQUEST_PFL},
    {.Key = KEY_SETUP, .Held = REQUEST_SETUP, .Shifted = REQUEST_NONE},
};

const PageKey* PageKeyOf(std::uint32_t key)
{
    for (const PageKey& entry : PageKeyTbl)
        if (entry.Key == key)
            return &entry;
    return nullptr;
}

// The keys whose short press jumps to a page; PFL has no page of its own.
bool HasHold(std::uint32_t key)
{
    return key != KEY_PFL && PageKeyOf(key) != nullptr;
}

// The first key whose hold ran out while it is still down acts; the poll is never reported handled.
std::uint32_t TransportHoldTick()
{
    if (Orvel.TransportKeys != 1)
        return 0;
    for (const PageKey& entry : PageKeyTbl) {
        if (KeyHoldExpired(entry.Key) && KeyIsDown(entry.Key)) {
            RequestFor(entry.Key, entry.Held);
            break;
        }
    }
    return 0;
}

// With "UNSHIFTED" keys 1 to 6 are transport keys alone and ordinary keys with MENU held.
bool Shifted(std::uint32_t key)
{
    bool shift = KeyIsDown(KEY_MENU);
    const std::int32_t digit = KeyDigit(key);
    if (Orvel.TransportKeys == 0 && digit >= 1 && digit <= 6)
        shift = !shift;
    return shift;
}

std::uint32_t TransportKeyDown(std::uint32_t key)
{
    const PageKey* entry = PageKeyOf(key);
    if (!entry || entry->Shifted == REQUEST_NONE || !Shifted(key))
        return 0;
    RequestFor(key, entry->Shifted);
    KeyIgnoreRelease(KEY_MENU);
    UIRedraw();
    return 1;
}

void ToggleMp3Marker()
{
    Mp3MuteToggle();
    UIRedraw();
}

void AMixShortPress()
{
    if (Mp3SupportGet() != 0)
        ToggleMp3Marker();
    else
        UIGotoPage(AMixModeGet() == 0 ? &MetaDataPage : &AutoMixerSetupPage);
}

void ShortPress(std::uint32_t key)
{
    switch (key) {
    case KEY_TC:
        UIGotoPage(&SlatePage);
        break;
    case KEY_AMIX:
        AMixShortPress();
        break;
    case KEY_KLIN:
        UIGotoPage(Orvel.FeatKavlin ? &ChKavlinPage : &MetaDataPage);
        break;
    case KEY_BUS:
        UIGotoPage(&BusRoutingPage);
        break;
    case KEY_SETUP:
        UIGotoPage(&ChSetupPage);
        break;
    default:
        break;
    }
}

// Every page key's hold is polled so that it runs out on pages that do not poll it themselves: a long
// press then opens nothing.
std::uint32_t PageHoldTick()
{
    for (const PageKey& entry : PageKeyTbl)
        if (KeyHoldExpired(entry.Key) && entry.Key == KEY_SETUP && KeyIsDown(KEY_SETUP))
            Request(REQUEST_SETUP);
    return 0;
}

std::uint32_t PageKeyDown(std::uint32_t key)
{
    KeyHoldStart(key, PAGE_KEY_HOLD_MS);
    return 1;
}

std::uint32_t PageKeyUp(std::uint32_t key)
{
    if (!KeyHoldRunning(key))
        return 1;
    KeyHoldStop(key);
    ShortPress(key);
    return 1;
}

// The home pages step settings upward with the arrows; lists elsewhere count rows downward.
std::uint32_t ArrowKey(UIPage* page, std::int32_t up)
{
    const bool home = page == &UIHomePage || page == &HomePanPage;
    MsgBroadcastParam(MSG_ENCODER, home ? up : -up);
    return 1;
}

std::uint32_t DefaultKeyDown(UIPage* page, Message* msg)
{
    const std::uint32_t key = MsgParamUnsigned(msg);
    if (HasHold(key))
        return PageKeyDown(key);
    switch (key) {
    case KEY_HP:
        UIGoBack();
        return 1;
    case KEY_UP:
    case KEY_RIGHT:
        return ArrowKey(page, 1);
    case KEY_DOWN:
    case KEY_LEFT:
        return ArrowKey(page, -1);
    default:
        return ShortcutKeysHandler(page, msg);
    }
}

std::uint32_t DefaultKeyUp(UIPage* page, Message* msg)
{
    const std::uint32_t key = MsgParamUnsigned(msg);
    return HasHold(key) ? PageKeyUp(key) : ShortcutKeysHandler(page, msg);
}

std::uint32_t FocusStep(UIPage* page, Message* msg)
{
    return UIFocusNext(page, MsgParamInt(msg) >= 1);
}

constexpr std::uint32_t Ctrl(std::uint32_t key)
{
    return KEY_MOD_CTRL | key;
}

constexpr std::uint32_t Alt(std::uint32_t key)
{
    return KEY_MOD_ALT | key;
}

constexpr std::uint32_t KEY_HOME = 145;

// A panel key as if it had been pressed and released on the panel.
void PanelTap(std::uint32_t key)
{
    MsgBroadcastParam(MSG_KEY_DOWN, key);
    MsgBroadcastParam(MSG_KEY_UP, key);
}

void TapBus()
{
    PanelTap(KEY_BUS);
}

void TapPfl()
{
    PanelTap(KEY_PFL);
}

void RequestRecord()
{
    Request(REQUEST_RECORD);
}

void RequestStop()
{
    Request(REQUEST_STOP);
}

void RequestSetup()
{
    Request(REQUEST_SETUP);
}

void Mp3MarkerShortcut()
{
    if (Mp3SupportGet() != 0)
        ToggleMp3Marker();
}

void EditScene()
{
    MsgSend(&SceneSetting, MSG_EDIT);
}

void EditTake()
{
    MsgSend(&TakeSetting, MSG_EDIT);
}

void EditNote()
{
    MsgSend(&NoteSetting, MSG_EDIT);
}

void StepHphMemory(bool up)
{
    OrvelHphMonStep(up, true);
    UIRedraw();
}

void NextHphMemory()
{
    StepHphMemory(true);
}

void PreviousHphMemory()
{
    StepHphMemory(false);
}

// A key either opens Page or runs Action.
struct Shortcut {
    std::uint32_t Key;
    UIPage* Page;
    void (*Action)();
    const char* Help;  // what the action does, for the help
};

constexpr Shortcut ShortcutTbl[] = {
    {.Key = KEY_F4, .Page = nullptr, .Action = TapBus, .Help = "BUS, as if pressed on the panel"},
    {.Key = 'B', .Page = nullptr, .Action = TapBus, .Help = "BUS, as if pressed on the panel"},
    {.Key = KEY_F5, .Page = nullptr, .Action = TapPfl, .Help = "PFL, as if pressed on the panel"},
    {.Key = 'P', .Page = nullptr, .Action = TapPfl, .Help = "PFL, as if pressed on the panel"},
    {.Key = Ctrl('R'), .Page = nullptr, .Action = RequestRecord, .Help = "transport: record"},
    {.Key = Ctrl('S'), .Page = nullptr, .Action = RequestStop, .Help = "transport: stop"},
    {.Key = Ctrl('P'), .Page = nullptr, .Action = RequestPlay, .Help = "transport: play, and shows the playback"},
    {.Key = Ctrl('T'), .Page = nullptr, .Action = RequestSetup, .Help = "transport: the setup request"},
    {.Key = Ctrl(KEY_F1), .Page = nullptr, .Action = Mp3MarkerShortcut,
     .Help = "the MP3 marker on or off (with MP3 support)"},
    {.Key = KEY_F1, .Page = &SlatePage, .Action = nullptr},
    {.Key = 'T', .Page = &SlatePage, .Action = nullptr},
    {.Key = KEY_F2, .Page = &MetaDataPage, .Action = nullptr},
    {.Key = 'A', .Page = &MetaDataPage, .Action = nullptr},
    {.Key = KEY_F3, .Page = &ChKavlinPage, .Action = nullptr},
    {.Key = 'Z', .Page = &ChKavlinPage, .Action = nullptr},
    {.Key = KEY_F6, .Page = &ChSetupPage, .Action = nullptr},
    {.Key = 'S', .Page = &ChSetupPage, .Action = nullptr},
    {.Key = KEY_F7, .Page = nullptr, .Action = EditScene, .Help = "edits the scene name"},
    {.Key = Alt('S'), .Page = nullptr, .Action = EditScene, .Help = "edits the scene name"},
    {.Key = KEY_F8, .Page = nullptr, .Action = EditTake, .Help = "edits the take name"},
    {.Key = Alt('T'), .Page = nullptr, .Action = EditTake, .Help = "edits the take name"},
    {.Key = KEY_F9, .Page = nullptr, .Action = EditNote, .Help = "edits the note"},
    {.Key = Alt('N'), .Page = nullptr, .Action = EditNote, .Help = "edits the note"},
    {.Key = KEY_HOME, .Page = &UIHomePage, .Action = nullptr},
    {.Key = 'M', .Page = &MainMenuPage, .Action = nullptr},
    {.Key = Alt('M'), .Page = &MainMenuPage, .Action = nullptr},
    {.Key = 'H', .Page = &HphRoutingPage, .Action = nullptr},
    {.Key = Alt('H'), .Page = &HphRoutingPage, .Action = nullptr},
    {.Key = Alt('E'), .Page = &RecordEnablesPage, .Action = nullptr},
    {.Key = Alt('K'), .Page = &EditTrackNamesPage, .Action = nullptr},
    {.Key = KEY_F10, .Page = &EditTrackNamesPage, .Action = nullptr},
    {.Key = '>', .Page = nullptr, .Action = NextHphMemory, .Help = "the next headphone memory"},
    {.Key = '<', .Page = nullptr, .Action = PreviousHphMemory, .Help = "the previous headphone memory"},
};

// Keys without a shortcut are consumed all the same: no later handler sees them.
std::uint32_t RunShortcut(std::uint32_t key)
{
    for (const Shortcut& shortcut : ShortcutTbl) {
        if (shortcut.Key != key)
            continue;
        if (shortcut.Page)
            UIGotoPage(shortcut.Page);
        else
            shortcut.Action();
        break;
    }
    return 1;
}

}  // namespace

TransportSink TransportSetSink(TransportSink sink)
{
    const TransportSink previous = Sink;
    Sink = sink ? sink : OrvelTransportCmd;
    return previous;
}

void StartUserInterface()
{
    CatalogueLinkParents();
    UIStart(&UIHomePage, PageDefaultHandler);
}

std::uint32_t PageDefaultHandler(UIPage* page, Message* msg)
{
    if (!ASSERT(page))
        return 0;
    switch (msg->Id) {
    case MSG_TIMER_10MS:
        return PageHoldTick();
    case MSG_KEY_DOWN:
        return DefaultKeyDown(page, msg);
    case MSG_KEY_UP:
        return DefaultKeyUp(page, msg);
    case MSG_ENCODER:
        return FocusStep(page, msg);
    default:
        return ShortcutKeysHandler(page, msg);
    }
}

std::uint32_t TransportKeysHandler(UIPage* page, Message* msg)
{
    if (!ASSERT(page))
        return 0;
    switch (msg->Id) {
    case MSG_TIMER_10MS:
        return TransportHoldTick();
    case MSG_KEY_DOWN:
        return TransportKeyDown(MsgParamUnsigned(msg));
    default:
        return 0;
    }
}

void ShortcutWalk(ShortcutVisitor visit, void* context)
{
    for (const Shortcut& shortcut : ShortcutTbl)
        visit(shortcut.Key, shortcut.Page, shortcut.Help, context);
}

std::uint32_t ShortcutKeysHandler(UIPage*, Message* msg)
{
    switch (msg->Id) {
    case MSG_KEY_DOWN:
        return RunShortcut(MsgParamUnsigned(msg));
    default:
        return 0;
    }
}
