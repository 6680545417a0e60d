#include <QFontDatabase>

#include "panel.h"

namespace {

struct FaceFile {
    Face Which;
    const char* File;
};

constexpr FaceFile FaceFileTbl[] = {
    {Face::Bold, "DejaVuSans-Bold.ttf"},
    {Face::CondensedBold, "DejaVuSansCondensed-Bold.ttf"},
    {Face::Book, "DejaVuSans.ttf"},
};

QString FamilyTbl[std::size(FaceFileTbl)];

}  // namespace

bool LoadFaces(const QString& fontDir)
{
    for (std::size_t i = 0; i < std::size(FaceFileTbl); ++i) {
        const int id = QFontDatabase::addApplicationFont(fontDir + "/" + FaceFileTbl[i].File);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty())
            return false;
        FamilyTbl[i] = families.first();
    }
    return true;
}

QFont PanelFont(Face face, int pixelSize, double letterSpacing)
{
    const auto index = static_cast<std::size_t>(face);
    QFont font(FamilyTbl[index]);
    font.setPixelSize(pixelSize);
    font.setWeight(face == Face::Book ? QFont::Normal : QFont::Bold);
    font.setStretch(face == Face::CondensedBold ? QFont::Condensed : QFont::Unstretched);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}
