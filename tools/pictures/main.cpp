// Draws the scene pictures and the program icon into the files the build embeds:
//   tolm-pictures DIR            a BMP for each scene picture (content/scene_pictures.def
//                                names the files), icon-30001.bin .. icon-30003.bin,
//                                icon-group.bin, tolm.ico, tolm-N.png for each size of the
//                                desktop's icon theme (16, 32, 48, 64, 128, 256)
//   tolm-pictures --preview DIR  STEM.png (whole) and STEM-seen.png (what its box shows) for
//                                each picture, to look at a drawing while changing it
//   tolm-pictures --web DIR      STEM.png for each picture, the BMPs' pixels as 4-bit PNGs,
//                                favicon.ico, icon-192.png, icon-512.png and
//                                icon-maskable-512.png, for the web page
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "content/picture.h"
#include "content/text.h"
#include "tools/pictures/formats.h"
#include "tools/pictures/icon_art.h"
#include "tools/pictures/scenes.h"

namespace {

using namespace tolm::pictures;
namespace content = tolm::content;
namespace fs = std::filesystem;

struct IconEntry {
    std::uint16_t id;  // the image's resource id
    int size;
    int bitsPerPixel;
};

// The order of the icon's images, in the .ico file and in the icon group alike.
constexpr std::array<IconEntry, 3> kIconImages{{{30001, 32, 1}, {30002, 32, 4}, {30003, 16, 4}}};

bool write(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "tolm-pictures: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

std::string stem(const content::PictureRow& row) { return std::string(row.stem); }

Canvas seenPart(const Canvas& picture) {
    Canvas seen(content::kPictureSeenWidth, content::kPictureSeenHeight, Colour::Black);
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) seen.plot(x, y, picture.at(x, y));
    }
    return seen;
}

std::array<IconImage, kIconImages.size()> iconImages() {
    std::array<IconImage, kIconImages.size()> images;
    for (std::size_t i = 0; i < kIconImages.size(); ++i) {
        const IconEntry& entry = kIconImages[i];
        images[i] = iconImage(drawIcon(entry.size, entry.bitsPerPixel == 1), entry.bitsPerPixel);
    }
    return images;
}

bool writeContent(const fs::path& dir) {
    bool ok = true;
    for (const auto& row : content::kPictures) ok &= write(dir / (stem(row) + ".bmp"), bmpFile(drawScene(row.key)));

    const auto images = iconImages();
    std::array<std::uint16_t, kIconImages.size()> ids{};
    for (std::size_t i = 0; i < kIconImages.size(); ++i) {
        ids[i] = kIconImages[i].id;
        ok &= write(dir / ("icon-" + std::to_string(ids[i]) + ".bin"), images[i].bytes);
    }
    ok &= write(dir / "icon-group.bin", iconGroup(images, ids));
    ok &= write(dir / "tolm.ico", iconFile(images));
    for (const int size : kThemeIconSizes)
        ok &= write(dir / ("tolm-" + std::to_string(size) + ".png"), pngFile(drawThemeIcon(size)));
    return ok;
}

bool writeWeb(const fs::path& dir) {
    bool ok = true;
    for (const auto& row : content::kPictures) {
        ok &= write(dir / (stem(row) + ".png"), indexedPngFile(drawScene(row.key)));
    }
    ok &= write(dir / "favicon.ico", iconFile(iconImages()));
    for (const int size : kWebIconSizes) {
        ok &= write(dir / ("icon-" + std::to_string(size) + ".png"), pngFile(drawThemeIcon(size)));
    }
    ok &= write(dir / ("icon-maskable-" + std::to_string(kMaskableIconSize) + ".png"),
                pngFile(drawMaskableIcon(kMaskableIconSize)));
    return ok;
}

bool writePreview(const fs::path& dir) {
    bool ok = true;
    for (const auto& row : content::kPictures) {
        const Canvas picture = drawScene(row.key);
        ok &= write(dir / (stem(row) + ".png"), pngFile(picture));
        ok &= write(dir / (stem(row) + "-seen.png"), pngFile(seenPart(picture)));
        const std::string_view spoken = content::text(row.spoken, content::kCzech);
        std::printf("%s.png  %.*s  %.*s\n", stem(row).c_str(), static_cast<int>(content::keyName(row.spoken).size()),
                    content::keyName(row.spoken).data(), static_cast<int>(spoken.size()), spoken.data());
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 3 ? std::string_view(argv[1]) : std::string_view();
    const bool preview = mode == "--preview";
    const bool web = mode == "--web";
    if (argc != 2 && !preview && !web) {
        std::fprintf(stderr, "usage: tolm-pictures [--preview | --web] DIR\n");
        return 2;
    }
    const fs::path dir = argv[argc - 1];
    std::error_code error;
    fs::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "tolm-pictures: cannot make %s: %s\n", dir.c_str(), error.message().c_str());
        return 1;
    }
    if (preview) return writePreview(dir) ? 0 : 1;
    return (web ? writeWeb(dir) : writeContent(dir)) ? 0 : 1;
}
