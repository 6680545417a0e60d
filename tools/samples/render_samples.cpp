// render_samples DIR: writes the sample pages (1x and 4x) and every font's glyphs (4x) as PNG files.
#include <array>
#include <filesystem>
#include <iostream>
#include <string>

#include "canvas/lcdcanvas.h"
#include "host/pngfile.h"
#include "samplepages.h"
#include "uicore/uimain.h"

namespace {

std::array<Colour, LCD_WIDTH * LCD_HEIGHT> Lcd;

bool Write(const std::filesystem::path& path, const RgbPicture& picture)
{
    const WriteResult written = PngWrite(path.string(), picture);
    if (written) {
        std::cout << path.string() << "\n";
        return true;
    }
    std::cerr << "cannot write " << path.string() << ": " << written.Reason << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: render_samples DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    LcdCanvasInit(&LcdCanvas, Lcd.data(), LCD_WIDTH, LCD_HEIGHT);
    MsgRegister(UIMainHandler, 0);
    ShowSettingsSample();
    bool written = Write(dir / "settings_page.png", CanvasPicture(&LcdCanvas, 1));
    written &= Write(dir / "settings_page_4x.png", CanvasPicture(&LcdCanvas, 4));
    for (int font = 0; font < 6; ++font)
        written &= Write(dir / ("font" + std::to_string(font) + "_4x.png"), CanvasPicture(GlyphSheet(font), 4));
    return written ? 0 : 1;
}
