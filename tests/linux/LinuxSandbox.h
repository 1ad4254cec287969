#pragma once

#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"
#include "fakes/Files.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>

namespace zarvo::linuxtest {

// One sandbox per test process: a home and XDG folders with test desktop entries, and the environment
// pointing there. GLib reads it once: made before the first GIO call, its application set stays.
struct Sandbox {
    QString root, home, data, config;
    fakes::FakeEnvironment environment;
    QString launchLog() const { return root + QStringLiteral("/launch.log"); }
};

const Sandbox& sandbox();

using testing::readFile;
using testing::waitUntil;
using testing::writeFile;
// writeFile, then executable by its owner.
void writeProgram(const QString& path, const QByteArray& text);
// An application's desktop entry; `extra` holds further lines, each ending in "\n".
QByteArray desktopEntry(const QString& name, const QString& exec, const QString& extra = {});

// A private D-Bus bus that activates only what the test puts in services(), stopped with the object.
// start() puts its address in `variable` (the test process's bus); false when dbus-daemon did not start.
struct PrivateBus {
    QTemporaryDir dir;
    QProcess daemon;
    QString address;
    QString services() const { return dir.path() + QStringLiteral("/services"); }
    bool start(const char* variable = "DBUS_SESSION_BUS_ADDRESS");
    ~PrivateBus();
};

// The status of the file itself, never a link's target; a failure when there is none.
struct stat lstatOf(const QString& path);
// The lines of a text file; none when it cannot be read.
QStringList readLines(const QString& path);
// The lines of the sandbox's recording applications, without the working folder.
QStringList launchLines();
// A shell program that appends its working folder and arguments to `log`, "|" after each, one line a call.
QByteArray recorderScript(const QString& log);

// Runs an asynchronous call to its answer (the error, or none); it must not answer before the call returned.
std::optional<QString> answer(const std::function<void(std::function<void(std::optional<QString>)>)>& call);

} // namespace zarvo::linuxtest
