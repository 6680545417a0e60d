#include "uicore/uipagekit.h"

#include <array>

#include "common/debug.h"
#include "common/format.h"

namespace {

// More pages than the recorder has; a walk that fills it reports and stops growing.
constexpr std::size_t MAX_LINKED_PAGES = 256;

bool IsMenuList(const UIControl* control)
{
    return control && control->Handler == UIMenuListHandler;
}

struct PageQueue {
    std::array<UIPage*, MAX_LINKED_PAGES> Pages{};
    std::size_t Count = 0;

    bool Holds(const UIPage* page) const
    {
        for (std::size_t i = 0; i < Count; ++i)
            if (Pages[i] == page)
                return true;
        return false;
    }

    void Add(UIPage* page)
    {
        if (Holds(page) || !ASSERT(Count < Pages.size()))
            return;
        Pages[Count++] = page;
    }
};

void QueueRowsOf(PageQueue& queue, UIPage* page, UIStaticList* list, UIPageVisitor visit, void* context)
{
    for (std::uint32_t i = 0; i < list->NItems; ++i) {
        UIPage* child = list->Items[i].Page;
        if (!child || queue.Holds(child))
            continue;
        queue.Add(child);
        visit(child, page, context);
    }
}

void LinkParent(UIPage* page, UIPage* openedFrom, void*)
{
    if (openedFrom && !page->Parent)
        page->Parent = openedFrom;
}

}  // namespace

std::uint32_t UIMenuListHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = UIStaticListHandler(self, msg))
        return result;
    return UIListHandler(self, msg);
}

bool UITitleText(UIControl* bar, char* text)
{
    text[0] = '\0';
    if (MsgQuery(bar, MSG_CONTROL_KIND, UI_CTRL_KIND_UNKNOWN) != UI_CTRL_KIND_TITLE)
        return false;
    if (!MsgSendParam(bar, MSG_TEXT_GET, MsgParamOf(text)))
        FormatText(text, MAX_UI_TEXT, "%s", reinterpret_cast<UITitle*>(bar)->Text);
    return true;
}

bool UIPageTitle(const UIPage* page, char* text)
{
    text[0] = '\0';
    return page && page->NControls >= 1 && UITitleText(page->Controls[0], text);
}

void UIWalkPages(UIPage* root, UIPageVisitor visit, void* context)
{
    PageQueue queue;
    queue.Add(root);
    visit(root, nullptr, context);
    for (std::size_t next = 0; next < queue.Count; ++next) {
        UIPage* page = queue.Pages[next];
        for (std::int32_t i = 0; i < page->NControls; ++i)
            if (IsMenuList(page->Controls[i]))
                QueueRowsOf(queue, page, reinterpret_cast<UIStaticList*>(page->Controls[i]), visit, context);
    }
}

void UILinkParents(UIPage* root)
{
    UIWalkPages(root, LinkParent, nullptr);
}
