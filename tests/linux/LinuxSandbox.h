#pragma once

#include "fakes/EventLoop.h"
#include "fakes/FakePlatform.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace zarvo::linuxtest {

// One sandbox per test process: a home, XDG data/config folders with test desktop entries and a
// mimeapps.list, and the environment pointing there. GLib reads these variables once, so the sandbox
// is made before the first GIO call and never changes its application set afterwards.
struct Sandbox {
    QString root, home, data, config;
    fakes::FakeEnvironment environment;
    QString launchLog() const { return root + QStringLiteral("/launch.log"); }
};

const Sandbox& sandbox();

// Writes a file, making its folders; stops the test program when it cannot.
void writeFile(const QString& path, const QByteArray& text, bool executable = false);
// An application's desktop entry; `extra` holds further lines, each ending in "\n".
QByteArray desktopEntry(const QString& name, const QString& exec, const QString& extra = {});

using testing::waitUntil;

// A private D-Bus bus that activates only what the test puts in services() (no service of the machine
// starts on it by being called), stopped with the object. start() puts its address in `variable` (each test
// runs in its own process, whose bus it becomes); false when dbus-daemon is missing or did not start.
struct PrivateBus {
    QTemporaryDir dir;
    QProcess daemon;
    QString address;
    QString services() const { return dir.path() + QStringLiteral("/services"); }
    bool start(const char* variable = "DBUS_SESSION_BUS_ADDRESS");
    ~PrivateBus();
};

// The lines of a text file; none when it cannot be read.
QStringList readLines(const QString& path);
// The bytes of a file; none when it cannot be read.
QByteArray readFile(const QString& path);
// The lines of the launch log written by the sandbox's recording applications.
QStringList launchLines();
// A shell program that appends its working folder and arguments to `log`, "|" after each, one line a call.
QByteArray recorderScript(const QString& log);

// Runs an asynchronous call to its answer (the error, or none); it must not answer before the call returned.
std::optional<QString> answer(const std::function<void(std::function<void(std::optional<QString>)>)>& call);

} // namespace zarvo::linuxtest
