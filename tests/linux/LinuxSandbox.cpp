#include "LinuxSandbox.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zarvo::linuxtest {

void writeProgram(const QString& path, const QByteArray& text) {
    writeFile(path, text);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
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
        // The machine's applications stay out; its MIME database comes in through a link, for content types.
        QDir().mkpath(s->root + "/system");
        QFile::link("/usr/share/mime", s->root + "/system/mime");
        qputenv("XDG_DATA_DIRS", (s->root + "/system").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (s->root + "/etc-xdg").toUtf8());
        // No session bus and no desktop: the session actions must say they are not available.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zarvo-test-bus");
        qunsetenv("XDG_CURRENT_DESKTOP");

        const QString recorder = s->root + "/record.sh";
        writeProgram(recorder, recorderScript(s->launchLog()));
        const QString apps = s->data + "/applications/";
        writeFile(apps + "org.example.Recorder.desktop",
                  desktopEntry("Recorder", recorder + " recorder %U",
                               "MimeType=x-scheme-handler/https;text/plain;\n"));
        writeFile(apps + "org.example.Other.desktop", desktopEntry("Other Browser", recorder + " other %U",
                                                                   "MimeType=x-scheme-handler/https;\n"));
        writeFile(apps + "org.gnome.Terminal.desktop",
                  desktopEntry("GNOME Terminal", recorder + " gnome-terminal"));
        writeFile(apps + "org.kde.konsole.desktop", desktopEntry("Konsole", recorder + " konsole"));
        for (const QString id : {"org.gnome.Calculator", "kitty", "org.keepassxc.KeePassXC"})
            writeFile(apps + id + ".desktop", desktopEntry(id.section('.', -1), "true"));
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

struct stat lstatOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList launchLines() {
    QStringList lines = readLines(sandbox().launchLog());
    for (QString& line : lines)
        line = line.section(QLatin1Char('|'), 1); // the working folder
    return lines;
}

QByteArray recorderScript(const QString& log) {
    // One write, so that the lines of programs started together do not mix.
    return QStringLiteral(
               "#!/bin/sh\nline=$(printf '%s|' \"$PWD\" \"$@\")\nprintf '%s\\n' \"$line\" >> '%1'\n")
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
