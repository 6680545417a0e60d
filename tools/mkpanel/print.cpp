#include <QLinearGradient>
#include <QPainterPath>

#include "panel.h"

namespace {

const QColor Ink(176, 181, 188);      // silkscreen captions
const QColor FaintInk(128, 133, 140);  // secondary print

// Text centred on a point, with a one-pixel dark shadow that lifts it off the brushed metal.
void DrawCaption(QPainter& p, QPointF centre, const QString& text, const QFont& font, const QColor& colour)
{
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(text) + 4;
    const QRectF box(centre.x() - width / 2, centre.y() - metrics.height() / 2, width, metrics.height());
    p.setFont(font);
    p.setPen(QColor(8, 9, 11, 150));
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// The wordmark in brushed silver, lighter at the top, as if stamped and polished.
void DrawWordmark(QPainter& p)
{
    QPainterPath mark;
    mark.addText(QPointF(21, 73), PanelFont(Face::Bold, 23, 2.2), "ORVEL");
    const QRectF bounds = mark.boundingRect();
    QLinearGradient silver(0, bounds.top(), 0, bounds.bottom());
    silver.setColorAt(0, QColor(236, 238, 242));
    silver.setColorAt(0.55, QColor(176, 180, 187));
    silver.setColorAt(1, QColor(206, 209, 214));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 7, 8, 170));
    p.drawPath(mark.translated(0.6, 1.2));
    p.setBrush(silver);
    p.drawPath(mark);
    DrawCaption(p, QPointF(bounds.center().x(), 86), "MULTITRACK RECORDER", PanelFont(Face::CondensedBold, 7, 0.8),
                FaintInk);
}

bool NearAnotherKey(const QRectF& legend, const PanelKeyPlace& owner)
{
    for (const PanelKeyPlace& key : PanelKeyTbl)
        if (&key != &owner && BoxRect(key.Rect).adjusted(-4, -4, 4, 4).intersects(legend))
            return true;
    return false;
}

// Keys 1 to 8 double as digit keys: their digits are printed just under them, moved left where a
// neighbouring key comes too close.
void DrawDigitLegends(QPainter& p)
{
    const QFont font = PanelFont(Face::Bold, 8);
    for (const PanelKeyPlace& key : PanelKeyTbl) {
        if (key.Digit == 0)
            continue;
        const QRectF box = BoxRect(key.Rect);
        QRectF legend(box.center().x() - 3, box.bottom() + 3, 6, 9);
        while (NearAnotherKey(legend, key) && legend.left() > box.left())
            legend.translate(-1, 0);
        DrawCaption(p, legend.center(), QString::number(key.Digit), font, Ink);
    }
}

void DrawLedCaptions(QPainter& p)
{
    const QFont font = PanelFont(Face::CondensedBold, 7, 0.6);
    for (const PanelLed& led : PanelLedTbl) {
        const QPointF centre = BoxRect(led.Area).center();
        DrawCaption(p, centre + QPointF(0, 15), led.Label, font, Ink);
    }
}

}  // namespace

void DrawPrint(QPainter& p)
{
    DrawWordmark(p);
    DrawDigitLegends(p);
    DrawLedCaptions(p);
    DrawCaption(p, QPointF(PanelEncoderX, PanelEncoderY + PanelEncoderRadius + 15), "SELECT", PanelFont(Face::CondensedBold, 7, 0.8),
                Ink);
}
