#include "host/hostapp.h"

#include <algorithm>
#include <array>

#include "canvas/lcdcanvas.h"
#include "common/debug.h"
#include "host/bmpcapture.h"
#include "host/hostdebug.h"
#include "host/hosttimer.h"
#include "host/lcddib.h"
#include "host/panel.h"
#include "message/message.h"
#include "orvel/orvel.h"
#include "ui/ui.h"
#include "uicore/uimain.h"

HostState Host;

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> LcdBuffer;

bool PanelPicturesUsable(const RgbPicture& rest, const RgbPicture& lit)
{
    auto usable = [](const RgbPicture& p) { return p.Width == PANEL_WIDTH && p.Height == PANEL_HEIGHT; };
    return usable(rest) && usable(lit);
}

// Filled in place: a crawl of the pages starts the recorder thousands of times, and a fresh picture
// of this size costs its pages again each time.
void Blank(RgbPicture& picture, int width, int height)
{
    picture.Width = width;
    picture.Height = height;
    picture.Pixels.assign(static_cast<std::size_t>(width * height * 3), 0xF0);
}

// Row by row: a crawl of the pages starts the recorder thousands of times.
void CopyInto(RgbPicture& target, const RgbPicture& source, int rows)
{
    const auto bytes = static_cast<std::size_t>(std::min(source.Width, target.Width) * 3);
    for (int y = 0; y < rows && y < source.Height && y < target.Height; ++y)
        std::copy_n(&source.Pixels[static_cast<std::size_t>(y * source.Width * 3)], bytes,
                    &target.Pixels[static_cast<std::size_t>(y * target.Width * 3)]);
}

// The host's own state as at power-on; the recorder's is OrvelPowerOn's.
void ResetHost()
{
    HostTimerReset();
    PanelReset();
}

}  // namespace

bool HostStart(HostUi& ui, const RgbPicture& rest, const RgbPicture& lit, int argc, const char* const* argv,
               const char* programPath)
{
    Host.Ui = &ui;
    if (!PanelPicturesUsable(rest, lit)) {
        ui.MessageBox("Failed to load background image", "Error", HostBox::Plain);
        return false;
    }
    ResetHost();
    Host.PanelRest = rest;
    Host.PanelLit = lit;
    Blank(Host.Client, CLIENT_WIDTH, ClientLayoutAt(Host.LcdZoom).Height);
    CopyInto(Host.Client, rest, PANEL_HEIGHT);
    Blank(Host.LcdWindow, LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT);
    LcdToDibForget();  // the fresh pictures hold no view yet
    Host.SavedClientHeight = ui.ClientHeight();
    LcdCanvasInit(&LcdCanvas, LcdBuffer.data(), LCD_WIDTH, LCD_HEIGHT);
    LcdSetDisplay([](Canvas*) {
        LcdRefresh();
        HostTraceRedrawn();
    });
    OrvelPowerOn(argc, argv, programPath);
    StartUserInterface();
    ui.CheckModel(OrvelGetNTracks());
    MsgBroadcast(MSG_STARTUP);
    UIRedraw();
    return true;
}

void HostShutdown()
{
    MsgBroadcast(MSG_SHUTDOWN);
    LcdSetDisplay(nullptr);
    Host.Ui = nullptr;
}

void HostMenuCommand(int command)
{
    switch (command) {
    case CMD_ORVEL_4:
        OrvelSetNTracks(4);
        break;
    case CMD_ORVEL_6:
        OrvelSetNTracks(6);
        break;
    case CMD_ORVEL_8:
        OrvelSetNTracks(8);
        break;
    case CMD_ORVEL_12:
        OrvelSetNTracks(12);
        break;
    case CMD_SAVE_LCD:
        SaveLcd(*Host.Ui, Host.OutputDir);
        break;
    default:
        return;
    }
    Host.Ui->CheckModel(OrvelGetNTracks());
    UIRefreshPage(UICurrentPage);
    UIRedraw();
}

// Only what changed since the previous refresh is converted and drawn into the views: the pictures
// keep the rest, and the first refresh after a start draws them whole.
void LcdRefresh()
{
    if (Host.Ui && !Host.Ui->ShowsViews())
        return;
    const DibRect changed = LcdToDibChanges();
    if (!Host.Ui)
        return;
    const ClientLayout layout = ClientLayoutAt(Host.LcdZoom);
    DrawScaledPart(Host.Client, layout.LcdX, layout.LcdY, Host.LcdZoom, false, changed);
    DrawScaledPart(Host.Client, 648, 45, 134.0 / 220.0, false, changed);
    DrawScaledPart(Host.LcdWindow, 0, 0, LCD_WINDOW_SCALE, true, changed);
    Host.Ui->Repaint();
}

void HostSetLcdZoom(int zoom)
{
    if (!ASSERT(zoom >= MIN_LCD_ZOOM && zoom <= MAX_LCD_ZOOM))
        return;
    Host.LcdZoom = zoom;
    if (!Host.Ui || Host.Client.Pixels.empty())
        return;
    HostUi& ui = *Host.Ui;
    const bool lcdHidden = ui.ClientHeight() != Host.SavedClientHeight;
    // the panel keeps its lit keys: only the rows below it are laid out afresh
    const RgbPicture before = std::move(Host.Client);
    Blank(Host.Client, CLIENT_WIDTH, ClientLayoutAt(zoom).Height);
    CopyInto(Host.Client, before, PANEL_HEIGHT);
    Host.SavedClientHeight = Host.Client.Height;
    if (!lcdHidden)
        ui.SetClientHeight(Host.Client.Height);
    LcdToDibForget();
    LcdRefresh();
}

RgbPicture LcdViewPicture(int zoom)
{
    RgbPicture picture;
    if (!ASSERT(zoom >= MIN_LCD_ZOOM && zoom <= MAX_LCD_ZOOM))
        return picture;
    // converted whole: a front end without windows leaves the picture as it was
    LcdToDib();
    Blank(picture, LCD_WIDTH * zoom, LCD_HEIGHT * zoom);
    DrawScaled(picture, 0, 0, zoom, false);
    return picture;
}
