// The playback routers and the auxiliary recorder: pages the recorder defines without a way to them.
#include "orvel/orvel.h"
#include "orvel/orvelpages.h"
#include "ui/menu/menu.h"
#include "ui/pages/unreached.h"
#include "uicore/uikeys.h"
#include "uicore/uipoweron.h"

namespace {

// BUS or "B" on a router's first page shows its second.
template <UIPage* Next>
std::uint32_t RouterHandler(void*, Message* msg)
{
    if (msg->Id != MSG_KEY_DOWN || (MsgParamUnsigned(msg) != KEY_BUS && MsgParamUnsigned(msg) != 'B'))
        return 0;
    UIGotoPage(Next);
    return 1;
}

// The second pages hold tracks 9 to 12.
std::uint32_t TwelveTracksOnly(void*, Message* msg)
{
    return AnswerVisible(msg, OrvelGetNTracks() == 12);
}

constexpr const char* Tracks1To8[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
constexpr const char* Tracks9To12[] = {"9", "10", "11", "12"};

// "PLAY OUT ROUTER": the played tracks onto the outputs.
UICellGrid OutRoutes = CellGrid(CellOptions), OutRoutes9 = CellGrid(CellOptions);
UIMatrix OutRouter = MatrixAt(OutRouter, {.X = 1, .Y = 17, .Setting = &OutRoutes, .Menu = &CellOptions.Menu},
                              {{"OUT1", 8}, {"OUT2", 8}, {"OUT3", 8}, {"OUT4", 8}, {"OUT5", 8}, {"OUT6", 8}},
                              Tracks1To8);
UIMatrix OutRouter9 = MatrixAt(OutRouter9, {.X = 93, .Y = 17, .Setting = &OutRoutes9, .Menu = &CellOptions.Menu},
                               {{"OUT1", 4}, {"OUT2", 4}, {"OUT3", 4}, {"OUT4", 4}, {"OUT5", 4}, {"OUT6", 4}},
                               Tracks9To12);
UIPageControls<1> OutRouterControls = PageControls("PLAY OUT ROUTER", OutRouterControls, {ControlOf(OutRouter)});
UIPageControls<1> OutRouter9Controls = PageControls("PLAY OUT ROUTER", OutRouter9Controls, {ControlOf(OutRouter9)});

// "PLAY HPH ROUTER": the played tracks onto the headphones and the mono and tape outputs.
UICellGrid HphRoutes = CellGrid(CellOptions), HphRoutes9 = CellGrid(CellOptions);
UIMatrix HphRouter = MatrixAt(HphRouter, {.X = 1, .Y = 17, .Setting = &HphRoutes, .Menu = &CellOptions.Menu},
                              {{"HP1L", 8}, {"HP1R", 8}, {"HP2L", 8}, {"HP2R", 8}, {"MONO", 8}, {"TAPE", 8}},
                              Tracks1To8);
UIMatrix HphRouter9 = MatrixAt(HphRouter9, {.X = 93, .Y = 17, .Setting = &HphRoutes9, .Menu = &CellOptions.Menu},
                               {{"HP1L", 4}, {"HP1R", 4}, {"HP2L", 4}, {"HP2R", 4}, {"MONO", 4}, {"TAPE", 4}},
                               Tracks9To12);
UIPageControls<1> HphRouterControls = PageControls("PLAY HPH ROUTER", HphRouterControls, {ControlOf(HphRouter)});
UIPageControls<1> HphRouter9Controls = PageControls("PLAY HPH ROUTER", HphRouter9Controls, {ControlOf(HphRouter9)});

// "MP3 ROUTING": which tracks make the two channels of the MP3 mix, and the timecode channel.
UICellGrid Mp3Left = CellGrid(CellOptions), Mp3Right = CellGrid(CellOptions);
UICellGrid Mp3LeftTc = CellGrid(CellOptions), Mp3RightTc = CellGrid(CellOptions);
constexpr const char* SixTracks[] = {"1", "2", "3", "4", "5", "6"};
extern UIMatrix Mp3LeftTcMatrix, Mp3RightMatrix, Mp3RightTcMatrix;
UIMatrix Mp3LeftMatrix = MatrixAt(Mp3LeftMatrix, {.X = 5, .Y = 23, .Setting = &Mp3Left, .Menu = &CellOptions.Menu,
                                                  .Next = &Mp3LeftTcMatrix, .Prev = &Mp3RightTcMatrix,
                                                  .Handler = SideBySideMatrix<TrackMatrixHandler>},
                                  {{"", 6}, {"", 6}}, SixTracks);
UIMatrix Mp3LeftTcMatrix = MatrixAt(Mp3LeftTcMatrix, {.X = 154, .Y = 23, .Setting = &Mp3LeftTc,
                                                      .Menu = &CellOptions.Menu, .Next = &Mp3RightMatrix,
                                                      .Prev = &Mp3LeftMatrix, .Handler = SideBySideMatrix<>},
                                    {{"L", 1}}, {"TC"});
UIMatrix Mp3RightMatrix = MatrixAt(Mp3RightMatrix, {.X = 5, .Y = 100, .Setting = &Mp3Right, .Menu = &CellOptions.Menu,
                                                    .Next = &Mp3RightTcMatrix, .Prev = &Mp3LeftTcMatrix,
                                                    .Handler = SideBySideMatrix<TrackMatrixHandler>},
                                   {{"", 6}, {"", 6}}, SixTracks);
UIMatrix Mp3RightTcMatrix = MatrixAt(Mp3RightTcMatrix, {.X = 154, .Y = 100, .Setting = &Mp3RightTc,
                                                        .Menu = &CellOptions.Menu, .Next = &Mp3LeftMatrix,
                                                        .Prev = &Mp3RightMatrix, .Handler = SideBySideMatrix<>},
                                     {{"R", 1}}, {"TC"});
UIPageControls<4> Mp3Routing = PageControls("MP3 ROUTING", Mp3Routing, {
    ControlOf(Mp3LeftMatrix), ControlOf(Mp3LeftTcMatrix), ControlOf(Mp3RightMatrix), ControlOf(Mp3RightTcMatrix),
});

// "AUX RECORD": recording to the auxiliary device.
const UIOptions<5> AuxFileOptions =
    OptionsOf(AuxFileOptions, {"MP3 32KB", "MP3 64KB", "MP3 128KB", "BWAV MONO", "BWAV POLY"});
const UIOptions<2> AuxBitsOptions = OptionsOf(AuxBitsOptions, {"16 BITS", "24 BITS"});
const UIOptions<2> AuxDeviceOptions = OptionsOf(AuxDeviceOptions, {"MICRO SD", "USB"});
UIValue CombineFiles = Options(OffOnOptions);
UIValue AuxStartSeg = Number(0, 999, "%d", "___"), AuxEndSeg = Number(0, 999, "%d", "___");
UIValue AuxFileType = Options(AuxFileOptions), AuxResolution = Options(AuxBitsOptions);
UIValue AuxDevice = Options(AuxDeviceOptions);
UIMenuPage<8> AuxRecord = MenuPage("AUX RECORD", AuxRecord, {.Column = 130}, {
    Row("COMBINE FILES ", CombineFiles),
    Row("START SEG ", AuxStartSeg),
    Row("END SEG ", AuxEndSeg),
    Row("FILE TYPE ", AuxFileType),
    Row("FILE RESOLUTION ", AuxResolution),
    Opens("FORMAT DEVICE", AuxDevicePage),
    Opens("MP3 ROUTING MENU", Mp3RoutingPage),
    Row("AUX DEVICE ", AuxDevice),
});

}  // namespace

UIPage PlayOutRouterPage = PageOf(OutRouterControls, RouterHandler<&PlayOutRouter2Page>);
UIPage PlayOutRouter2Page = PageOf(OutRouter9Controls, TwelveTracksOnly, &PlayOutRouterPage);
UIPage PlayHphRouterPage = PageOf(HphRouterControls, RouterHandler<&PlayHphRouter2Page>);
UIPage PlayHphRouter2Page = PageOf(HphRouter9Controls, TwelveTracksOnly, &PlayHphRouterPage);
UIPage Mp3RoutingPage = PageOf(Mp3Routing);
UIPage AuxRecordPage = PageOf(AuxRecord);

const UIKeepsPowerOn KeptRouters{OutRoutes,     OutRoutes9,     OutRouter,      OutRouter9,     HphRoutes,
                                 HphRoutes9,    HphRouter,      HphRouter9,     Mp3Left,        Mp3Right,
                                 Mp3LeftTc,     Mp3RightTc,     Mp3LeftMatrix,  Mp3LeftTcMatrix, Mp3RightMatrix,
                                 Mp3RightTcMatrix, CombineFiles, AuxStartSeg,   AuxEndSeg,      AuxFileType,
                                 AuxResolution, AuxDevice,      AuxRecord,      PlayOutRouterPage,
                                 PlayOutRouter2Page, PlayHphRouterPage, PlayHphRouter2Page, Mp3RoutingPage,
                                 AuxRecordPage};
