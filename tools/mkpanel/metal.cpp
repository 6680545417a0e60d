#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "panel.h"

namespace {

constexpr float CornerRadius = 9.0F;
const QColor CaseColour(12, 13, 15);  // the housing seen past the panel's rounded corners

// Brushing leaves horizontal streaks of random length: a value interpolated between random knots
// along the row, the knots spaced differently on every row.
float Streak(int x, int y)
{
    const float length = 10.0F + 46.0F * Noise(0, y, 2);
    const float position = (static_cast<float>(x) + 97.0F * Noise(1, y, 2)) / length;
    const int knot = static_cast<int>(position);
    const float t = position - static_cast<float>(knot);
    return Noise(knot, y, 1) * (1 - t) + Noise(knot + 1, y, 1) * t;
}

// Light falls from above: the face darkens downwards, with a broad diagonal sheen left of the middle.
float Tone(int x, int y)
{
    const float fall = 64.0F - 22.0F * static_cast<float>(y) / PANEL_HEIGHT;
    const float across = (static_cast<float>(x) - 1.3F * static_cast<float>(y) - 300.0F) / 210.0F;
    const float sheen = 9.0F * std::exp(-across * across);
    const float grain = 7.0F * (Streak(x, y) - 0.5F) + 3.0F * (Noise(0, y, 3) - 0.5F) + 3.0F * (Noise(x, y, 4) - 0.5F);
    return fall + sheen + grain;
}

bool OutsideCorner(int x, int y)
{
    const float cx = std::clamp(static_cast<float>(x) + 0.5F, CornerRadius, PANEL_WIDTH - CornerRadius);
    const float cy = std::clamp(static_cast<float>(y) + 0.5F, CornerRadius, PANEL_HEIGHT - CornerRadius);
    return std::hypot(static_cast<float>(x) + 0.5F - cx, static_cast<float>(y) + 0.5F - cy) > CornerRadius;
}

int Channel(float value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

// The panel's edge is chamfered: a bright bevel on top catching the light, a dark one below.
void DrawChamfer(QImage& metal)
{
    QPainter p(&metal);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(0, 0, PANEL_WIDTH, PANEL_HEIGHT);
    QLinearGradient bevel(0, 0, 0, PANEL_HEIGHT);
    bevel.setColorAt(0, QColor(150, 154, 160));
    bevel.setColorAt(0.08, QColor(96, 100, 106));
    bevel.setColorAt(0.9, QColor(40, 42, 46));
    bevel.setColorAt(1, QColor(20, 21, 24));
    p.setPen(QPen(QBrush(bevel), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), CornerRadius - 1.5, CornerRadius - 1.5);
    p.setPen(QPen(QColor(8, 9, 10, 200), 1.0));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius - 0.5, CornerRadius - 0.5);
}

}  // namespace

QImage DrawMetal()
{
    QImage metal(PANEL_WIDTH, PANEL_HEIGHT, QImage::Format_RGB32);
    for (int y = 0; y < PANEL_HEIGHT; ++y) {
        auto* row = reinterpret_cast<QRgb*>(metal.scanLine(y));
        for (int x = 0; x < PANEL_WIDTH; ++x) {
            const float tone = Tone(x, y);
            // A faint cool cast, as anodised aluminium has.
            row[x] = OutsideCorner(x, y) ? CaseColour.rgb()
                                         : qRgb(Channel(tone - 1), Channel(tone + 1), Channel(tone + 5));
        }
    }
    DrawChamfer(metal);
    return metal;
}

namespace {

QPolygonF Hexagon(QPointF centre, double radius)
{
    QPolygonF hexagon;
    for (int corner = 0; corner < 6; ++corner) {
        const double angle = std::numbers::pi / 3 * corner + std::numbers::pi / 12;
        hexagon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return hexagon;
}

// A countersunk hex-socket screw: a dark ring where the head sinks into the metal, a domed head lit
// from the top left, the socket with a glint on its lower edge.
void DrawScrew(QPainter& p, QPointF centre)
{
    QRadialGradient sink(centre, 6.0);
    sink.setColorAt(0.6, QColor(10, 11, 13));
    sink.setColorAt(1, QColor(10, 11, 13, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sink);
    p.drawEllipse(centre, 6.0, 6.0);
    QRadialGradient head(centre + QPointF(-1.6, -1.8), 6.0);
    head.setColorAt(0, QColor(196, 199, 204));
    head.setColorAt(0.55, QColor(116, 119, 124));
    head.setColorAt(1, QColor(52, 54, 58));
    p.setBrush(head);
    p.drawEllipse(centre, 4.2, 4.2);
    p.setBrush(QColor(150, 153, 158));
    p.drawPolygon(Hexagon(centre + QPointF(0, 0.5), 1.9));
    p.setBrush(QColor(22, 23, 26));
    p.drawPolygon(Hexagon(centre, 1.8));
}

}  // namespace

void DrawScrews(QPainter& p)
{
    constexpr double inset = 12.5;
    for (const QPointF centre : {QPointF(inset, inset), QPointF(PANEL_WIDTH - inset, inset),
                                 QPointF(inset, PANEL_HEIGHT - inset), QPointF(PANEL_WIDTH - inset, PANEL_HEIGHT - inset)})
        DrawScrew(p, centre);
}
