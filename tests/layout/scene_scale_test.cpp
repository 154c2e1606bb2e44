// The scale rule that every front-end fits its scene by: one factor, centred, edges kept shared.
#include "layout/scene_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tolm::layout {
namespace {

struct Fit {
    PixelSize client;
    double factor;
    double offsetX, offsetY;
};

TEST(SceneScale, FitsTheWholeSceneCentred) {
    const Fit fits[] = {
        {{801, 577}, 1.0, 0, 0},
        {{1602, 1154}, 2.0, 0, 0},
        // A wide window: the height decides and the scene stands in the middle.
        {{1920, 577}, 1.0, (1920 - 801) / 2.0, 0},
        // A tall one: the width decides.
        {{801, 1000}, 1.0, 0, (1000 - 577) / 2.0},
        {{400, 400}, 400.0 / 801, 0, (400 - 577 * (400.0 / 801)) / 2},
    };
    for (const Fit& f : fits) {
        const SceneScale s = SceneScale::fitting(f.client);
        EXPECT_DOUBLE_EQ(s.factor(), f.factor) << f.client.width << "x" << f.client.height;
        EXPECT_NEAR(s.offsetX(), f.offsetX, 1e-9) << f.client.width << "x" << f.client.height;
        EXPECT_NEAR(s.offsetY(), f.offsetY, 1e-9) << f.client.width << "x" << f.client.height;
    }
}

TEST(SceneScale, AtItsOwnSizePlacesAreTheLayoutsPixels) {
    const SceneScale s;
    EXPECT_EQ(s.place(rowOf(Control::Picture1)), (PixelRect{480, 8, 185, 233}));
    EXPECT_EQ(s.place(rowOf(Control::Konec)), (PixelRect{672, 8, 121, 49}));
    // A frame's child is placed inside the frame.
    EXPECT_EQ(s.place(rowOf(Control::Card1)), (PixelRect{8, 24, 113, 17}));
    EXPECT_EQ(s.fontPixels(pixelSize(rowOf(Control::Konec).font.value())), 32);
    EXPECT_EQ(s.lineWidth(), 1);
}

// At odd factors the rounding must not open gaps: a button that covers another in the layout
// still covers it, and rectangles that meet still meet.
TEST(SceneScale, SharedEdgesStaySharedAtEveryFactor) {
    for (const PixelSize client :
         {PixelSize{1003, 731}, PixelSize{1366, 705}, PixelSize{1920, 1061}, PixelSize{3840, 2160}}) {
        const SceneScale s = SceneScale::fitting(client);
        const PixelRect vyjit = s.place(rowOf(Control::Vyjit));
        const PixelRect zabit = s.place(rowOf(Control::Zabit));
        const PixelRect smula = s.place(rowOf(Control::Smula));
        EXPECT_EQ(vyjit.left, zabit.left);
        EXPECT_EQ(vyjit.top, smula.top);
        EXPECT_EQ(vyjit.height, smula.height);
        EXPECT_LE(vyjit.width, zabit.width);
        const PixelRect scene = {static_cast<int>(std::lround(s.offsetX())), static_cast<int>(std::lround(s.offsetY())),
                                 0, 0};
        EXPECT_GE(vyjit.left, scene.left);
        EXPECT_LE(s.place(rowOf(Control::Konec)).left + s.place(rowOf(Control::Konec)).width, client.width);
    }
}

TEST(SceneScale, ShrinksToHalfAtMostAndKeepsLinesVisible) {
    EXPECT_EQ(SceneScale::smallestClientArea(), (PixelSize{401, 289}));
    const SceneScale s = SceneScale::fitting(SceneScale::smallestClientArea());
    EXPECT_GE(s.factor(), SceneScale::kSmallest);
    EXPECT_EQ(s.lineWidth(), 1);
    EXPECT_GE(s.fontPixels(1), 1);
    EXPECT_EQ(SceneScale::fitting({2403, 1731}).lineWidth(), 3);
}

}  // namespace
}  // namespace tolm::layout
