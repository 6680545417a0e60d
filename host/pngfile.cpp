#include "host/pngfile.h"

#include <png.h>

#include <algorithm>

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t size)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + size);
}

void FlushNothing(png_structp) {}

// The bytes live in the caller, so that nothing this function changes after setjmp is read after a
// failure jumps back.
bool EncodePng(const RgbPicture& picture, std::vector<std::uint8_t>& bytes)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &bytes, AppendBytes, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width), static_cast<png_uint_32>(picture.Height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.Height; ++y)
        png_write_row(png, &picture.Pixels[static_cast<std::size_t>(y * picture.Width * 3)]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool SizeAllowed(const png_image& image)
{
    return image.width <= MAX_PNG_SIDE && image.height <= MAX_PNG_SIDE &&
           std::uint64_t{image.width} * image.height <= MAX_PNG_PIXELS;
}

}  // namespace

void RgbPicture::Set(int x, int y, std::uint32_t rgb)
{
    std::uint8_t* p = &Pixels[static_cast<std::size_t>((y * Width + x) * 3)];
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
}

std::uint32_t RgbPicture::At(int x, int y) const
{
    const std::uint8_t* p = &Pixels[static_cast<std::size_t>((y * Width + x) * 3)];
    return (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
}

std::uint32_t ColourToRgb(Colour colour)
{
    return (static_cast<std::uint32_t>(ColourRed(colour)) << 16) |
           (static_cast<std::uint32_t>(ColourGreen(colour)) << 8) | static_cast<std::uint32_t>(ColourBlue(colour));
}

RgbPicture CanvasPicture(Canvas* c, int scale)
{
    RgbPicture picture{.Width = c->Width * scale, .Height = c->Height * scale, .Pixels = {}};
    picture.Pixels.resize(static_cast<std::size_t>(picture.Width * picture.Height * 3));
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            picture.Set(x, y, ColourToRgb(CanvasGetPixelTurned(c, x / scale, y / scale)));
    return picture;
}

PictureDifference ComparePictures(const RgbPicture& before, const RgbPicture& after)
{
    PictureDifference diff;
    RgbPicture& picture = diff.Picture;
    picture.Width = std::max(before.Width, after.Width);
    picture.Height = std::max(before.Height, after.Height);
    picture.Pixels.resize(static_cast<std::size_t>(picture.Width * picture.Height * 3));
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            const bool inBefore = x < before.Width && y < before.Height;
            const bool same = inBefore && x < after.Width && y < after.Height && before.At(x, y) == after.At(x, y);
            picture.Set(x, y, same ? 0xC0C0C0 + ((before.At(x, y) >> 2) & 0x3F3F3F) : 0xFF0000);
            diff.Changed += same ? 0 : 1;
        }
    }
    return diff;
}

WriteResult PngWrite(const std::string& path, const RgbPicture& picture)
{
    std::vector<std::uint8_t> bytes;
    if (!EncodePng(picture, bytes))
        return {.Reason = "the picture cannot be encoded as PNG", .Opened = false};
    return WriteWholeFile(path, bytes);
}

bool PngRead(const std::string& path, RgbPicture& picture)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    if (!SizeAllowed(image)) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGB;
    picture.Width = static_cast<int>(image.width);
    picture.Height = static_cast<int>(image.height);
    picture.Pixels.resize(PNG_IMAGE_SIZE(image));
    const bool read = png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return read;
}
