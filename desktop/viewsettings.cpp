#include "desktop/viewsettings.h"

#include <QSettings>

#include "host/hostapp.h"

namespace {

constexpr const char* ZoomKey = "view/lcdZoom";
constexpr const char* PositionKey = "window/position";
constexpr const char* FolderKey = "screenshot/folder";

}  // namespace

int SavedLcdZoom()
{
    bool read = false;
    const int zoom = QSettings().value(ZoomKey).toInt(&read);
    return read && zoom >= MIN_LCD_ZOOM && zoom <= MAX_LCD_ZOOM ? zoom : DEFAULT_LCD_ZOOM;
}

void SaveLcdZoom(int zoom)
{
    QSettings().setValue(ZoomKey, zoom);
}

std::optional<QPoint> SavedWindowPosition()
{
    const QVariant at = QSettings().value(PositionKey);
    if (!at.canConvert<QPoint>())
        return std::nullopt;
    return at.toPoint();
}

void SaveWindowPosition(const QPoint& at)
{
    QSettings().setValue(PositionKey, at);
}

QString SavedScreenshotFolder()
{
    return QSettings().value(FolderKey).toString();
}

void SaveScreenshotFolder(const QString& folder)
{
    QSettings().setValue(FolderKey, folder);
}
