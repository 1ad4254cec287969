#pragma once

#include "platform/AppBundle.h"
#include "platform/linux/DesktopEntries.h"

#include <QList>
#include <QStringList>

namespace zarvo {
class HotKeys;
class KeySynth;
class Session;
class Workspace;
} // namespace zarvo

namespace zarvo::linux_ {

// The services of the Linux back end that need the desktop's libraries (GIO, D-Bus, X11). The
// headless commands of zarvo-cli start without those libraries and load them, with zarvo-cli's desktop
// module, the first time one of these is used.
class DesktopServices {
public:
    virtual Workspace& workspace() = 0;
    virtual Session& session() = 0;
    virtual HotKeys& hotKeys() = 0;
    virtual KeySynth& keySynth() = 0;

    // The installed applications as a DesktopEntrySource on these options scans them, the lines that
    // scan logged (already logged when this returns) and the programs it looked for.
    struct Applications {
        QList<AppBundle> bundles;
        QStringList logged;
        QStringList programs;
    };
    virtual Applications scanApplications(const DesktopEntrySource::Options& options) = 0;

protected:
    ~DesktopServices() = default;
};

// The entry points of zarvo-cli's desktop module (zarvo-cli-desktop.so).
// The whole program with every desktop service, for the commands that need them: run before any
// application object exists.
using CliDesktopMainFunction = int (*)(int argc, char** argv);
inline constexpr const char* kCliDesktopMainSymbol = "zarvoCliDesktopMain";
// The services above, made on first call on the platform of a headless process (a QCoreApplication
// exists); they live until the process ends.
using DesktopServicesFunction = DesktopServices* (*)();
inline constexpr const char* kDesktopServicesSymbol = "zarvoCliDesktopServices";

} // namespace zarvo::linux_
