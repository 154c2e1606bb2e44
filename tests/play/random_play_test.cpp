// Random play: a seeded player pours clicks, drags, pointer moves and keys into the real widgets
// and checks the window after every event against what the story explorer found reachable.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QTest>
#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>

#include "content/text.h"
#include "layout/layout.h"
#include "tests/support/widget_driver.h"
#include "tools/explore/explorer.h"

namespace tolm::testing {
namespace {

using enum Control;

// Each seed plays this many events; together they make 100,000. Every seed is a test of its
// own, so a failure or a crash names its seed; --gtest_filter='*seed_<n>' replays it.
constexpr int kEventsPerSeed = 12'500;
constexpr std::uint32_t kSeeds[] = {1, 7, 42, 1000, 31337, 65521, 2024061, 4294967291};

// Comparing pixels costs a frame; the stacking is checked through childAt after every event.
constexpr int kEventsBetweenPixelChecks = 250;

constexpr std::size_t kEventsShownWithAFault = 12;

// A Konec press that would end a game still going on is mostly skipped, so that games get deep.
constexpr std::uint32_t kRestartOneKonecIn = 8;

// Everything of the window that play can change: visibility, story, description and purse.
struct Seen {
    std::bitset<kControlCount> visible;
    std::string story;
    std::string description;
    std::int16_t purse;
};

struct ReachedState {
    std::bitset<kControlCount> visible;
    std::string_view story;
    std::string_view description;
    std::int16_t purse;

    friend bool operator==(const ReachedState&, const ReachedState&) = default;
};

struct ReachedHash {
    std::size_t operator()(const ReachedState& s) const {
        const std::hash<std::string_view> text;
        return std::hash<std::bitset<kControlCount>>{}(s.visible) ^ text(s.story) * 31 ^ text(s.description) * 131 ^
               static_cast<std::size_t>(s.purse) * 7919;
    }
};

std::bitset<kControlCount> buttonsOf(const std::bitset<kControlCount>& visible) {
    std::bitset<kControlCount> buttons;
    for (const layout::ControlRow& row : layout::kLayout)
        if (row.kind == layout::Kind::Button && visible[indexOf(row.control)]) buttons.set(indexOf(row.control));
    return buttons;
}

// Every state the headless story can reach, held by text so that the widgets' captions compare directly.
class Reached {
public:
    Reached() {
        const explore::Exploration x = explore::explore();
        for (const explore::State& s : x.states) {
            if (!s.story || !s.description) continue;  // the explorer reports such states as its own faults
            states_.insert({s.visible, content::text(*s.story), content::text(*s.description), s.purse});
            buttonSets_.insert(buttonsOf(s.visible));
        }
    }

    // Empty when the window shows a reachable state; otherwise what is wrong with it.
    std::string fault(const Seen& seen) const {
        if (!buttonSets_.contains(buttonsOf(seen.visible))) return "these visible buttons were never reached together";
        if (!states_.contains({seen.visible, seen.story, seen.description, seen.purse}))
            return "the story text, description, purse or visibility make a state the story never reaches";
        return {};
    }

private:
    std::unordered_set<ReachedState, ReachedHash> states_;
    std::unordered_set<std::bitset<kControlCount>> buttonSets_;
};

const Reached& reached() {
    static const Reached r;
    return r;
}

std::string describe(Control c) { return std::string(controlName(c)); }

std::string setText(const std::bitset<kControlCount>& controls) {
    std::string text;
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (controls[i]) text += (text.empty() ? "" : ", ") + describe(controlAt(i));
    return "{" + text + "}";
}

const std::array<Control, 14> kPictures{Picture1, Vcela,    Picture2, Picture3, Autobus,  Picture4,  Picture5,
                                        Picture6, Picture7, Picture8, Panelak,  Picture9, Picture10, Domovnik};

// The player: a seeded stream of the things hands do to a mouse and a keyboard.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : rng_(seed) { newGame(); }

    // Sends one event; returns what it was.
    std::string step() {
        for (;;) {
            const std::uint32_t roll = draw(100);
            if (held_ != Qt::NoButton) {
                if (roll < 40) return moveHeld();
                if (roll < 70) return release();
            } else if (roll < 30) {
                if (auto sent = click()) return *sent;
                continue;
            } else if (roll < 40) {
                if (auto sent = press()) return *sent;
                continue;
            } else if (roll < 58) {
                return move();
            }
            const Qt::Key k = randomKey();
            if (wouldActivateKonec(k) && !restartInstead()) continue;
            return key(k);
        }
    }

    WidgetDriver& game() { return *game_; }
    int games() const { return games_; }

    // After Konec ended a game: the next one starts as the program would.
    void newGame() {
        game_.reset();
        game_ = std::make_unique<WidgetDriver>();
        held_ = Qt::NoButton;
        ++games_;
    }

private:
    std::uint32_t draw(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }

    QPoint randomPoint() {
        const QSize size = game_->window().size();
        return {static_cast<int>(draw(static_cast<std::uint32_t>(size.width()))),
                static_cast<int>(draw(static_cast<std::uint32_t>(size.height())))};
    }

    Qt::KeyboardModifiers randomShift() { return draw(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier; }

    Qt::MouseButton randomButton() {
        const std::uint32_t roll = draw(8);
        return roll < 6 ? Qt::LeftButton : roll == 6 ? Qt::RightButton : Qt::MiddleButton;
    }

    Qt::Key randomKey() {
        static constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Backtab,
                                            Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Left,    Qt::Key_Right,
                                            Qt::Key_Space,  Qt::Key_Space, Qt::Key_Space,   Qt::Key_Return,
                                            Qt::Key_Return, Qt::Key_Enter};
        return kKeys[draw(std::size(kKeys))];
    }

    bool onKonec(QPoint p) const { return game_->window().childAt(p) == game_->window().widget(Konec); }

    bool wouldActivateKonec(Qt::Key k) const {
        const bool activates = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
        return activates && game_->window().focusWidget() == game_->window().widget(Konec);
    }

    bool restartInstead() { return draw(kRestartOneKonecIn) == 0; }

    std::optional<std::string> click() {
        const QPoint p = randomPoint();
        const Qt::MouseButton button = randomButton();
        if (button == Qt::LeftButton && onKonec(p) && !restartInstead()) return std::nullopt;
        const Qt::KeyboardModifiers shift = randomShift();
        QTest::mouseClick(game_->window().windowHandle(), button, shift, p);
        QApplication::processEvents();
        return "click " + buttonName(button) + shiftName(shift) + " at " + pointName(p);
    }

    std::optional<std::string> press() {
        const QPoint p = randomPoint();
        const Qt::MouseButton button = randomButton();
        // A left press on Konec clicks it if the release lands there too.
        if (button == Qt::LeftButton && onKonec(p) && !restartInstead()) return std::nullopt;
        const Qt::KeyboardModifiers shift = randomShift();
        QTest::mousePress(game_->window().windowHandle(), button, shift, p);
        QApplication::processEvents();
        held_ = button;
        heldShift_ = shift;
        return "press " + buttonName(button) + shiftName(shift) + " at " + pointName(p);
    }

    std::string release() {
        const QPoint p = draw(2) == 0 ? pointer_ : randomPoint();
        QTest::mouseRelease(game_->window().windowHandle(), held_, heldShift_, p);
        QApplication::processEvents();
        const std::string sent = "release " + buttonName(held_) + " at " + pointName(p);
        held_ = Qt::NoButton;
        pointer_ = p;
        return sent;
    }

    std::string move() {
        // Small hops as well as jumps, so that the pointer also slides along edges.
        const QPoint p = draw(2) == 0 ? randomPoint() : hop();
        QTest::mouseMove(game_->window().windowHandle(), p);
        QApplication::processEvents();
        pointer_ = p;
        return "move to " + pointName(p);
    }

    std::string moveHeld() { return move() + " holding " + buttonName(held_); }

    QPoint hop() {
        const QSize size = game_->window().size();
        const int x = std::clamp(pointer_.x() + static_cast<int>(draw(41)) - 20, 0, size.width() - 1);
        const int y = std::clamp(pointer_.y() + static_cast<int>(draw(41)) - 20, 0, size.height() - 1);
        return {x, y};
    }

    std::string key(Qt::Key k) {
        Qt::KeyboardModifiers shift = k == Qt::Key_Backtab ? Qt::ShiftModifier : randomShift();
        QTest::keyClick(game_->window().windowHandle(), k, shift);
        QApplication::processEvents();
        return "key " + QKeySequence(k).toString().toStdString() + shiftName(shift);
    }

    static std::string buttonName(Qt::MouseButton b) {
        return b == Qt::LeftButton ? "left" : b == Qt::RightButton ? "right" : "middle";
    }
    static std::string shiftName(Qt::KeyboardModifiers m) { return m & Qt::ShiftModifier ? "+shift" : ""; }
    static std::string pointName(QPoint p) { return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")"; }

    std::mt19937 rng_;
    std::unique_ptr<WidgetDriver> game_;
    Qt::MouseButton held_ = Qt::NoButton;
    Qt::KeyboardModifiers heldShift_;
    QPoint pointer_;
    int games_ = 0;
};

// Empty when the window is as play can leave it; otherwise what is wrong.
std::string windowFault(WidgetDriver& game, bool comparePixels) {
    const std::string purse = std::to_string(game.form().purse());
    if (game.caption(penize) != purse) return "peníze shows \"" + game.caption(penize) + "\" for a purse of " + purse;

    int cards = 0;
    for (Control c : {Card1, Card2, Card3, Card4}) cards += game.visible(c);
    if (cards > 1) return std::to_string(cards) + " card labels are shown at once";
    for (auto [a, b] : {std::pair{Tally5, Tally6}, std::pair{Tally2, Tally3}})
        if (game.visible(a) && game.visible(b)) return describe(a) + " and " + describe(b) + " are shown at once";

    QWidget* front = nullptr;
    for (Control c : kPictures) {
        if (game.visible(c)) {
            front = game.window().widget(c);
            break;
        }
    }
    const QRect place = game.window().widget(Picture1)->geometry();
    for (QPoint p : {place.center(), place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()}) {
        QWidget* seen = game.window().childAt(p);
        if (seen != front)
            return "at " + std::to_string(p.x()) + "," + std::to_string(p.y()) + " the pointer finds " +
                   (seen ? seen->objectName().toStdString() : "the window") + " instead of " +
                   (front ? front->objectName().toStdString() : "the bare window");
    }
    if (comparePixels) {
        const QImage shown = game.window().grab(place).toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected;
        if (front) {
            expected = front->grab().toImage().convertToFormat(QImage::Format_RGB32);
        } else {
            expected = QImage(shown.size(), QImage::Format_RGB32);
            expected.fill(game.window().palette().color(game.window().backgroundRole()));
        }
        if (shown != expected)
            return "the picture rectangle does not show " +
                   (front ? front->objectName().toStdString() : "the bare window");
    }

    Seen seen{{}, game.caption(P), game.caption(Popis), game.form().purse()};
    for (std::size_t i = 0; i < kControlCount; ++i) seen.visible[i] = game.visible(controlAt(i));
    if (std::string fault = reached().fault(seen); !fault.empty())
        return fault + ": visible " + setText(seen.visible) + ", purse " + purse;
    return {};
}

class RandomPlay : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomPlay, KeepsTheWindowInAStateTheStoryReaches) {
    const std::uint32_t seed = GetParam();
    RandomPlayer player(seed);
    std::deque<std::string> recent;  // what led to a fault
    std::set<std::string> storiesSeen;
    bool boughtCard = false;
    for (int n = 1; n <= kEventsPerSeed; ++n) {
        recent.push_back(player.step());
        if (recent.size() > kEventsShownWithAFault) recent.pop_front();

        std::string fault;
        WidgetDriver& game = player.game();
        if (!game.reporter().errors.empty()) {
            fault = "runtime error " + std::to_string(game.reporter().errors.front().number);
        } else if (game.form().ended()) {
            if (game.form().exitStatus() != runtime::kExitNormal)
                fault = "the game ended with a failure status";
            else
                player.newGame();
        }
        if (fault.empty()) fault = windowFault(player.game(), n % kEventsBetweenPixelChecks == 0);
        if (!fault.empty()) {
            std::ostringstream last;
            for (const std::string& e : recent) last << "\n  " << e;
            FAIL() << "seed " << seed << ", event " << n << " of game " << player.games() << ": " << fault
                   << "\nthe last events:" << last.str() << "\nreplay with --gtest_filter='*seed_" << seed << "'";
        }
        storiesSeen.insert(player.game().caption(P));
        for (Control card : {Card1, Card2, Card3, Card4}) boughtCard |= player.game().visible(card);
    }
    std::cout << "seed " << seed << ": " << kEventsPerSeed << " events in " << player.games() << " games, "
              << storiesSeen.size() << " different story texts\n";
    // Checks that never fail prove nothing if the input stops reaching the buttons: then the
    // player would stay in the first scenes.
    EXPECT_TRUE(boughtCard) << "seed " << seed << " never got as far as buying a card";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, ::testing::ValuesIn(kSeeds),
                         [](const ::testing::TestParamInfo<std::uint32_t>& info) {
                             return "seed_" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace tolm::testing
