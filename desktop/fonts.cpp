// The layout's fonts as Qt fonts, each in the free face the layout names for its family.
#include "desktop/fonts.h"

namespace tolm::desktop {
using namespace layout;

QString substituteFamily(Family family) {
    const std::string_view name = freeFamily(family);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QFont qtFont(const Font& font, const SceneScale& scale) {
    QFont f;
    // Only the free face, never a face installed under the family's own name: the captions are
    // sized for the free faces' widths, and the window looks the same on every machine and as
    // the page does, which carries those faces itself.
    f.setFamily(substituteFamily(font.family));
    f.setPixelSize(scale.fontPixels(pixelSize(font)));
    f.setWeight(static_cast<QFont::Weight>(font.weight));
    // Every letter the window shows is in its font, so no glyph is ever looked for elsewhere, and
    // Qt need not rank the installed fonts as stand-ins when it loads one.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

}  // namespace tolm::desktop
