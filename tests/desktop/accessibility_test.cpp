// What a screen reader gets: a name for every control, hints and card texts; arrows for the focus.
#include <gtest/gtest.h>

#include <QAccessible>

#include "content/picture.h"
#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"

namespace tolm::testing {
namespace {

using enum Control;

QString accessible(QObject* o, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    return iface ? iface->text(what) : QString();
}

TEST(Accessibility, EveryControlAndTheWindowHaveANameAndPicturesSayWhatTheyShow) {
    WidgetDriver game;
    EXPECT_EQ(accessible(&game.window(), QAccessible::Name), QStringLiteral("Tolm"));
    for (const layout::ControlRow& row : layout::kLayout) {
        QWidget* w = game.window().widget(row.control);
        const QString name = accessible(w, QAccessible::Name);
        EXPECT_FALSE(name.isEmpty() && row.control != Popis) << controlName(row.control);
        if (const auto* key = std::get_if<content::Text>(&row.caption)) {
            EXPECT_EQ(name, QString::fromUtf8(content::text(*key)));
        }
        if (const auto* picture = std::get_if<content::Picture>(&row.caption)) {
            EXPECT_EQ(name.toStdString(), content::text(content::altText(*picture)));
        }
    }
}

TEST(Accessibility, HintsAndCardTextsAreDescriptions) {
    WidgetDriver game;
    for (const layout::ControlRow& row : layout::kLayout) {
        if (!row.tooltip) continue;
        EXPECT_EQ(accessible(game.window().widget(row.control), QAccessible::Description).toStdString(),
                  content::text(*row.tooltip))
            << controlName(row.control);
    }
    const std::pair<Control, content::Text> cards[] = {
        {Card1, content::Text::D1}, {Card2, content::Text::D2}, {Card3, content::Text::D3}, {Card4, content::Text::D4}};
    for (auto [card, text] : cards)
        EXPECT_EQ(accessible(game.window().widget(card), QAccessible::Description).toStdString(), content::text(text));
}

TEST(Keyboard, ArrowsMoveTheFocusLikeTabAndShiftTab) {
    WidgetDriver game;
    game.choose(Vyjit);  // Zabít, Jít and Konec are the visible buttons now
    const std::pair<Qt::Key, Control> moves[] = {
        {Qt::Key_Down, Jit}, {Qt::Key_Right, Konec}, {Qt::Key_Right, Zabit},
        {Qt::Key_Up, Konec}, {Qt::Key_Left, Jit},    {Qt::Key_Left, Zabit},
    };
    ASSERT_EQ(game.focused(), Zabit);
    for (auto [key, expected] : moves) {
        game.key(key);
        EXPECT_EQ(game.focused(), expected) << key;
    }
}

}  // namespace
}  // namespace tolm::testing
