#pragma once

#include "platform/Processes.h"

#include <QObject>

namespace zarvo::linux_ {

// Programs started with QProcess, arguments always as a list.
class LinuxProcesses : public QObject, public Processes {
    Q_OBJECT
public:
    bool startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingDirectory = {}) override;
    void run(const QString& program, const QStringList& arguments, std::function<void(Result)> done,
             const QString& workingDirectory = {}) override;
};

} // namespace zarvo::linux_
