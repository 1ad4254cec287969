#include "platform/wayland/WaylandServices.h"

#include "platform/wayland/DataControl.h"
#include "platform/wayland/VirtualKeys.h"
#include "platform/wayland/WaylandWorker.h"

#include <QPointer>

namespace zarvo::wayland {

std::unique_ptr<WaylandServices> WaylandServices::connect(const QStringList& ownAppIds) {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return nullptr;
    std::unique_ptr<Worker> worker = Worker::open(ownAppIds);
    if (!worker) return nullptr;
    std::unique_ptr<WaylandServices> services(new WaylandServices);
    services->m_session = worker->session();
    QPointer<WaylandServices> self(services.get());
    worker->start([self](const ClipboardRead& read) {
        // Queued to the main thread; dropped there when the services are gone.
        QMetaObject::invokeMethod(
            self.data(),
            [self, read] {
                if (self) self->deliver(read);
            },
            Qt::QueuedConnection);
    });
    services->m_worker = std::move(worker);
    return services;
}

WaylandServices::~WaylandServices() = default;

void WaylandServices::deliver(const ClipboardRead& read) {
    // A copy read while ours was on its way is older than ours: the clipboard is ours now.
    if (read.ownSetsBefore < m_ownSets) return;
    if (onSelection) onSelection(read);
}

void WaylandServices::setReadPolicy(const ReadPolicy& policy) {
    m_worker->setReadPolicy(policy);
}

void WaylandServices::setSelection(const QList<Representation>& representations, bool primary) {
    Worker* worker = m_worker.get();
    if (!primary) ++m_ownSets;
    m_worker->post([worker, representations, primary] {
        if (DataControl* clipboard = worker->clipboard()) clipboard->setSelection(representations, primary);
        if (!primary) worker->countOwnSet();
    });
}

std::optional<QString> WaylandServices::frontAppId() const {
    return m_worker->frontAppId();
}

bool WaylandServices::pressKeys(const QList<uint32_t>& keysyms) {
    if (!canPressKeys()) return false;
    Worker* worker = m_worker.get();
    m_worker->post([worker, keysyms] {
        if (VirtualKeys* keys = worker->keys()) keys->press(keysyms);
    });
    return true;
}

} // namespace zarvo::wayland
