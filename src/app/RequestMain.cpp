#include "app/DesktopMain.h"
#include "app/Installer.h"
#include "platform/Translations.h"
#include "platform/linux/InstanceChannel.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/ProgramLocation.h"
#include "platform/linux/QuickRequest.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

// What `zarvo` does with everything its quick path leaves: help, status, a portable copy, a request that
// did not get the plain answer, and starting the desktop application when no instance runs.

namespace {

void logLine(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

int usage(int status, int& argc, char** argv) {
    QCoreApplication app(argc, argv);
    zarvo::Translations::install(zarvo::linux_::ProgramLocation::translationFolders());
    //: Keep the program name and the options (--toggle …) as they are.
    const QString text = QCoreApplication::translate(
        "ZarvoMain",
        "usage: zarvo [--toggle | --clipboard | --settings | --status | --quit]\n"
        "  (none)       start Zarvo, or show the panel of the running one\n"
        "  --toggle     show or hide the panel (bind this where the desktop has no global keys)\n"
        "  --clipboard  show or hide the clipboard history\n"
        "  --settings   open the settings window\n"
        "  --status     say where the running Zarvo runs and which desktop services it uses\n"
        "  --quit       quit the running Zarvo\n");
    std::fprintf(status ? stderr : stdout, "%s", text.toLocal8Bit().constData());
    return status;
}

// The answer to a request the quick path sent, read within the time it had left.
zarvo::linux_::InstanceReply finishQuick(const zarvo::linux_::QuickRequest::Outcome& quick) {
    using namespace zarvo::linux_;
    const QDeadlineTimer deadline(std::max(0LL, quick.deadlineMs - QuickRequest::nowMs()));
    InstanceReply reply = InstanceClient::finish(quick.socket, quick.sendError, deadline, quick.timeoutMs);
    ::close(quick.socket);
    return reply;
}

} // namespace

extern "C" int zarvoMain(int argc, char** argv, const zarvo::linux_::QuickRequest::Outcome* quick) {
    using namespace zarvo;
    using linux_::QuickRequest::Outcome;
    const bool handedOver = quick && quick->state == Outcome::State::handedOver;
    const char* request = "show";
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--toggle")
            request = "toggle";
        else if (arg == "--clipboard")
            request = "clipboard";
        else if (arg == "--settings")
            request = "settings";
        else if (arg == "--quit")
            request = "quit";
        else if (arg == "--status")
            request = "status";
        else if (arg == "--help" || arg == "-h")
            return usage(0, argc, argv);
        else if (arg == "-platform" && i + 1 < argc)
            ++i; // Qt's own
        else if (arg == app::Installer::installedArgument)
            ; // opened by the installer
        else if (arg == app::Installer::ejectVolumeArgument && i + 1 < argc)
            ++i; // the image the installer came from
        else
            return usage(2, argc, argv);
    }

    // A running instance takes the request. A portable copy first looks whether it is to install itself
    // or to take over from another copy.
    const bool quit = qstrcmp(request, "quit") == 0;
    const bool status = qstrcmp(request, "status") == 0;
    const bool portable = !handedOver && !quit && !status && linux_::ProgramLocation::isPortableCopy();
    if (!portable) {
        QCoreApplication client(argc, argv);
        Translations::install(linux_::ProgramLocation::translationFolders());
        const QJsonObject message{{QStringLiteral("type"), QString::fromLatin1(request)},
                                  {QStringLiteral("startupId"), qEnvironmentVariable("DESKTOP_STARTUP_ID")}};
        const linux_::LinuxEnvironment environment;
        const linux_::InstanceReply reply =
            handedOver ? finishQuick(*quick) : linux_::InstanceClient::send(environment, message, 3000);
        if (reply.status == linux_::InstanceReply::Status::answered) {
            if (status)
                std::fprintf(stdout, "%s\n",
                             reply.body.value(QStringLiteral("status")).toString().toUtf8().constData());
            return 0;
        }
        if (reply.status == linux_::InstanceReply::Status::failed) {
            logLine(QCoreApplication::translate("ZarvoMain", "zarvo: the running Zarvo did not answer: %1")
                        .arg(reply.error));
            return 1;
        }
        if (quit || status) {
            logLine(QCoreApplication::translate("ZarvoMain", "zarvo: Zarvo is not running"));
            return status ? 1 : 0;
        }
    }

    return zarvoDesktopMain(argc, argv, request, portable);
}
