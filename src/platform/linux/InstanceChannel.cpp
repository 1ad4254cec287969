#include "platform/linux/InstanceChannel.h"

#include "platform/linux/InstanceFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zarvo::linux_ {

namespace InstanceFrame {

namespace {
constexpr qsizetype kHeaderBytes = 4;
}

QByteArray encode(const QJsonObject& message) {
    const QByteArray body = QJsonDocument(message).toJson(QJsonDocument::Compact);
    if (body.size() > maximumSize) return {};
    QByteArray frame(kHeaderBytes, Qt::Uninitialized);
    qToBigEndian<quint32>(quint32(body.size()), frame.data());
    return frame + body;
}

void Reader::append(const QByteArray& bytes) {
    if (failed()) return;
    // Drop what was decoded before the buffer grows again, so a long stream costs no more than a frame.
    if (m_offset > 0 && m_offset >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_offset);
        m_offset = 0;
    }
    m_buffer += bytes;
}

std::optional<QJsonObject> Reader::next() {
    if (failed() || pending() < kHeaderBytes) return std::nullopt;
    const quint32 size = qFromBigEndian<quint32>(m_buffer.constData() + m_offset);
    // Refused on the header alone: an oversized message is never buffered.
    if (qint64(size) > maximumSize)
        return fail(QCoreApplication::translate("InstanceFrame",
                                                "a message of %1 bytes is larger than the limit of %2 bytes")
                        .arg(size)
                        .arg(maximumSize));
    if (pending() < kHeaderBytes + qsizetype(size)) return std::nullopt;
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(m_buffer.constData() + m_offset + kHeaderBytes, qsizetype(size)), &parse);
    m_offset += kHeaderBytes + qsizetype(size);
    if (parse.error != QJsonParseError::NoError)
        return fail(
            QCoreApplication::translate("InstanceFrame", "a message is not valid JSON (%1 at byte %2)")
                .arg(parse.errorString())
                .arg(parse.offset));
    if (!document.isObject())
        return fail(QCoreApplication::translate("InstanceFrame", "a message is not a JSON object"));
    return document.object();
}

std::nullopt_t Reader::fail(const QString& error) {
    m_error = error;
    m_buffer = QByteArray();
    m_offset = 0;
    return std::nullopt;
}

} // namespace InstanceFrame

namespace InstanceClient {

InstanceReply send(const Environment& environment, const QJsonObject& request, int timeoutMs) {
    const auto folder = InstanceFolder::locate(environment, false);
    if (!folder) return {};
    return sendTo(QDir(*folder).filePath(InstanceFolder::socketName(environment)), request, timeoutMs);
}

namespace {

// The client speaks over a plain socket: QtNetwork (and the dozen libraries it loads) would cost a
// `zarvo --toggle` a millisecond or two before its request leaves.
// Waits until the socket is ready for `events`; false on a timeout.
bool waitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, int(std::min<qint64>(deadline.remainingTime(), INT_MAX)));
        if (r >= 0 || errno != EINTR) return r > 0;
    }
}

class Connection {
public:
    Connection(const QString& path, const QDeadlineTimer& deadline) {
        const QByteArray name = QFile::encodeName(path);
        sockaddr_un address{};
        if (name.isEmpty() || size_t(name.size()) >= sizeof address.sun_path) return;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (m_fd < 0) return;
        // A full backlog (a busy instance) answers EAGAIN: try again until the deadline, as QLocalSocket
        // does.
        while (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired()) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            if (errno == EAGAIN) ::usleep(5000);
        }
    }
    ~Connection() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    int fd() const { return m_fd; }
    bool wait(short events, const QDeadlineTimer& deadline) const { return waitFor(m_fd, events, deadline); }

private:
    int m_fd = -1;
};

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

InstanceReply sendTo(const QString& path, const QJsonObject& request, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    const Connection socket(path, deadline);
    if (socket.fd() < 0) return {};
    const auto peer = peerUser(socket.fd());
    if (!peer || *peer != ::geteuid()) {
        qWarning(
            "Zarvo: the instance socket %s belongs to %s, not to this user; taken as no instance running",
            qPrintable(path), peer ? qPrintable(QStringLiteral("user %1").arg(*peer)) : "an unknown user");
        return {};
    }

    const QByteArray frame = InstanceFrame::encode(request);
    if (frame.isEmpty()) {
        InstanceReply reply;
        reply.status = InstanceReply::Status::failed;
        reply.error = QCoreApplication::translate("InstanceClient", "the request is larger than %1 bytes")
                          .arg(InstanceFrame::maximumSize);
        return reply;
    }
    int sendError = 0;
    for (qsizetype sent = 0; sent < frame.size();) {
        const ssize_t n =
            ::send(socket.fd(), frame.constData() + sent, size_t(frame.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n > 0) {
            sent += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!socket.wait(POLLOUT, deadline)) {
                sendError = ETIMEDOUT;
                break;
            }
        } else {
            sendError = n < 0 ? errno : EPIPE;
            break;
        }
    }
    return finish(socket.fd(), sendError, deadline, timeoutMs);
}

InstanceReply finish(int socket, int sendError, const QDeadlineTimer& deadline, int timeoutMs) {
    InstanceReply reply;
    reply.status = InstanceReply::Status::failed;
    if (sendError == ETIMEDOUT) {
        reply.error = QCoreApplication::translate("InstanceClient", "the request could not be sent in time");
        return reply;
    }
    if (sendError) {
        reply.error = QCoreApplication::translate("InstanceClient", "the connection broke while sending");
        return reply;
    }
    InstanceFrame::Reader reader;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n > 0) {
            reader.append(QByteArray(buffer, qsizetype(n)));
            if (auto message = reader.next()) {
                reply.status = InstanceReply::Status::answered;
                reply.body = *message;
                return reply;
            }
            if (reader.failed()) {
                reply.error = QCoreApplication::translate("InstanceClient", "its answer was unreadable: %1")
                                  .arg(reader.error());
                return reply;
            }
            continue;
        }
        if (n == 0) {
            reply.error =
                QCoreApplication::translate("InstanceClient", "it closed the connection without answering");
            return reply;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            reply.error =
                QCoreApplication::translate("InstanceClient", "the connection broke: %1").arg(systemError());
            return reply;
        }
        if (!waitFor(socket, POLLIN, deadline)) {
            reply.error = QCoreApplication::translate("InstanceClient", "no answer within %1 s")
                              .arg(timeoutMs / 1000.0);
            return reply;
        }
    }
}

} // namespace InstanceClient

} // namespace zarvo::linux_
