#include "ui/menu/menu.h"

#include "orvel/orvel.h"
#include "ui/uihome.h"
#include "uicore/uikeys.h"
#include "uicore/uimatrix.h"
#include "uicore/uipoweron.h"

const UIOptions<2> OffOnOptions = OptionsOf(OffOnOptions, {"OFF", "ON"});
const UIOptions<2> CellOptions = OptionsOf(CellOptions, {" ", "X"});
const UIOptions<6> SampleRateOptions =
    OptionsOf(SampleRateOptions, {"44100", "47952", "48000", "48048", "88200", "96000"});
const UIOptions<3> MirrorModeOptions = OptionsOf(MirrorModeOptions, {"OFF", "ON", "CONTINUOUS"});

namespace {

const UIOptions<2> TransportKeyOptions = OptionsOf(TransportKeyOptions, {"UNSHIFTED", "SHIFTED"});
const UIOptions<7> FrameRateOptions =
    OptionsOf(FrameRateOptions, {"23.98", "24", "25", "29.97", "29.97DF", "30", "30DF"});

}  // namespace

UISetting TransportKeys = Options(TransportKeyOptions).In<Field<&OrvelState::TransportKeys>>();
UIValue Prerecord = Number(0, 10, "%dsec", "__sec", "OFF");
UIValue TcFrameRate = Options(FrameRateOptions);

const UIKeepsPowerOn KeptSharedValues{Prerecord, TcFrameRate};

std::uint32_t TrackMatrixHandler(void* self, Message* msg)
{
    if (msg->Id == MSG_REFRESH)
        UIMatrixSetCells(static_cast<UIMatrix*>(self), OrvelGetNTracks());
    return UIMatrixHandler(self, msg);
}

std::uint32_t MirrorKeyHomeHandler(void*, Message* msg)
{
    if (msg->Id != MSG_KEY_DOWN || MsgParamUnsigned(msg) != KEY_MIRROR)
        return 0;
    UIGotoPage(UIHome());
    return 1;
}
