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

std::uint32_t PlaybackControlHandler(void* self, Message* msg)
{
    if (const std::uint32_t result = PlaybackDisplayHandler(self, msg))
        return result;
    return TransportKeysHandler(static_cast<UIPage*>(self), msg);
}

// A text setting over a character array of the device state, holding at most width characters.
struct TextStore {
    char* Text;
    std::size_t Width;
};

std::uint32_t TextStoreHandler(void* self, const TextStore& store, Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", store.Text);
        return 1;
    case MSG_TEXT_SET:
        FormatText(store.Text, store.Width + 1, "%s", MsgParamPtr<const char>(msg));
        return 1;
    case MSG_FIELD_WIDTH:
        msg->Param = static_cast<MsgParam>(store.Width);
        return 1;
    default:
        return UITextSettingHandler(self, msg);
    }
}

constexpr std::size_t SCENE_CHARS = 15;
constexpr std::size_t TAKE_CHARS = 7;
constexpr std::size_t NOTE_CHARS = 31;

static_assert(SCENE_CHARS < sizeof(Orvel.Scene) && TAKE_CHARS < sizeof(Orvel.Take) && NOTE_CHARS < sizeof(Orvel.Note));

std::uint32_t SceneSettingHandler(void* self, Message* msg)
{
    return TextStoreHandler(self, {.Text = Orvel.Scene, .Width = SCENE_CHARS}, msg);
}

std::uint32_t TakeSettingHandler(void* self, Message* msg)
{
    return TextStoreHandler(self, {.Text = Orvel.Take, .Width = TAKE_CHARS}, msg);
}

std::uint32_t NoteSettingHandler(void* self, Message* msg)
{
    return TextStoreHandler(self, {.Text = Orvel.Note, .Width = NOTE_CHARS}, msg);
}

PageTitle MainMenuTitle = TitleOf("MAIN MENU", MainMenuTitle);
PageTitle MetaDataTitle = TitleOf("META DATA", MetaDataTitle);
PageTitle PlaybackControlTitle = TitleOf("PLAYBACK CONTROL", PlaybackControlTitle);
PageTitle RecordEnablesTitle = TitleOf("RECORD ENABLES", RecordEnablesTitle);
PageTitle AutoMixerSetupTitle = TitleOf("AUTO-MIXER SETUP", AutoMixerSetupTitle);
PageTitle MyOrvelTitle = TitleOf("MY ORVEL", MyOrvelTitle);
PageTitle MirrorTitle = TitleOf("MIRROR", MirrorTitle);
PageTitle EngSetupTitle = TitleOf("ENG SETUP", EngSetupTitle);
PageTitle EditTrackNamesTitle = TitleOf("EDIT TRACK NAMES", EditTrackNamesTitle);
PageTitle ChSetupTitle = NumberedTitle("CH# SETUP", ChSetupTitle, ChSetupTitleHandler);
PageTitle ChKavlinTitle = NumberedTitle("CH# KAVLIN", ChKavlinTitle, ChKavlinTitleHandler);
PageTitle BusRoutingTitle = TitleOf("BUS ROUTING", BusRoutingTitle);

}  // namespace

UIPage SlatePage = BarePage(UISlateHandler, 0, &UIHomePage);

UIPage MainMenuPage = MenuPage(MainMenuTitle, nullptr);
UIPage MetaDataPage = MenuPage(MetaDataTitle, &MainMenuPage);
UIPage PlaybackControlPage = MenuPage(PlaybackControlTitle, &MainMenuPage, PlaybackControlHandler);
UIPage RecordEnablesPage = MenuPage(RecordEnablesTitle, &MainMenuPage);
UIPage AutoMixerSetupPage = MenuPage(AutoMixerSetupTitle, &MainMenuPage);
UIPage MyOrvelPage = MenuPage(MyOrvelTitle, &MainMenuPage);
UIPage MirrorPage = MenuPage(MirrorTitle, &MyOrvelPage);
UIPage EngSetupPage = MenuPage(EngSetupTitle, &MainMenuPage);
UIPage EditTrackNamesPage = MenuPage(EditTrackNamesTitle, &EngSetupPage);
UIPage ChSetupPage = MenuPage(ChSetupTitle, nullptr, ChSetupPageHandler);
UIPage ChKavlinPage = MenuPage(ChKavlinTitle, nullptr, ChKavlinPageHook);
UIPage BusRoutingPage = MenuPage(BusRoutingTitle, &UIHomePage);

UIPage HphRoutingPage = BarePage(UINullHandler, UI_PAGE_FLAG_BACKGROUND, nullptr);

const UIKeepsPowerOn KeptPages{SlatePage, MainMenuPage, MetaDataPage, PlaybackControlPage, RecordEnablesPage,
                               AutoMixerSetupPage, MyOrvelPage, MirrorPage, EngSetupPage, EditTrackNamesPage,
                               ChSetupPage, ChKavlinPage, BusRoutingPage, HphRoutingPage};

MsgTarget SceneSetting = {.Handler = SceneSettingHandler};
MsgTarget TakeSetting = {.Handler = TakeSettingHandler};
MsgTarget NoteSetting = {.Handler = NoteSettingHandler};
