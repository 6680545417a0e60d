#include "uicore/uitimecodeedit.h"

#include <iterator>

#include "common/debug.h"
#include "uicore/uieditors.h"
#include "uicore/uipoweron.h"

namespace {

UITitle TimecodeEditTitle = {
    .Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0},
    .Text = "ENTER TIME CODE",
};

UIControl* const TimecodeEditControls[] = {&TimecodeEditTitle.Control, &UITimecodeEditControl.Control};

// 100 ms ticks left before returning to the caller once the editor has closed.
std::uint32_t Countdown;

std::uint32_t Enter()
{
    ASSERT(UITimecodeEditControl.Setting);
    MsgSend(&UITimecodeEditControl, MSG_EDIT);
    Countdown = 3;
    return 1;
}

void CountDown()
{
    if (UIEditorIsOpen())
        return;
    if (Countdown > 0)
        --Countdown;
    if (Countdown < 1)
        UIGoBack();
}

}  // namespace

UITimecodeField UITimecodeEditControl = {
    .Control = {.Handler = UITimecodeFieldHandler, .Flags = 0, .X = 20, .Y = 44},
    .Text = nullptr,
    .Font = 1,
    .Color = COLOUR_BLACK,
    .Setting = nullptr,
};

UIPage UITimecodeEdit = {
    .Handler = UITimecodeEditHandler,
    .Flags = UI_PAGE_FLAG_SUBPAGE,
    .Parent = nullptr,
    .ControlIndex = -1,
    .NControls = static_cast<std::int32_t>(std::size(TimecodeEditControls)),
    .Controls = TimecodeEditControls,
};

const UIKeepsPowerOn KeptTimecodeEdit{Countdown, UITimecodeEditControl, UITimecodeEdit};

void UITimecodeEditOpen(void* setting)
{
    ASSERT(UITimecodeEdit.Flags & UI_PAGE_FLAG_SUBPAGE);
    if (UIEditorIsOpen())
        return;
    UITimecodeEditControl.Setting = setting;
    UIGotoPage(&UITimecodeEdit);
}

std::uint32_t UITimecodeEditHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_PAGE_ENTER:
        return Enter();
    case MSG_TIMER_100MS_2:
        CountDown();
        return 0;
    default:
        return 0;
    }
}
