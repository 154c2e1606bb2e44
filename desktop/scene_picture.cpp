// The scene pictures' reader: the BMP's header checked, its colours resolved, its rows read in
// place. Qt's BMP reader works a pixel at a time and first loads every image plugin to ask
// whether it reads BMP; the pictures all have one known form, so here nothing is copied at all.
#include "desktop/scene_picture.h"

#include <algorithm>
#include <cmath>

namespace tolm::desktop {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kFourBitsAPixel = 4;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::uint32_t kAllColours = 0;    // a colours-used of 0 means all 2^4
constexpr std::size_t kColours = 16;
constexpr std::size_t kPaletteEntryBytes = 4;  // blue, green, red, reserved

std::uint16_t u16(std::span<const std::uint8_t> f, std::size_t at) {
    return static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> f, std::size_t at) {
    return static_cast<std::uint32_t>(f[at] | f[at + 1] << 8 | f[at + 2] << 16) | static_cast<std::uint32_t>(f[at + 3])
                                                                                      << 24;
}

}  // namespace

ScenePicture ScenePicture::read(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M') return {};
    const std::uint32_t bitsAt = u32(file, 10);
    const std::uint32_t infoBytes = u32(file, 14);
    const auto width = static_cast<std::int32_t>(u32(file, 18));
    const auto height = static_cast<std::int32_t>(u32(file, 22));
    if (infoBytes < kInfoHeaderBytes || u16(file, 28) != kFourBitsAPixel || u32(file, 30) != kUncompressed ||
        u32(file, 46) != kAllColours || width <= 0 || height == 0)
        return {};

    // Rows are padded to whole 32-bit words.
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * kFourBitsAPixel + 31) / 32 * 4;
    const std::size_t paletteAt = kFileHeaderBytes + infoBytes;
    if (paletteAt + kColours * kPaletteEntryBytes > bitsAt ||
        bitsAt + rowBytes * static_cast<std::size_t>(rows) > file.size())
        return {};

    ScenePicture picture;
    picture.width_ = width;
    picture.height_ = static_cast<int>(rows);
    picture.rowBytes_ = rowBytes;
    picture.bottomUp_ = height > 0;
    picture.rows_ = file.subspan(bitsAt, rowBytes * static_cast<std::size_t>(rows));
    for (std::size_t i = 0; i < kColours; ++i) {
        const std::size_t at = paletteAt + i * kPaletteEntryBytes;
        picture.colours_[i] = qRgb(file[at + 2], file[at + 1], file[at]);
    }
    return picture;
}

const std::uint8_t* ScenePicture::row(int y) const {
    const auto stored = static_cast<std::size_t>(bottomUp_ ? height_ - 1 - y : y);
    return rows_.data() + stored * rowBytes_;
}

QRgb ScenePicture::colourAt(int column, const std::uint8_t* row) const {
    const std::uint8_t pair = row[column / 2];
    return colours_[column % 2 == 0 ? pair >> 4 : pair & 0x0F];
}

QImage ScenePicture::pixels(QRect area) const {
    area &= QRect(QPoint(0, 0), size());
    QImage image(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        const std::uint8_t* bits = row(area.top() + y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < area.width(); ++x) out[x] = colourAt(area.left() + x, bits);
    }
    return image;
}

QImage ScenePicture::pixels(QRect area, double factor) const {
    area &= QRect(0, 0, static_cast<int>(width_ * factor), static_cast<int>(height_ * factor));
    QImage image(area.size(), QImage::Format_RGB32);
    // Shrunk, a pixel covers several picture pixels and takes their mean from a grid of samples
    // across it: a dithered shade stays that shade instead of falling to one of its two colours.
    const int grid = factor < 1.0 ? static_cast<int>(std::ceil(1.0 / factor)) : 1;
    const auto sources = [&](int first, int count, int extent) {
        std::vector<int> at(static_cast<std::size_t>(count * grid));
        for (int i = 0; i < count; ++i)
            for (int g = 0; g < grid; ++g)
                at[static_cast<std::size_t>(i * grid + g)] =
                    std::min(extent - 1, static_cast<int>((first + i + (g + 0.5) / grid) / factor));
        return at;
    };
    const std::vector<int> columns = sources(area.left(), area.width(), width_);
    const std::vector<int> rows = sources(area.top(), area.height(), height_);
    for (int y = 0; y < area.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (grid == 1) {
            const std::uint8_t* bits = row(rows[static_cast<std::size_t>(y)]);
            for (int x = 0; x < area.width(); ++x) out[x] = colourAt(columns[static_cast<std::size_t>(x)], bits);
            continue;
        }
        for (int x = 0; x < area.width(); ++x) {
            int red = 0, green = 0, blue = 0;
            for (int gy = 0; gy < grid; ++gy) {
                const std::uint8_t* bits = row(rows[static_cast<std::size_t>(y * grid + gy)]);
                for (int gx = 0; gx < grid; ++gx) {
                    const QRgb c = colourAt(columns[static_cast<std::size_t>(x * grid + gx)], bits);
                    red += qRed(c);
                    green += qGreen(c);
                    blue += qBlue(c);
                }
            }
            const int n = grid * grid;
            out[x] = qRgb((red + n / 2) / n, (green + n / 2) / n, (blue + n / 2) / n);
        }
    }
    return image;
}

}  // namespace tolm::desktop
