#include "host/lcddib.h"

#include <algorithm>
#include <cstring>

#include "common/debug.h"

LcdDib LcdPicture;

namespace {

// The LCD canvas's store as last converted (rows bottom first, as the LCD canvas keeps them): most
// redraws change a few characters, and only those need converting and drawing into the views.
struct ConvertedLcd {
    std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Store;
    std::uint8_t Rotated;
    bool Valid;
};

ConvertedLcd Converted;

// The colour's 8-bit components as the display shows them, each field shifted up, low bits 0.
std::uint32_t DisplayRgb(std::uint32_t colour)
{
    return (((colour >> 8) & 0xF8) << 16) | (((colour >> 3) & 0xF8) << 8) | ((colour << 3) & 0xF8);
}

// Reads the LCD canvas's store directly: this runs on every redraw of the LCD.
void ConvertPart(const DibRect& part)
{
    const Canvas* c = &LcdCanvas;
    const int step = c->Rotated ? -1 : 1;
    for (int y = part.Top; y < part.Bottom; ++y) {
        // turned, display pixel (x, y) is canvas pixel (219 - x, 175 - y), which the store keeps in row y
        const Colour* source = c->Rotated ? c->Buffer + y * LCD_WIDTH + (LCD_WIDTH - 1 - part.Left)
                                          : c->Buffer + (LCD_HEIGHT - 1 - y) * LCD_WIDTH + part.Left;
        std::uint8_t* p = &LcdPicture.Bits[DibOffset(part.Left, y)];
        for (int x = part.Left; x < part.Right; ++x, source += step, p += 3) {
            const std::uint32_t rgb = DisplayRgb(*source);
            p[0] = static_cast<std::uint8_t>(rgb >> 16);
            p[1] = static_cast<std::uint8_t>(rgb >> 8);
            p[2] = static_cast<std::uint8_t>(rgb);
        }
    }
}

// Compares four pixels at a time: a row's change is often far from its ends.
bool SameFour(const Colour* a, const Colour* b)
{
    std::uint64_t x;
    std::uint64_t y;
    std::memcpy(&x, a, sizeof(x));
    std::memcpy(&y, b, sizeof(y));
    return x == y;
}

// The first and one past the last pixel in which two different rows differ.
void DifferingSpan(const Colour* now, const Colour* before, int& first, int& last)
{
    static_assert(LCD_WIDTH % 4 == 0);
    first = 0;
    while (SameFour(now + first, before + first))
        first += 4;
    while (now[first] == before[first])
        ++first;
    last = LCD_WIDTH;
    while (SameFour(now + last - 4, before + last - 4))
        last -= 4;
    while (now[last - 1] == before[last - 1])
        --last;
}

// The bounds of what differs from the converted store, in canvas coordinates; the converted store
// takes the changes over.
DibRect StoreChanges(const Colour* store)
{
    DibRect box = {LCD_WIDTH, LCD_HEIGHT, 0, 0};
    for (int row = 0; row < LCD_HEIGHT; ++row) {
        const Colour* now = store + row * LCD_WIDTH;
        Colour* before = &Converted.Store[static_cast<std::size_t>(row * LCD_WIDTH)];
        if (std::memcmp(now, before, LCD_WIDTH * sizeof(Colour)) == 0)
            continue;
        int first = 0;
        int last = 0;
        DifferingSpan(now, before, first, last);
        std::copy(now + first, now + last, before + first);
        const int y = LCD_HEIGHT - 1 - row;
        box = {std::min(box.Left, first), std::min(box.Top, y), std::max(box.Right, last), std::max(box.Bottom, y + 1)};
    }
    return box;
}

DibRect Turned(const DibRect& r)
{
    return {LCD_WIDTH - r.Right, LCD_HEIGHT - r.Bottom, LCD_WIDTH - r.Left, LCD_HEIGHT - r.Top};
}

}  // namespace

bool DibRectEmpty(const DibRect& rect)
{
    return rect.Left >= rect.Right || rect.Top >= rect.Bottom;
}

void DibSetPixel(int x, int y, std::uint32_t rgb)
{
    if (!ASSERT(x < bmpWidth_) || !ASSERT(y < bmpHeight_))
        return;
    std::uint8_t* p = &LcdPicture.Bits[DibOffset(x, y)];
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
}

void LcdToDib()
{
    ConvertPart(DIB_WHOLE);
}

DibRect LcdToDibChanges()
{
    const Canvas* c = &LcdCanvas;
    DibRect changed = DIB_WHOLE;
    if (Converted.Valid && Converted.Rotated == c->Rotated) {
        const DibRect box = StoreChanges(c->Buffer);
        changed = c->Rotated ? Turned(box) : box;
    } else {
        std::copy(c->Buffer, c->Buffer + Converted.Store.size(), Converted.Store.begin());
        Converted.Rotated = c->Rotated;
        Converted.Valid = true;
    }
    if (!DibRectEmpty(changed))
        ConvertPart(changed);
    return changed;
}

void LcdToDibForget()
{
    Converted.Valid = false;
}

std::uint32_t DibPixel(int x, int y)
{
    const std::uint8_t* p = &LcdPicture.Bits[DibOffset(x, y)];
    // the first byte is the blue channel on screen
    return (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
}
