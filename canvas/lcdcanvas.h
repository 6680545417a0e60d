#pragma once
// The recorder's one colour LCD as a canvas. The store is given by the front end that creates it and
// holds rows bottom first: pixel (x, y) is element x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH.
#include "canvas/canvas.h"

constexpr int LCD_WIDTH = 220;
constexpr int LCD_HEIGHT = 176;

extern Canvas LcdCanvas;

// Called by the LCD's Update with the finished picture; installed by the front end.
using LcdDisplayFn = void (*)(Canvas* c);

void LcdCanvasInit(Canvas* c, Colour* buf, int width, int height);
// Whether c's pixel operations are the LCD's own: drawing may then write straight into its store, a
// row at a time, instead of calling PixelSet for every pixel. Any other canvas is drawn through its slots.
bool LcdIsDirect(const Canvas* c);
// Row y (0 to LCD_HEIGHT - 1) of the store of a canvas that LcdIsDirect.
Colour* LcdRow(Canvas* c, std::int32_t y);
// Installs the display side's refresh (null: Update does nothing) and returns the previous one.
LcdDisplayFn LcdSetDisplay(LcdDisplayFn display);
// Makes the LCD canvas's current picture visible again (after the front end resized or showed a view).
void MsgLcdUpdate();
