#pragma once
// Painting the host's pictures into widgets: only the exposed part, never erasing first.
#include <QImage>
#include <QWidget>

#include "host/pngfile.h"

// The picture's pixels as an image, without a copy: valid while the picture is unchanged in size.
QImage ImageOf(const RgbPicture& picture);
// Paints the exposed rectangle of the widget from the picture, or the window colour while there is
// no picture to show.
void PaintPicture(QWidget& widget, const QRect& exposed, const RgbPicture* picture);
// The picture as the window was last told to show it, so that only what changed since is repainted.
class ShownPicture {
public:
    // The smallest rectangle holding every pixel in which the picture differs from the remembered one
    // (empty when none, all of it the first time); the picture is remembered from now on.
    QRect Take(const RgbPicture& picture);
    // The next Take covers the whole picture.
    void Forget();

private:
    RgbPicture shown_;
};

// The 24-bit picture of an image file (a Qt resource path too); empty when it cannot be read.
RgbPicture LoadPicture(const QString& path);
// The 24-bit picture of an image; empty for a null image.
RgbPicture PictureOf(const QImage& image);
