// Tells which font each control is drawn in and which families are installed, and saves the first scene's picture.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>
#include <cstdio>

#include "desktop/game_style.h"
#include "desktop/game_window.h"
#include "desktop/qt_form.h"
#include "headless/recording_reporter.h"

namespace {

void printResolved(std::string_view name, const QWidget& widget, std::string_view free) {
    std::printf("control\t%.*s\t%s\t%.*s\n", static_cast<int>(name.size()), name.data(),
                qPrintable(QFontInfo(widget.font()).family()), static_cast<int>(free.size()), free.data());
}

}  // namespace

// font_probe PICTURE: prints tab-separated lines, "family NAME" for every installed family and
// "control NAME RESOLVED FREE" for the window and every control with a font of its own.
int main(int argc, char* argv[]) {
    using namespace tolm;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: font_probe PICTURE\n", stderr);
        return 2;
    }
    desktop::installGameStyle();
    headless::RecordingReporter reporter;
    desktop::GameWindow window;
    desktop::QtForm form(window, reporter);
    form.start();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    for (const QString& family : QFontDatabase::families()) std::printf("family\t%s\n", qPrintable(family));
    printResolved("window", window, layout::freeFamily(layout::kWindowFont.family));
    for (const layout::ControlRow& row : layout::kLayout)
        if (row.font)
            printResolved(controlName(row.control), *window.widget(row.control), layout::freeFamily(row.font->family));
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
