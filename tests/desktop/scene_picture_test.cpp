// The scene pictures' own reader: the same pixels as Qt's BMP reader, and no image from a
// file of any other form.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "content/picture.h"
#include "desktop/scene_picture.h"

namespace tolm::desktop {
namespace {

// Writes a little-endian field of the file.
void put(std::vector<std::uint8_t>& f, std::size_t at, int bytes, std::uint32_t value) {
    for (int i = 0; i < bytes; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A small BMP of four bits a pixel: colour i is (16 i, 0, 255 - 16 i), and the pixel at (x, y),
// counted from the top-left, has colour (x + 3 y) mod 16.
std::vector<std::uint8_t> smallBmp(int width, int height) {
    const int rows = std::abs(height);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 4 + 31) / 32 * 4;
    const std::size_t bitsAt = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> f(bitsAt + rowBytes * static_cast<std::size_t>(rows));
    f[0] = 'B';
    f[1] = 'M';
    put(f, 2, 4, static_cast<std::uint32_t>(f.size()));
    put(f, 10, 4, static_cast<std::uint32_t>(bitsAt));
    put(f, 14, 4, 40);
    put(f, 18, 4, static_cast<std::uint32_t>(width));
    put(f, 22, 4, static_cast<std::uint32_t>(height));
    put(f, 26, 2, 1);
    put(f, 28, 2, 4);
    for (std::size_t i = 0; i < 16; ++i) {
        f[54 + 4 * i] = static_cast<std::uint8_t>(255 - 16 * i);  // blue
        f[54 + 4 * i + 2] = static_cast<std::uint8_t>(16 * i);    // red
    }
    for (int y = 0; y < rows; ++y) {
        const std::size_t stored = static_cast<std::size_t>(height > 0 ? rows - 1 - y : y);
        for (int x = 0; x < width; ++x) {
            const auto colour = static_cast<std::uint8_t>((x + 3 * y) % 16);
            std::uint8_t& byte = f[bitsAt + stored * rowBytes + static_cast<std::size_t>(x / 2)];
            byte |= x % 2 == 0 ? colour << 4 : colour;
        }
    }
    return f;
}

QRgb expectedColour(int x, int y) {
    const int i = (x + 3 * y) % 16;
    return qRgb(16 * i, 0, 255 - 16 * i);
}

TEST(ScenePictures, DecodeToTheSamePixelsAsQtsReader) {
    for (std::size_t i = 0; i < content::kPictureCount; ++i) {
        SCOPED_TRACE("PIC-" + std::to_string(i + 1));
        const auto file = content::pictureFile(static_cast<content::Picture>(i));
        const ScenePicture ours = ScenePicture::read(file);
        const QImage qts = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
        ASSERT_FALSE(qts.isNull());
        EXPECT_EQ(ours.size(), qts.size());
        EXPECT_EQ(ours.pixels(QRect(QPoint(0, 0), ours.size())), qts.convertToFormat(QImage::Format_RGB32));
        // A box asks for the part it paints; an odd left edge starts in the low half of a byte.
        const QRect part(37, 11, 150, 222);
        EXPECT_EQ(ours.pixels(part), qts.convertToFormat(QImage::Format_RGB32).copy(part));
    }
}

TEST(ScenePictures, RowsStoredEitherWayUpAndAnOddWidthDecodeFromTheTopLeft) {
    for (const auto& [width, height] : {std::pair{5, 3}, std::pair{5, -3}, std::pair{8, 2}, std::pair{1, 1}}) {
        SCOPED_TRACE(std::to_string(width) + " by " + std::to_string(height));
        const QImage image = ScenePicture::read(smallBmp(width, height)).pixels(QRect(0, 0, 100, 100));
        ASSERT_EQ(image.size(), QSize(width, std::abs(height)));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < width; ++x) EXPECT_EQ(image.pixel(x, y), expectedColour(x, y)) << x << ", " << y;
    }
}

TEST(ScenePictures, AnyOtherFormGivesNoImage) {
    const auto good = smallBmp(5, 3);
    ASSERT_FALSE(ScenePicture::read(good).isNull());
    struct Change {
        const char* what;
        std::size_t at;
        int bytes;
        std::uint32_t value;
    };
    for (const Change& c :
         {Change{"signature", 0, 1, 'X'}, Change{"eight bits a pixel", 28, 2, 8}, Change{"run-length coding", 30, 4, 2},
          Change{"a shorter colour table", 46, 4, 2}, Change{"no width", 18, 4, 0}, Change{"no height", 22, 4, 0},
          Change{"more rows than the file holds", 22, 4, 4},
          Change{"the most rows a header can name, top row first", 22, 4, 0x8000'0000},
          Change{"bits that overlap the colour table", 10, 4, 100}}) {
        SCOPED_TRACE(c.what);
        auto bad = good;
        put(bad, c.at, c.bytes, c.value);
        EXPECT_TRUE(ScenePicture::read(bad).isNull());
    }
    EXPECT_TRUE(ScenePicture::read(std::span(good).first(50)).isNull());
}

}  // namespace
}  // namespace tolm::desktop
