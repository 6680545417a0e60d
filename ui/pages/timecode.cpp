// The time code pages: the slate, the reader's and the generator's values with the jam buttons, the
// entry of the generator's values and the time code set-up, chained by TC, "T" and F1.
#include "ui/pages/timecode.h"

#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "ui/menu/menu.h"
#include "ui/uihome.h"
#include "ui/uislate.h"
#include "uicore/uicontrols.h"
#include "uicore/uikeys.h"
#include "uicore/uipagekit.h"
#include "uicore/uipoweron.h"

namespace {

bool IsChainKey(const Message* msg)
{
    if (msg->Id != MSG_KEY_DOWN)
        return false;
    const std::uint32_t key = MsgParamUnsigned(msg);
    return key == KEY_TC || key == 'T' || key == KEY_F1;
}

// A page of the chain: its keys lead to Next, the rest goes to the page's own handler.
template <UIPage* Next, MsgHandler Own = UINullHandler>
std::uint32_t ChainHandler(void* self, Message* msg)
{
    if (!IsChainKey(msg))
        return Own(self, msg);
    UIGotoPage(Next);
    return 1;
}

// The reader and the generator run on: each timecode broadcast shows them a frame on.
std::uint32_t RunningTimecodes(void*, Message* msg)
{
    if (msg->Id == MSG_TIMECODE)
        UIRedraw();
    return 0;
}

// Values in the large digits; a label follows the value.
constexpr UITimecodeField TimecodeAt(std::int32_t x, std::int32_t y, const char* label, void* setting)
{
    return {.Control = {.Handler = UITimecodeFieldHandler, .Flags = 0, .X = x, .Y = y}, .Text = label, .Font = 1,
            .Color = COLOUR_BLACK, .Setting = setting};
}

constexpr std::int32_t BUTTON_WIDTH = 80;

constexpr UIButton ButtonAt(std::int32_t x, std::int32_t y, const char* text, MsgHandler handler,
                            void* setting = nullptr)
{
    return {.Control = {.Handler = handler, .Flags = UI_CTRL_FLAG_FOCUS, .X = x, .Y = y}, .Text = text, .Font = 0,
            .Align = UI_ALIGN_LEFT, .Width = BUTTON_WIDTH, .Setting = setting};
}

// "TIME CODE": what the reader receives and what the generator makes.
UISetting ReaderTc = Timecode().By<ReaderTcHook>();
UISetting ReaderTcLabel = TextBy<ReaderTcLabelHook>();
UISetting ReaderUb = UserBits().By<ReaderUbHook>();
UISetting GenTc = Timecode().In<Field<&OrvelState::GenTc>, GenTcHook>();  // an entered time code runs on from there
UIValue GenUb = UserBits();

// Jamming the generator from the reader's time code, its date or the clock belongs to the recorder's
// time code hardware, which the simulated recorder does not have: these buttons take MENU and change nothing.
std::uint32_t JamButtonHandler(void* self, Message* msg)
{
    return msg->Id == MSG_ACTIVATE ? 1 : UIButtonHandler(self, msg);
}

std::uint32_t JamUbHandler(void* self, Message* msg)
{
    if (msg->Id != MSG_ACTIVATE)
        return UIButtonHandler(self, msg);
    UISettingCopy(&GenUb, &ReaderUb);
    UIRedraw();
    return 1;
}

UITimecodeField ReaderTcField = TimecodeAt(1, 32, nullptr, &ReaderTc);
UIText ReaderTcText = TextAt(136, 32, nullptr, &ReaderTcLabel);
UITimecodeField ReaderUbField = TimecodeAt(1, 51, "READER UB", &ReaderUb);
UITimecodeField GenTcField = TimecodeAt(1, 70, "GEN TC", &GenTc);
UITimecodeField GenUbField = TimecodeAt(1, 89, "GEN UB", &GenUb);
UIButton JamTc = ButtonAt(20, 120, "JAM TC", JamButtonHandler);
UIButton JamDate = ButtonAt(20, 135, "JAM DATE", JamButtonHandler);
UIButton JamUb = ButtonAt(120, 120, "JAM UB", JamUbHandler);
UIButton JamTime = ButtonAt(120, 135, "JAM TIME", JamButtonHandler);
UIPageControls<9> TimeCode = PageControls("TIME CODE", TimeCode, {
    ControlOf(ReaderTcField), ControlOf(ReaderTcText), ControlOf(ReaderUbField), ControlOf(GenTcField),
    ControlOf(GenUbField), ControlOf(JamTc), ControlOf(JamDate), ControlOf(JamUb), ControlOf(JamTime),
});

// "ENTER TIME CODE": the field shows the value of the button that has the focus, and MENU on the
// button opens the editor over the field.
UIValue EnteredTc = Timecode();  // shown until a button brings its own value
UITimecodeField EntryField = TimecodeAt(20, 44, nullptr, &EnteredTc);

std::uint32_t EnterButtonHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_FOCUS_GAINED:
        EntryField.Setting = static_cast<UIButton*>(self)->Setting;
        return 1;
    case MSG_ACTIVATE:
        MsgSend(&EntryField, MSG_EDIT);
        return 1;
    default:
        return UIButtonHandler(self, msg);
    }
}

UIButton EnterTc = ButtonAt(20, 83, "ENTER TC", EnterButtonHandler, &GenTc);
UIButton EnterUb = ButtonAt(20, 98, "ENTER UB", EnterButtonHandler, &GenUb);
UIPageControls<3> EnterTimeCode =
    PageControls("ENTER TIME CODE", EnterTimeCode, {ControlOf(EntryField), ControlOf(EnterTc), ControlOf(EnterUb)});

// "TIME CODE SETUP"
const UIOptions<5> TcModeOptions = OptionsOf(TcModeOptions, {"FREE-RUN", "REC-RUN", "CJAM", "CJAM TC", "CJAM UB"});
const UIOptions<3> TcDisplayedOptions = OptionsOf(TcDisplayedOptions, {"GENERATOR", "CARD", "GEN-STOP"});
const UIOptions<2> TcOutputOptions = OptionsOf(TcOutputOptions, {"GENERATOR", "CARD"});
const UIOptions<2> DateStyleOptions = OptionsOf(DateStyleOptions, {"EU DDMMYY", "US MMDDYY"});

UIValue TcMode = Options(TcModeOptions);
UIValue TcDisplayed = Options(TcDisplayedOptions);
UIValue TcOutput = Options(TcOutputOptions);
UIValue IncrementUbits = Options(OffOnOptions);
UIValue UbDateStyle = Options(DateStyleOptions);
UIValue AutoDateJam = Options(OffOnOptions);
UIMenuPage<7> TimeCodeSetup = MenuPage("TIME CODE SETUP", TimeCodeSetup, {.Column = 130}, {
    Row("TC MODE ", TcMode),
    Row("TC FRAME RATE ", TcFrameRate),
    Row("TC DISPLAYED ", TcDisplayed),
    Row("TC OUTPUT ", TcOutput),
    Row("INCREMENT UBITS ", IncrementUbits),
    Row("UB DATE STYLE ", UbDateStyle),
    Row("AUTO DATE JAM ", AutoDateJam),
});

}  // namespace

UIPage SlatePage = {.Handler = ChainHandler<&TimeCodePage, UISlateHandler>, .Flags = 0, .Parent = &UIHomePage,
                    .ControlIndex = -1, .NControls = 0, .Controls = nullptr};
UIPage TimeCodePage = PageOf(TimeCode, ChainHandler<&EnterTimeCodePage, RunningTimecodes>, &UIHomePage);
UIPage EnterTimeCodePage = PageOf(EnterTimeCode, ChainHandler<&TimeCodeSetupPage>, &TimeCodePage);
UIPage TimeCodeSetupPage = PageOf(TimeCodeSetup, ChainHandler<&TimeCodePage>, &EnterTimeCodePage);

const UIKeepsPowerOn KeptTimecode{GenUb, EnteredTc, EntryField, TcMode, TcDisplayed, TcOutput, IncrementUbits,
                                  UbDateStyle, AutoDateJam, TimeCodeSetup, SlatePage, TimeCodePage, EnterTimeCodePage,
                                  TimeCodeSetupPage};
