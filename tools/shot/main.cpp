// tolm-shot: plays a path of choices in the real window and saves what the window shows.
//   tolm-shot OUT.png [CHOICE|@CARD]...   CHOICE is a button's exact name; @Card1 points at a card.
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <cstdio>

#include "headless/headless_form.h"
#include "desktop/qt_form.h"
#include "desktop/game_style.h"
#include "desktop/game_window.h"

namespace {

QWidget* controlNamed(const tolm::desktop::GameWindow& window, const QString& name) {
    for (std::size_t i = 0; i < tolm::kControlCount; ++i) {
        QWidget* w = window.widget(tolm::controlAt(i));
        if (w->objectName() == name) return w;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tolm::desktop::installGameStyle();
    if (argc < 2) {
        std::fprintf(stderr, "usage: tolm-shot OUT.png [CHOICE|@CARD]...\n");
        return 2;
    }
    tolm::desktop::GameWindow window;
    tolm::headless::RecordingReporter reporter;
    tolm::desktop::QtForm form(window, reporter);
    form.start();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    for (int i = 2; i < argc; ++i) {
        QString step = QString::fromUtf8(argv[i]);
        const bool hover = step.startsWith('@');
        QWidget* w = controlNamed(window, hover ? step.mid(1) : step);
        if (!w || w->isHidden()) {
            std::fprintf(stderr, "tolm-shot: no visible control %s\n", argv[i]);
            return 1;
        }
        if (hover) {
            QTest::mouseMove(window.windowHandle(), w->mapTo(&window, w->rect().center()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->click();
        }
        QApplication::processEvents();
    }
    QApplication::processEvents();
    if (!window.grab(QRect(0, 0, 801, 577)).save(QString::fromUtf8(argv[1]))) return 1;
    return reporter.errors.empty() ? 0 : 1;
}
