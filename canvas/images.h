#pragma once
// The constant pictures the user interface draws. Their pixels are generated (tools/mkimages);
// their sizes and formats are fixed because the drawing code positions by them.
#include "canvas/canvas.h"

// Full-screen background of pages that paint one instead of clearing: 220 x 176, format 2.
extern const Image BackgroundImage;
// Band behind a page title (black title text at (1, 2) in the 16-pixel font): 220 x 21, format 2.
extern const Image TitleBarImage;

// The frame behind a value being edited, format 2.
extern const Image EditBarLeftImage;    // 7 x 22
extern const Image EditBarMiddleImage;  // 1 x 22, repeated across the value
extern const Image EditBarRightImage;   // 8 x 22

// Top band of the large running-timecode page: 220 x 20, format 2.
extern const Image SlateBandImage;
// Check mark of a chosen list row, on white: 13 x 11, format 2.
extern const Image ListMarkerImage;

// Matrix cells; one letter is drawn on them in the cell colour. Format 4. The large plain cell is
// also the text editor's pressed key, the large cursor cell its cursor key.
extern const Image MatrixCellImage;         // 24 x 24
extern const Image MatrixCursorImage;       // 24 x 24
extern const Image MatrixSmallCellImage;    // 22 x 22
extern const Image MatrixSmallCursorImage;  // 22 x 22
// A key of the on-screen keyboard, black label centred near its top: 24 x 24, format 2.
extern const Image TextKeyImage;

// Marks beside the level meters, 9 x 9, format 4.
extern const Image MeterChannelIcon;   // left of a channel meter
extern const Image MeterIsoIcon;       // isolation attenuation active
extern const Image MeterAutoMixIcon;   // auto-mix enabled
extern const Image MeterKnobSelectedImage;  // channel fader knob, selected

// Fader knobs that slide along a meter, format 4.
extern const Image MeterKnobImage;              // 9 x 9, channel fader
extern const Image MeterKnobVirtualImage;       // 18 x 11, virtual fader
extern const Image MeterKnobWideSelectedImage;  // 21 x 14, virtual or third kind, selected
extern const Image MeterKnobThirdImage;         // 21 x 13, third knob kind

// Indicator on the home page and device pages (also the play head): 9 x 9, format 4.
extern const Image StatusMarkImage;

// The battery filled to 1, 5, 10, ..., 100 percent: 83 x 21, format 2. Light grey text is drawn
// over each from (7, -1), so the body stays dark.
constexpr int BATTERY_IMAGE_COUNT = 21;
extern const Image BatteryImages[BATTERY_IMAGE_COUNT];
