#include "platform/linux/LinuxProcesses.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>

namespace zarvo::linux_ {

bool LinuxProcesses::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& workingDirectory) {
    return QProcess::startDetached(program, arguments, workingDirectory);
}

void LinuxProcesses::run(const QString& program, const QStringList& arguments,
                         std::function<void(Result)> done, const QString& workingDirectory) {
    // The program runs in its own process; its end is reported by the event loop of this (main) thread.
    auto* process = new QProcess(this);
    if (!workingDirectory.isEmpty()) process->setWorkingDirectory(workingDirectory);
    auto finished = std::make_shared<bool>(false);
    auto report = [process, finished, done](Result result) {
        if (*finished) return;
        *finished = true;
        process->deleteLater();
        if (done) done(std::move(result));
    };
    connect(process, &QProcess::finished, this, [process, report](int exitCode, QProcess::ExitStatus status) {
        Result result;
        result.exitCode = exitCode;
        result.standardOutput = process->readAllStandardOutput();
        result.standardError = process->readAllStandardError();
        if (status == QProcess::CrashExit)
            //: %1 is a program.
            result.error =
                QCoreApplication::translate("LinuxProcesses", "%1 crashed").arg(process->program());
        report(std::move(result));
    });
    connect(process, &QProcess::errorOccurred, this, [process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return; // crashes and the like end in finished()
        Result result;
        result.error = process->errorString();
        report(std::move(result));
    });
    process->start(program, arguments);
}

} // namespace zarvo::linux_
