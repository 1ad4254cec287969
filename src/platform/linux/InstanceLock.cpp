#include "platform/linux/InstanceLock.h"

#include "platform/Environment.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <unistd.h>

namespace zarvo::linux_ {

InstanceLock::InstanceLock(const Environment& environment) : m_name(serverName(environment)) {}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::serverName(const Environment& environment) {
    QString folder = environment.variable(QStringLiteral("XDG_RUNTIME_DIR")).value_or(QString());
    // Only an existing absolute folder: a relative one would depend on the working directory.
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())
        folder = environment.tempPath();
    return QDir(folder).filePath(QStringLiteral("%1-%2").arg(environment.appIdentifier()).arg(::getuid()));
}

bool InstanceLock::isRunning(const Environment& environment, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName(environment));
    const bool answered = socket.waitForConnected(timeoutMs);
    socket.abort();
    return answered;
}

bool InstanceLock::acquire() {
    if (isHeld()) return true;
    // Two instances starting together must not both find no answer and then replace each other's socket.
    QLockFile starting(m_name + QStringLiteral(".lock"));
    if (!starting.tryLock(5000)) return false;
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (socket.waitForConnected(1000)) return false;
    socket.abort();
    QLocalServer::removeServer(m_name); // a socket file nobody answers on is left from a crash
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) return false;
    m_server = std::move(server);
    return true;
}

bool InstanceLock::isHeld() const {
    return m_server && m_server->isListening();
}

} // namespace zarvo::linux_
