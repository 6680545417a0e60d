#include "desktop/zoommenu.h"

#include "desktop/viewsettings.h"

ZoomMenu::ZoomMenu(QMenu& view)
{
    QMenu* zoomMenu = view.addMenu("&Zoom");
    for (int zoom = MIN_LCD_ZOOM; zoom <= MAX_LCD_ZOOM; ++zoom) {
        QAction* action = zoomMenu->addAction(QString("&%1x").arg(zoom));
        // check marks as in the model menu; Choose sets them, so a click on the checked item keeps it
        action->setCheckable(true);
        QObject::connect(action, &QAction::triggered, zoomMenu, [this, zoom] {
            Choose(zoom);
            SaveLcdZoom(zoom);
        });
        actions_[static_cast<std::size_t>(zoom - MIN_LCD_ZOOM)] = action;
    }
    Choose(SavedLcdZoom());
}

QAction* ZoomMenu::Action(int zoom) const
{
    if (zoom < MIN_LCD_ZOOM || zoom > MAX_LCD_ZOOM)
        return nullptr;
    return actions_[static_cast<std::size_t>(zoom - MIN_LCD_ZOOM)];
}

void ZoomMenu::Choose(int zoom)
{
    HostSetLcdZoom(zoom);
    for (int z = MIN_LCD_ZOOM; z <= MAX_LCD_ZOOM; ++z)
        Action(z)->setChecked(z == zoom);
}
