#include "platform/wayland/PlasmaWindows.h"

#include "plasma-window-management-client-protocol.h"

#include <cstring>
#include <wayland-client.h>

namespace zarvo::wayland {

struct PlasmaWindows::Window {
    PlasmaWindows* owner = nullptr;
    org_kde_plasma_window* proxy = nullptr;
    QString appId;
    QString resourceName;
    bool active = false;
    bool told = false; // its activation was told
};

namespace {

using Window = PlasmaWindows::Window;
Window* windowOf(void* data) {
    return static_cast<Window*>(data);
}

const org_kde_plasma_window_listener kWindowListener = {
    [](void*, org_kde_plasma_window*, const char*) {}, // title
    [](void* data, org_kde_plasma_window*, const char* appId) {
        windowOf(data)->appId = QString::fromUtf8(appId);
        PlasmaWindows::changed(windowOf(data));
    },
    [](void* data, org_kde_plasma_window*, uint32_t flags) {
        windowOf(data)->active = flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE;
        PlasmaWindows::changed(windowOf(data));
    },
    [](void*, org_kde_plasma_window*, int32_t) {},
    [](void*, org_kde_plasma_window*, const char*) {},
    [](void* data, org_kde_plasma_window*) { PlasmaWindows::unmapped(windowOf(data)); },
    [](void*, org_kde_plasma_window*) {}, // initial state
    [](void*, org_kde_plasma_window*, org_kde_plasma_window*) {},
    [](void*, org_kde_plasma_window*, int32_t, int32_t, uint32_t, uint32_t) {},
    [](void*, org_kde_plasma_window*) {},
    [](void*, org_kde_plasma_window*, uint32_t) {},
    [](void*, org_kde_plasma_window*, const char*) {},
    [](void*, org_kde_plasma_window*, const char*) {},
    [](void*, org_kde_plasma_window*, const char*, const char*) {},
    [](void*, org_kde_plasma_window*, const char*) {},
    [](void*, org_kde_plasma_window*, const char*) {},
    [](void* data, org_kde_plasma_window*, const char* name) {
        windowOf(data)->resourceName = QString::fromUtf8(name);
    },
    [](void*, org_kde_plasma_window*, int32_t, int32_t, uint32_t, uint32_t) {},
};

const org_kde_plasma_window_management_listener kManagerListener = {
    [](void*, org_kde_plasma_window_management*, uint32_t) {},
    [](void*, org_kde_plasma_window_management*, uint32_t) {}, // by number: the uuid event follows
    [](void*, org_kde_plasma_window_management*, wl_array*) {},
    [](void*, org_kde_plasma_window_management*, const char*) {},
    [](void* data, org_kde_plasma_window_management*, uint32_t, const char* uuid) {
        static_cast<PlasmaWindows*>(data)->add(uuid);
    },
    [](void*, org_kde_plasma_window_management*) {},
};

constexpr uint32_t kVersion = 18;

} // namespace

bool PlasmaWindows::isManager(const char* interface, uint32_t version) {
    // Windows by uuid came with version 13.
    return strcmp(interface, org_kde_plasma_window_management_interface.name) == 0 && version >= 13;
}

PlasmaWindows::PlasmaWindows(wl_registry* registry, uint32_t name, uint32_t version, QStringList ownIds)
    : m_ownIds(std::move(ownIds)) {
    m_manager = static_cast<org_kde_plasma_window_management*>(wl_registry_bind(
        registry, name, &org_kde_plasma_window_management_interface, std::min(version, kVersion)));
    org_kde_plasma_window_management_add_listener(m_manager, &kManagerListener, this);
}

PlasmaWindows::~PlasmaWindows() {
    for (Window* window : std::as_const(m_windows)) {
        org_kde_plasma_window_destroy(window->proxy);
        delete window;
    }
    if (m_manager) org_kde_plasma_window_management_destroy(m_manager);
}

void PlasmaWindows::add(const char* uuid) {
    auto* window = new Window;
    window->owner = this;
    window->proxy = org_kde_plasma_window_management_get_window_by_uuid(m_manager, uuid);
    m_windows.insert(window);
    org_kde_plasma_window_add_listener(window->proxy, &kWindowListener, window);
}

void PlasmaWindows::changed(Window* window) {
    PlasmaWindows* self = window->owner;
    if (!window->active) {
        window->told = false;
        return;
    }
    // Told once per activation, when its id is known; our own (XWayland) panel never counts.
    if (window->told || window->appId.isEmpty()) return;
    window->told = true;
    if (self->m_ownIds.contains(window->appId) || self->m_ownIds.contains(window->resourceName)) return;
    self->m_front = window;
    if (self->onFront) self->onFront(window->appId);
}

void PlasmaWindows::unmapped(Window* window) {
    PlasmaWindows* self = window->owner;
    if (self->m_front == window) {
        self->m_front = nullptr;
        if (self->onFront) self->onFront(std::nullopt);
    }
    self->m_windows.remove(window);
    org_kde_plasma_window_destroy(window->proxy);
    delete window;
}

} // namespace zarvo::wayland
