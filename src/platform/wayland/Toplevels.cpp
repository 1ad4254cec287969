#include "platform/wayland/Toplevels.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <cstring>
#include <wayland-client.h>

namespace zarvo::wayland {

struct Toplevels::Handle {
    Toplevels* owner = nullptr;
    zwlr_foreign_toplevel_handle_v1* proxy = nullptr;
    QString appId;
    bool activated = false;
    bool wasActivated = false;
};

namespace {

const zwlr_foreign_toplevel_handle_v1_listener kHandleListener = {
    [](void* data, zwlr_foreign_toplevel_handle_v1*, const char*) { Q_UNUSED(data); }, // title
    [](void* data, zwlr_foreign_toplevel_handle_v1*, const char* appId) {
        static_cast<Toplevels::Handle*>(data)->appId = QString::fromUtf8(appId);
    },
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    [](void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {},
    [](void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* handle = static_cast<Toplevels::Handle*>(data);
        handle->activated = false;
        const auto* state = static_cast<const uint32_t*>(states->data);
        for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
            if (state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED) handle->activated = true;
    },
    [](void* data, zwlr_foreign_toplevel_handle_v1*) {
        Toplevels::handleDone(static_cast<Toplevels::Handle*>(data));
    },
    [](void* data, zwlr_foreign_toplevel_handle_v1*) {
        Toplevels::handleClosed(static_cast<Toplevels::Handle*>(data));
    },
    [](void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}, // parent
};

} // namespace

void Toplevels::handleDone(Handle* handle) {
    // Only a change to activated counts: a title change of the front window is no activation.
    const bool becameActive = handle->activated && !handle->wasActivated;
    handle->wasActivated = handle->activated;
    Toplevels* self = handle->owner;
    if (!becameActive || handle->appId.isEmpty() || self->m_ownIds.contains(handle->appId)) return;
    self->m_front = handle;
    if (self->onFront) self->onFront(handle->appId);
}

void Toplevels::handleClosed(Handle* handle) {
    Toplevels* self = handle->owner;
    if (self->m_front == handle) {
        self->m_front = nullptr;
        if (self->onFront) self->onFront(std::nullopt);
    }
    self->m_handles.remove(handle);
    zwlr_foreign_toplevel_handle_v1_destroy(handle->proxy);
    delete handle;
}

bool Toplevels::isManager(const char* interface) {
    return strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0;
}

Toplevels::Toplevels(wl_registry* registry, uint32_t name, uint32_t version, QStringList ownIds)
    : m_ownIds(std::move(ownIds)) {
    m_manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, 3u)));
    static const zwlr_foreign_toplevel_manager_v1_listener listener = {
        [](void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* proxy) {
            auto* handle = new Handle;
            handle->owner = static_cast<Toplevels*>(data);
            handle->proxy = proxy;
            handle->owner->m_handles.insert(handle);
            zwlr_foreign_toplevel_handle_v1_add_listener(proxy, &kHandleListener, handle);
        },
        [](void* data, zwlr_foreign_toplevel_manager_v1* manager) {
            zwlr_foreign_toplevel_manager_v1_destroy(manager);
            static_cast<Toplevels*>(data)->m_manager = nullptr;
        },
    };
    zwlr_foreign_toplevel_manager_v1_add_listener(m_manager, &listener, this);
}

Toplevels::~Toplevels() {
    for (Handle* handle : std::as_const(m_handles)) {
        zwlr_foreign_toplevel_handle_v1_destroy(handle->proxy);
        delete handle;
    }
    if (m_manager) zwlr_foreign_toplevel_manager_v1_destroy(m_manager);
}

} // namespace zarvo::wayland
