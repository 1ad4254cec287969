#pragma once

#include <QJsonObject>
#include <QList>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QTimer;

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// One running application per identifier and user. The application listens on a local socket in a
// folder only the user can enter (see InstanceFolder); other processes (`zarvo-cli`, a second start)
// send it requests there. Only processes of the same user are served or believed. A socket file left
// by a crashed instance does not answer, so it never blocks anyone.
class InstanceLock : public QObject {
    Q_OBJECT
public:
    // The one answer to a request; does nothing when called again or after the client went away.
    using Reply = std::function<void(const QJsonObject&)>;

    explicit InstanceLock(const Environment& environment, QObject* parent = nullptr);
    ~InstanceLock() override;

    // The socket path: "<identifier>-<uid>" in the private folder, which is made when needed; empty
    // when no private folder can be had.
    static QString serverName(const Environment& environment);
    // Whether an instance of this identifier and user answers within `timeoutMs`; a socket of another
    // user does not count.
    static bool isRunning(const Environment& environment, int timeoutMs = 1000);

    // Becomes the running instance; false when another one of this user answers or the socket cannot
    // be made. The server stays up against misbehaving clients: at most `maximumClients` at once (the
    // oldest that has not sent its request makes room), each dropped when it sends nothing for
    // `requestDeadlineMs`, and it listens again when the server fails (descriptors ran out).
    bool acquire();
    static constexpr int maximumClients = 32;
    static constexpr int requestDeadlineMs = 2000;
    // Raises the soft limit of open descriptors to the hard one, so that clients and files do not run
    // this process out of them at the first thousand.
    static void raiseDescriptorLimit();
    bool isHeld() const;
    // The listening server while held.
    QLocalServer* server() const { return m_server.get(); }

    // Set before acquire(); called on the main thread for every request (a JSON object with a string
    // "type") of a client of this user. `reply` sends the one answer, now or later.
    std::function<void(const QJsonObject& request, Reply reply)> onRequest;

private:
    bool listen();
    void accept();
    void serve(QLocalSocket* socket);
    void checkListening();

    const Environment& m_environment;
    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
    // Connections whose request has not come yet, oldest first; and all open ones.
    QList<QPointer<QLocalSocket>> m_waiting;
    int m_clients = 0;
    int m_dropped = 0;
    QTimer* m_watch = nullptr;
};

} // namespace zarvo::linux_
