#include "desktop/picturepaint.h"

#include <QPainter>
#include <cstring>

QImage ImageOf(const RgbPicture& picture)
{
    return QImage(picture.Pixels.data(), picture.Width, picture.Height, picture.Width * 3, QImage::Format_RGB888);
}

void PaintPicture(QWidget& widget, const QRect& exposed, const RgbPicture* picture)
{
    QPainter painter(&widget);
    if (!picture || picture->Pixels.empty()) {
        painter.fillRect(exposed, widget.palette().color(QPalette::Window));
        return;
    }
    painter.drawImage(exposed.topLeft(), ImageOf(*picture), exposed);
}

namespace {

// The first and the last byte in which two rows of n bytes differ (they differ somewhere), compared eight
// bytes at a time while they are the same.
std::size_t FirstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t n)
{
    std::size_t i = 0;
    while (i + 8 <= n && std::memcmp(a + i, b + i, 8) == 0)
        i += 8;
    while (a[i] == b[i])
        ++i;
    return i;
}

std::size_t LastDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t n)
{
    std::size_t end = n;
    while (end >= 8 && std::memcmp(a + end - 8, b + end - 8, 8) == 0)
        end -= 8;
    while (a[end - 1] == b[end - 1])
        --end;
    return end - 1;
}

}  // namespace

void ShownPicture::Forget()
{
    shown_ = {};
}

QRect ShownPicture::Take(const RgbPicture& picture)
{
    if (shown_.Width != picture.Width || shown_.Height != picture.Height) {
        shown_ = picture;
        return QRect(0, 0, picture.Width, picture.Height);
    }
    const auto rowBytes = static_cast<std::size_t>(picture.Width * 3);
    QRect changed;
    for (int y = 0; y < picture.Height; ++y) {
        const std::uint8_t* now = &picture.Pixels[rowBytes * static_cast<std::size_t>(y)];
        std::uint8_t* before = &shown_.Pixels[rowBytes * static_cast<std::size_t>(y)];
        if (std::memcmp(now, before, rowBytes) == 0)
            continue;
        const auto first = static_cast<int>(FirstDifference(now, before, rowBytes) / 3);
        const auto last = static_cast<int>(LastDifference(now, before, rowBytes) / 3);
        changed |= QRect(first, y, last - first + 1, 1);
        std::memcpy(before, now, rowBytes);
    }
    return changed;
}

RgbPicture LoadPicture(const QString& path)
{
    return PictureOf(QImage(path));
}

RgbPicture PictureOf(const QImage& anyImage)
{
    const QImage image = anyImage.convertToFormat(QImage::Format_RGB888);
    if (image.isNull())
        return {};
    RgbPicture picture {.Width = image.width(), .Height = image.height(), .Pixels = {}};
    const auto rowBytes = static_cast<std::size_t>(picture.Width * 3);
    picture.Pixels.resize(rowBytes * static_cast<std::size_t>(picture.Height));
    for (int y = 0; y < picture.Height; ++y)
        std::memcpy(&picture.Pixels[rowBytes * static_cast<std::size_t>(y)], image.constScanLine(y), rowBytes);
    return picture;
}
