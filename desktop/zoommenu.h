#pragma once
// "&View" > "&Zoom": the enlarged LCD below the panel at one to four times its size, the chosen item
// checked. The zoom is kept between runs; the items have no shortcut, since every key combination
// the panel could take belongs to the recorder.
#include <QAction>
#include <QMenu>
#include <array>

#include "host/hostapp.h"

class ZoomMenu {
public:
    // Adds the items to the menu and chooses the zoom kept from the previous run.
    explicit ZoomMenu(QMenu& view);

    QAction* Action(int zoom) const;

private:
    void Choose(int zoom);

    std::array<QAction*, MAX_LCD_ZOOM - MIN_LCD_ZOOM + 1> actions_{};
};
