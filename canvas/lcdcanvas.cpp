#include "canvas/lcdcanvas.h"

#include "common/debug.h"

Canvas LcdCanvas;

namespace {

LcdDisplayFn Display;

// Unsigned comparison puts negative coordinates outside too.
bool Inside(std::int32_t x, std::int32_t y)
{
    return static_cast<std::uint32_t>(x) < LCD_WIDTH && static_cast<std::uint32_t>(y) < LCD_HEIGHT;
}

std::int32_t Element(std::int32_t x, std::int32_t y)
{
    return x + (LCD_HEIGHT - 1 - y) * LCD_WIDTH;
}

void LcdPixelSet(Canvas* c, std::int32_t x, std::int32_t y, Colour colour)
{
    if (Inside(x, y))
        c->Buffer[Element(x, y)] = colour;
}

Colour LcdPixelGet(Canvas* c, std::int32_t x, std::int32_t y)
{
    return Inside(x, y) ? c->Buffer[Element(x, y)] : COLOUR_WHITE;
}

void LcdUpdate(Canvas* c)
{
    if (Display)
        Display(c);
}

}  // namespace

void LcdCanvasInit(Canvas* c, Colour* buf, int width, int height)
{
    if (!ASSERT(c))
        return;
    ASSERT(buf);
    ASSERT(width == LCD_WIDTH);
    ASSERT(height == LCD_HEIGHT);
    c->Width = static_cast<std::uint8_t>(width);
    c->Height = static_cast<std::uint8_t>(height);
    c->Buffer = buf;
    c->Rotated = 0;  // a fresh canvas shows upright, also when a front end starts the recorder anew
    c->Update = LcdUpdate;
    c->PixelSet = LcdPixelSet;
    c->PixelGet = LcdPixelGet;
    CanvasInit(c);
}

bool LcdIsDirect(const Canvas* c)
{
    return c->PixelSet == LcdPixelSet && c->PixelGet == LcdPixelGet;
}

Colour* LcdRow(Canvas* c, std::int32_t y)
{
    return c->Buffer + Element(0, y);
}

LcdDisplayFn LcdSetDisplay(LcdDisplayFn display)
{
    const LcdDisplayFn previous = Display;
    Display = display;
    return previous;
}

void MsgLcdUpdate()
{
    if (LcdCanvas.Update)
        LcdCanvas.Update(&LcdCanvas);
}
