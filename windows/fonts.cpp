// The faces come in from the program's read-only data; fonts are asked for by the free face's name.
#include "windows/fonts.h"

#include <array>
#include <span>

#include "content/embed.h"
#include "windows/wide.h"

namespace tolm::windows {

TOLM_EMBED(liberation_sans_regular, "liberation-sans-regular.ttf");
TOLM_EMBED(liberation_sans_bold, "liberation-sans-bold.ttf");
TOLM_EMBED(urw_bookman_demi, "urw-bookman-demi.otf");
TOLM_EMBED(comic_neue_bold, "comic-neue-bold.otf");

void registerFaces() {
    const std::array<std::span<const std::uint8_t>, 4> faces{
        TOLM_EMBEDDED(liberation_sans_regular), TOLM_EMBEDDED(liberation_sans_bold), TOLM_EMBEDDED(urw_bookman_demi),
        TOLM_EMBEDDED(comic_neue_bold)};
    for (const auto& face : faces) {
        DWORD installed = 0;
        // The face stays registered until the process ends; Windows copies the bytes.
        AddFontMemResourceEx(const_cast<std::uint8_t*>(face.data()), static_cast<DWORD>(face.size()), nullptr,
                             &installed);
    }
}

Fonts::~Fonts() { clear(); }

HFONT Fonts::get(const layout::Font& font, const layout::SceneScale& scale) {
    const int pixels = scale.fontPixels(layout::pixelSize(font));
    const auto key = std::make_tuple(font.family, pixels, font.weight);
    if (const auto it = made_.find(key); it != made_.end()) return it->second;
    const std::wstring family = wide(layout::freeFamily(font.family));
    // A negative height asks for the em size, as the layout's point sizes mean it.
    HFONT made = CreateFontW(-pixels, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, family.c_str());
    made_.emplace(key, made);
    return made;
}

void Fonts::clear() {
    for (const auto& [key, font] : made_) DeleteObject(font);
    made_.clear();
}

}  // namespace tolm::windows
