#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Translations.h"
#include "ui/Icons.h"

// View tests run offscreen, with widgets, never on the user's display, in English.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zarvo::ui::Icons::setUp();
    zarvo::Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
