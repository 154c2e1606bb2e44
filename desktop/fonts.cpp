// Font families by name, each followed by the free font that has its shapes and widths.
#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolm::desktop {
using namespace layout;
namespace {

constexpr int kDotsPerInch = 96;
constexpr int kPointsPerInch = 72;

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
    switch (family) {
        // Liberation Sans keeps the narrow widths the captions were sized for;
        // a wider sans would push "Zůstat v Rumburku" onto two lines.
        case Family::MsSansSerif: return QStringLiteral("Liberation Sans");
        case Family::BookmanOldStyle: return QStringLiteral("URW Bookman");
        case Family::ComicSansMs: return QStringLiteral("Comic Neue");
    }
    return {};
}

QFont qtFont(const Font& font, const SceneScale& scale) {
    QFont f;
    // A family that is not installed would cost a search of every installed font for its nearest
    // ones before Qt goes on to the substitute; asking the font database for it is a lookup.
    const QString named = familyName(font.family);
    f.setFamilies(QFontDatabase::styles(named).isEmpty() ? QStringList{substituteFamily(font.family)}
                                                         : QStringList{named, substituteFamily(font.family)});
    // Centipoints to pixels: every size in the layout lands on a whole pixel.
    f.setPixelSize(scale.fontPixels(font.centipoints * kDotsPerInch / (kPointsPerInch * 100)));
    f.setWeight(static_cast<QFont::Weight>(font.weight));
    // Every letter the window shows is in its font, so no glyph is ever looked for elsewhere, and
    // Qt need not rank the installed fonts as stand-ins when it loads one.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

}  // namespace tolm::desktop
