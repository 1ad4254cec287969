#include "platform/Translations.h"

#include <gtest/gtest.h>
#ifdef ZARVO_WIDGET_TESTS
#include "ui/Icons.h"

#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

// Every unit test runs offscreen with an event loop available (and widgets for the views), never on the
// user's display, and reads the English texts with their plural forms whatever the developer's language.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
#ifdef ZARVO_WIDGET_TESTS
    zarvo::ui::Icons::setUp();
#endif
    zarvo::Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
