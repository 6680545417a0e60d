#include <QLinearGradient>
#include <QRadialGradient>

#include "panel.h"

namespace {

// The metal's cut edge around a hole: in shadow at the top, catching the light at the bottom.
QLinearGradient CutEdge(const QRectF& hole)
{
    QLinearGradient edge(0, hole.top(), 0, hole.bottom());
    edge.setColorAt(0, QColor(12, 13, 15));
    edge.setColorAt(0.5, QColor(40, 42, 46));
    edge.setColorAt(1, QColor(128, 132, 138));
    return edge;
}

}  // namespace

// A key stands in a hole slightly larger than its rectangle; the cap inside covers most of it.
void DrawKeyWells(QPainter& p)
{
    for (const PanelKeyPlace& key : PanelKeyTbl) {
        const QRectF hole = BoxRect(key.Rect).adjusted(-1, -1, 1, 1);
        p.setPen(QPen(QBrush(CutEdge(hole)), 1.0));
        p.setBrush(QColor(9, 10, 12));
        p.drawRoundedRect(hole.adjusted(-0.5, -0.5, 0.5, 0.5), 5.5, 5.5);
    }
}

// A chrome ring holds each LED's lens.
void DrawLedSockets(QPainter& p)
{
    for (const PanelLed& led : PanelLedTbl) {
        const QPointF centre = BoxRect(led.Area).center();
        const double radius = led.Radius + 1.8;
        QLinearGradient chrome(0, centre.y() - radius, 0, centre.y() + radius);
        chrome.setColorAt(0, QColor(200, 203, 208));
        chrome.setColorAt(0.5, QColor(92, 95, 100));
        chrome.setColorAt(1, QColor(170, 173, 178));
        p.setPen(QPen(QColor(10, 11, 13, 180), 1.0));
        p.setBrush(chrome);
        p.drawEllipse(centre, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(8, 8, 9));
        p.drawEllipse(centre, led.Radius + 0.4, led.Radius + 0.4);
    }
}
