// A picture's header can claim any size: PngRead refuses one beyond the limits before taking memory.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "host/pngfile.h"

namespace {

std::string BigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

// The PNG signature, the IHDR chunk of an 8-bit RGB picture of the size, and the start of its image data.
std::string PngHeader(std::uint32_t width, std::uint32_t height)
{
    const std::string ihdr = "IHDR" + BigEndian(width) + BigEndian(height) + std::string("\x08\x02\x00\x00\x00", 5);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(ihdr.data()), static_cast<uInt>(ihdr.size()));
    return "\x89PNG\r\n\x1a\n" + BigEndian(13) + ihdr + BigEndian(static_cast<std::uint32_t>(crc)) + BigEndian(0) +
           "IDAT";
}

}  // namespace

TEST(PngRead, RefusesAPictureBeyondTheLimitsBeforeTakingMemory)
{
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("orvel-pngread-" + std::to_string(getpid()) + ".png");
    const std::pair<std::uint32_t, std::uint32_t> beyond[] = {
        {100000, 100000}, {MAX_PNG_SIDE + 1, 1}, {1, MAX_PNG_SIDE + 1}, {8193, 8193}};
    for (const auto& [width, height] : beyond) {
        std::ofstream(file, std::ios::binary) << PngHeader(width, height);
        RgbPicture picture;
        EXPECT_FALSE(PngRead(file.string(), picture)) << width << " x " << height;
        EXPECT_EQ(picture.Pixels.capacity(), 0U) << width << " x " << height;
    }
    std::filesystem::remove(file);
}
