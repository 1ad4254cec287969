#include "platform/linux/InstanceLock.h"

#include "platform/Environment.h"
#include "platform/linux/InstanceChannel.h"
#include "platform/linux/InstanceFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace zarvo::linux_ {

namespace {

// Whether the socket at `name` answers and is this user's.
bool answersAsOurs(const QString& name, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs)) return false;
    const auto peer = peerUser(int(socket.socketDescriptor()));
    socket.abort();
    if (peer && *peer == ::geteuid()) return true;
    qWarning("Zarvo: the instance socket %s belongs to another user; taken as no instance running",
             qPrintable(name));
    return false;
}

QJsonObject errorReply(const QString& text) {
    return QJsonObject{{QStringLiteral("error"), text}};
}

} // namespace

InstanceLock::InstanceLock(const Environment& environment, QObject* parent)
    : QObject(parent), m_environment(environment) {}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::serverName(const Environment& environment) {
    const auto folder = InstanceFolder::locate(environment, true);
    return folder ? QDir(*folder).filePath(InstanceFolder::socketName(environment)) : QString();
}

bool InstanceLock::isRunning(const Environment& environment, int timeoutMs) {
    const auto folder = InstanceFolder::locate(environment, false);
    return folder &&
           answersAsOurs(QDir(*folder).filePath(InstanceFolder::socketName(environment)), timeoutMs);
}

void InstanceLock::raiseDescriptorLimit() {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
        qWarning("Zarvo: cannot raise the limit of open files: %s", std::strerror(errno));
}

bool InstanceLock::acquire() {
    if (isHeld()) return true;
    m_name = serverName(m_environment);
    if (m_name.isEmpty()) return false;
    // Two instances starting together must not both find no answer and then replace each other's socket.
    QLockFile starting(m_name + QStringLiteral(".lock"));
    if (!starting.tryLock(5000)) return false;
    if (answersAsOurs(m_name, 1000)) return false;
    if (!listen()) return false;
    // QLocalServer closes itself, and removes its socket, when accepting fails (no descriptor left),
    // and says so to no one: it is looked at once a second and made to listen again.
    m_watch = new QTimer(this);
    m_watch->setInterval(1000);
    connect(m_watch, &QTimer::timeout, this, &InstanceLock::checkListening);
    m_watch->start();
    return true;
}

bool InstanceLock::listen() {
    QLocalServer::removeServer(m_name); // a socket file nobody answers on is left from a crash
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_name)) {
        qWarning("Zarvo: cannot listen on the instance socket %s: %s", qPrintable(m_name),
                 qPrintable(server->errorString()));
        return false;
    }
    connect(server.get(), &QLocalServer::newConnection, this, &InstanceLock::accept);
    m_server = std::move(server);
    return true;
}

void InstanceLock::checkListening() {
    if (!m_server || m_server->isListening()) return;
    qWarning("Zarvo: the instance socket stopped listening (%s); listening again",
             qPrintable(m_server->errorString()));
    // Another instance that started meanwhile keeps the name; this one cannot take it back.
    if (answersAsOurs(m_name, 200)) {
        qWarning("Zarvo: another instance answers on %s now", qPrintable(m_name));
        m_watch->stop();
        return;
    }
    // Its connections stay open and are answered; only the listening socket is new.
    std::unique_ptr<QLocalServer> old = std::move(m_server);
    if (!listen()) m_server = std::move(old);
}

bool InstanceLock::isHeld() const {
    return m_server && m_server->isListening();
}

void InstanceLock::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto peer = peerUser(int(socket->socketDescriptor()));
        if (!peer || *peer != ::geteuid()) {
            qWarning("Zarvo: refused a connection to the instance socket from %s",
                     peer ? qPrintable(QStringLiteral("user %1").arg(*peer)) : "an unknown user");
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // Full: the oldest client that has sent nothing yet goes; when every one is being answered,
        // the newcomer does.
        m_waiting.removeAll(nullptr);
        if (m_clients >= maximumClients) {
            QLocalSocket* idle = m_waiting.isEmpty() ? socket : m_waiting.takeFirst().data();
            idle->abort();
            idle->deleteLater();
            if (idle == socket) continue;
        }
        // Answered clients are no longer owned by the server, so a new server leaves them be.
        socket->setParent(this);
        ++m_clients;
        connect(socket, &QObject::destroyed, this, [this] { --m_clients; });
        serve(socket);
    }
}

// One request per connection: read it, hand it on, send the one answer, close.
void InstanceLock::serve(QLocalSocket* socket) {
    auto reader = std::make_shared<InstanceFrame::Reader>();
    auto connection = std::make_shared<QMetaObject::Connection>();
    m_waiting << QPointer<QLocalSocket>(socket);
    // A client that holds the connection without sending is dropped. The clock restarts with every
    // read: a large request that keeps arriving (slowly, on a loaded machine) is not cut off.
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    deadline->start(requestDeadlineMs);
    connect(deadline, &QTimer::timeout, socket, [this, socket] {
        if (!m_waiting.contains(socket)) return;
        m_waiting.removeAll(socket);
        // Said once for a run of them, so a flood does not flood the log too.
        if (m_dropped++ == 0)
            qWarning("Zarvo: instance socket: no request within %d ms; connection closed", requestDeadlineMs);
        socket->abort();
    });
    *connection =
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, reader, connection, deadline] {
            deadline->start(requestDeadlineMs);
            reader->append(socket->readAll());
            const auto request = reader->next();
            if (!request) {
                if (!reader->failed()) return;
                qWarning("Zarvo: instance socket: %s; connection closed", qPrintable(reader->error()));
                m_waiting.removeAll(socket);
                socket->abort();
                return;
            }
            disconnect(*connection); // anything after the request is not read
            m_waiting.removeAll(socket);
            m_dropped = 0;
            QPointer<QLocalSocket> client(socket);
            auto answered = std::make_shared<bool>(false);
            Reply reply = [client, answered](const QJsonObject& body) {
                if (*answered || !client) return;
                *answered = true;
                QByteArray frame = InstanceFrame::encode(body);
                if (frame.isEmpty())
                    frame = InstanceFrame::encode(errorReply(
                        QCoreApplication::translate("InstanceLock", "the answer was larger than %1 bytes")
                            .arg(InstanceFrame::maximumSize)));
                client->write(frame);
                client->disconnectFromServer(); // after the answer is written
            };
            if (!request->value(QStringLiteral("type")).isString())
                reply(errorReply(
                    QCoreApplication::translate("InstanceLock", "a request needs a string \"type\"")));
            else if (!onRequest)
                reply(errorReply(
                    QCoreApplication::translate("InstanceLock", "this instance takes no requests")));
            else
                onRequest(*request, reply);
        });
}

} // namespace zarvo::linux_
