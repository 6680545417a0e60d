#include "host/hostapp.h"

#include <array>

#include "canvas/lcdcanvas.h"
#include "host/bmpcapture.h"
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

RgbPicture Blank(int width, int height)
{
    RgbPicture picture{.Width = width, .Height = height, .Pixels = {}};
    picture.Pixels.assign(static_cast<std::size_t>(width * height * 3), 0xF0);
    return picture;
}

void CopyInto(RgbPicture& target, const RgbPicture& source)
{
    for (int y = 0; y < source.Height && y < target.Height; ++y)
        for (int x = 0; x < source.Width && x < target.Width; ++x)
            target.Set(x, y, source.At(x, y));
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
    Host.Client = Blank(CLIENT_WIDTH, CLIENT_HEIGHT);
    CopyInto(Host.Client, rest);
    Host.LcdWindow = Blank(LCD_WINDOW_WIDTH, LCD_WINDOW_HEIGHT);
    LcdToDibForget();  // the fresh pictures hold no view yet
    Host.SavedClientHeight = ui.ClientHeight();
    LcdCanvasInit(&LcdCanvas, LcdBuffer.data(), LCD_WIDTH, LCD_HEIGHT);
    LcdSetDisplay([](Canvas*) { LcdRefresh(); });
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
    DrawScaledPart(Host.Client, 450, 210, 2.0, false, changed);
    DrawScaledPart(Host.Client, 648, 45, 134.0 / 220.0, false, changed);
    DrawScaledPart(Host.LcdWindow, 0, 0, 4.0, true, changed);
    Host.Ui->Repaint();
}
