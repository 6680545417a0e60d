#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "panel.h"

namespace {

// How a key looks at rest and backlit: its rubber body from top to bottom, its label.
struct KeyLook {
    QColor Top;
    QColor Bottom;
    QColor Label;
};

const KeyLook RestLook = {QColor(78, 81, 87), QColor(40, 42, 46), QColor(214, 217, 222)};
const KeyLook LitLook = {QColor(156, 132, 94), QColor(100, 80, 50), QColor(255, 248, 228)};
const QColor Backlight(255, 176, 64);

constexpr double CapInset = 2.0;
constexpr double CapRadius = 4.0;

QRectF CapRect(const PanelKeyPlace& key)
{
    return BoxRect(key.Rect).adjusted(CapInset, CapInset, -CapInset, -CapInset);
}

// Light from behind the key leaks out through the gap around the cap.
void DrawLeak(QPainter& p, const QRectF& box)
{
    QRadialGradient leak(box.center(), std::hypot(box.width(), box.height()) / 2);
    leak.setColorAt(0, Faded(Backlight, 220));
    leak.setColorAt(1, Faded(Backlight, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(leak);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4.5, 4.5);
}

// ... and shines through the rubber, brightest in the middle of the cap.
void DrawGlow(QPainter& p, const QRectF& cap)
{
    QRadialGradient glow(cap.center(), cap.width() / 2);
    glow.setColorAt(0, Faded(Backlight, 120));
    glow.setColorAt(1, Faded(Backlight, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(cap.adjusted(1, 1, -1, -1), CapRadius - 1, CapRadius - 1);
}

void DrawCap(QPainter& p, const QRectF& cap, const KeyLook& look)
{
    QLinearGradient body(0, cap.top(), 0, cap.bottom());
    body.setColorAt(0, look.Top);
    body.setColorAt(1, look.Bottom);
    p.setPen(QPen(QColor(6, 6, 7), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(cap, CapRadius, CapRadius);
    // The rounded top edge of the rubber catches the light.
    QLinearGradient edge(0, cap.top(), 0, cap.top() + 4);
    edge.setColorAt(0, QColor(255, 255, 255, 70));
    edge.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(edge), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cap.adjusted(1, 1, -1, -1), CapRadius - 1, CapRadius - 1);
}

QPainterPath LabelPath(const PanelKeyPlace& key, const QRectF& cap)
{
    QPainterPath label;
    if (key.Key == KEY_STAR) {
        // The star key's asterisk is drawn, not set: the font's glyph is too small to read.
        for (int spoke = 0; spoke < 3; ++spoke) {
            const double angle = std::numbers::pi / 2 + spoke * std::numbers::pi / 3;
            const QPointF reach(4.6 * std::cos(angle), 4.6 * std::sin(angle));
            label.moveTo(cap.center() - reach);
            label.lineTo(cap.center() + reach);
        }
        return QPainterPathStroker(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap)).createStroke(label);
    }
    const QFont font = PanelFont(Face::CondensedBold, 8, 0.4);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(key.Label) - 0.4;
    const QPointF origin(cap.center().x() - width / 2, cap.center().y() + metrics.capHeight() / 2);
    label.addText(QPointF(std::round(origin.x() * 2) / 2, std::round(origin.y())), font, key.Label);
    return label;
}

void DrawLabel(QPainter& p, const QPainterPath& label, const KeyLook& look, Lighting lighting)
{
    if (lighting == Lighting::Lit) {
        // A halo around the lit legend: two soft strokes of the backlight under the print.
        p.setBrush(Qt::NoBrush);
        for (const double width : {3.0, 1.8}) {
            p.setPen(QPen(Faded(Backlight, 70), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(label);
        }
    } else {
        // Printed legends sit a little proud of the rubber and cast a hairline shadow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawPath(label.translated(0, 0.8));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(look.Label);
    p.drawPath(label);
}

}  // namespace

void DrawKey(QPainter& p, const PanelKeyPlace& key, Lighting lighting)
{
    const QRectF cap = CapRect(key);
    const bool lit = lighting == Lighting::Lit;
    if (lit)
        DrawLeak(p, BoxRect(key.Rect));
    DrawCap(p, cap, lit ? LitLook : RestLook);
    if (lit)
        DrawGlow(p, cap);
    DrawLabel(p, LabelPath(key, cap), lit ? LitLook : RestLook, lighting);
}
