#include "platform/wayland/WaylandServices.h"

#include "platform/wayland/DataControl.h"
#include "platform/wayland/WaylandWorker.h"

#include <QPointer>

#include <algorithm>
#include <utility>

namespace zarvo::wayland {

WaylandServices::WaylandServices(const QStringList& ownAppIds) : m_ownAppIds(ownAppIds) {
    m_opener.setMaxThreadCount(1);
    m_retry.setInterval(1000);
    QObject::connect(&m_retry, &QTimer::timeout, this, &WaylandServices::reconnect);
    QObject::connect(&m_socketFolder, &QFileSystemWatcher::directoryChanged, this,
                     &WaylandServices::reconnect);
}

std::unique_ptr<WaylandServices> WaylandServices::connect(const QStringList& ownAppIds) {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return nullptr;
    std::unique_ptr<Worker> worker = Worker::open(ownAppIds);
    if (!worker) return nullptr;
    std::unique_ptr<WaylandServices> services(new WaylandServices(ownAppIds));
    services->run(std::move(worker));
    return services;
}

void WaylandServices::run(std::unique_ptr<Worker> worker) {
    m_session = worker->session();
    worker->setReadPolicy(m_policy);
    QPointer<WaylandServices> self(this);
    // Both queued to the main thread; dropped there when the services are gone.
    worker->start(
        [self](const ClipboardRead& read) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, read] {
                    if (self) self->deliver(read);
                },
                Qt::QueuedConnection);
        },
        [self](const QString& why) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, why] {
                    if (self) self->lost(why);
                },
                Qt::QueuedConnection);
        });
    m_worker = std::move(worker);
    m_ownSets = 0; // counted afresh, as the new worker counts them
    m_connected = true;
    m_upSince.start();
    m_retry.stop();
    if (!m_socketFolder.directories().isEmpty()) m_socketFolder.removePaths(m_socketFolder.directories());
}

WaylandServices::~WaylandServices() {
    m_retry.stop();
    m_opener.waitForDone();
}

void WaylandServices::lost(const QString& why) {
    if (!m_connected) return;
    m_connected = false;
    // Its thread has ended; what it still held goes with it.
    m_worker.reset();
    // A connection the compositor ends at once again (a protocol error of ours) is tried less and less
    // often, and not said again.
    const bool atOnce = m_lostBefore && m_upSince.isValid() && m_upSince.elapsed() < 250;
    m_lostBefore = true;
    m_retry.setInterval(atOnce ? std::min(m_retry.interval() * 2, 30000) : 1000);
    if (!atOnce)
        qWarning("Zarvo: the Wayland connection was lost (%s); clipboard capture stops until the compositor "
                 "is back",
                 qUtf8Printable(why));
    m_saidLoss = !atOnce;
    m_retry.start();
    // The compositor's socket showing up again is the time to try, not the next tick.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && m_socketFolder.directories().isEmpty()) m_socketFolder.addPath(runtime);
    emit connectionChanged();
}

void WaylandServices::reconnect() {
    if (m_connected || m_connecting) return;
    m_connecting = true;
    QPointer<WaylandServices> self(this);
    const QStringList ownAppIds = m_ownAppIds;
    m_opener.start([self, ownAppIds] {
        // Not yet running: dropped unused (with the services gone, or a connection already back).
        auto opened = std::make_shared<std::unique_ptr<Worker>>(Worker::open(ownAppIds));
        QMetaObject::invokeMethod(
            self.data(),
            [self, opened] {
                if (!self) return;
                self->m_connecting = false;
                if (!*opened || self->m_connected) return;
                self->run(std::move(*opened));
                if (std::exchange(self->m_saidLoss, false))
                    qWarning("Zarvo: the Wayland connection is back; clipboard capture goes on");
                emit self->connectionChanged();
            },
            Qt::QueuedConnection);
    });
}

void WaylandServices::deliver(const ClipboardRead& read) {
    // A copy read while ours was on its way is older than ours: the clipboard is ours now.
    if (read.ownSetsBefore < m_ownSets) return;
    if (onSelection) onSelection(read);
}

void WaylandServices::setReadPolicy(const ReadPolicy& policy) {
    m_policy = policy;
    if (m_worker) m_worker->setReadPolicy(policy);
}

void WaylandServices::setSelection(const QList<Representation>& representations, bool primary) {
    Worker* worker = m_worker.get();
    if (!worker) return;
    if (!primary) ++m_ownSets;
    m_worker->post([worker, representations, primary] {
        if (DataControl* clipboard = worker->clipboard()) clipboard->setSelection(representations, primary);
        if (!primary) worker->countOwnSet();
    });
}

std::optional<QString> WaylandServices::frontAppId() const {
    return m_worker ? m_worker->frontAppId() : std::nullopt;
}

bool WaylandServices::pressKeys(const QList<uint32_t>& keysyms) {
    if (!canPressKeys()) return false;
    Worker* worker = m_worker.get();
    m_worker->post([worker, keysyms] { worker->pressKeys(keysyms); });
    return true;
}

} // namespace zarvo::wayland
