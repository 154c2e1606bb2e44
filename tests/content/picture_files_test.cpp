// The scene pictures as the program holds them: BMP headers, colour table, rows and drawing.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "content/picture.h"
#include "tests/content/little_endian.h"

namespace tolm::content {
namespace {

using namespace tolm::testing;

constexpr std::size_t kFileSize = 209'878;
constexpr std::size_t kBitsOffset = 118;
constexpr int kWidth = kPictureWidth;
constexpr int kHeight = kPictureHeight;
constexpr std::size_t kRowBytes = 380;
constexpr int kSeenWidth = kPictureSeenWidth;
constexpr int kSeenHeight = kPictureSeenHeight;

// The colour index of a pixel counted from the top-left, as a box shows it.
int pixel(std::span<const std::uint8_t> bmp, int x, int y) {
    const std::uint8_t byte =
        bmp[kBitsOffset + static_cast<std::size_t>(kHeight - 1 - y) * kRowBytes + static_cast<std::size_t>(x / 2)];
    return x % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

std::string keyName(int index) { return "PIC_" + std::to_string(index + 1); }

class PictureFile : public ::testing::TestWithParam<int> {
protected:
    std::span<const std::uint8_t> file() const { return pictureFile(static_cast<Picture>(GetParam())); }
};

TEST_P(PictureFile, HasTheHeadersOfA757By552BmpOfFourBitsAPixel) {
    const auto f = file();
    ASSERT_EQ(f.size(), kFileSize);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(u32(f, 2), kFileSize);
    EXPECT_EQ(u16(f, 6), 0u);
    EXPECT_EQ(u16(f, 8), 0u);
    EXPECT_EQ(u32(f, 10), kBitsOffset);
    struct Field {
        std::size_t at;
        int bytes;
        std::int32_t value;
        const char* name;
    };
    constexpr Field kInfo[] = {
        {14, 4, 40, "header size"},
        {18, 4, kWidth, "width"},
        {22, 4, kHeight, "height"},
        {26, 2, 1, "planes"},
        {28, 2, 4, "bits per pixel"},
        {30, 4, 0, "compression"},
        {34, 4, 209'760, "image size"},
        {38, 4, 3790, "pixels per metre across"},
        {42, 4, 3800, "pixels per metre down"},
        {46, 4, 0, "colours used"},
        {50, 4, 0, "colours important"},
    };
    for (const Field& field : kInfo) {
        const std::int32_t read = field.bytes == 4 ? i32(f, field.at) : static_cast<std::int32_t>(u16(f, field.at));
        EXPECT_EQ(read, field.value) << field.name;
    }
}

TEST_P(PictureFile, HoldsTheStandardSixteenColoursInOrder) {
    const auto f = file();
    ASSERT_EQ(f.size(), kFileSize);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t at = 54 + 4 * i;
        EXPECT_EQ(f[at], kStandardPalette[i][2]) << "blue of colour " << i;
        EXPECT_EQ(f[at + 1], kStandardPalette[i][1]) << "green of colour " << i;
        EXPECT_EQ(f[at + 2], kStandardPalette[i][0]) << "red of colour " << i;
        EXPECT_EQ(f[at + 3], 0) << "reserved byte of colour " << i;
    }
}

TEST_P(PictureFile, PadsEveryRowWithZeros) {
    // 757 pixels fill 378 bytes and the high half of the next; the rest of the 380 is padding.
    const auto f = file();
    ASSERT_EQ(f.size(), kFileSize);
    for (std::size_t row = 0; row < kHeight; ++row) {
        const std::size_t at = kBitsOffset + row * kRowBytes;
        EXPECT_EQ(f[at + 378] & 0x0F, 0) << "row " << row;
        EXPECT_EQ(f[at + 379], 0) << "row " << row;
    }
}

TEST_P(PictureFile, IsDrawnInsideAndOutsideThePartItsBoxShows) {
    const auto f = file();
    ASSERT_EQ(f.size(), kFileSize);
    std::set<int> seen;
    std::set<int> unseen;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            (x < kSeenWidth && y < kSeenHeight ? seen : unseen).insert(pixel(f, x, y));
        }
    }
    // A drawing, not a flat fill or a placeholder: several colours on both sides.
    EXPECT_GE(seen.size(), 5u);
    EXPECT_GE(unseen.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, PictureFile, ::testing::Range(0, static_cast<int>(kPictureCount)),
                         [](const auto& info) { return keyName(info.param); });

TEST(Pictures, ShowDifferentScenes) {
    // Compared where it counts: in the part a box shows.
    for (std::size_t a = 0; a < kPictureCount; ++a) {
        for (std::size_t b = a + 1; b < kPictureCount; ++b) {
            const auto fa = pictureFile(static_cast<Picture>(a));
            const auto fb = pictureFile(static_cast<Picture>(b));
            int differing = 0;
            for (int y = 0; y < kSeenHeight; ++y) {
                for (int x = 0; x < kSeenWidth; ++x) differing += pixel(fa, x, y) != pixel(fb, x, y);
            }
            EXPECT_GT(differing, kSeenWidth * kSeenHeight / 10)
                << keyName(static_cast<int>(a)) << " and " << keyName(static_cast<int>(b));
        }
    }
}

}  // namespace
}  // namespace tolm::content
