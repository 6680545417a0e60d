#pragma once
// Sample pages built from the real control kinds, shown for reviews of the look and for the
// screenshot tests. Each call makes its page current (the UI main handler must be registered);
// the focus starts on the second field each time.
#include "canvas/canvas.h"

// "TC SETUP": a title, value fields with the second focused, a timecode field, a button and a battery.
void ShowSettingsSample();

// Every glyph of one font on a canvas of its own (rows top first); the canvas stays valid until the next call.
Canvas* GlyphSheet(int font);
