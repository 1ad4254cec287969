#include "platform/linux/InstanceChannel.h"

#include "platform/linux/InstanceFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocalSocket>
#include <QtEndian>
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

InstanceReply sendTo(const QString& path, const QJsonObject& request, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(int(deadline.remainingTime()))) return {};
    const auto peer = peerUser(int(socket.socketDescriptor()));
    if (!peer || *peer != ::geteuid()) {
        qWarning(
            "Zarvo: the instance socket %s belongs to %s, not to this user; taken as no instance running",
            qPrintable(path), peer ? qPrintable(QStringLiteral("user %1").arg(*peer)) : "an unknown user");
        socket.abort();
        return {};
    }

    InstanceReply reply;
    reply.status = InstanceReply::Status::failed;
    const QByteArray frame = InstanceFrame::encode(request);
    if (frame.isEmpty()) {
        reply.error = QCoreApplication::translate("InstanceClient", "the request is larger than %1 bytes")
                          .arg(InstanceFrame::maximumSize);
        return reply;
    }
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime()))) {
            reply.error =
                deadline.hasExpired()
                    ? QCoreApplication::translate("InstanceClient", "the request could not be sent in time")
                    : QCoreApplication::translate("InstanceClient", "the connection broke while sending");
            return reply;
        }
    }

    InstanceFrame::Reader reader;
    for (;;) {
        reader.append(socket.readAll());
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
        if (socket.state() != QLocalSocket::ConnectedState) {
            reply.error =
                QCoreApplication::translate("InstanceClient", "it closed the connection without answering");
            return reply;
        }
        if (deadline.hasExpired()) {
            reply.error = QCoreApplication::translate("InstanceClient", "no answer within %1 s")
                              .arg(timeoutMs / 1000.0);
            return reply;
        }
        // False on a timeout, a closed connection or an error: the checks above tell which.
        if (!socket.waitForReadyRead(int(deadline.remainingTime())) && socket.bytesAvailable() == 0 &&
            socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
            reply.error = QCoreApplication::translate("InstanceClient", "the connection broke: %1")
                              .arg(socket.errorString());
            return reply;
        }
    }
}

} // namespace InstanceClient

} // namespace zarvo::linux_
