#include "LinuxSandbox.h"

#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zarvo::linuxtest {

void writeFile(const QString& path, const QByteArray& text, bool executable) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    file.write(text);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

QByteArray desktopEntry(const QString& name, const QString& exec, const QString& extra) {
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n%3")
        .arg(name, exec, extra)
        .toUtf8();
}

const Sandbox& sandbox() {
    static Sandbox* made = [] {
        static QTemporaryDir dir;
        auto* s = new Sandbox;
        s->root = dir.path();
        s->home = s->root + "/home";
        s->data = s->home + "/.local/share";
        s->config = s->home + "/.config";
        QDir().mkpath(s->home);
        qputenv("HOME", s->home.toUtf8());
        qputenv("XDG_DATA_HOME", s->data.toUtf8());
        qputenv("XDG_CONFIG_HOME", s->config.toUtf8());
        qputenv("XDG_CACHE_HOME", (s->home + "/.cache").toUtf8());
        // The machine's own applications stay out (a desktop installed there must change no result);
        // its MIME database comes in through a link, for content types.
        QDir().mkpath(s->root + "/system");
        QFile::link("/usr/share/mime", s->root + "/system/mime");
        qputenv("XDG_DATA_DIRS", (s->root + "/system").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (s->root + "/etc-xdg").toUtf8());
        // No session bus and no desktop: the session actions must say they are not available.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zarvo-test-bus");
        qunsetenv("XDG_CURRENT_DESKTOP");

        const QString recorder = s->root + "/record.sh";
        // Each launch appends one line: the entry's tag and its arguments, separated by "|".
        writeFile(recorder,
                  QStringLiteral("#!/bin/sh\nlog=%1\nline=\"\"\nfor a in \"$@\"; do line=\"$line$a|\"; done\n"
                                 "printf '%s\\n' \"$line\" >> \"$log\"\n")
                      .arg(s->root + "/launch.log")
                      .toUtf8(),
                  true);
        const QString apps = s->data + "/applications/";
        writeFile(
            apps + "org.example.Recorder.desktop",
            desktopEntry("Recorder", recorder + " recorder %U",
                         QStringLiteral(
                             "MimeType=x-scheme-handler/https;text/plain;\nStartupWMClass=ZarvoRecorder\n")));
        writeFile(apps + "org.example.Other.desktop", desktopEntry("Other Browser", recorder + " other %U",
                                                                   "MimeType=x-scheme-handler/https;\n"));
        writeFile(apps + "org.gnome.Terminal.desktop",
                  desktopEntry("GNOME Terminal", recorder + " gnome-terminal"));
        writeFile(apps + "org.kde.konsole.desktop", desktopEntry("Konsole", recorder + " konsole"));
        writeFile(apps + "org.gnome.Calculator.desktop", desktopEntry("Calculator", "true"));
        writeFile(apps + "kitty.desktop", desktopEntry("kitty", "true"));
        writeFile(apps + "Alacritty.desktop", desktopEntry("Alacritty", "true"));
        writeFile(apps + "org.keepassxc.KeePassXC.desktop", desktopEntry("KeePassXC", "true"));
        writeFile(apps + "gnome-control-center.desktop", desktopEntry("Settings", recorder + " settings"));
        // A program runtime as the handler of a document type (as Wine is for Windows scripts).
        writeFile(apps + "org.example.Wine.desktop",
                  desktopEntry("Wine Loader", "env WINEPREFIX=/nonexistent wine start /unix %f",
                               "MimeType=text/vbscript;\n"));
        // An entry whose program is missing is not installed.
        writeFile(apps + "org.gnome.TextEditor.desktop",
                  desktopEntry("Text Editor", "zarvo-no-such-editor", "TryExec=zarvo-no-such-editor\n"));
        // What update-desktop-database writes: GIO takes the handlers of a type from this cache.
        writeFile(
            apps + "mimeinfo.cache",
            "[MIME Cache]\nx-scheme-handler/https=org.example.Recorder.desktop;org.example.Other.desktop;\n"
            "text/plain=org.example.Recorder.desktop;\ntext/vbscript=org.example.Wine.desktop;\n");
        writeFile(s->config + "/mimeapps.list",
                  "[Default Applications]\nx-scheme-handler/https=org.example.Recorder.desktop\n"
                  "text/plain=org.example.Recorder.desktop\ntext/vbscript=org.example.Wine.desktop\n");

        s->environment.home = s->home;
        s->environment.data = s->data;
        s->environment.config = s->config;
        s->environment.cache = s->home + "/.cache";
        s->environment.temp = s->root + "/tmp";
        QDir().mkpath(s->environment.temp);
        return s;
    }();
    return *made;
}

bool PrivateBus::start(const char* variable) {
    const QString program = QStandardPaths::findExecutable("dbus-daemon");
    if (program.isEmpty()) return false;
    const QString config = dir.path() + "/bus.conf";
    QDir().mkpath(services());
    writeFile(config, QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                     "<servicedir>%1/services</servicedir>"
                                     "<auth>EXTERNAL</auth><policy context=\"default\">"
                                     "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                          .arg(dir.path())
                          .toUtf8());
    daemon.start(program, {"--config-file=" + config, "--nofork", "--print-address"});
    if (!daemon.waitForReadyRead(5000)) return false;
    address = QString::fromUtf8(daemon.readLine().trimmed());
    qputenv(variable, address.toUtf8());
    return true;
}

PrivateBus::~PrivateBus() {
    daemon.terminate();
    daemon.waitForFinished(3000);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList readLines(const QString& path) {
    return QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList launchLines() {
    return readLines(sandbox().launchLog());
}

QByteArray recorderScript(const QString& log) {
    return QStringLiteral("#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" >> '%1'\necho >> '%1'\n")
        .arg(log)
        .toUtf8();
}

std::optional<QString> answer(const std::function<void(std::function<void(std::optional<QString>)>)>& call) {
    std::optional<std::optional<QString>> result;
    call([&](std::optional<QString> error) { result = error; });
    EXPECT_FALSE(result.has_value()) << "answered before the call returned";
    EXPECT_TRUE(waitUntil([&] { return result.has_value(); }));
    return result.value_or("no answer");
}

} // namespace zarvo::linuxtest
