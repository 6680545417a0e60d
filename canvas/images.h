#pragma once
// The constant pictures the user interface draws. Their pixels are generated (tools/mkimages);
// their sizes and formats are fixed because the drawing code positions by them.
#include "canvas/canvas.h"

extern const Image EditBarLeftImage;    // 7 x 22
extern const Image EditBarMiddleImage;  // 1 x 22, repeated across the value
extern const Image EditBarRightImage;   // 8 x 22
