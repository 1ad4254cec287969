#pragma once

#include "fakes/FakePlatform.h"

#include <QString>
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

// Turns the event loop until `done` holds or the time is up; returns `done()`.
bool waitFor(const std::function<bool()>& done, int milliseconds = 5000);

// The lines of the launch log written by the sandbox's recording applications.
QStringList launchLines();

} // namespace zarvo::linuxtest
