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

// The run's own home, XDG and runtime folders: no test touches the developer's files or desktop.
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

// Offscreen with an event loop (widgets for the views), English texts whatever the developer's language.
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
