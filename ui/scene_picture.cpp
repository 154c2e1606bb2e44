// The scene pictures' decoder: four-bit BMP rows into one byte a pixel.
// Qt's BMP reader works a pixel at a time and first loads every image plugin to ask whether it
// reads BMP; the pictures all have one known form, so here a row is split in one plain loop.
#include "ui/scene_picture.h"

#include <QList>

namespace tolm::ui {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kFourBitsAPixel = 4;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kAllColours = 0;    // a colours-used of 0 means all 2^4
constexpr int kColours = 16;
constexpr std::size_t kPaletteEntryBytes = 4;  // blue, green, red, reserved

std::uint16_t u16(std::span<const std::uint8_t> f, std::size_t at) {
    return static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> f, std::size_t at) {
    return static_cast<std::uint32_t>(f[at] | f[at + 1] << 8 | f[at + 2] << 16) |
           static_cast<std::uint32_t>(f[at + 3]) << 24;
}

}  // namespace

QImage decodeFourBitBmp(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') return {};
    const std::uint32_t bitsAt = u32(file, 10);
    const std::uint32_t infoBytes = u32(file, 14);
    const auto width = static_cast<std::int32_t>(u32(file, 18));
    const auto height = static_cast<std::int32_t>(u32(file, 22));
    if (infoBytes < kInfoHeaderBytes || u16(file, 28) != kFourBitsAPixel || u32(file, 30) != kUncompressed ||
        u32(file, 46) != kAllColours || width <= 0 || height == 0)
        return {};

    // A positive height stores the bottom row first; rows are padded to whole 32-bit words.
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * kFourBitsAPixel + 31) / 32 * 4;
    const std::size_t paletteAt = kFileHeaderBytes + infoBytes;
    if (paletteAt + kColours * kPaletteEntryBytes > bitsAt ||
        bitsAt + rowBytes * static_cast<std::size_t>(rows) > file.size())
        return {};

    QList<QRgb> palette(kColours);
    for (int i = 0; i < kColours; ++i) {
        const std::size_t at = paletteAt + static_cast<std::size_t>(i) * kPaletteEntryBytes;
        palette[i] = qRgb(file[at + 2], file[at + 1], file[at]);
    }
    QImage image(width, static_cast<int>(rows), QImage::Format_Indexed8);
    image.setColorTable(palette);

    const std::size_t pairs = static_cast<std::size_t>(width) / 2;
    for (int y = 0; y < image.height(); ++y) {
        const std::size_t stored = static_cast<std::size_t>(height > 0 ? rows - 1 - y : y);
        const std::uint8_t* in = file.data() + bitsAt + stored * rowBytes;
        uchar* out = image.scanLine(y);
        // Each byte holds two pixels, the left one in its high half.
        for (std::size_t i = 0; i < pairs; ++i) {
            out[2 * i] = in[i] >> 4;
            out[2 * i + 1] = in[i] & 0x0F;
        }
        if (width % 2 != 0) out[width - 1] = in[pairs] >> 4;
    }
    return image;
}

}  // namespace tolm::ui
