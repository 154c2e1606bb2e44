// The scene fitted to windows of every size: places, text, pictures, input and full screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QResizeEvent>
#include <QTest>
#include <cmath>

#include "content/picture.h"
#include "content/text.h"
#include "desktop/picture_box.h"
#include "desktop/scene_picture.h"
#include "desktop/wrapping_label.h"
#include "tests/support/pixel_grid.h"
#include "tests/support/widget_driver.h"

namespace tolm::desktop {
namespace {

using namespace layout;
using content::Text;
using enum Control;

constexpr QSize kScene{801, 577};

// Client areas a player meets: the smallest allowed, small screens, the scene's own size, wide
// and tall windows, large screens maximized under a title bar.
const QSize kClientAreas[] = {{401, 289},   {640, 461},   {801, 577},   {1000, 900}, {1024, 749},
                              {1280, 1005}, {1920, 1061}, {1920, 1080}, {3840, 2141}};

// The smallest client area showing the scene at exactly `s` or a hair more.
QSize clientAreaFor(double s) {
    return {static_cast<int>(std::ceil(kScene.width() * s)), static_cast<int>(std::ceil(kScene.height() * s))};
}

struct Scaled : ::testing::Test {
    testing::WidgetDriver game;
    QWidget* w(Control c) { return game.window().widget(c); }

    void resizeTo(QSize clientArea) {
        game.window().showNormal();
        game.window().resize(clientArea);
        QApplication::processEvents();
        ASSERT_EQ(game.window().size(), clientArea);
    }

    // A control's rectangle in the window's coordinates.
    QRect inWindow(Control c) { return QRect(w(c)->mapTo(&game.window(), QPoint(0, 0)), w(c)->size()); }
};

// The row's rectangle in window pixels, from the table alone.
QRectF tableRect(const ControlRow& row) {
    QRectF r(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
    if (row.in == Container::Frame1) r.translate(rowOf(Frame1).rect.left, rowOf(Frame1).rect.top);
    return QRectF(r.topLeft() / kTwipsPerPixel, r.size() / kTwipsPerPixel);
}

TEST_F(Scaled, EveryControlStandsAtItsTablePlaceTimesTheFactorCentred) {
    for (const QSize area : kClientAreas) {
        resizeTo(area);
        const double s = std::min(area.width() / 801.0, area.height() / 577.0);
        const QPointF offset((area.width() - 801 * s) / 2, (area.height() - 577 * s) / 2);
        for (const ControlRow& row : kLayout) {
            SCOPED_TRACE(std::to_string(area.width()) + "x" + std::to_string(area.height()) + " " +
                         std::string(controlName(row.control)));
            const QRectF expected(tableRect(row).topLeft() * s + offset, tableRect(row).size() * s);
            const QRect actual = inWindow(row.control);
            EXPECT_NEAR(actual.left(), expected.left(), 1.0);
            EXPECT_NEAR(actual.top(), expected.top(), 1.0);
            EXPECT_NEAR(actual.left() + actual.width(), expected.right(), 1.0);
            EXPECT_NEAR(actual.top() + actual.height(), expected.bottom(), 1.0);
            if (row.font) {
                const double pixels = row.font->centipoints * 96.0 / 7200.0 * s;
                EXPECT_NEAR(w(row.control)->font().pixelSize(), pixels, 0.5 + 1e-9);
            }
        }
    }
}

// Under a window manager a resize event pending since the window was shown can arrive after the
// window already has its maximized size, and then no event brings that size.
TEST_F(Scaled, AStaleResizeEventLeavesTheSceneFittedToTheWindowsSize) {
    resizeTo(QSize(1920, 1061));
    QResizeEvent stale(kScene, kScene);
    QApplication::sendEvent(&game.window(), &stale);
    EXPECT_EQ(game.window().scale(), SceneScale::fitting(QSize(1920, 1061)));
    EXPECT_GT(w(Konec)->width(), 200);
}

TEST_F(Scaled, TheWindowShrinksNoFurtherThanHalfTheScene) {
    const QSize smallest = game.window().minimumSize();
    EXPECT_LE(smallest.width(), 401);
    EXPECT_LE(smallest.height(), 289);
    resizeTo(smallest);
    EXPECT_GE(game.window().scale().factor(), 0.5);
}

TEST_F(Scaled, BackToTheScenesOwnSizeEveryControlIsWhereItWasBuilt) {
    resizeTo(QSize(1920, 1061));
    resizeTo(kScene);
    for (const ControlRow& row : kLayout)
        EXPECT_EQ(inWindow(row.control), tableRect(row).toRect()) << controlName(row.control);
}

// The window built in a language, chosen before the window is built, as the program chooses it.
struct Speaking {
    explicit Speaking(std::size_t language) { content::useLanguage(content::languageAt(language)); }
    ~Speaking() { content::useLanguage(content::kCzech); }
};

struct ScaledInLanguage : Speaking, Scaled, ::testing::WithParamInterface<std::size_t> {
    ScaledInLanguage() : Speaking(GetParam()) {}
};

// A label cuts what does not fit at its bottom edge, and text metrics do not grow in step with the
// font size, so every text is tried at every scale, the scene's own size (scale 1) among them, in
// every language.
TEST_P(ScaledInLanguage, EveryTextFitsItsLabelAndEveryCaptionItsButtonAtEveryScale) {
    auto* story = qobject_cast<WrappingLabel*>(w(P));
    auto* popis = qobject_cast<WrappingLabel*>(w(Popis));
    for (int quarter = 2; quarter <= 16; ++quarter) {
        const double s = quarter / 4.0;
        resizeTo(clientAreaFor(s));
        SCOPED_TRACE("scale " + std::to_string(s));
        for (auto key = static_cast<int>(Text::T00); key <= static_cast<int>(Text::T34); ++key) {
            const auto text = static_cast<Text>(key);
            EXPECT_LE(story->wrappedHeight(QString::fromUtf8(content::text(text))), story->height())
                << content::keyName(text);
        }
        for (Text key : {Text::D1, Text::D2, Text::D3, Text::D4})
            EXPECT_LE(popis->wrappedHeight(QString::fromUtf8(content::text(key))), popis->height())
                << content::keyName(key);
        for (const ControlRow& row : kLayout) {
            if (auto* label = qobject_cast<WrappingLabel*>(w(row.control))) {
                EXPECT_LE(label->wrappedHeight(label->text()), label->height()) << controlName(row.control);
                // Captions of one word must not run past the right edge either.
                for (const QString& word : label->text().split(' '))
                    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(word), label->width())
                        << controlName(row.control) << ": " << word.toStdString();
            }
            if (auto* button = qobject_cast<QAbstractButton*>(w(row.control))) {
                // Within the face, inside the one-pixel border: the style's wider margins are fixed
                // pixels and leave a shrunk button too little room to be a measure.
                const QRect inside = button->rect().adjusted(1, 1, -1, -1);
                const QRect needed = QFontMetrics(button->font())
                                         .boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap, button->text());
                EXPECT_TRUE(inside.contains(needed))
                    << controlName(row.control) << " needs " << needed.width() << "x" << needed.height() << " of "
                    << inside.width() << "x" << inside.height();
            }
        }
        const QFontMetrics purse(w(penize)->font());
        EXPECT_LE(purse.horizontalAdvance(QStringLiteral("-32768")), w(penize)->width());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ScaledInLanguage, ::testing::Range<std::size_t>(0, content::languageCount()),
                         [](const auto& info) {
                             return std::string(content::languageCode(content::languageAt(info.param)));
                         });

TEST_F(Scaled, AClickWhereVyrazitCoversZpetRunsVyrazitAtEveryScale) {
    for (const QSize area : kClientAreas) {
        testing::WidgetDriver fresh;
        fresh.window().showNormal();
        fresh.window().resize(area);
        QApplication::processEvents();
        SCOPED_TRACE(std::to_string(area.width()) + "x" + std::to_string(area.height()));
        fresh.play({Vyjit, Jit, Pokracovat, Choice3, Dal, Visit1});
        ASSERT_TRUE(fresh.visible(Vyrazit) && fresh.visible(Zpet));
        EXPECT_EQ(fresh.window().widget(Vyrazit)->geometry(), fresh.window().widget(Zpet)->geometry());
        fresh.clickAt(fresh.centreOf(Zpet));
        EXPECT_EQ(fresh.caption(P), content::text(Text::T26));
    }
}

TEST_F(Scaled, TheCardsAndTheBareSurfaceAnswerThePointerAtTheirScaledPlaces) {
    resizeTo(QSize(1920, 1061));
    game.play({Vyjit, Jit, Pokracovat, Choice3, Dal, Visit2, Buy3});
    ASSERT_TRUE(game.visible(Card3));
    game.moveOnto(Card3);
    EXPECT_EQ(game.caption(Popis), content::text(Text::D3));
    // The margin left of the centred scene is the window's bare surface too.
    game.moveTo(QPoint(static_cast<int>(game.window().scale().offset().x() / 2), 500));
    EXPECT_FALSE(game.visible(Popis));
}

// A picture enlarged by whole pixels: each picture pixel a square of the same colour.
TEST_F(Scaled, PicturesKeepHardPixelEdgesWhenEnlarged) {
    resizeTo(clientAreaFor(2.0));
    game.play({Vyjit});
    QWidget* box = w(Domovnik);
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = ScenePicture::read(content::pictureFile(content::Picture::PIC_14))
                               .pixels(QRect(QPoint(0, 0), shown.size() / 2));
    EXPECT_EQ(testing::pixelsOffTheGrid(shown, picture, 2), 0);
}

TEST_F(Scaled, ShrunkPicturesShowTheMeanOfWhatEachPixelCovers) {
    const ScenePicture picture = ScenePicture::read(content::pictureFile(content::Picture::PIC_14));
    const QImage whole = picture.pixels(QRect(0, 0, 20, 20));
    const QImage half = picture.pixels(QRect(0, 0, 10, 10), 0.5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            int red = 0;
            for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                red += qRed(whole.pixel(2 * x + p.x(), 2 * y + p.y()));
            EXPECT_NEAR(qRed(half.pixel(x, y)), red / 4.0, 1.0) << x << "," << y;
        }
}

TEST_F(Scaled, F11SwitchesFullScreenOnAndOffAndEscapeLeavesIt) {
    ASSERT_TRUE(game.window().isMaximized());
    game.key(Qt::Key_F11);
    EXPECT_TRUE(game.window().isFullScreen());
    game.key(Qt::Key_F11);
    EXPECT_FALSE(game.window().isFullScreen());
    EXPECT_TRUE(game.window().isMaximized());
    game.key(Qt::Key_F11);
    game.key(Qt::Key_Escape);
    EXPECT_FALSE(game.window().isFullScreen());
    EXPECT_TRUE(game.window().isMaximized());
    // Held down, F11 switches once.
    QWidget* focus = game.window().focusWidget();
    QTest::simulateEvent(focus, true, Qt::Key_F11, {}, {}, false);
    for (int repeat = 0; repeat < 5; ++repeat) QTest::simulateEvent(focus, true, Qt::Key_F11, {}, {}, true);
    QTest::simulateEvent(focus, false, Qt::Key_F11, {}, {}, false);
    QApplication::processEvents();
    EXPECT_TRUE(game.window().isFullScreen());
    game.key(Qt::Key_F11);
    // The X server sends a held key's repeats as bare presses, which switch nothing either.
    for (int press = 0; press < 4; ++press) QTest::simulateEvent(focus, true, Qt::Key_F11, {}, {}, false);
    QTest::simulateEvent(focus, false, Qt::Key_F11, {}, {}, false);
    QApplication::processEvents();
    EXPECT_TRUE(game.window().isFullScreen());
    game.key(Qt::Key_F11);
    // Outside full screen Escape is no key of the window's: the focus and the story stay.
    game.key(Qt::Key_Escape);
    EXPECT_EQ(game.focused(), Vyjit);
    EXPECT_EQ(game.caption(P), content::text(Text::T00));
}

}  // namespace
}  // namespace tolm::desktop
