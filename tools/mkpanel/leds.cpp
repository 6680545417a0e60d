#include <QRadialGradient>
#include <algorithm>

#include "panel.h"

namespace {

struct LedLook {
    LedColour Colour;
    QColor Off;   // the tinted lens, dark
    QColor On;    // the lit lens
    QColor Core;  // its hottest point
};

const LedLook LedLookTbl[] = {
    {LedColour::Green, QColor(20, 52, 28), QColor(60, 236, 96), QColor(220, 255, 226)},
    {LedColour::Amber, QColor(62, 40, 10), QColor(255, 170, 40), QColor(255, 240, 200)},
    {LedColour::Red, QColor(66, 14, 12), QColor(255, 52, 40), QColor(255, 214, 200)},
};

const LedLook& LookOf(LedColour colour)
{
    return *std::find_if(std::begin(LedLookTbl), std::end(LedLookTbl),
                         [colour](const LedLook& look) { return look.Colour == colour; });
}

// The lit LED's light spreads over the panel around it, fading out inside its area.
void DrawHalo(QPainter& p, const QRectF& area, const LedLook& look)
{
    const double reach = std::min(area.width(), area.height()) / 2 - 0.5;
    QRadialGradient halo(area.center(), reach);
    halo.setColorAt(0, Faded(look.On, 200));
    halo.setColorAt(0.45, Faded(look.On, 70));
    halo.setColorAt(1, Faded(look.On, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(area.center(), reach, reach);
}

void DrawLens(QPainter& p, QPointF centre, double radius, const LedLook& look, Lighting lighting)
{
    QRadialGradient lens(centre + QPointF(-0.4, -0.6), radius * 1.2);
    if (lighting == Lighting::Lit) {
        lens.setColorAt(0, look.Core);
        lens.setColorAt(0.5, look.On);
        lens.setColorAt(1, look.On.darker(130));
    } else {
        lens.setColorAt(0, look.Off.lighter(150));
        lens.setColorAt(1, look.Off.darker(160));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(lens);
    p.drawEllipse(centre, radius, radius);
    // The domed lens reflects the light above it.
    p.setBrush(QColor(255, 255, 255, lighting == Lighting::Lit ? 200 : 130));
    p.drawEllipse(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.32, radius * 0.26);
}

}  // namespace

void DrawLed(QPainter& p, const PanelLed& led, Lighting lighting)
{
    const QRectF area = BoxRect(led.Area);
    const LedLook& look = LookOf(led.Colour);
    if (lighting == Lighting::Lit)
        DrawHalo(p, area, look);
    DrawLens(p, area.center(), led.Radius, look, lighting);
}
