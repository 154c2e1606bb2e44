// Reaction on the offscreen platform: from a button's activation to the end of the repaint that
// shows what its handler did, for every choice of every playthrough; and from a change of the
// window's size to the end of the repaint of the scene scaled to it, as a player drags its corner.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/game_style.h"
#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"

namespace {

using Clock = std::chrono::steady_clock;
using tolm::Control;

// Every playthrough is played this many times, each time in a new window.
constexpr int kRounds = 5;

// A drag from the scene's own size to a maximized 1920×1080 screen and back, this many times,
// in steps of this many pixels across (and as many down, in the scene's proportion).
constexpr int kDrags = 5;
constexpr int kDragSteps = 56;

// Notes when the window last finished an update request: the repaint of everything marked
// dirty since the one before, handed to the platform.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        const bool repaint = event->type() == QEvent::UpdateRequest && receiver->isWidgetType() &&
                             static_cast<QWidget*>(receiver)->isWindow();
        const bool handled = QApplication::notify(receiver, event);
        if (repaint) lastRepaintEnd = Clock::now();
        return handled;
    }

    Clock::time_point lastRepaintEnd{};
};

struct Sample {
    double ms;
    std::string what;  // the handler, or the size resized to
};

// Chooses as a player would, and times only the activation itself: a click where the mouse
// reaches the button, else Space once Tab has brought the focus to it.
Sample choose(TimedApplication& app, tolm::testing::WidgetDriver& game, Control c) {
    const bool byMouse = game.reachableByMouse(c);
    if (!byMouse) {
        QWidget* goal = game.window().widget(c);
        for (std::size_t i = 0; i <= game.window().tabChain().size() && game.window().focusWidget() != goal; ++i)
            game.key(Qt::Key_Tab);
        if (game.window().focusWidget() != goal) throw std::runtime_error("Tab never reached a choice");
    }
    const auto activated = Clock::now();
    if (byMouse)
        game.click(c);
    else
        game.key(Qt::Key_Space);
    QApplication::processEvents();
    if (app.lastRepaintEnd < activated) throw std::runtime_error("a choice was never repainted");
    const std::chrono::duration<double, std::milli> reaction = app.lastRepaintEnd - activated;
    return {reaction.count(), std::string(tolm::controlName(c)) + "_Click"};
}

// The scene resized step by step, with a picture, cards, tallies and the purse on show.
std::vector<Sample> drag(TimedApplication& app) {
    tolm::testing::WidgetDriver game;
    using enum Control;
    game.play({Vyjit, Jit, Pokracovat, Choice3, Dal, Visit2, Buy1});
    game.moveOnto(Card1);
    game.window().showNormal();
    QApplication::processEvents();
    const QSize small(801, 577);
    const QSize large(1920, 1061);
    std::vector<Sample> samples;
    for (int round = 0; round < kDrags; ++round) {
        for (int step = 1; step <= 2 * kDragSteps; ++step) {
            const int along = step <= kDragSteps ? step : 2 * kDragSteps - step;
            const QSize size = small + (large - small) * along / kDragSteps;
            const auto resized = Clock::now();
            game.window().resize(size);
            // The new size arrives as an event, and the repaint it asks for as another.
            QApplication::processEvents();
            QApplication::processEvents();
            if (app.lastRepaintEnd < resized) throw std::runtime_error("a resize was never repainted");
            const std::chrono::duration<double, std::milli> took = app.lastRepaintEnd - resized;
            samples.push_back({took.count(), std::to_string(size.width()) + "x" + std::to_string(size.height())});
        }
    }
    return samples;
}

double percentile(const std::vector<Sample>& sorted, double p) {
    return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5)].ms;
}

void sortByTime(std::vector<Sample>& samples) { std::ranges::sort(samples, {}, &Sample::ms); }

}  // namespace

int main(int argc, char* argv[]) {
    // A screen of the scene's own size: the window opens maximized showing the scene unscaled.
    qputenv("QT_QPA_PLATFORM", TOLM_OFFSCREEN);
    TimedApplication app(argc, argv);
    tolm::desktop::installGameStyle();

    // The first round meets every text and picture for the first time, as a player does.
    std::vector<Sample> first;
    std::vector<Sample> all;
    std::vector<Sample> resizes;
    try {
        for (int round = 0; round < kRounds; ++round) {
            for (const auto& playthrough : tolm::testing::playthroughs()) {
                tolm::testing::WidgetDriver game;
                for (const auto& step : playthrough.steps) {
                    const Sample s = choose(app, game, step.first);
                    if (round == 0) first.push_back(s);
                    all.push_back(s);
                }
                if (!game.reporter().errors.empty()) throw std::runtime_error("a playthrough met a runtime error");
            }
        }
        resizes = drag(app);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolm_reaction: %s\n", e.what());
        return EXIT_FAILURE;
    }

    sortByTime(first);
    sortByTime(all);
    sortByTime(resizes);
    std::printf(
        "samples=%zu first_median=%.3f first_max=%.3f min=%.3f median=%.3f p90=%.3f max=%.3f slowest=%s "
        "resize_samples=%zu resize_min=%.3f resize_median=%.3f resize_p90=%.3f resize_max=%.3f "
        "resize_slowest=%s\n",
        all.size(), percentile(first, 0.5), first.back().ms, all.front().ms, percentile(all, 0.5), percentile(all, 0.9),
        all.back().ms, all.back().what.c_str(), resizes.size(), resizes.front().ms, percentile(resizes, 0.5),
        percentile(resizes, 0.9), resizes.back().ms, resizes.back().what.c_str());
    return EXIT_SUCCESS;
}
