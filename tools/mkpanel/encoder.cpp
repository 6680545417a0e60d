#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "panel.h"

namespace {

const QPointF Centre(PanelEncoderX, PanelEncoderY);
constexpr double Knurl = 4.5;  // width of the gripped skirt around the cap
constexpr int Ridges = 72;

void DrawShadow(QPainter& p)
{
    const double reach = PanelEncoderRadius + 8;
    QRadialGradient shadow(Centre + QPointF(1.5, 4), reach);
    shadow.setColorAt(0.7, QColor(0, 0, 0, 150));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(Centre + QPointF(1.5, 4), reach, reach);
}

// The skirt's ridges: light falls from above, so ridges near the top are the brightest.
void DrawKnurl(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 31, 34));
    p.drawEllipse(Centre, PanelEncoderRadius, PanelEncoderRadius);
    for (int i = 0; i < Ridges; ++i) {
        const double angle = 2 * std::numbers::pi * i / Ridges;
        const double light = 0.5 - 0.5 * std::sin(angle);  // 1 at the top, 0 at the bottom
        const QPointF direction(std::cos(angle), std::sin(angle));
        const int grey = 70 + static_cast<int>(110 * light);
        p.setPen(QPen(QColor(grey, grey + 2, grey + 6), 1.1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(Centre + direction * (PanelEncoderRadius - Knurl + 0.5), Centre + direction * (PanelEncoderRadius - 0.6));
    }
}

// A spun-aluminium cap: the turning marks catch the light in two opposite wedges.
void DrawCap(QPainter& p)
{
    const double radius = PanelEncoderRadius - Knurl;
    QConicalGradient spun(Centre, 45);
    const QColor dark(96, 99, 105);
    const QColor light(206, 209, 214);
    spun.setColorAt(0, light);
    spun.setColorAt(0.25, dark);
    spun.setColorAt(0.5, light);
    spun.setColorAt(0.75, dark);
    spun.setColorAt(1, light);
    QLinearGradient rim(0, Centre.y() - radius, 0, Centre.y() + radius);
    rim.setColorAt(0, QColor(226, 228, 232));
    rim.setColorAt(1, QColor(40, 41, 44));
    p.setPen(QPen(QBrush(rim), 1.2));
    p.setBrush(spun);
    p.drawEllipse(Centre, radius, radius);
    // Shading over the spin: the cap's lower half is turned away from the light.
    QLinearGradient shade(0, Centre.y() - radius, 0, Centre.y() + radius);
    shade.setColorAt(0, QColor(255, 255, 255, 30));
    shade.setColorAt(1, QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(Centre, radius - 0.6, radius - 0.6);
}

// The pointer: a dark dimple near the cap's edge.
void DrawPointer(QPainter& p)
{
    const double angle = -std::numbers::pi / 2 - 0.5;
    const QPointF spot = Centre + QPointF(std::cos(angle), std::sin(angle)) * (PanelEncoderRadius - Knurl - 5.5);
    p.setBrush(QColor(230, 232, 236, 160));
    p.drawEllipse(spot + QPointF(0.3, 0.6), 2.0, 2.0);
    p.setBrush(QColor(28, 29, 32));
    p.drawEllipse(spot, 2.0, 2.0);
}

}  // namespace

void DrawEncoder(QPainter& p)
{
    DrawShadow(p);
    DrawKnurl(p);
    DrawCap(p);
    DrawPointer(p);
}
