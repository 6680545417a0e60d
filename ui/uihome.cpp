#include "uicore/uimain.h"

// The page shown at start and the fallback of going back; it paints the background picture.
UIPage UIHomePage = {
    .Handler = UINullHandler,
    .Flags = UI_PAGE_FLAG_BACKGROUND,
    .Parent = nullptr,
    .ControlIndex = -1,
    .NControls = 0,
    .Controls = nullptr,
};
