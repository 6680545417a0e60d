#pragma once
// Screenshot tests: the LCD as the display shows it is compared with a reviewed PNG in tests/golden/.
// A mismatch writes NAME_actual.png and NAME_diff.png under the build's golden_out/ and names the
// first differing pixel; a missing golden fails. UPDATE_GOLDEN=1 rewrites the goldens on purpose.
#include <gtest/gtest.h>

#include <string>

#include "canvas/canvas.h"
#include "host/pngfile.h"

// name: a path below tests/golden without extension, e.g. "uicore/title_and_fields".
testing::AssertionResult LcdMatchesGolden(Canvas* c, const std::string& name);
testing::AssertionResult PictureMatchesGolden(const RgbPicture& actual, const std::string& name);

// UPDATE_GOLDEN=1: the comparisons write the goldens instead.
bool UpdatingGoldens();
