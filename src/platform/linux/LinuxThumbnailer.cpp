#include "platform/linux/LinuxThumbnailer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMimeDatabase>
#include <QUrl>

namespace zarvo::linux_ {

namespace {
const QString kService = QStringLiteral("org.freedesktop.thumbnails.Thumbnailer1");
const QString kPath = QStringLiteral("/org/freedesktop/thumbnails/Thumbnailer1");
const QString kInterface = QStringLiteral("org.freedesktop.thumbnails.Thumbnailer1");
} // namespace

LinuxThumbnailer::LinuxThumbnailer(QObject* parent) : QObject(parent) {}

void LinuxThumbnailer::request(const QStringList& paths, std::function<void(const QStringList&)> ready) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (paths.isEmpty() || !bus.isConnected()) return;
    if (!m_connected) {
        bus.connect(kService, kPath, kInterface, QStringLiteral("Ready"), this,
                    SLOT(onReady(uint, QStringList)));
        bus.connect(kService, kPath, kInterface, QStringLiteral("Finished"), this, SLOT(onFinished(uint)));
        m_connected = true;
    }
    QStringList uris, types;
    const QMimeDatabase mime;
    for (const QString& path : paths) {
        uris << QString::fromUtf8(QUrl::fromLocalFile(path).toEncoded());
        types << mime.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Queue"));
    call << uris << types << QStringLiteral("normal") << QStringLiteral("default") << 0u;
    // Activation may take a moment: the answer (the request's handle) is awaited without blocking.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, ready = std::move(ready)](QDBusPendingCallWatcher* w) mutable {
                const QDBusPendingReply<uint> reply = *w;
                if (!reply.isError()) m_waiting.insert(reply.value(), ready);
                w->deleteLater();
            });
}

void LinuxThumbnailer::onReady(uint handle, const QStringList& uris) {
    const auto ready = m_waiting.value(handle);
    if (!ready) return;
    QStringList paths;
    for (const QString& uri : uris)
        if (const QUrl url(uri); url.isLocalFile()) paths << url.toLocalFile();
    ready(paths);
}

void LinuxThumbnailer::onFinished(uint handle) {
    m_waiting.remove(handle);
}

} // namespace zarvo::linux_
