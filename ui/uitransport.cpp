// The transport displays drawn for other pages: the card and folder box of "META DATA", the playback
// display of "PLAYBACK CONTROL", the audition display of "KAVLIN AUDITION", and the "IFB DEBUG" page.
#include <cstdint>

#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "orvel/orvel.h"
#include "orvel/orvelhooks.h"
#include "orvel/orvelpages.h"
#include "orvel/orvelplay.h"
#include "ui/uihome.h"
#include "uicore/uicontrols.h"
#include "uicore/uieditors.h"
#include "uicore/uikeys.h"
#include "uicore/uimeter.h"

namespace {

constexpr std::int32_t FONT_SMALL = 0;
constexpr std::int32_t FONT_LARGE = 1;
constexpr std::size_t BOX_TEXT = 40;  // 39 characters and the terminating zero
constexpr std::uint32_t CARD_LINES = 3;
constexpr std::int32_t BOX_LEFT = 4;
constexpr std::int32_t BOX_RIGHT = 215;
constexpr std::int32_t BOX_TOP = 44;
constexpr std::int32_t BOX_LINES_Y = 50;
constexpr std::int32_t MP3_X = 194;
constexpr std::int32_t MP3_Y = 161;

constexpr std::int32_t DISPLAY_TOP = 25;
constexpr std::int32_t DISPLAY_TIMECODE_X = 86;
constexpr std::int32_t BAR_LEFT = 6;
constexpr std::int32_t BAR_WIDTH = 210;
constexpr std::int32_t TAKE_X = 155;
constexpr std::int32_t DETAILS_STEP = 20;  // from the times to scene and take
constexpr std::int32_t DISPLAY_METER_X = 10;
constexpr std::int32_t DISPLAY_METER_Y = 154;
constexpr Colour PLAYBACK_METER_COLOUR = 0xF81F;

constexpr const char* AUDITION_MARKER_TC = "00:00:00:00";

constexpr std::uint32_t REQUEST_STOP = 0;
constexpr std::uint32_t REQUEST_PLAY = 1;
constexpr std::uint32_t REQUEST_RECORD = 2;
constexpr std::uint32_t REQUEST_3 = 3;
constexpr std::uint32_t REQUEST_4 = 4;

OrvelFolderDetails CurrentFolder()
{
    return OrvelFolderInfo(Orvel.FolderNum);
}

// The folder and where the edited segment stands in it: a past one, the current or the next.
void FolderLine(char* text, std::size_t size)
{
    const OrvelFolderDetails folder = CurrentFolder();
    const auto n = static_cast<std::int32_t>(folder.NSegs);
    const bool recording = Orvel.Transport == 2;
    if (Orvel.Segment == n + 1)
        FormatText(text, size, recording ? "FOLDER %s (CUR seg)" : "FOLDER %s (NEXT seg)", folder.Name);
    else if (Orvel.Segment == n && !recording)
        FormatText(text, size, "FOLDER %s (CUR seg)", folder.Name);
    else
        FormatText(text, size, "FOLDER %s (%d segs)", folder.Name, n);
}

std::int32_t DrawSmall(Canvas* c, std::int32_t x, std::int32_t y, const char* text)
{
    return DrawText(c, x, y, ALIGN_TOP_LEFT, FONT_SMALL, COLOUR_BLACK, text);
}

void DrawMetaDataBox(Canvas* c)
{
    CanvasDrawLine(c, BOX_LEFT, BOX_TOP, BOX_RIGHT, BOX_TOP, COLOUR_BLACK);
    std::int32_t y = BOX_LINES_Y;
    char text[BOX_TEXT] = {};
    for (std::uint32_t n = 0; n < CARD_LINES; ++n) {
        StatusText(text, n, sizeof(text));
        y = DrawSmall(c, BOX_LEFT, y, text);
    }
    y += 6;
    CanvasDrawLine(c, BOX_LEFT, y, BOX_RIGHT, y, COLOUR_BLACK);
    FolderLine(text, sizeof(text));
    DrawSmall(c, BOX_LEFT, y + 7, text);
    // The simulated recorder writes an MP3 copy of every segment while MP3 support is on.
    if (Mp3SupportGet())
        DrawSmall(c, MP3_X, MP3_Y, "MP3");
}

// Transport requests and scrub steps on key releases; every other release is consumed.
void DisplayKeyUp(Message* msg, bool audition)
{
    const std::uint32_t key = MsgParamUnsigned(msg) & KEY_VALUE_MASK;
    switch (key) {
    case KEY_TC:
    case KEY_AMIX:
    case KEY_KLIN:
        if (!audition)
            OrvelTransportCmd(key == KEY_TC ? REQUEST_RECORD : key == KEY_AMIX ? REQUEST_PLAY : REQUEST_STOP);
        break;
    case KEY_BUS:
    case ',':
        OrvelTransportCmd(REQUEST_3);
        break;
    case KEY_PFL:
    case '.':
        OrvelTransportCmd(REQUEST_4);
        break;
    case '[':
    case ']':
        Orvel.Play.Scrub += key == ']' ? 1 : -1;
        break;
    default:
        break;
    }
}

void TitleTracks(const char* format)
{
    FormatText(OrvelMeters.Name[0], sizeof(OrvelMeters.Name[0]), format, Orvel.Play.NTracks);
}

void DisplayRefresh(const char* title)
{
    OrvelMeters.NMeters = 1;
    MeterSetup(&OrvelMeters, 0, METER_SRCE_PLAY, 0, 0, METER_KNOB_NONE);
    OrvelMeters.Colour[0] = PLAYBACK_METER_COLOUR;
    TitleTracks(title);
}

// The line at y with the play head at position percent of its length.
void DrawBar(Canvas* c, std::int32_t y, std::int32_t percent)
{
    CanvasDrawLine(c, BAR_LEFT, y, BAR_LEFT + BAR_WIDTH, y, COLOUR_BLACK);
    const std::int32_t x = BAR_LEFT + percent * BAR_WIDTH / 100;
    c->DrawImage(c, x - StatusMarkImage.Width / 2, y - StatusMarkImage.Height / 2, &StatusMarkImage, 0);
}

// Times, scene, take, note and folder from y on, then the meter under its title.
void DrawSegmentDetails(Canvas* c, std::int32_t y, const char* meterTitle)
{
    const OrvelPlay& play = Orvel.Play;
    char text[BOX_TEXT] = {};
    FormatText(text, sizeof(text), "TIME:%02d:%02d  TOTAL:%02d:%02d", play.TimeMin, play.TimeSec, play.TotalMin,
               play.TotalSec);
    DrawSmall(c, BAR_LEFT, y, text);
    y += DETAILS_STEP;
    FormatText(text, sizeof(text), "S:%s", play.Scene);
    DrawSmall(c, BAR_LEFT, y, text);
    FormatText(text, sizeof(text), "T:%s", play.Take);
    y = DrawSmall(c, TAKE_X, y, text);
    FormatText(text, sizeof(text), "N:%s", play.Name);
    y = DrawSmall(c, BAR_LEFT, y, text);
    FolderLine(text, sizeof(text));
    DrawSmall(c, BAR_LEFT, y, text);
    TitleTracks(meterTitle);
    MeterDraw(c, &OrvelMeters, DISPLAY_METER_X, DISPLAY_METER_Y);
}

// Status and the segment's timecode in the large font; returns the y below them.
std::int32_t DrawDisplayTop(Canvas* c)
{
    const char* status = nullptr;
    Colour colour = COLOUR_BLACK;
    TransportStatus(Orvel.Transport, &status, &colour);
    DrawText(c, 1, DISPLAY_TOP, ALIGN_TOP_LEFT, FONT_LARGE, colour, status);
    return DrawText(c, DISPLAY_TIMECODE_X, DISPLAY_TOP, ALIGN_TOP_LEFT, FONT_LARGE, colour, Orvel.Play.Timecode);
}

void DrawPlayback(Canvas* c)
{
    const std::int32_t y = DrawDisplayTop(c) + 2 * FontHeight(c, FONT_SMALL) + 10;
    DrawBar(c, y, Orvel.Play.Position);
    DrawSegmentDetails(c, y + 6, "(%d TRACKS)");
}

void DrawAudition(Canvas* c)
{
    std::int32_t y = DrawDisplayTop(c) + 4;
    char text[BOX_TEXT] = {};
    FormatText(text, sizeof(text), "Marker TC: %s", AUDITION_MARKER_TC);
    y = DrawSmall(c, BAR_LEFT, y, text) + 10;
    DrawBar(c, y, 0);
    DrawSegmentDetails(c, y + 6, "%d TRACKS");
}

std::uint32_t TransportDisplay(Message* msg, bool audition)
{
    switch (msg->Id) {
    case MSG_KEY_UP:
        DisplayKeyUp(msg, audition);
        return 1;
    case MSG_EDITOR_GET:
        msg->Param = MsgParamOf(&UINumberEditor);
        return 1;
    case MSG_PAGE_ENTER:
        PlayReset();  // the view starts on the segment the recorder reports; edits then last while it shows
        return 0;
    case MSG_REFRESH:
        DisplayRefresh(audition ? "(%d TRACKS)" : "%d TRACKS");
        return 0;
    case MSG_REDRAW:
        if (audition)
            DrawAudition(&LcdCanvas);
        else
            DrawPlayback(&LcdCanvas);
        return 0;
    default:
        return 0;
    }
}

}  // namespace

std::uint32_t MetaDataBoxHandler(void*, Message* msg)
{
    if (msg->Id == MSG_REDRAW)
        DrawMetaDataBox(&LcdCanvas);
    return 0;
}

std::uint32_t PlaybackDisplayHandler(void*, Message* msg)
{
    return TransportDisplay(msg, false);
}

std::uint32_t AuditionDisplayHandler(void*, Message* msg)
{
    return TransportDisplay(msg, true);
}

std::uint32_t IfbDebugPageHandler(void*, Message* msg)
{
    if (msg->Id == MSG_REDRAW)
        IfbDebugDraw();
    return 0;
}
