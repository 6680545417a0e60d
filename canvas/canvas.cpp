#include "canvas/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "canvas/font.h"
#include "canvas/images.h"
#include "canvas/lcdcanvas.h"
#include "common/debug.h"

namespace {

std::int32_t Clamp(std::int32_t value, std::int32_t limit)
{
    if (value < 0)
        return 0;
    return value > limit ? limit : value;
}

// Where one row's pixels go. Through the canvas's slots, which clip:
struct SlotRow {
    Canvas* C;
    std::int32_t Y;

    Colour Get(std::int32_t x) const { return C->PixelGet(C, x, Y); }
    void Set(std::int32_t x, Colour colour) const { C->PixelSet(C, x, Y, colour); }
};

// Or, for a canvas that LcdIsDirect, straight into a row of its store; the caller keeps x inside.
struct StoreRow {
    Colour* Pixels;

    Colour Get(std::int32_t x) const { return Pixels[x]; }
    void Set(std::int32_t x, Colour colour) const { Pixels[x] = colour; }
};

// Calls draw(row, r, first, end) for the rows r of a width x height block at (x, y), with the columns
// first to end - 1 of the block to draw. A canvas that LcdIsDirect gets its store's rows and only the
// part inside it (its slots would drop the rest); any other canvas its slots and every column.
template <typename DrawRow>
void ForEachRow(Canvas* c, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, DrawRow draw)
{
    if (!LcdIsDirect(c)) {
        for (std::int32_t r = 0; r < height; ++r)
            draw(SlotRow{c, y + r}, r, 0, width);
        return;
    }
    const std::int32_t first = std::max(0, -x);
    const std::int32_t end = std::min(width, LCD_WIDTH - x);
    for (std::int32_t r = std::max(0, -y); r < std::min(height, LCD_HEIGHT - y); ++r)
        draw(StoreRow{LcdRow(c, y + r)}, r, first, end);
}

// Fills columns x1..x2 of rows y1..y2, all inside a canvas that LcdIsDirect.
void FillStore(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour)
{
    for (std::int32_t y = y1; y <= y2; ++y) {
        Colour* row = LcdRow(c, y);
        std::fill(row + x1, row + x2 + 1, colour);
    }
}

void GenericClear(Canvas* c)
{
    if (LcdIsDirect(c)) {
        FillStore(c, 0, 0, c->Width - 1, c->Height - 1, COLOUR_WHITE);
        return;
    }
    for (std::int32_t x = 0; x < c->Width; ++x)
        for (std::int32_t y = 0; y < c->Height; ++y)
            c->PixelSet(c, x, y, COLOUR_WHITE);
}

void GenericFillRect(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour)
{
    x1 = Clamp(x1, c->Width - 1);
    x2 = Clamp(x2, c->Width - 1);
    y1 = Clamp(y1, c->Height - 1);
    y2 = Clamp(y2, c->Height - 1);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (LcdIsDirect(c)) {
        FillStore(c, x1, y1, x2, y2, colour);
        return;
    }
    for (std::int32_t y = y1; y <= y2; ++y)
        for (std::int32_t x = x1; x <= x2; ++x)
            c->PixelSet(c, x, y, colour);
}

template <typename Row>
void DrawBitmapRow(const Row& row, std::int32_t x, const std::uint8_t* bits, std::int32_t first, std::int32_t end,
                   Colour colour)
{
    for (std::int32_t col = first; col < end; ++col) {
        if (bits[col / 8] == 0)
            col |= 7;  // glyph rows are mostly empty bytes, which set nothing: skip to the next byte
        else if (bits[col / 8] & (0x80 >> (col % 8)))
            row.Set(x + col, colour);
    }
}

void GenericDrawBitmap(Canvas* c, std::int32_t x, std::int32_t y, const std::uint8_t* bitmap, Colour colour)
{
    const std::int32_t width = bitmap[0];
    const std::int32_t bytesPerRow = (width + 7) / 8;
    ForEachRow(c, x, y, width, bitmap[1], [&](const auto& row, std::int32_t r, std::int32_t first, std::int32_t end) {
        DrawBitmapRow(row, x, bitmap + 2 + r * bytesPerRow, first, end, colour);
    });
}

// weight 0..255 of the new colour over the old; signed arithmetic, truncation toward zero
std::int32_t BlendComponent(std::int32_t oldValue, std::int32_t newValue, std::int32_t weight)
{
    return oldValue + ((newValue - oldValue) * weight) / 255;
}

template <typename Row>
void BlendPixel(const Row& row, std::int32_t x, std::int32_t blue, std::int32_t green, std::int32_t red, std::int32_t t)
{
    if (t == 255)
        return;
    if (t == 0) {
        row.Set(x, ColourFromComponents(blue, green, red));
        return;
    }
    const Colour old = row.Get(x);
    const std::int32_t weight = 255 - t;
    row.Set(x,
            ColourFromComponents(BlendComponent(ColourBlue(old), blue, weight),
                                 BlendComponent(ColourGreen(old), green, weight),
                                 BlendComponent(ColourRed(old), red, weight)));
}

template <ImageFormat Format, typename Row>
void DrawImagePixel(const Row& row, std::int32_t x, const std::uint8_t* p, Colour colour)
{
    if constexpr (Format == IMAGE_COVERAGE) {
        if (p[0] == 0)
            row.Set(x, colour);  // exactly the colour argument, not its round trip
        else
            BlendPixel(row, x, ColourBlue(colour), ColourGreen(colour), ColourRed(colour), p[0]);
    } else if constexpr (Format == IMAGE_RGB565) {
        row.Set(x, static_cast<Colour>((p[0] << 8) | p[1]));
    } else if constexpr (Format == IMAGE_BGR) {
        row.Set(x, ColourFromComponents(p[0], p[1], p[2]));
    } else {
        BlendPixel(row, x, p[0], p[1], p[2], p[3]);
    }
}

// The format is settled once per image, not once per pixel: images are the bulk of every redraw.
template <ImageFormat Format, std::int32_t Step>
void DrawImageRows(Canvas* c, std::int32_t x, std::int32_t y, const Image* image, Colour colour)
{
    const std::int32_t width = image->Width;
    ForEachRow(c, x, y, width, image->Height,
               [&](const auto& row, std::int32_t r, std::int32_t first, std::int32_t end) {
                   const std::uint8_t* p = image->Data + (r * width + first) * Step;
                   for (std::int32_t col = first; col < end; ++col, p += Step)
                       DrawImagePixel<Format>(row, x + col, p, colour);
               });
}

void GenericDrawImage(Canvas* c, std::int32_t x, std::int32_t y, const Image* image, Colour colour)
{
    const std::int32_t width = image->Width;
    const std::int32_t height = image->Height;
    ASSERT(width);
    ASSERT(height);
    switch (image->Format) {
    case IMAGE_COVERAGE:
        DrawImageRows<IMAGE_COVERAGE, 1>(c, x, y, image, colour);
        break;
    case IMAGE_RGB565:
        DrawImageRows<IMAGE_RGB565, 2>(c, x, y, image, colour);
        break;
    case IMAGE_BGR:
        DrawImageRows<IMAGE_BGR, 3>(c, x, y, image, colour);
        break;
    case IMAGE_BGRA:
        DrawImageRows<IMAGE_BGRA, 4>(c, x, y, image, colour);
        break;
    default:
        ASSERT(0);
        break;
    }
}

// Draws the code's glyph with its top left at (x, y); returns the glyph's width, the pen's advance.
std::int32_t DrawGlyph(Canvas* c, std::int32_t x, std::int32_t y, const Font* f, std::uint8_t code, Colour colour)
{
    if (FontIsBitmap(f)) {
        const std::uint8_t* glyph = FontBitmapGlyph(f, code);
        CanvasDrawAlignedBitmap(c, x, y, glyph, colour, ALIGN_TOP_LEFT);
        return glyph ? glyph[0] : 0;
    }
    const Image* img = FontImageGlyph(f, code);
    if (!img)
        return 0;
    c->DrawImage(c, x, y, img, colour);
    return img->Width;
}

}  // namespace

void CanvasInit(Canvas* c)
{
    ASSERT(c->Width);
    ASSERT(c->Height);
    ASSERT(c->Buffer);
    ASSERT(c->PixelSet);
    ASSERT(c->PixelGet);
    c->Clear = GenericClear;
    c->FillRect = GenericFillRect;
    c->DrawBitmap = GenericDrawBitmap;
    c->DrawImage = GenericDrawImage;
}

void CanvasDrawLine(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour)
{
    if (x1 == x2 || y1 == y2) {
        c->FillRect(c, x1, y1, x2, y2, colour);
        return;
    }
    if (std::abs(x2 - x1) > std::abs(y2 - y1)) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        for (std::int32_t x = x1; x <= x2; ++x)
            c->PixelSet(c, x, ((x - x1) * (y2 - y1)) / (x2 - x1) + y1, colour);
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        for (std::int32_t y = y1; y <= y2; ++y)
            c->PixelSet(c, ((y - y1) * (x2 - x1)) / (y2 - y1) + x1, y, colour);
    }
}

void CanvasDrawRect(Canvas* c, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Colour colour)
{
    CanvasDrawLine(c, x1, y1, x2, y1, colour);
    CanvasDrawLine(c, x2, y1, x2, y2, colour);
    CanvasDrawLine(c, x2, y2, x1, y2, colour);
    CanvasDrawLine(c, x1, y2, x1, y1, colour);
}

void CanvasDrawAlignedBitmap(Canvas* c, std::int32_t x, std::int32_t y, const std::uint8_t* img, Colour colour,
                             std::int32_t align)
{
    if (!ASSERT(c) || !ASSERT(img))
        return;
    if (align == ALIGN_CENTRE) {
        x -= img[0] / 2;
        y -= img[1] / 2;
    } else if (align == ALIGN_BOTTOM_RIGHT) {
        x -= img[0];
        y -= img[1];
    }
    c->DrawBitmap(c, x, y, img, colour);
}

void CanvasDrawEditBar(Canvas* c, std::int32_t x, std::int32_t y, std::int32_t width)
{
    const std::int32_t top = y - 3;
    c->DrawImage(c, x - EditBarLeftImage.Width, top, &EditBarLeftImage, 0);
    std::int32_t col = x;
    for (std::int32_t i = 0; i < width + 6; ++i, ++col)
        c->DrawImage(c, col, top, &EditBarMiddleImage, 0);
    c->DrawImage(c, col, top, &EditBarRightImage, 0);
}

Colour CanvasGetPixelTurned(Canvas* c, std::int32_t x, std::int32_t y)
{
    if (c->Rotated)
        return c->PixelGet(c, 219 - x, 175 - y);
    return c->PixelGet(c, x, y);
}

std::int32_t FontHeight(Canvas*, std::int32_t font)
{
    return FontGet(font)->Height;
}

std::int32_t TextWidth(Canvas*, std::int32_t font, const char* text)
{
    const Font* f = FontGet(font);
    std::int32_t width = 0;
    for (const char* p = text; *p; ++p)
        width += FontCharWidth(f, static_cast<std::uint8_t>(*p));
    return width;
}

std::int32_t DrawText(Canvas* c, std::int32_t x, std::int32_t y, std::int32_t align, std::int32_t font, Colour colour,
                      const char* text)
{
    if (align == UI_ALIGN_CENTRE)
        x -= TextWidth(c, font, text) / 2;
    else if (align == UI_ALIGN_RIGHT)
        x -= TextWidth(c, font, text);
    const Font* f = FontGet(font);
    // The pen follows each glyph's own width even where measuring uses the font's nominal one.
    for (const char* p = text; *p; ++p)
        x += DrawGlyph(c, x, y, f, static_cast<std::uint8_t>(*p), colour);
    return y + f->Height;
}

std::int32_t DrawTextAttr(Canvas* c, std::int32_t x, std::int32_t y, const UITextAttr* attr)
{
    return DrawText(c, x, y, attr->Align, attr->Font, attr->Color, attr->Text);
}

std::int32_t DrawTextLeft(Canvas* c, std::int32_t x, std::int32_t y, const char* text)
{
    return DrawText(c, x, y, UI_ALIGN_LEFT, 0, COLOUR_BLACK, text);
}

std::int32_t DrawTextCentred(Canvas* c, std::int32_t x, std::int32_t y, const char* text)
{
    return DrawText(c, x, y, UI_ALIGN_CENTRE, 0, COLOUR_BLACK, text);
}
