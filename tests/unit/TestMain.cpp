#include "platform/Translations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef ZARVO_WIDGET_TESTS
#include "ui/Icons.h"

#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

namespace {

// A home, XDG folders and runtime folder of the run's own, so that no test reads or writes the
// developer's files, whatever desktop is installed or running. Tests that need more set it themselves.
void useOwnFolders(const QString& root) {
    const auto folder = [&](const char* variable, const QString& path) {
        QDir().mkpath(path);
        qputenv(variable, path.toUtf8());
    };
    folder("HOME", root + QStringLiteral("/home"));
    folder("XDG_DATA_HOME", root + QStringLiteral("/home/.local/share"));
    folder("XDG_CONFIG_HOME", root + QStringLiteral("/home/.config"));
    folder("XDG_CACHE_HOME", root + QStringLiteral("/home/.cache"));
    folder("XDG_STATE_HOME", root + QStringLiteral("/home/.local/state"));
    folder("XDG_CONFIG_DIRS", root + QStringLiteral("/etc-xdg"));
    // The machine's MIME database and icon themes only; none of its applications.
    folder("XDG_DATA_DIRS", root + QStringLiteral("/system"));
    for (const char* data : {"mime", "icons"})
        QFile::link(QStringLiteral("/usr/share/") + QLatin1String(data),
                    root + QStringLiteral("/system/") + QLatin1String(data));
    folder("XDG_RUNTIME_DIR", root + QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
}

} // namespace

// Every unit test runs offscreen with an event loop available (and widgets for the views), never on the
// user's display, and reads the English texts with their plural forms whatever the developer's language.
int main(int argc, char** argv) {
    QTemporaryDir root;
    if (!root.isValid()) qFatal("no temporary folder for the tests");
    useOwnFolders(root.path());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
#ifdef ZARVO_WIDGET_TESTS
    zarvo::ui::Icons::setUp();
#endif
    zarvo::Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {QStringLiteral("en")});
    return RUN_ALL_TESTS();
}
