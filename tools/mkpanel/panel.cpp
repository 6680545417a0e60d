#include "panel.h"

QRectF BoxRect(const PanelRect& box)
{
    return QRectF(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
}

QColor Faded(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

float Noise(int x, int y, int salt)
{
    auto h = static_cast<std::uint32_t>(x) * 374761393U + static_cast<std::uint32_t>(y) * 668265263U +
             static_cast<std::uint32_t>(salt) * 2246822519U;
    h = (h ^ (h >> 13)) * 1274126177U;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFU) / static_cast<float>(0x1000000U);
}

QImage DrawFace()
{
    QImage face = DrawMetal();
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    DrawScrews(p);
    DrawGrille(p);
    DrawPrint(p);
    DrawKeyWells(p);
    DrawLedSockets(p);
    DrawLcdBezel(p);
    DrawEncoder(p);
    return face;
}

// Each key and LED is drawn clipped to its own rectangle, so the two pictures can differ nowhere else.
QImage DrawPanel(const QImage& face, Lighting lighting)
{
    QImage panel = face.copy();
    QPainter p(&panel);
    p.setRenderHint(QPainter::Antialiasing);
    for (const PanelKeyPlace& key : PanelKeyTbl) {
        p.save();
        p.setClipRect(BoxRect(key.Rect).toRect());
        DrawKey(p, key, lighting);
        p.restore();
    }
    for (const PanelLed& led : PanelLedTbl) {
        p.save();
        p.setClipRect(BoxRect(led.Area).toRect());
        DrawLed(p, led, lighting);
        p.restore();
    }
    return panel;
}
