#pragma once

#include <QString>
#include <memory>

class QLocalServer;

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// One running application per identifier and user. The application listens on a local socket named
// after both; other processes (`zarvo-cli clips watch`, a second start) ask whether it answers. A
// socket file left by a crashed instance does not answer, so it never blocks anyone.
class InstanceLock {
public:
    explicit InstanceLock(const Environment& environment);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // The socket path: "<identifier>-<uid>" in the user's runtime directory (private to the user),
    // else in the temporary folder.
    static QString serverName(const Environment& environment);
    // Whether the running instance of this identifier and user answers within `timeoutMs`.
    static bool isRunning(const Environment& environment, int timeoutMs = 1000);

    // Becomes the running instance; false when another one answers or the socket cannot be made.
    bool acquire();
    bool isHeld() const;
    // The listening server while held, for messages from later starts.
    QLocalServer* server() const { return m_server.get(); }

private:
    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace zarvo::linux_
