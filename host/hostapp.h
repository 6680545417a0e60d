#pragma once
// The simulator around the recorder: start-up and shut-down, the model and capture menu, and the
// pictures the windows show (the client area with the panel and the enlarged LCD, the LCD window).
#include <string>

#include "host/hostui.h"
#include "host/panelgeometry.h"
#include "host/pngfile.h"

constexpr int CLIENT_WIDTH = PANEL_WIDTH;
constexpr int CLIENT_HEIGHT = 572;          // the panel and the LCD twice as large below it
constexpr int PANEL_ONLY_HEIGHT = 197;      // the client height that hides the enlarged LCD
// Where the enlarged LCD lies in the client picture, and how much larger the views show it.
constexpr int CLIENT_LCD_X = 450;
constexpr int CLIENT_LCD_Y = 210;
constexpr int CLIENT_LCD_SCALE = 2;
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
    int SavedClientHeight;
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
