#pragma once
// The families of the recorder's artwork. Each draws its images and appends them under the names of
// the recorder's Image records.
#include <vector>

#include "emit.h"

// The frame behind a value being edited: left cap 7 x 22, middle slice 1 x 22, right cap 8 x 22.
void AddEditBarImages(std::vector<ImageAsset>& assets);
