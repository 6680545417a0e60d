// mkpanel FONTDIR OUTDIR: draws the recorder's front panel at rest and with every key and LED lit, with
// the DejaVu faces in FONTDIR, and writes OUTDIR/panel_rest.png and OUTDIR/panel_lit.png.
#include <QDir>
#include <QGuiApplication>
#include <iostream>

#include "panel.h"

namespace {

// 24-bit RGB without alpha, as the front end loads it.
bool SavePicture(const QImage& picture, const QString& path)
{
    if (picture.convertToFormat(QImage::Format_RGB888).save(path, "PNG"))
        return true;
    std::cerr << "mkpanel: cannot write " << path.toStdString() << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: mkpanel FONTDIR OUTDIR\n";
        return 2;
    }
    // Text needs a GUI application, but nothing here shows a window: run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!LoadFaces(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "mkpanel: cannot load the DejaVu faces from " << argv[1] << "\n";
        return 1;
    }
    const QImage face = DrawFace();
    const QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(".");
    const bool rest = SavePicture(DrawPanel(face, Lighting::Rest), out.filePath("panel_rest.png"));
    const bool lit = SavePicture(DrawPanel(face, Lighting::Lit), out.filePath("panel_lit.png"));
    return rest && lit ? 0 : 1;
}
