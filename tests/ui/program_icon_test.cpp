// The program icon read by the game itself: the same pixels as Qt's ICO reader, and nothing from
// a damaged file.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "content/icon.h"
#include "ui/program_icon.h"

namespace tolm::ui {
namespace {

std::vector<QImage> readByQt(std::span<const std::uint8_t> ico) {
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

TEST(ProgramIcon, ReadsEveryImageAsQtsReaderDoes) {
    const auto ico = content::programIconFile();
    const std::vector<QImage> ours = iconImages(ico);
    const std::vector<QImage> qts = readByQt(ico);
    ASSERT_EQ(ours.size(), 3u);
    ASSERT_EQ(qts.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) EXPECT_EQ(ours[i], qts[i]) << "image " << i;
}

TEST(ProgramIcon, OffersTheColourImageOfEachSize) {
    const QIcon icon = programIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    const std::vector<QImage> images = iconImages(content::programIconFile());
    EXPECT_EQ(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32), images[1]);
}

TEST(ProgramIcon, ADamagedFileGivesNoImages) {
    const auto ico = content::programIconFile();
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
        EXPECT_TRUE(iconImages(bad).empty());
    }
    EXPECT_TRUE(iconImages(std::span(good).first(20)).empty());
}

}  // namespace
}  // namespace tolm::ui
