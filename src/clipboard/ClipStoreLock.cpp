#include "clipboard/ClipStoreLock.h"

#include <QCoreApplication>
#include <QDir>

namespace zarvo {

std::unique_ptr<QLockFile> lockClipStore(const QString& directory, int waitMs, QString* problem) {
    QDir().mkpath(directory);
    auto lock = std::make_unique<QLockFile>(QDir(directory).filePath(QStringLiteral("clips.lock")));
    lock->setStaleLockTime(0); // only a dead owner's lock is stale, however long a live one holds it
    if (lock->tryLock(waitMs)) return lock;
    if (!problem) return nullptr;
    qint64 pid = 0;
    QString host, app;
    lock->getLockInfo(&pid, &host, &app);
    if (lock->error() != QLockFile::LockFailedError)
        *problem =
            QCoreApplication::translate("ClipStoreLock", "cannot lock the clip store in %1").arg(directory);
    else if (app.compare(QLatin1String(kApplicationLockName), Qt::CaseInsensitive) == 0)
        //: %1 is a folder, %2 a process id.
        *problem = QCoreApplication::translate(
                       "ClipStoreLock", "the clip store in %1 is held by the running Zarvo (pid %2), which "
                                        "did not answer on its instance socket; try again, or quit Zarvo")
                       .arg(directory, QString::number(pid));
    else
        //: %1 is a folder, %2 a process id.
        *problem =
            QCoreApplication::translate(
                "ClipStoreLock", "the clip store in %1 is in use by another process (pid %2); try again")
                .arg(directory, QString::number(pid));
    return nullptr;
}

} // namespace zarvo
