#pragma once
// Pages, controls and the UI main loop: the current page, page switches with sub-page parents,
// focus among a page's controls, routing of every broadcast, and the redraw of the LCD.
#include <cstdint>

#include "canvas/canvas.h"
#include "message/message.h"

enum UIPageFlag : std::uint32_t {
    UI_PAGE_FLAG_SUBPAGE = 1,     // entering from another page makes that page the Parent
    UI_PAGE_FLAG_BACKGROUND = 2,  // a full redraw paints the background image instead of clearing
    UI_PAGE_FLAG_NOCLEAR = 4,     // a full redraw paints nothing first; the page paints its own background
};

enum UIControlFlag : std::uint32_t {
    UI_CTRL_FLAG_FOCUS = 1,        // can take the focus (unless ASKFOCUS)
    UI_CTRL_FLAG_ASKFOCUS = 2,     // ask MSG_IS_FOCUSABLE instead
    UI_CTRL_FLAG_ASKVISIBLE = 4,   // ask MSG_IS_VISIBLE; otherwise always shown
};

// The base every control kind embeds as its first member Control.
struct UIControl {
    MsgHandler Handler;
    std::uint32_t Flags;
    std::int32_t X;
    std::int32_t Y;
};

// The answer of MSG_CONTROL_KIND, which each kind's default handler gives: pages pass what they do not
// handle on to the kind, so tools that read a page (the state inspector) cannot tell kinds by handler.
enum UIControlKind : std::uint32_t {
    UI_CTRL_KIND_UNKNOWN = 0,
    UI_CTRL_KIND_TITLE = 1,
    UI_CTRL_KIND_TEXT = 2,
    UI_CTRL_KIND_FIELD = 3,
    UI_CTRL_KIND_BUTTON = 4,
    UI_CTRL_KIND_TIMECODE = 5,
    UI_CTRL_KIND_LIST = 6,
    UI_CTRL_KIND_STATIC_LIST = 7,
    UI_CTRL_KIND_MATRIX = 8,
    UI_CTRL_KIND_METER = 9,
};

inline std::uint32_t UIAnswerKind(Message* msg, UIControlKind kind)
{
    msg->Param = kind;
    return 1;
}

struct UIPage {
    MsgHandler Handler;
    std::uint32_t Flags;
    UIPage* Parent;              // where UIGoBack returns to
    std::int32_t ControlIndex;   // focused control, -1 for none; kept when the page is left
    std::int32_t NControls;
    UIControl* const* Controls;  // drawing order and focus order
};

extern UIPage* UICurrentPage;

using UIPageHandler = std::uint32_t (*)(UIPage* page, Message* msg);

// Registers the UI main handler as the broadcast receiver and enters the home page. The home page
// (where going back ends) and the last stop for every message no editor, control or page took
// belong to the device interface above.
void UIStart(UIPage* home, UIPageHandler lastResort);
UIPage* UIHome();
std::uint32_t UIGotoPage(UIPage* page);
void UIGoBack();
void UIRefreshPage(UIPage* page);
void UIRedraw();
void UIRedrawNoClear();

UIControl* UIFocusedControl(const UIPage* page);
bool UIIsFocused(const void* control);
bool UIPageHasControl(const UIPage* page, const void* control);
bool UIControlVisible(void* control);
bool UIControlFocusable(void* control);
std::uint32_t UIFocusControl(UIPage* page, void* control);
std::uint32_t UIFocusNext(UIPage* page, bool forward);
void UIValidateFocus(UIPage* page);

void UIClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
void UIDrawControls(Canvas* c, UIPage* page, MsgParam parameter);

// The one broadcast receiver.
std::uint32_t UIMainHandler(MsgParam context, Message* msg);

// A handler that handles nothing, for pages and controls that only draw through their kind.
std::uint32_t UINullHandler(void* self, Message* msg);

// Puts the message routing and every module of the UI core back to power-on: no current page,
// home page or open editor, no key held, the meters without device, and every record kept with
// UIKeepsPowerOn as it was built. A front end then starts the recorder anew.
void UIReset();
