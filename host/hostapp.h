#pragma once
// The simulator around the recorder: start-up and shut-down, the model and capture menu, and the
// pictures the windows show (the client area with the panel and the enlarged LCD, the LCD window).
#include <string>

#include "canvas/lcdcanvas.h"
#include "host/hostui.h"
#include "host/panelgeometry.h"
#include "host/pngfile.h"

constexpr int CLIENT_WIDTH = PANEL_WIDTH;
constexpr int PANEL_ONLY_HEIGHT = 197;      // the client height that hides the enlarged LCD
constexpr int MIN_LCD_ZOOM = 1;
constexpr int MAX_LCD_ZOOM = 4;
constexpr int DEFAULT_LCD_ZOOM = 2;  // the recorder's own layout

// Where the enlarged LCD sits in the client picture at a zoom, and how high the picture is then. It
// keeps the place of the twice-as-large LCD while it fits there, else it is centred below the panel.
struct ClientLayout {
    int LcdX;
    int LcdY;
    int Height;
};

constexpr ClientLayout ClientLayoutAt(int zoom)
{
    constexpr int lcdX = 450;
    constexpr int lcdY = 210;
    constexpr int rightEdge = lcdX + DEFAULT_LCD_ZOOM * LCD_WIDTH;
    constexpr int bottomMargin = 10;
    const int width = zoom * LCD_WIDTH;
    return {.LcdX = lcdX + width <= rightEdge ? lcdX : (CLIENT_WIDTH - width) / 2,
            .LcdY = lcdY,
            .Height = lcdY + zoom * LCD_HEIGHT + bottomMargin};
}

constexpr int CLIENT_HEIGHT = ClientLayoutAt(DEFAULT_LCD_ZOOM).Height;
static_assert(CLIENT_HEIGHT == 572);
constexpr int LCD_WINDOW_SCALE = 4;
constexpr int LCD_WINDOW_WIDTH = 880;
constexpr int LCD_WINDOW_HEIGHT = 704;

enum HostCommand : int {
    CMD_ORVEL_4 = 40001,
    CMD_ORVEL_6 = 40002,
    CMD_ORVEL_8 = 40003,
    CMD_ORVEL_12 = 40004,
    CMD_SAVE_LCD = 40005,
};

struct HostState {
    HostUi* Ui;
    RgbPicture PanelRest;  // the panel at rest
    RgbPicture PanelLit;   // every key and LED lit
    RgbPicture Client;     // what the main window's client area shows
    RgbPicture LcdWindow;  // what the LCD window shows
    int SavedClientHeight;  // the client height that shows the enlarged LCD
    int LcdZoom = DEFAULT_LCD_ZOOM;  // of the enlarged LCD below the panel
    std::string OutputDir;  // where "Save LCD" and the region capture write; empty: the current folder
};

extern HostState Host;

// Starts the recorder behind the windows. False, after the message box "Failed to load background
// image", when a panel picture is missing or of the wrong size: nothing is started then.
bool HostStart(HostUi& ui, const RgbPicture& rest, const RgbPicture& lit, int argc, const char* const* argv,
               const char* programPath);
void HostShutdown();
void HostMenuCommand(int command);
// Converts the LCD and draws the three views; installed as the LCD's display.
void LcdRefresh();
// Lays the client picture out for the enlarged LCD at the zoom and redraws it; the window follows
// unless it hides the enlarged LCD. Before the start it only chooses the zoom the start lays out.
void HostSetLcdZoom(int zoom);
// The LCD alone as the views show it (turned while Rotated), each pixel zoom x zoom.
RgbPicture LcdViewPicture(int zoom);
