#include <QLinearGradient>

#include "panel.h"

namespace {

// The bezel sits in a cut-out of the metal: its outline, with the margin it keeps around the opening.
const QRectF BezelRect = BoxRect(PANEL_LCD_AREA).adjusted(-5, -7, 9, 7);
constexpr double BezelRadius = 6.0;
const QColor Glass(6, 8, 10);

void DrawBezelBody(QPainter& p)
{
    QLinearGradient cut(0, BezelRect.top(), 0, BezelRect.bottom());
    cut.setColorAt(0, QColor(10, 11, 13));
    cut.setColorAt(1, QColor(132, 136, 142));
    p.setPen(QPen(QBrush(cut), 1.2));
    QLinearGradient body(0, BezelRect.top(), 0, BezelRect.bottom());
    body.setColorAt(0, QColor(34, 35, 39));
    body.setColorAt(1, QColor(16, 17, 19));
    p.setBrush(body);
    p.drawRoundedRect(BezelRect, BezelRadius, BezelRadius);
    // Gloss of the black frame: a faint light band across its upper half.
    QLinearGradient gloss(BezelRect.topLeft(), BezelRect.bottomRight());
    gloss.setColorAt(0, QColor(255, 255, 255, 18));
    gloss.setColorAt(0.45, QColor(255, 255, 255, 4));
    gloss.setColorAt(0.46, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(BezelRect.adjusted(1, 1, -1, -1), BezelRadius - 1, BezelRadius - 1);
}

// The opening is a step down from the frame: shadow along its top edge, a lit lip along the bottom.
void DrawOpeningLip(QPainter& p)
{
    const QRectF opening = BoxRect(PANEL_LCD_AREA);
    QLinearGradient lip(0, opening.top() - 2, 0, opening.bottom() + 2);
    lip.setColorAt(0, QColor(4, 4, 5));
    lip.setColorAt(0.7, QColor(22, 23, 26));
    lip.setColorAt(1, QColor(70, 73, 78));
    p.setPen(QPen(QBrush(lip), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(opening.adjusted(-1.2, -1.2, 1.2, 1.2), 1.5, 1.5);
}

}  // namespace

void DrawLcdBezel(QPainter& p)
{
    DrawBezelBody(p);
    DrawOpeningLip(p);
    // The opening itself stays one flat colour: the LCD is drawn over it.
    p.fillRect(BoxRect(PANEL_LCD_AREA).toRect(), Glass);
}
