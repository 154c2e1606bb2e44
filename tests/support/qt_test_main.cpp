// Test entry for widget tests: one application on the offscreen platform for all of them.
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/game_style.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", TOLM_OFFSCREEN);
    QApplication app(argc, argv);
    tolm::desktop::installGameStyle();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
