#pragma once
// Writes rasters as the recorder's Image records in C++ source.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "raster.h"

struct ImageAsset {
    std::string Name;      // the Image record's name
    std::uint32_t Format;  // 2: opaque 16-bit colours composited over the LCD's white; 4: blue, green, red, transparency
    Raster Picture;
};

void EmitHeader(std::ostream& out, const std::string& command);
// The pixel data and the record of one image.
void EmitImage(std::ostream& out, const ImageAsset& asset);
// The pixel data of every entry, then one array of their records called `name`.
void EmitImageTable(std::ostream& out, const std::string& name, const std::vector<ImageAsset>& entries);
