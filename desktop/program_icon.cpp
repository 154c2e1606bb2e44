// The icon's images are read here rather than by Qt's ICO plugin: loading the image plugins
// would cost start-up more than the whole icon.
#include "desktop/program_icon.h"

#include <map>

#include "content/icon.h"

namespace tolm::desktop {
namespace {

constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;

std::uint32_t little(std::span<const std::uint8_t> f, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | f[at + static_cast<std::size_t>(i)];
    return value;
}

// Rows of a bitmap are stored bottom-up, each padded to whole 32-bit words.
std::size_t stride(int width, int bits) { return static_cast<std::size_t>((width * bits + 31) / 32 * 4); }

int bitsAt(std::span<const std::uint8_t> row, int x, int bits) {
    const int bit = x * bits;
    return row[static_cast<std::size_t>(bit / 8)] >> (8 - bits - bit % 8) & ((1 << bits) - 1);
}

// One image: a bitmap header with the height of colour bits and mask together, a colour table,
// the colour bits, then the mask, where a set bit is clear.
QImage decodeImage(std::span<const std::uint8_t> image) {
    if (image.size() < kInfoHeaderBytes) return {};
    const auto width = static_cast<std::int32_t>(little(image, 4, 4));
    const auto doubledHeight = static_cast<std::int32_t>(little(image, 8, 4));
    const int bits = static_cast<int>(little(image, 14, 2));
    const auto colours = little(image, 32, 4);
    if (width <= 0 || width > 256 || doubledHeight <= 0 || doubledHeight > 512 || doubledHeight % 2 != 0 ||
        (bits != 1 && bits != 4 && bits != 8) || little(image, 16, 4) != 0 || (colours != 0 && colours != 1u << bits))
        return {};
    const int height = doubledHeight / 2;
    const std::size_t tableAt = little(image, 0, 4);
    const std::size_t colourAt = tableAt + (std::size_t{4} << bits);
    const std::size_t maskAt = colourAt + stride(width, bits) * static_cast<std::size_t>(height);
    if (tableAt < kInfoHeaderBytes || maskAt + stride(width, 1) * static_cast<std::size_t>(height) > image.size())
        return {};

    QImage out(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const std::size_t stored = static_cast<std::size_t>(height - 1 - y);
        const auto colourRow = image.subspan(colourAt + stored * stride(width, bits), stride(width, bits));
        const auto maskRow = image.subspan(maskAt + stored * stride(width, 1), stride(width, 1));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t entry = tableAt + 4 * static_cast<std::size_t>(bitsAt(colourRow, x, bits));
            const bool clear = bitsAt(maskRow, x, 1) != 0;
            line[x] = clear ? qRgba(0, 0, 0, 0) : qRgb(image[entry + 2], image[entry + 1], image[entry]);
        }
    }
    return out;
}

struct Image {
    int bits;
    QImage pixels;
};

std::vector<Image> readIcon(std::span<const std::uint8_t> ico) {
    if (ico.size() < kDirectoryBytes || little(ico, 0, 2) != 0 || little(ico, 2, 2) != 1) return {};
    const std::size_t count = little(ico, 4, 2);
    if (ico.size() < kDirectoryBytes + count * kEntryBytes) return {};
    std::vector<Image> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectoryBytes + i * kEntryBytes;
        const std::size_t bytes = little(ico, entry + 8, 4);
        const std::size_t at = little(ico, entry + 12, 4);
        if (at > ico.size() || bytes > ico.size() - at) return {};
        QImage pixels = decodeImage(ico.subspan(at, bytes));
        if (pixels.isNull()) return {};
        images.push_back({static_cast<int>(little(ico, at + 14, 2)), std::move(pixels)});
    }
    return images;
}

}  // namespace

std::vector<QImage> iconImages(std::span<const std::uint8_t> ico) {
    std::vector<QImage> images;
    for (Image& image : readIcon(ico)) images.push_back(std::move(image.pixels));
    return images;
}

QIcon programIcon() {
    // Of two images of one size, the one with more colours; the others are for older screens.
    std::map<int, Image> richest;
    for (Image& image : readIcon(content::programIconFile())) {
        Image& kept = richest[image.pixels.width()];
        if (image.bits > kept.bits) kept = std::move(image);
    }
    QIcon icon;
    for (const auto& [size, image] : richest) icon.addPixmap(QPixmap::fromImage(image.pixels));
    return icon;
}

}  // namespace tolm::desktop
