// The icon as the desktop and the window read it: Qt decodes the .ico and the theme's PNGs
// to the same pixels, transparent where the mask is clear, and the game's own reader, which
// the window uses, agrees with Qt's and refuses a damaged file.
#include <gtest/gtest.h>

#include <algorithm>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "content/icon.h"
#include "desktop/program_icon.h"
#include "tests/content/little_endian.h"
#include "tools/pictures/palette.h"

namespace tolm::content {
namespace {

std::vector<QImage> icoImages() {
    const auto ico = programIconFile();
    QByteArray bytes(reinterpret_cast<const char*>(ico.data()), static_cast<qsizetype>(ico.size()));
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "ICO");
    std::vector<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.push_back(reader.read().convertToFormat(QImage::Format_ARGB32));
    }
    return images;
}

QImage themeIcon(int size) {
    const QString png =
        QString::fromStdString((testing::artDir() / ("tolm-" + std::to_string(size) + ".png")).string());
    return QImage(png, "PNG").convertToFormat(QImage::Format_ARGB32);
}

TEST(IconDecoding, IcoFileGivesTheThreeSizesInOrder) {
    const std::vector<QImage> images = icoImages();
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0].size(), QSize(32, 32));
    EXPECT_EQ(images[1].size(), QSize(32, 32));
    EXPECT_EQ(images[2].size(), QSize(16, 16));
    // The monochrome image is the same house in black and white.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb mono = images[0].pixel(x, y);
            EXPECT_TRUE(qAlpha(mono) == 0 || mono == qRgb(0, 0, 0) || mono == qRgb(255, 255, 255)) << x << ", " << y;
        }
    }
}

TEST(IconDecoding, ThemePngsShowTheColourImagesPixelForPixel) {
    const std::vector<QImage> images = icoImages();
    ASSERT_EQ(images.size(), 3u);
    const std::pair<int, std::size_t> kSizes[] = {{32, 1}, {16, 2}};
    for (const auto& [size, index] : kSizes) {
        SCOPED_TRACE(size);
        const QImage theme = themeIcon(size);
        ASSERT_EQ(theme.size(), QSize(size, size)) << "the PNG does not decode";
        int transparent = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = theme.pixel(x, y);
                const QRgb b = images[index].pixel(x, y);
                EXPECT_EQ(qAlpha(a), qAlpha(b)) << x << ", " << y;
                if (qAlpha(a) == 0) {
                    ++transparent;
                } else {
                    EXPECT_EQ(a, b) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(transparent, 0);
    }
}

// The dock's and the software centre's sizes are drawn for their size in the sixteen colours:
// no blend of colours or half-transparent edge (a blur), and not the 32-pixel image with its
// pixels made bigger (every block of the scale one colour).
TEST(IconDecoding, LargeThemeIconsAreDrawnSharpForTheirSize) {
    for (const int size : {48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = themeIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size)) << "the PNG does not decode";
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << "the house stands on a clear background";
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb p = icon.pixel(x, y);
                if (qAlpha(p) == 0) continue;
                ASSERT_EQ(qAlpha(p), 255) << x << ", " << y;
                const bool inPalette = std::any_of(pictures::kPalette.begin(), pictures::kPalette.end(),
                                                   [&](pictures::Rgb c) { return qRgb(c.red, c.green, c.blue) == p; });
                ASSERT_TRUE(inPalette) << x << ", " << y;
            }
        }
        if (size % 32 != 0) continue;
        const int scale = size / 32;
        bool blocky = true;
        for (int y = 0; y < size && blocky; ++y) {
            for (int x = 0; x < size && blocky; ++x)
                blocky = icon.pixel(x, y) == icon.pixel(x / scale * scale, y / scale * scale);
        }
        EXPECT_FALSE(blocky) << "an enlarged 32-pixel image";
    }
}

TEST(IconDecoding, TheGamesOwnReaderGivesQtsPixels) {
    const std::vector<QImage> ours = desktop::iconImages(programIconFile());
    EXPECT_EQ(ours, icoImages());
    const QIcon icon = desktop::programIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    ASSERT_EQ(ours.size(), 3u);
    // Of the two 32-pixel images the window takes the colour one.
    EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), ours[1]);
}

TEST(IconDecoding, TheGamesOwnReaderRefusesADamagedFile) {
    const auto ico = programIconFile();
    const std::vector<std::uint8_t> good(ico.begin(), ico.end());
    const std::size_t firstImage = good[18] | good[19] << 8;  // the first entry's offset
    struct Damage {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    };
    for (const Damage& d : {Damage{"not an icon", 2, 2}, Damage{"more images than entries", 4, 9},
                            Damage{"an image past the end", 21, 0x7F}, Damage{"24 bits a pixel", firstImage + 14, 24},
                            Damage{"compressed bits", firstImage + 16, 1}}) {
        SCOPED_TRACE(d.what);
        auto bad = good;
        bad[d.at] = d.value;
        EXPECT_TRUE(desktop::iconImages(bad).empty());
    }
    EXPECT_TRUE(desktop::iconImages(std::span(good).first(20)).empty());
}

}  // namespace
}  // namespace tolm::content
