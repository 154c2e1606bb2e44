// The built window against its layout table: places, kinds, fonts, colours, order and tabs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <vector>

#include "desktop/fonts.h"
#include "desktop/picture_box.h"
#include "desktop/wrapping_label.h"
#include "tests/support/widget_driver.h"

namespace tolm::desktop {
using namespace layout;
namespace {

struct Layout : ::testing::Test {
    testing::WidgetDriver game;
    QWidget* w(Control c) { return game.window().widget(c); }
};

TEST_F(Layout, EveryControlStandsInItsPlaceWithItsKind) {
    for (const ControlRow& row : kLayout) {
        SCOPED_TRACE(std::string(controlName(row.control)));
        QWidget* widget = w(row.control);
        EXPECT_EQ(widget->objectName().toStdString(), controlName(row.control));
        EXPECT_EQ(widget->geometry(), QRect(toPixels(row.rect.left), toPixels(row.rect.top), toPixels(row.rect.width),
                                            toPixels(row.rect.height)));
        QWidget* container = row.in == Container::Frame1 ? w(Control::Frame1) : &game.window();
        EXPECT_EQ(widget->parentWidget(), container);
        switch (row.kind) {
            case Kind::Label: EXPECT_NE(qobject_cast<WrappingLabel*>(widget), nullptr); break;
            case Kind::Button: EXPECT_NE(qobject_cast<QAbstractButton*>(widget), nullptr); break;
            case Kind::PictureBox: EXPECT_NE(qobject_cast<PictureBox*>(widget), nullptr); break;
            case Kind::Frame: EXPECT_NE(qobject_cast<QGroupBox*>(widget), nullptr); break;
            case Kind::Shape: EXPECT_TRUE(widget->testAttribute(Qt::WA_TransparentForMouseEvents)); break;
        }
        if (row.tooltip)
            EXPECT_EQ(widget->toolTip().toStdString(), content::text(*row.tooltip));
        else
            EXPECT_TRUE(widget->toolTip().isEmpty());
    }
}

TEST_F(Layout, FontsResolveToTheirSubstitutesAtTheirSizeAndWeight) {
    for (const ControlRow& row : kLayout) {
        if (!row.font) continue;
        SCOPED_TRACE(std::string(controlName(row.control)));
        const QFontInfo info(w(row.control)->font());
        EXPECT_TRUE(info.family().startsWith(substituteFamily(row.font->family))) << info.family().toStdString();
        EXPECT_EQ(info.pixelSize() * 7200, row.font->centipoints * 96);
        EXPECT_EQ(w(row.control)->font().weight(), row.font->weight);
        EXPECT_FALSE(info.italic());
    }
}

// No glyph is borrowed from another font, so a letter missing from its font would show as a box,
// in whichever language the game speaks.
TEST_F(Layout, EveryLetterShownIsInTheFontThatShowsIt) {
    using content::Text;
    auto texts = [](Text first, Text last) {
        std::vector<Text> keys;
        for (auto k = static_cast<std::size_t>(first); k <= static_cast<std::size_t>(last); ++k)
            keys.push_back(static_cast<Text>(k));
        return keys;
    };
    auto expectInFont = [&](Control c, const QString& shown) {
        const QFontMetrics metrics(w(c)->font());
        for (const char32_t letter : shown.toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(letter))
                << controlName(c) << " lacks U+" << std::hex << static_cast<std::uint32_t>(letter);
    };
    for (std::size_t l = 0; l < content::languageCount(); ++l) {
        const content::Language language = content::languageAt(l);
        SCOPED_TRACE(std::string(content::languageCode(language)));
        for (const ControlRow& row : kLayout)
            if (const auto* key = std::get_if<Text>(&row.caption))
                expectInFont(row.control, QString::fromUtf8(content::text(*key, language)));
        // What the story writes while it runs: its texts and the card descriptions.
        for (Text key : texts(Text::T00, Text::T34))
            expectInFont(Control::P, QString::fromUtf8(content::text(key, language)));
        for (Text key : texts(Text::D1, Text::E0))
            expectInFont(Control::Popis, QString::fromUtf8(content::text(key, language)));
    }
    expectInFont(Control::penize, QStringLiteral("-0123456789"));
}

TEST_F(Layout, LabelsCarryTheirBackAndTextColours) {
    for (const ControlRow& row : kLayout) {
        QWidget* label = w(row.control);
        if (row.kind == Kind::Label) {
            const QColor text = row.fore ? QColor(row.fore->red, row.fore->green, row.fore->blue)
                                         : label->palette().color(QPalette::ButtonText);
            EXPECT_EQ(label->palette().color(QPalette::WindowText), text) << controlName(row.control);
        }
        const auto* rgb = std::get_if<Rgb>(&row.back);
        if (!rgb) continue;
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(rgb->red, rgb->green, rgb->blue))
            << controlName(row.control);
    }
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor& c) {
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Small bold captions need 4.5:1 to be read; the cards keep the colours they are known by.
TEST_F(Layout, EveryCaptionOnALabelOrTheFrameCanBeRead) {
    for (const ControlRow& row : kLayout) {
        if (row.kind != Kind::Label && row.kind != Kind::Frame) continue;
        const QPalette palette = w(row.control)->palette();
        EXPECT_GE(contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)), 4.5)
            << controlName(row.control);
    }
}

TEST_F(Layout, EarlierControlsStackInFrontOfLaterOnes) {
    // Among siblings Qt paints the last child on top. The focused button is drawn in front of
    // its place; with the focus on Konec, which nothing covers, the window's order shows.
    w(Control::Konec)->setFocus();
    for (QWidget* parent : {static_cast<QWidget*>(&game.window()), w(Control::Frame1)}) {
        int previousPosition = INT_MAX;
        for (const ControlRow& row : kLayout) {
            if (w(row.control)->parentWidget() != parent || row.control == Control::Konec) continue;
            const int position = static_cast<int>(parent->children().indexOf(w(row.control)));
            EXPECT_LT(position, previousPosition) << controlName(row.control);
            previousPosition = position;
        }
    }
}

TEST_F(Layout, TheTabChainFollowsTheTabPositionsOverTheButtons) {
    std::vector<std::pair<int, Control>> buttons;
    for (const ControlRow& row : kLayout) {
        EXPECT_EQ(w(row.control)->focusPolicy() != Qt::NoFocus, row.kind == Kind::Button) << controlName(row.control);
        if (row.kind != Kind::Button) continue;
        buttons.emplace_back(row.tab, row.control);
        game.form().setVisible(row.control, runtime::kTrue);
    }
    std::ranges::sort(buttons);
    w(buttons.front().second)->setFocus();
    for (const auto& [tab, button] : buttons) {
        EXPECT_EQ(game.focused(), button) << "tab " << tab;
        game.key(Qt::Key_Tab);
    }
    EXPECT_EQ(game.focused(), buttons.front().second);
}

TEST_F(Layout, TheWindowIsTitledAndRestoresToShowEveryControl) {
    EXPECT_EQ(game.window().windowTitle(), QStringLiteral("Tolm"));
    const QList<QSize> iconSizes = game.window().windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(game.window().isMaximized());
    EXPECT_EQ(game.window().normalGeometry().size(), QSize(801, 577));
    QRect extent;
    for (const ControlRow& row : kLayout)
        if (row.in == Container::Window) extent |= w(row.control)->geometry();
    EXPECT_EQ(extent, QRect(8, 8, 793 - 8, 569 - 8));
}

TEST_F(Layout, ButtonCaptionsFitTheirButtons) {
    for (const ControlRow& row : kLayout) {
        if (row.kind != Kind::Button) continue;
        auto* button = qobject_cast<QAbstractButton*>(w(row.control));
        const QFontMetrics metrics(button->font());
        const QRect inside = button->rect().adjusted(3, 3, -3, -3);
        const QRect needed = metrics.boundingRect(inside, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        EXPECT_TRUE(inside.contains(needed)) << controlName(row.control) << " needs " << needed.width() << "x"
                                             << needed.height() << ": " << button->text().toStdString();
    }
}

}  // namespace
}  // namespace tolm::desktop
