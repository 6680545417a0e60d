#include "host/bmpcapture.h"

#include <filesystem>

#include "canvas/lcdcanvas.h"
#include "common/format.h"
#include "host/filewrite.h"
#include "host/hostui.h"

namespace {

constexpr std::uint32_t BytesPerRow = 28;  // 220 pixels and four pad pixels, one bit each
constexpr std::uint32_t PixelBytes = BytesPerRow * LCD_HEIGHT;
constexpr std::uint32_t HeaderBytes = 62;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutHeaders(std::vector<std::uint8_t>& out)
{
    out.push_back('B');
    out.push_back('M');
    Put32(out, HeaderBytes + PixelBytes);
    Put32(out, 0);
    Put32(out, HeaderBytes);
    Put32(out, 40);
    Put32(out, LCD_WIDTH);
    Put32(out, LCD_HEIGHT);  // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, 0);
    Put32(out, PixelBytes);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0x00000000);  // palette entry 0: black
    Put32(out, 0x00FFFFFF);  // palette entry 1: white
}

std::uint8_t EightPixels(Canvas* c, int x, int y)
{
    std::uint8_t byte = 0xFF;
    for (int b = 0; b < 8; ++b)
        if (c->PixelGet(c, x + b, y) == COLOUR_BLACK)
            byte = static_cast<std::uint8_t>(byte & ~(0x80 >> b));
    return byte;
}

}  // namespace

std::vector<std::uint8_t> LcdBmpBytes()
{
    std::vector<std::uint8_t> out;
    out.reserve(HeaderBytes + PixelBytes);
    PutHeaders(out);
    Canvas* c = &LcdCanvas;
    for (int y = LCD_HEIGHT - 1; y >= 0; --y)
        for (int x = 0; x < static_cast<int>(BytesPerRow * 8); x += 8)
            out.push_back(EightPixels(c, x, y));
    return out;
}

void WriteLcdBmp(HostUi& ui, const std::string& name)
{
    char text[512];
    if (const WriteResult written = WriteWholeFile(name, LcdBmpBytes()); !written) {
        ui.WriteFailed(name, written.Reason);
        FormatText(text, sizeof(text), "Failed to write BMP file: \n%s", written.Reason.c_str());
        ui.MessageBox(text, "Error", HostBox::Error);
        return;
    }
    FormatText(text, sizeof(text), "LCD bitmap saved to \n%s", name.c_str());
    ui.MessageBox(text, "Captured", HostBox::Info);
}

std::string SaveLcdName(const std::string& folder)
{
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
    char name[32];
    for (int n = 0; n <= 9999; ++n) {
        FormatText(name, sizeof(name), "orvel-%04d.bmp", n);
        if (!std::filesystem::exists(dir / name))
            return (folder.empty() ? std::filesystem::path(name) : dir / name).string();
    }
    return (folder.empty() ? std::filesystem::path("orvel.bmp") : dir / "orvel.bmp").string();
}

void SaveLcd(HostUi& ui, const std::string& folder)
{
    WriteLcdBmp(ui, SaveLcdName(folder));
}
