#include <QPainterPath>

#include "panel.h"

namespace {

// The monitor speaker behind the panel, below the key row.
const QRectF GrilleRect(146, 116, 270, 58);
constexpr double HoleRadius = 1.25;
constexpr double Pitch = 5.0;

void DrawHole(QPainter& p, QPointF centre)
{
    // The lower rim of each drilled hole catches the light.
    p.setBrush(QColor(120, 124, 130, 150));
    p.drawEllipse(centre + QPointF(0, 0.5), HoleRadius, HoleRadius);
    p.setBrush(QColor(6, 7, 8));
    p.drawEllipse(centre, HoleRadius, HoleRadius);
}

}  // namespace

void DrawGrille(QPainter& p)
{
    QPainterPath outline;
    outline.addRoundedRect(GrilleRect, GrilleRect.height() / 2, GrilleRect.height() / 2);
    p.setPen(Qt::NoPen);
    const double rowStep = Pitch * 0.866;  // rows of a hexagonal pattern
    int row = 0;
    for (double y = GrilleRect.top() + 3; y < GrilleRect.bottom() - 2; y += rowStep, ++row) {
        const double offset = (row % 2) * Pitch / 2;
        for (double x = GrilleRect.left() + 3 + offset; x < GrilleRect.right() - 2; x += Pitch) {
            // Only whole holes: none is cut by the rounded outline.
            if (outline.contains(QRectF(x - 2.5, y - 2.5, 5, 5)))
                DrawHole(p, QPointF(x, y));
        }
    }
}
