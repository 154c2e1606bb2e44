// One press of a choosing key takes one choice, whichever way its repeats arrive.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "content/text.h"
#include "tests/support/widget_driver.h"

namespace tolm {
namespace {

using content::Text;
using enum Control;

// A key event as the window system hands it on, to whichever button has the focus.
void send(testing::WidgetDriver& game, QEvent::Type type, Qt::Key key, bool repeat = false) {
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QKeyEvent event(type, key, keypad, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), repeat);
    QApplication::sendEvent(game.window().focusWidget(), &event);
    QApplication::processEvents();
}

std::string story(const testing::WidgetDriver& game) { return game.caption(P); }
std::string said(Text key) { return std::string(content::text(key)); }

// How a held key's repeats reach the game: as bare presses (an X server asked to tell them
// apart), or as releases and presses the toolkit marks as repeats (Wayland, X by default).
enum class Repeats { BarePresses, MarkedPairs };

TEST(HeldKeys, AHoldTakesOneChoiceAndTheNextPressTheNext) {
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        for (Repeats repeats : {Repeats::BarePresses, Repeats::MarkedPairs}) {
            SCOPED_TRACE(::testing::Message()
                         << "key " << key << (repeats == Repeats::BarePresses ? ", bare" : ", marked"));
            testing::WidgetDriver game;
            send(game, QEvent::KeyPress, key);
            for (int i = 0; i < 30; ++i) {
                if (repeats == Repeats::MarkedPairs) send(game, QEvent::KeyRelease, key, true);
                send(game, QEvent::KeyPress, key, repeats == Repeats::MarkedPairs);
            }
            send(game, QEvent::KeyRelease, key);
            EXPECT_EQ(story(game), said(Text::T23));  // Vyjít, and not Zabít after it
            EXPECT_EQ(game.focused(), Zabit);

            send(game, QEvent::KeyPress, key);
            send(game, QEvent::KeyRelease, key);
            EXPECT_EQ(story(game), said(Text::T28));
        }
    }
}

TEST(HeldKeys, AKeyDownWhenAChoiceRanChoosesNothingOnRelease) {
    testing::WidgetDriver game;
    game.play({Vyjit, Jit, Usmrtit});  // Pokračovat has the focus; Choice5 is shown too
    ASSERT_EQ(game.focused(), Pokracovat);
    send(game, QEvent::KeyPress, Qt::Key_Space);
    // A screen reader presses Choice5, which leaves Pokračovat shown, in front and focused.
    qobject_cast<QPushButton*>(game.window().widget(Choice5))->click();
    ASSERT_EQ(story(game), said(Text::T33));
    ASSERT_EQ(game.focused(), Pokracovat);
    send(game, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(story(game), said(Text::T33));
    EXPECT_FALSE(qobject_cast<QPushButton*>(game.window().widget(Pokracovat))->isDown());

    game.key(Qt::Key_Space);
    EXPECT_EQ(story(game), said(Text::T14));
}

TEST(HeldKeys, AKeyReleasedInAnotherWindowChoosesAgain) {
    testing::WidgetDriver game;
    send(game, QEvent::KeyPress, Qt::Key_Return);
    ASSERT_EQ(story(game), said(Text::T23));
    // The release went to the window that took the keyboard.
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(&game.window(), &away);
    send(game, QEvent::KeyPress, Qt::Key_Return);
    EXPECT_EQ(story(game), said(Text::T28));
}

}  // namespace
}  // namespace tolm
