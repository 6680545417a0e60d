#include "ui/uipages.h"

#include <cstddef>

#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelchannels.h"
#include "uicore/uipagetitle.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "ui/uislate.h"
#include "uicore/uicontrols.h"
#include "uicore/uimeter.h"
#include "uicore/uipoweron.h"
#include "uicore/uisetting.h"
#include "uicore/uiutils.h"

namespace {

constexpr UIPage MenuPage(PageTitle& title, UIPage* parent, MsgHandler handler = UINullHandler)
{
    UIPage page = TitledPage(handler, title);
    page.Parent = parent;
    return page;
}

// A page that draws everything itself.
constexpr UIPage BarePage(MsgHandler handler, std::uint32_t flags, UIPage* parent)
{
    return {.Handler = handler, .Flags = flags, .Parent = parent, .ControlIndex = -1, .NControls = 0,
            .Controls = nullptr};
}

// A title whose text the page fills in (the channel number) before each drawing.
constexpr PageTitle NumberedTitle(const char* text, PageTitle& self, MsgHandler handler)
{
    PageTitle title = TitleOf(text, self);
    title.Title.Control.Handler = handler;
    return title;
}

std::uint32_t ChannelTitle(Message* msg, const char* format, std::uint32_t chan)
{
    FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, format, chan + 1);
    return 1;
}

std::uint32_t ChSetupTitleHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        return ChannelTitle(msg, "CH%u SETUP", Orvel.Setup.Chan);
    default:
        return UITitleHandler(self, msg);
    }
}

std::uint32_t ChKavlinTitleHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        return ChannelTitle(msg, "CH%u KAVLIN", Orvel.KLin.Chan);
    default:
        return UITitleHandler(self, msg);
    }
}

// The digit keys choose the channel first; the meter moves with the page's ticks.
std::uint32_t ChSetupPageHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = ChSetupPageHook(self, msg))
        return result;
    return MeterPageHandler(self, msg);
}

PageTitle ChSetupTitle = NumberedTitle("CH# SETUP", ChSetupTitle, ChSetupTitleHandler);
PageTitle ChKavlinTitle = NumberedTitle("CH# KAVLIN", ChKavlinTitle, ChKavlinTitleHandler);

}  // namespace

UIPage SlatePage = BarePage(UISlateHandler, 0, &UIHomePage);

UIPage ChSetupPage = MenuPage(ChSetupTitle, nullptr, ChSetupPageHandler);
UIPage ChKavlinPage = MenuPage(ChKavlinTitle, nullptr, ChKavlinPageHook);

const UIKeepsPowerOn KeptPages{SlatePage, ChSetupPage, ChKavlinPage};
