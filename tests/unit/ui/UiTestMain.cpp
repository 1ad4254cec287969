#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Icons.h"

// View tests run offscreen, with widgets, never on the user's display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zarvo::ui::Icons::setUp();
    return RUN_ALL_TESTS();
}
