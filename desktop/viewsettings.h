#pragma once
// What the desktop keeps between runs in the user's settings: where the main window was, the zoom of the
// enlarged LCD and the folder the last screenshot went to. The organisation and application names are
// set once, in main; tests point the settings at a folder of their own.
#include <QPoint>
#include <QString>
#include <optional>

// The zoom kept, or the recorder's own when none is kept or the kept one is out of range.
int SavedLcdZoom();
void SaveLcdZoom(int zoom);
std::optional<QPoint> SavedWindowPosition();
void SaveWindowPosition(const QPoint& at);
// Empty when no screenshot was saved yet.
QString SavedScreenshotFolder();
void SaveScreenshotFolder(const QString& folder);
