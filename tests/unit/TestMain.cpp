#include "platform/Translations.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Every unit test runs offscreen with an event loop available, never on the user's display, and reads
// the English texts with their plural forms whatever the developer's language.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    zarvo::Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
