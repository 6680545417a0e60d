// mkimages OUTPUT.cpp: draws the recorder's LCD artwork and writes it as Image records.
#include <fstream>
#include <iostream>
#include <vector>

#include "artwork.h"
#include "emit.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: mkimages OUTPUT.cpp\n";
        return 2;
    }
    std::vector<ImageAsset> assets;
    AddBackgroundImage(assets);
    AddBandImages(assets);
    AddEditBarImages(assets);
    AddMarkImages(assets);
    AddMatrixImages(assets);
    AddMeterImages(assets);

    std::ofstream out(argv[1]);
    EmitHeader(out, "mkimages canvas/images_data.cpp");
    for (const ImageAsset& asset : assets)
        EmitImage(out, asset);
    EmitImageTable(out, "BatteryImages", BatteryImages());
    return out ? 0 : 1;
}
