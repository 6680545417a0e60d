// The file-sending pages, the link audition, the input configuration by bits, the meters alone and
// the warning and status pages: pages the recorder defines without a way to them.
#include "canvas/lcdcanvas.h"
#include "orvel/orvel.h"
#include "orvel/orvelconfig.h"
#include "orvel/orvellisthooks.h"
#include "orvel/orvelmeters.h"
#include "ui/menu/menu.h"
#include "ui/pages/unreached.h"
#include "ui/ui.h"
#include "ui/uihome.h"
#include "ui/uilists.h"
#include "uicore/uimeter.h"
#include "uicore/uipagetitle.h"
#include "uicore/uipoweron.h"

namespace {

// "SKYPOST FILE": the takes to send, marked one by one.
UIList TakeList = ListAt(TakeListHandler);
UIPageControls<1> SkypostFile = PageControls("SKYPOST FILE", SkypostFile, {ControlOf(TakeList)});

// "ADD ADDRESS MENU": the three texts of the address being edited.
constexpr UISetting AddressText(MsgHandler hook)
{
    return {.Handler = hook, .Menu = nullptr, .Min = 0, .Max = 0, .Scaling = 1, .ZeroText = nullptr,
            .Format = nullptr, .Template = nullptr};
}

UISetting AddressName = AddressText(UIValueHandler<UITextSettingHandler, InDevice, AddressNameHook>);
UISetting AddressAddress = AddressText(UIValueHandler<UITextSettingHandler, InDevice, AddressAddressHook>);
UISetting AddressAuxData = AddressText(UIValueHandler<UITextSettingHandler, InDevice, AddressAuxDataHook>);
UIText NameLabel = TextAt(0, 24, "NAME"), AddressLabel = TextAt(0, 55, "ADDRESS"), AuxLabel = TextAt(0, 86, "AUXDATA");
UIMenuList<1> NameRow = MenuList(NameRow, {.Y = 39, .Rows = 1}, {Row("", AddressName)});
UIMenuList<1> AddressRow = MenuList(AddressRow, {.Y = 70, .Rows = 1}, {Row("", AddressAddress)});
UIMenuList<1> AuxRow = MenuList(AuxRow, {.Y = 101, .Rows = 1}, {Row("", AddressAuxData)});
UIPageControls<6> AddAddress = PageControls("ADD ADDRESS MENU", AddAddress, {
    ControlOf(NameLabel), ControlOf(NameRow), ControlOf(AddressLabel), ControlOf(AddressRow), ControlOf(AuxLabel),
    ControlOf(AuxRow),
});

// "SKYPOST": the address and job to send to, the takes to send, and the address book.
UISetting CurrentAddress = {.Handler = UIValueHandler<UIEnumSettingHandler, InDevice, SkypostAddressHook>,
                            .Menu = nullptr, .Min = 0, .Max = 0, .Scaling = 1, .ZeroText = nullptr,
                            .Format = nullptr, .Template = nullptr};
using SkypostState = decltype(OrvelState::Skypost);
UISetting JobNumber =
    Number(0, 99999999, "%d", "________").In<Field<&OrvelState::Skypost, &SkypostState::JobNumber>>();
UIMenuList<5> SkypostRows = MenuList(SkypostRows, {.Rows = 5}, {
    Row("", CurrentAddress),
    ValueAt(88, Row("JOB# ", JobNumber)),
    Opens("SKYPOST FILE SELECT", SkypostFilePage),
    Action("SELECT ALL", TakeSelectAll),
    Action("CLEAR ALL", TakeClearAll),
});
UIMenuList<2> AddressBookRows = MenuList(AddressBookRows, {.Y = 120, .Rows = 2}, {
    Opens("ADD ADDRESS MENU", AddAddressPage),
    Action("DELETE ADDRESS", DeleteAddressHook),
});
UIPageControls<2> Skypost = PageControls("SKYPOST", Skypost, {ControlOf(SkypostRows), ControlOf(AddressBookRows)});

// "KAVLIN AUDITION": a segment played over the link, under the audition display.
UIValue AuditionSegment = Number(100, 100000, "%d.%02d", "____.__", nullptr, 100).Start(100);
UIMenuPage<1> Audition = MenuPage("KAVLIN AUDITION", Audition, {.X = 2, .Y = 44, .Rows = 1, .Column = 116}, {
    Row("PLAY SEGMENT: ", AuditionSegment),
});

// The second "INPUT CONFIGURE": what the configuration switches on, bit by bit, read only.
const UIOptions<3> BitOptions = OptionsOf(BitOptions, {"OFF", "ON", "IFB"});
template <std::uint32_t Mask>
constexpr UISetting BitOf = Options(BitOptions).In<InputBit<Mask>>();
UISetting Aes12 = BitOf<IO_AES_12>, Aes34 = BitOf<IO_AES_34>, Aes56 = BitOf<IO_AES_56>, Aes78 = BitOf<IO_AES_78>;
UISetting Ret34 = BitOf<IO_RET_34>, Analog56 = BitOf<IO_ANALOG_56>, IfbInput = BitOf<IO_IFB>;
UISetting InputType = Number(0, 15, "%d", "__").By<InputConfigPageHandler>();
UIMenuList<7> BitRows = MenuList(BitRows, {.Rows = 7, .Column = 95}, {
    Row("AES 1/2 ", Aes12), Row("AES 3/4 ", Aes34), Row("AES 5/6 ", Aes56), Row("AES 7/8 ", Aes78),
    Row("RET 3/4 ", Ret34), Row("ANALOG 5/6 ", Analog56), Row("IFB INPUT ", IfbInput),
});
UIText RebootNote = TextAt(0, 140, "(Requires reboot)");
UIMenuList<1> InputTypeRow = MenuList(InputTypeRow, {.Y = 155, .Rows = 1, .Column = 109}, {
    Row("INPUT TYPE   ", InputType),
});
UIPageControls<3> InputBits =
    PageControls("INPUT CONFIGURE", InputBits, {ControlOf(BitRows), ControlOf(RebootNote), ControlOf(InputTypeRow)});

// The meters alone, moving with the timecode, in the layout of the home screen's variant.
constexpr std::int32_t METERS_X = 10;
constexpr std::int32_t METERS_TOP_MANY = 32;  // more than six meters
constexpr std::int32_t METERS_TOP_FEW = 66;
constexpr std::uint32_t METERS_FEW = 6;

std::uint32_t MetersPageHandler(void* self, Message* msg)
{
    switch (msg->Id) {
    case MSG_TIMECODE:
        MeterSimulate(&OrvelMeters);
        UIRedraw();
        return 1;
    case MSG_REDRAW:
        MeterDraw(&LcdCanvas, &OrvelMeters, METERS_X, OrvelMeters.NMeters > METERS_FEW ? METERS_TOP_MANY : METERS_TOP_FEW);
        return 1;
    case MSG_PAGE_LEAVE:
        MeterLayoutDefault();
        return 0;
    case MSG_REFRESH:
        MeterLayout(OrvelGetHomeVariant());
        return 0;
    case MSG_METER_DATA:
        msg->Param = MsgParamOf(&OrvelMeters);
        return 1;
    default:
        return TransportKeysHandler(static_cast<UIPage*>(self), msg);
    }
}

// Warning and status pages: a title; what they say belongs to the recorder's state.
PageTitle BatteryWarningTitle = TitleOf("BATTERY WARNING", BatteryWarningTitle);
PageTitle BatteryWarning2Title = TitleOf("BATTERY WARNING", BatteryWarning2Title);
PageTitle LowRecordTimeTitle = TitleOf("LOW RECORD TIME", LowRecordTimeTitle);
PageTitle RecordConflictTitle = TitleOf("RECORD CONFLICT", RecordConflictTitle);
PageTitle MirrorConflictTitle = TitleOf("MIRROR CONFLICT", MirrorConflictTitle);
PageTitle ReRecordTitle = TitleOf("RE-RECORD", ReRecordTitle);
PageTitle DropoutRecoverTitle = TitleOf("DROPOUT RECOVER", DropoutRecoverTitle);

}  // namespace

UIPage SkypostFilePage = PageOf(SkypostFile);
UIPage AddAddressPage = PageOf(AddAddress, AddAddressPageHook);
UIPage SkypostPage = PageOf(Skypost);
UIPage KavlinAuditionPage = PageOf(Audition, AuditionDisplayHandler);
UIPage InputBitsPage = PageOf(InputBits);
UIPage MetersPage = {.Handler = MetersPageHandler, .Flags = UI_PAGE_FLAG_BACKGROUND, .Parent = nullptr,
                     .ControlIndex = -1, .NControls = 0, .Controls = nullptr};
UIPage BatteryWarningPage = TitledPage(UINullHandler, BatteryWarningTitle);
UIPage BatteryWarning2Page = TitledPage(UINullHandler, BatteryWarning2Title);
UIPage LowRecordTimePage = TitledPage(UINullHandler, LowRecordTimeTitle);
UIPage RecordConflictPage = TitledPage(UINullHandler, RecordConflictTitle);
UIPage MirrorConflictPage = TitledPage(UINullHandler, MirrorConflictTitle);
UIPage ReRecordPage = TitledPage(UINullHandler, ReRecordTitle);
UIPage DropoutRecoverPage = TitledPage(UINullHandler, DropoutRecoverTitle);

const UIKeepsPowerOn KeptUnreached{TakeList,        NameRow,           AddressRow,        AuxRow,
                                   SkypostRows,     AddressBookRows,   AuditionSegment,   Audition,
                                   BitRows,         InputTypeRow,      SkypostFilePage,   AddAddressPage,
                                   SkypostPage,     KavlinAuditionPage, InputBitsPage,    MetersPage,
                                   BatteryWarningPage, BatteryWarning2Page, LowRecordTimePage, RecordConflictPage,
                                   MirrorConflictPage, ReRecordPage,  DropoutRecoverPage};
