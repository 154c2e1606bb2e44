// Font families by name, each followed by the free font that has its shapes and widths.
#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolm::desktop {
using namespace layout;
namespace {

QString familyName(Family family) {
    switch (family) {
        case Family::MsSansSerif: return QStringLiteral("MS Sans Serif");
        case Family::BookmanOldStyle: return QStringLiteral("Bookman Old Style");
        case Family::ComicSansMs: return QStringLiteral("Comic Sans MS");
    }
    return {};
}

}  // namespace

QString substituteFamily(Family family) {
    const std::string_view name = freeFamily(family);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QFont qtFont(const Font& font, const SceneScale& scale) {
    QFont f;
    // A family that is not installed would cost a search of every installed font for its nearest
    // ones before Qt goes on to the substitute; asking the font database for it is a lookup.
    const QString named = familyName(font.family);
    const QString free = substituteFamily(font.family);
    f.setFamilies(QFontDatabase::styles(named).isEmpty() ? QStringList{free} : QStringList{named, free});
    f.setPixelSize(scale.fontPixels(pixelSize(font)));
    f.setWeight(static_cast<QFont::Weight>(font.weight));
    // Every letter the window shows is in its font, so no glyph is ever looked for elsewhere, and
    // Qt need not rank the installed fonts as stand-ins when it loads one.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

}  // namespace tolm::desktop
