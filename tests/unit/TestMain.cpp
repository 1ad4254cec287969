#include <QGuiApplication>
#include <gtest/gtest.h>

// Every unit test runs offscreen with an event loop available, never on the user's display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
