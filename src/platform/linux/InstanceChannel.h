#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// The messages on the instance socket: each a JSON object, sent as a 4-byte big-endian length and that
// many bytes of compact UTF-8 JSON.
namespace InstanceFrame {

// Bytes of one message body at most: room for a copy of 50,000,000 bytes in base64 and its arguments.
inline constexpr qint64 maximumSize = 64 * 1024 * 1024;

// The frame of one message; empty when the message is larger than `maximumSize`.
QByteArray encode(const QJsonObject& message);

// Decodes frames from a byte stream as it arrives. A malformed or oversized frame ends the stream:
// no more messages come out, and later bytes are dropped unread.
class Reader {
public:
    void append(const QByteArray& bytes);
    // The next complete message; none when more bytes are needed or the stream has failed.
    std::optional<QJsonObject> next();
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    // Bytes received and not yet decoded.
    qint64 pending() const { return m_buffer.size() - m_offset; }

private:
    std::nullopt_t fail(const QString& error);

    QByteArray m_buffer;
    qsizetype m_offset = 0;
    QString m_error;
};

} // namespace InstanceFrame

// The outcome of one request to the running instance.
struct InstanceReply {
    // noInstance: nothing of this user listens (or only another user's socket does).
    // failed: an instance of ours is there but the exchange broke or timed out.
    enum class Status { noInstance, answered, failed };
    Status status = Status::noInstance;
    QJsonObject body;
    QString error;
};

namespace InstanceClient {

// Sends one request to this user's running instance and waits for its one reply.
InstanceReply send(const Environment& environment, const QJsonObject& request, int timeoutMs = 5000);
// The same to the socket at `path` (a server of another user there counts as no instance).
InstanceReply sendTo(const QString& path, const QJsonObject& request, int timeoutMs = 5000);
// Finishes a request another sender put on `socket`: `sendError` is 0 when it went out whole, ETIMEDOUT
// when it could not in time, or the errno it broke with; then reads the one reply until `deadline`.
InstanceReply finish(int socket, int sendError, const QDeadlineTimer& deadline, int timeoutMs);

} // namespace InstanceClient

} // namespace zarvo::linux_
