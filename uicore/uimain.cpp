#include "uicore/uimain.h"

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"

UIPage* UICurrentPage;

namespace {

UIPage* Home;
UIPageHandler LastResort;

const UIKeepsPowerOn KeptMain{UICurrentPage, Home, LastResort};

bool IndexInside(const UIPage* page, std::int32_t index)
{
    return index >= 0 && index < page->NControls;
}

UIControl* ControlAt(const UIPage* page, std::int32_t index)
{
    return IndexInside(page, index) ? page->Controls[index] : nullptr;
}

// The redirect chain: a page may name another page to be entered instead (itself means no redirect).
UIPage* Redirected(UIPage* page)
{
    Message msg{.Id = MSG_PAGE_REDIRECT, .Param = MsgParamOf(page)};
    if (MsgDispatch(page, &msg) != 1)
        return nullptr;
    UIPage* other = MsgParamPtr<UIPage>(&msg);
    return other != page ? other : nullptr;
}

void LeaveCurrentPage()
{
    if (!UICurrentPage)
        return;
    MsgSend(UIFocusedControl(UICurrentPage), MSG_FOCUS_LOST);
    MsgSend(UICurrentPage, MSG_PAGE_LEAVE);
}

void EnterPage(UIPage* page)
{
    if ((page->Flags & UI_PAGE_FLAG_SUBPAGE) && UICurrentPage && UICurrentPage->Parent != page)
        page->Parent = UICurrentPage;
    LeaveCurrentPage();
    // a key still held from the old page must not act on the new one when released
    KeyHoldCancel();
    UIEditorClose();
    KeyIgnoreAllReleases();
    UICurrentPage = page;
    UIRefreshPage(page);
    MsgSend(page, MSG_PAGE_ENTER);
    MsgSend(UIFocusedControl(page), MSG_FOCUS_GAINED);
    UIValidateFocus(page);
    UIRedraw();
}

std::uint32_t Redraw(UIPage* page, Message* msg)
{
    Canvas* c = &LcdCanvas;
    if (msg->Param == 0 && !(page->Flags & UI_PAGE_FLAG_NOCLEAR)) {
        if (page->Flags & UI_PAGE_FLAG_BACKGROUND)
            c->DrawImage(c, 0, 0, &BackgroundImage, 0);
        else
            c->Clear(c);
    }
    if (!MsgDispatch(page, msg))
        UIDrawControls(c, page, msg->Param);
    c->Update(c);
    return 1;
}

std::uint32_t Route(UIPage* page, Message* msg)
{
    if ((msg->Id == MSG_KEY_DOWN || msg->Id == MSG_KEY_UP) && KeyFilter(page, msg))
        return 1;
    if (UIActiveEditor) {
        if (const std::uint32_t result = MsgDispatch(UIActiveEditor, msg))
            return result;
    }
    ASSERT(page->ControlIndex < page->NControls);
    if (UIControl* focused = UIFocusedControl(page)) {
        if (const std::uint32_t result = MsgDispatch(focused, msg))
            return result;
    }
    if (const std::uint32_t result = MsgDispatch(page, msg))
        return result;
    return LastResort ? LastResort(page, msg) : 0;
}

}  // namespace

void UIStart(UIPage* home, UIPageHandler lastResort)
{
    Home = home;
    LastResort = lastResort;
    MsgRegister(UIMainHandler, 0);
    UIGotoPage(home);
}

UIPage* UIHome()
{
    return Home;
}

void UIReset()
{
    MsgUnregisterAll();
    UIRestorePowerOn();
}

std::uint32_t UIGotoPage(UIPage* page)
{
    if (!ASSERT(page))
        return 0;
    if (!MsgQuery(page, MSG_IS_VISIBLE, 1))
        return 0;
    if (UIPage* other = Redirected(page))
        return UIGotoPage(other);
    if (page == UICurrentPage)
        return 1;
    EnterPage(page);
    return 1;
}

void UIGoBack()
{
    UIPage* parent = UICurrentPage ? UICurrentPage->Parent : nullptr;
    UIGotoPage(parent ? parent : Home);
}

void UIRefreshPage(UIPage* page)
{
    MsgSend(page, MSG_REFRESH);
    for (std::int32_t i = 0; i < page->NControls; ++i)
        MsgSend(page->Controls[i], MSG_REFRESH);
}

void UIRedraw()
{
    MsgBroadcastQuery(MSG_REDRAW, 0);
}

void UIRedrawNoClear()
{
    MsgBroadcastQuery(MSG_REDRAW, -1);
}

UIControl* UIFocusedControl(const UIPage* page)
{
    return page ? ControlAt(page, page->ControlIndex) : nullptr;
}

bool UIIsFocused(const void* control)
{
    return UICurrentPage && UICurrentPage->ControlIndex >= 0 && UIFocusedControl(UICurrentPage) == control;
}

bool UIPageHasControl(const UIPage* page, const void* control)
{
    for (std::int32_t i = 0; page && i < page->NControls; ++i)
        if (page->Controls[i] == control)
            return true;
    return false;
}

bool UIControlVisible(void* control)
{
    const auto* base = static_cast<UIControl*>(control);
    if (!(base->Flags & UI_CTRL_FLAG_ASKVISIBLE))
        return true;
    return MsgQuery(control, MSG_IS_VISIBLE, 1) != 0;
}

bool UIControlFocusable(void* control)
{
    const auto* base = static_cast<UIControl*>(control);
    if (!UIControlVisible(control))
        return false;
    if (base->Flags & UI_CTRL_FLAG_ASKFOCUS)
        return MsgQuery(control, MSG_IS_FOCUSABLE, 1) != 0;
    return (base->Flags & UI_CTRL_FLAG_FOCUS) != 0;
}

std::uint32_t UIFocusControl(UIPage* page, void* c)
{
    ASSERT(UIPageHasControl(page, c));
    if (!UIControlFocusable(c))
        return 0;
    std::int32_t index = 0;
    while (index < page->NControls && page->Controls[index] != c)
        ++index;
    if (index == page->NControls) {
        ASSERT(false);
        return 1;
    }
    if (index == page->ControlIndex)
        return 1;
    MsgSend(UIFocusedControl(page), MSG_FOCUS_LOST);
    page->ControlIndex = index;
    MsgSend(c, MSG_FOCUS_GAINED);
    return 1;
}

std::uint32_t UIFocusNext(UIPage* page, bool forward)
{
    const std::int32_t step = forward ? 1 : -1;
    for (std::int32_t i = page->ControlIndex + step; IndexInside(page, i); i += step) {
        if (UIControlFocusable(page->Controls[i])) {
            UIFocusControl(page, page->Controls[i]);
            UIRedraw();
            return 1;
        }
    }
    return 0;
}

void UIValidateFocus(UIPage* page)
{
    if (UIControl* focused = UIFocusedControl(page); focused && !UIControlFocusable(focused))
        page->ControlIndex = -1;
    if (IndexInside(page, page->ControlIndex))
        return;
    page->ControlIndex = -1;
    UIFocusNext(page, true);
}

void UIClearArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    UIPage* page = UICurrentPage;
    if (!ASSERT(page) || (page->Flags & UI_PAGE_FLAG_NOCLEAR))
        return;
    Canvas* c = &LcdCanvas;
    if (page->Flags & UI_PAGE_FLAG_BACKGROUND) {
        // the background cannot be painted in part: the whole picture is restored
        ASSERT(0);
        c->DrawImage(c, 0, 0, &BackgroundImage, 0);
        return;
    }
    c->FillRect(c, x, y, x + width - 1, y + height - 1, COLOUR_WHITE);
}

void UIDrawControls(Canvas* c, UIPage* page, MsgParam parameter)
{
    if (!ASSERT(c) || !ASSERT(page))
        return;
    for (std::int32_t i = 0; i < page->NControls; ++i)
        if (UIControlVisible(page->Controls[i]))
            MsgQuery(page->Controls[i], MSG_DRAW, parameter);
    if (UIActiveEditor)
        MsgQuery(UIActiveEditor, MSG_DRAW, parameter);
}

std::uint32_t UIMainHandler(MsgParam, Message* msg)
{
    UIPage* page = UICurrentPage;
    if (!ASSERT(page))
        return 0;
    if (msg->Id == MSG_REDRAW)
        return Redraw(page, msg);
    return Route(page, msg);
}

std::uint32_t UINullHandler(void*, Message*)
{
    return 0;
}
