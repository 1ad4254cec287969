// Installs a portable folder the way a copy that moves itself into place does, with no window: the
// Linux installation on the current home (a sandbox in the tests). It says "installing" on standard
// output before it starts, so a test can time a kill from there, and how long the install took. With
// --start it only does what a starting copy does first: clean up what killed installs left.
#include "app/Installer.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/LinuxInstallation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: install_driver PORTABLE_FOLDER | --start\n");
        return 2;
    }
    const zarvo::linux_::LinuxEnvironment environment;
    zarvo::linux_::LinuxInstallation installation(environment);
    // What every copy of ours does first when it starts.
    if (qstrcmp(argv[1], "--start") == 0) {
        zarvo::app::Installer(installation).cleanUpLeftovers();
        return 0;
    }
    std::printf("installing\n");
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    if (const auto error = zarvo::app::Installer(installation).install(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "install_driver: %s\n", error->toUtf8().constData());
        return 1;
    }
    std::printf("installed in %lld ms\n", timer.elapsed());
    return 0;
}
