// mkicon FOLDER: draws the desktop icon of orvel-sim, orvel-sim.png (128 x 128), into the folder: the
// recorder's dark front with its LCD showing meters, and the encoder knob.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int SIZE = 128;

void DrawBody(QPainter& p)
{
    p.setPen(QPen(QColor(0x10, 0x10, 0x12), 2));
    p.setBrush(QColor(0x2C, 0x2E, 0x33));
    p.drawRoundedRect(QRectF(6, 22, 116, 84), 12, 12);
}

void DrawLcd(QPainter& p)
{
    const QRectF lcd(16, 32, 62, 64);
    p.setPen(QPen(QColor(0x0A, 0x0A, 0x0A), 2));
    p.setBrush(QColor(0xF4, 0xF4, 0xF0));
    p.drawRect(lcd);
    // meter bars of differing heights, the loudest reaching the warning colour
    const int levels[] = {34, 46, 28, 52, 40};
    for (int i = 0; i < 5; ++i) {
        const QRectF bar(21 + i * 11, 92 - levels[i], 8, levels[i]);
        p.fillRect(bar, QColor(0xD0, 0x30, 0xD0));
        if (levels[i] > 48)
            p.fillRect(QRectF(bar.left(), bar.top(), 8, 6), QColor(0xF0, 0xE0, 0x20));
    }
}

void DrawKnob(QPainter& p)
{
    const QPointF centre(100, 64);
    QRadialGradient metal(centre - QPointF(5, 5), 18);
    metal.setColorAt(0, QColor(0xF0, 0xF0, 0xF0));
    metal.setColorAt(1, QColor(0x70, 0x72, 0x78));
    p.setPen(QPen(QColor(0x10, 0x10, 0x12), 2));
    p.setBrush(metal);
    p.drawEllipse(centre, 15, 15);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -11));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkicon FOLDER\n");
        return 2;
    }
    QImage icon(SIZE, SIZE, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBody(p);
    DrawLcd(p);
    DrawKnob(p);
    p.end();
    const QString file = QString(argv[1]) + "/orvel-sim.png";
    if (!QDir().mkpath(argv[1]) || !icon.save(file)) {
        std::fprintf(stderr, "mkicon: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
