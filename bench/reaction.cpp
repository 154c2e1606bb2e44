// Reaction on the offscreen platform: from a button's activation to the end of the repaint that
// shows what its handler did, for every choice of every playthrough.
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/story_cases.h"
#include "tests/support/widget_driver.h"
#include "desktop/game_style.h"

namespace {

using Clock = std::chrono::steady_clock;
using tolm::Control;

// Every playthrough is played this many times, each time in a new window.
constexpr int kRounds = 5;

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
    std::string handler;
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
    if (byMouse) game.click(c);
    else game.key(Qt::Key_Space);
    QApplication::processEvents();
    if (app.lastRepaintEnd < activated) throw std::runtime_error("a choice was never repainted");
    const std::chrono::duration<double, std::milli> reaction = app.lastRepaintEnd - activated;
    return {reaction.count(), std::string(tolm::controlName(c)) + "_Click"};
}

double percentile(const std::vector<Sample>& sorted, double p) {
    return sorted[static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5)].ms;
}

void sortByTime(std::vector<Sample>& samples) { std::ranges::sort(samples, {}, &Sample::ms); }

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApplication app(argc, argv);
    tolm::desktop::installGameStyle();

    // The first round meets every text and picture for the first time, as a player does.
    std::vector<Sample> first;
    std::vector<Sample> all;
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
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tolm_reaction: %s\n", e.what());
        return EXIT_FAILURE;
    }

    sortByTime(first);
    sortByTime(all);
    std::printf("samples=%zu first_median=%.3f first_max=%.3f min=%.3f median=%.3f p90=%.3f max=%.3f slowest=%s\n",
                all.size(), percentile(first, 0.5), first.back().ms, all.front().ms, percentile(all, 0.5),
                percentile(all, 0.9), all.back().ms, all.back().handler.c_str());
    return EXIT_SUCCESS;
}
