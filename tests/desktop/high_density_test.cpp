// On a screen of two device pixels to each of the window's: pictures use every device pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cmath>

#include "content/picture.h"
#include "desktop/scene_picture.h"
#include "tests/support/pixel_grid.h"
#include "tests/support/widget_driver.h"

namespace tolm::desktop {
namespace {

using enum Control;

TEST(HighDensity, PicturesAreDrawnAtTheScreensFullResolution) {
    testing::WidgetDriver game;
    ASSERT_EQ(game.window().devicePixelRatio(), 2);
    const ScenePicture picture = ScenePicture::read(content::pictureFile(content::Picture::PIC_14));
    struct Case {
        double scale;
        int side;
    };
    for (const Case c : {Case{1.0, 2}, Case{1.5, 3}}) {
        SCOPED_TRACE("scale " + std::to_string(c.scale));
        game.window().showNormal();
        game.window().resize(static_cast<int>(std::ceil(801 * c.scale)), static_cast<int>(std::ceil(577 * c.scale)));
        QApplication::processEvents();
        if (!game.visible(Domovnik)) game.play({Vyjit});
        const QPixmap grabbed = game.window().widget(Domovnik)->grab();
        EXPECT_EQ(grabbed.devicePixelRatio(), 2.0);
        const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.size(), game.window().widget(Domovnik)->size() * 2);
        const QImage drawn = picture.pixels(QRect(QPoint(0, 0), shown.size() / c.side + QSize(1, 1)));
        EXPECT_EQ(testing::pixelsOffTheGrid(shown, drawn, c.side), 0);
    }
}

}  // namespace
}  // namespace tolm::desktop
