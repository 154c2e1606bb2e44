// tolm-shot: plays a path of choices in the real window and saves what the window shows.
//   tolm-shot [--screen] [--size=WxH] [--lang=CODE] OUT.png [CHOICE|@CARD|+F11]...
// CHOICE is a button's exact name; @Card1 points at a card; +F11 presses F11. The window opens
// as the game opens it (maximized where a window manager maximizes it); --size restores it to
// that client size first. --screen saves the whole screen, the window manager's frame included.
// --lang plays in that language, Czech without it.
#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "content/language.h"
#include "desktop/game_style.h"
#include "desktop/game_window.h"
#include "desktop/qt_form.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"

namespace {

QWidget* controlNamed(const tolm::desktop::GameWindow& window, const QString& name) {
    for (std::size_t i = 0; i < tolm::kControlCount; ++i) {
        QWidget* w = window.widget(tolm::controlAt(i));
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

// A window manager answers a change of size or state in its own time: waits until the window
// has kept its size for a while.
void settle(const QWidget& window) {
    constexpr int kQuietMs = 400;
    constexpr int kMostRounds = 25;
    QSize before;
    for (int round = 0; round < kMostRounds && window.size() != before; ++round) {
        before = window.size();
        QTest::qWait(kQuietMs);
    }
}

int usage() {
    std::fprintf(stderr,
                 "usage: tolm-shot [--screen] [--size=WxH] [--lang=CODE] OUT.png [CHOICE|@CARD|^BUTTON|+F11]...\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolm::desktop::installGameStyle();
    QStringList args = QApplication::arguments().mid(1);
    bool wholeScreen = false;
    QSize size;
    while (!args.isEmpty() && args.front().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        if (option == QStringLiteral("--screen")) {
            wholeScreen = true;
        } else if (option.startsWith(QStringLiteral("--size="))) {
            const QStringList wh = option.mid(7).split('x');
            if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
            if (size.isEmpty()) return usage();
        } else if (option.startsWith(QStringLiteral("--lang="))) {
            const auto language = tolm::content::languageNamed(option.mid(7).toStdString());
            if (!language) return usage();
            tolm::content::useLanguage(*language);
        } else {
            return usage();
        }
    }
    if (args.isEmpty()) return usage();
    const QString out = args.takeFirst();

    tolm::desktop::GameWindow window;
    tolm::headless::RecordingReporter reporter;
    tolm::desktop::QtForm form(window, reporter);
    form.start();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    settle(window);
    if (size.isValid()) {
        window.showNormal();
        window.resize(size);
        settle(window);
    }

    for (const QString& step : args) {
        if (step == QStringLiteral("+F11")) {
            QTest::keyClick(window.windowHandle(), Qt::Key_F11);
            settle(window);
            continue;
        }
        const bool hover = step.startsWith('@');
        const bool focus = step.startsWith('^');
        QWidget* w = controlNamed(window, hover || focus ? step.mid(1) : step);
        if (!w || w->isHidden()) {
            std::fprintf(stderr, "tolm-shot: no visible control %s\n", qPrintable(step));
            return 1;
        }
        if (hover) {
            QTest::mouseMove(window.windowHandle(), w->mapTo(&window, w->rect().center()));
        } else if (focus) {
            // A window shows its focused button only once it has the keyboard.
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window)) return 1;
            w->setFocus(Qt::TabFocusReason);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // A press takes the focus, as the player's click does, before the choice moves it on.
            button->setFocus(Qt::MouseFocusReason);
            button->click();
        }
        QApplication::processEvents();
    }
    QApplication::processEvents();
    const QPixmap shot = wholeScreen ? window.screen()->grabWindow(0) : window.grab();
    if (!shot.save(out)) return 1;
    std::printf("%s: window %dx%d, scene scaled %.3f\n", qPrintable(out), window.width(), window.height(),
                window.scale().factor());
    return reporter.errors.empty() ? 0 : 1;
}
