#pragma once
// The families of the recorder's artwork. Each draws its images and appends them under the names of
// the recorder's Image records.
#include <vector>

#include "emit.h"

// The frame behind a value being edited: left cap 7 x 22, middle slice 1 x 22, right cap 8 x 22.
void AddEditBarImages(std::vector<ImageAsset>& assets);
// The title bar (220 x 21) and the band of the large timecode page (220 x 20).
void AddBandImages(std::vector<ImageAsset>& assets);
// The full-screen background: 220 x 176.
void AddBackgroundImage(std::vector<ImageAsset>& assets);
// The check mark of a chosen list row (13 x 11) and the round status mark (9 x 9).
void AddMarkImages(std::vector<ImageAsset>& assets);
// Matrix cells and cursors (24 x 24, 22 x 22) and the on-screen keyboard's key (24 x 24).
void AddMatrixImages(std::vector<ImageAsset>& assets);
// The marks beside the level meters, and with them the knobs.
void AddMeterImages(std::vector<ImageAsset>& assets);
// The fader knobs that slide along the meters, plain and selected.
void AddKnobImages(std::vector<ImageAsset>& assets);
// The 21 battery pictures, filled to 1, 5, 10, ..., 100 percent in that order: 83 x 21.
std::vector<ImageAsset> BatteryImages();
