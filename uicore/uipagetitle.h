#pragma once
// Pages whose one control is the title bar at (0, 0); the page's own handler
// draws everything below it.
#include "uicore/uicontrols.h"
#include "uicore/uimain.h"

struct PageTitle {
    UITitle Title;
    UIControl* Control;  // the page's control list: the title alone
};

// self is the record being initialised, so that its control list can point at its own title.
constexpr PageTitle TitleOf(const char* text, PageTitle& self)
{
    return {.Title = {.Control = {.Handler = UITitleHandler, .Flags = 0, .X = 0, .Y = 0}, .Text = text},
            .Control = &self.Title.Control};
}

constexpr UIPage TitledPage(MsgHandler handler, PageTitle& title)
{
    return {.Handler = handler, .Flags = 0, .Parent = nullptr, .ControlIndex = -1, .NControls = 1,
            .Controls = &title.Control};
}
