// What the picture place shows, read back from the window's own pixels: each box its
// picture's top-left corner, and of several visible boxes only the front one.
#include <gtest/gtest.h>

#include <QImage>
#include <variant>
#include <vector>

#include "content/picture.h"
#include "layout/layout.h"
#include "tests/support/widget_driver.h"

namespace tolm::desktop {
namespace {

using content::Picture;

struct Box {
    Control control;
    Picture picture;
};

// The picture boxes as the layout lists them: window order, front first.
std::vector<Box> pictureBoxes() {
    std::vector<Box> boxes;
    for (const layout::ControlRow& row : layout::kLayout) {
        if (row.kind == layout::Kind::PictureBox) boxes.push_back({row.control, std::get<Picture>(row.caption)});
    }
    return boxes;
}

const std::vector<Box> kBoxes = pictureBoxes();

constexpr QSize kSeen{content::kPictureSeenWidth, content::kPictureSeenHeight};

// The part of a picture a box can show: its top-left corner, unscaled.
QImage seenPart(Picture key) {
    const auto file = content::pictureFile(key);
    const QImage whole = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
    return whole.copy(QRect(QPoint(0, 0), kSeen)).convertToFormat(QImage::Format_RGB32);
}

class PictureStacking : public ::testing::Test {
protected:
    // The shared rectangle as the window draws it, every control in its stacking order.
    QImage onScreen() {
        const QRect place = game.window().widget(Control::Picture1)->geometry();
        return game.window().grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    }

    void showOnly(std::initializer_list<Control> boxes) {
        for (const Box& b : kBoxes) game.window().widget(b.control)->hide();
        for (Control c : boxes) game.window().widget(c)->show();
    }

    std::vector<Control> visibleBoxes() {
        std::vector<Control> visible;
        for (const Box& b : kBoxes) {
            if (game.visible(b.control)) visible.push_back(b.control);
        }
        return visible;
    }

    testing::WidgetDriver game;
};

TEST(PictureBoxes, HoldEveryPictureOnceInTheOrderOfItsKey) {
    // The keys count the boxes in window order, so the front box holds the first picture.
    ASSERT_EQ(kBoxes.size(), content::kPictureCount);
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kBoxes[i].picture), i) << controlName(kBoxes[i].control);
    }
}

TEST_F(PictureStacking, EveryBoxShowsExactlyTheTopLeftOfItsPicture) {
    for (const Box& b : kBoxes) {
        SCOPED_TRACE(std::string(controlName(b.control)));
        EXPECT_EQ(game.window().widget(b.control)->size(), kSeen);
        showOnly({b.control});
        EXPECT_EQ(onScreen(), seenPart(b.picture));
    }
}

TEST_F(PictureStacking, BeforeTheFirstChoiceNoPictureIsOnScreen) {
    const QImage start = onScreen();
    for (const Box& b : kBoxes) {
        EXPECT_FALSE(game.visible(b.control)) << controlName(b.control);
        EXPECT_NE(start, seenPart(b.picture)) << controlName(b.control);
    }
}

TEST_F(PictureStacking, HidingABoxBehindTheFrontOneChangesNothing) {
    showOnly({Control::Picture6, Control::Panelak});
    const QImage before = onScreen();
    game.window().widget(Control::Panelak)->hide();
    EXPECT_EQ(onScreen(), before);
    EXPECT_EQ(before, seenPart(Picture::PIC_8));
}

// Scenes of the story, played as a player would, and the picture each leaves in front.
struct Scene {
    const char* name;
    std::vector<Control> path;
    std::vector<Control> visible;  // every picture box left visible, in window order
    Picture seen;
};

const std::vector<Control> kToTheShop{Control::Vyjit,   Control::Jit, Control::Pokracovat,
                                      Control::Choice3, Control::Dal, Control::Visit2};

std::vector<Control> then(std::vector<Control> path, std::initializer_list<Control> more) {
    path.insert(path.end(), more);
    return path;
}

class StoryPictures : public PictureStacking, public ::testing::WithParamInterface<Scene> {};

TEST_P(StoryPictures, ShowTheFrontVisibleBox) {
    const Scene& scene = GetParam();
    game.play(scene.path);
    EXPECT_EQ(visibleBoxes(), scene.visible);
    EXPECT_EQ(onScreen(), seenPart(scene.seen));
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, StoryPictures,
    ::testing::Values(
        // The shop's picture lies over the panel house, which stays visible.
        Scene{"ShopOverThePanelHouse", kToTheShop, {Control::Picture6, Control::Panelak}, Picture::PIC_8},
        Scene{"BusStopReplacesTheShop",
              then(kToTheShop, {Control::Buy2}),
              {Control::Picture5, Control::Panelak},
              Picture::PIC_7},
        // Buy2 spends all 10000: no fare, the bus stop goes and the panel house is seen again.
        Scene{"NoFareBringsThePanelHouseBack",
              then(kToTheShop, {Control::Buy2, Control::Slukonv}),
              {Control::Panelak},
              Picture::PIC_11},
        // The most boxes play can leave visible: six, and only the first is seen.
        Scene{"SixBoxesShowOnlyTheFirst",
              {Control::Vyjit, Control::Jit, Control::Pokracovat, Control::Choice3, Control::Dal, Control::Visit3,
               Control::Dal2, Control::Visit2, Control::Buy1, Control::Slukonv, Control::Dal3, Control::Pryc,
               Control::darovat, Control::Dal4, Control::Dale},
              {Control::Picture1, Control::Vcela, Control::Picture2, Control::Autobus, Control::Picture5,
               Control::Panelak},
              Picture::PIC_1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolm::desktop
