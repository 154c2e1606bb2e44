// The program icon's three images, its group directory for the Windows resources and the
// .ico file the window shows: sizes, headers, colour tables and masks.
#include <gtest/gtest.h>

#include <string>

#include "content/icon.h"
#include "tests/content/little_endian.h"

namespace tolm::content {
namespace {

using namespace tolm::testing;

struct Image {
    std::uint16_t id;
    int size;
    int bitsPerPixel;
    std::size_t bytes;
    std::size_t colourBytes;
    std::size_t maskBytes;
};

// In the order of the icon group and of the .ico file.
constexpr Image kImages[] = {
    {30001, 32, 1, 304, 128, 128},
    {30002, 32, 4, 744, 512, 128},
    {30003, 16, 4, 296, 128, 64},
};

Bytes imageFile(const Image& image) { return readFile(artDir() / ("icon-" + std::to_string(image.id) + ".bin")); }

std::size_t colourTableBytes(const Image& image) { return 4u << image.bitsPerPixel; }

// Rows are stored bottom-up and padded to 32 bits, in the colour bits and the mask alike.
int colourAt(const Bytes& b, const Image& image, int x, int y) {
    const std::size_t stride = static_cast<std::size_t>((image.size * image.bitsPerPixel + 31) / 32 * 4);
    const std::size_t row = 40 + colourTableBytes(image) + static_cast<std::size_t>(image.size - 1 - y) * stride;
    const int bit = x * image.bitsPerPixel;
    return b[row + static_cast<std::size_t>(bit / 8)] >> (8 - image.bitsPerPixel - bit % 8) &
           ((1 << image.bitsPerPixel) - 1);
}

bool clearAt(const Bytes& b, const Image& image, int x, int y) {
    const std::size_t stride = static_cast<std::size_t>((image.size + 31) / 32 * 4);
    const std::size_t row =
        40 + colourTableBytes(image) + image.colourBytes + static_cast<std::size_t>(image.size - 1 - y) * stride;
    return (b[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8) & 1) != 0;
}

void PrintTo(const Image& image, std::ostream* out) { *out << "image " << image.id; }

class IconImage : public ::testing::TestWithParam<Image> {};

TEST_P(IconImage, HasItsSizeHeaderAndColourTable) {
    const Image& image = GetParam();
    const Bytes b = imageFile(image);
    ASSERT_EQ(b.size(), image.bytes);
    ASSERT_EQ(40 + colourTableBytes(image) + image.colourBytes + image.maskBytes, image.bytes);
    EXPECT_EQ(u32(b, 0), 40u);
    EXPECT_EQ(i32(b, 4), image.size);
    EXPECT_EQ(i32(b, 8), 2 * image.size) << "colour bits and mask count as one image of twice the height";
    EXPECT_EQ(u16(b, 12), 1u);
    EXPECT_EQ(u16(b, 14), static_cast<std::uint32_t>(image.bitsPerPixel));
    EXPECT_EQ(u32(b, 16), 0u) << "not compressed";
    EXPECT_EQ(u32(b, 20), image.colourBytes + image.maskBytes);
    EXPECT_EQ(u32(b, 32), 0u) << "colours used: all";
    EXPECT_EQ(u32(b, 36), 0u) << "colours important: all";
    const std::size_t colours = std::size_t{1} << image.bitsPerPixel;
    for (std::size_t i = 0; i < colours; ++i) {
        // A 1-bit image's two colours are black and white, the ends of the standard table.
        const auto& rgb = kStandardPalette[colours == 2 ? i * 15 : i];
        const std::size_t at = 40 + 4 * i;
        EXPECT_EQ(b[at], rgb[2]) << "colour " << i;
        EXPECT_EQ(b[at + 1], rgb[1]) << "colour " << i;
        EXPECT_EQ(b[at + 2], rgb[0]) << "colour " << i;
        EXPECT_EQ(b[at + 3], 0) << "colour " << i;
    }
}

TEST_P(IconImage, IsBlackWhereverTheMaskMakesItClear) {
    // Windows draws an icon by AND with the mask, then XOR with the colour bits: a clear
    // pixel that is not black would show as an inverted speck on the desktop.
    const Image& image = GetParam();
    const Bytes b = imageFile(image);
    ASSERT_EQ(b.size(), image.bytes);
    int clear = 0;
    for (int y = 0; y < image.size; ++y) {
        for (int x = 0; x < image.size; ++x) {
            if (!clearAt(b, image, x, y)) continue;
            ++clear;
            EXPECT_EQ(colourAt(b, image, x, y), 0) << x << ", " << y;
        }
    }
    EXPECT_GT(clear, 0) << "the icon keeps a transparent surround";
    EXPECT_LT(clear, image.size * image.size / 2) << "and is mostly drawing";
}

INSTANTIATE_TEST_SUITE_P(EveryImage, IconImage, ::testing::ValuesIn(kImages),
                         [](const auto& info) { return "Image" + std::to_string(info.param.id); });

TEST(ProgramIcon, BothLargeImagesHaveTheSameOutline) {
    const Bytes mono = imageFile(kImages[0]);
    const Bytes colour = imageFile(kImages[1]);
    ASSERT_EQ(mono.size(), kImages[0].bytes);
    ASSERT_EQ(colour.size(), kImages[1].bytes);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(clearAt(mono, kImages[0], x, y), clearAt(colour, kImages[1], x, y)) << x << ", " << y;
        }
    }
}

// The directory entry shared by the group and the .ico file: 12 bytes from `at`.
void expectEntry(const Bytes& b, std::size_t at, const Image& image) {
    EXPECT_EQ(b[at], image.size);
    EXPECT_EQ(b[at + 1], image.size);
    EXPECT_EQ(b[at + 2], 1 << image.bitsPerPixel) << "colour count";
    EXPECT_EQ(b[at + 3], 0);
    EXPECT_EQ(u16(b, at + 4), 1u) << "planes";
    EXPECT_EQ(u16(b, at + 6), static_cast<std::uint32_t>(image.bitsPerPixel));
    EXPECT_EQ(u32(b, at + 8), image.bytes);
}

void expectDirectoryHeader(const Bytes& b) {
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 1u) << "an icon, not a cursor";
    EXPECT_EQ(u16(b, 4), 3u);
}

TEST(ProgramIcon, GroupListsTheThreeImagesByIdInOrder) {
    const Bytes group = readFile(artDir() / "icon-group.bin");
    ASSERT_EQ(group.size(), 48u);
    expectDirectoryHeader(group);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(kImages[i].id);
        expectEntry(group, 6 + 14 * i, kImages[i]);
        EXPECT_EQ(u16(group, 6 + 14 * i + 12), kImages[i].id);
    }
}

TEST(ProgramIcon, IcoFileHoldsTheSameThreeImagesOneAfterAnother) {
    const auto ico = programIconFile();
    const Bytes b(ico.begin(), ico.end());
    ASSERT_EQ(b.size(), 6u + 3 * 16 + 304 + 744 + 296);
    expectDirectoryHeader(b);
    std::size_t offset = 6 + 3 * 16;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(kImages[i].id);
        expectEntry(b, 6 + 16 * i, kImages[i]);
        EXPECT_EQ(u32(b, 6 + 16 * i + 12), offset);
        const Bytes image = imageFile(kImages[i]);
        EXPECT_TRUE(std::equal(image.begin(), image.end(), b.begin() + static_cast<std::ptrdiff_t>(offset)));
        offset += kImages[i].bytes;
    }
}

}  // namespace
}  // namespace tolm::content
