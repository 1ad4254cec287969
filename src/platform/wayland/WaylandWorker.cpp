#include "platform/wayland/WaylandWorker.h"

#include "platform/wayland/DataControl.h"
#include "platform/wayland/FakeInputKeys.h"
#include "platform/wayland/OfferReader.h"
#include "platform/wayland/PlasmaWindows.h"
#include "platform/wayland/Toplevels.h"
#include "platform/wayland/VirtualKeys.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <wayland-client.h>

namespace zarvo::wayland {

namespace {

const wl_registry_listener kRegistryListener = {
    [](void* data, wl_registry*, uint32_t name, const char* interface, uint32_t version) {
        static_cast<QList<Worker::Global>*>(data)->append({name, QByteArray(interface), version});
    },
    [](void*, wl_registry*, uint32_t) {},
};

// The seat keyboard's keymap, which our virtual keyboard copies.
const wl_keyboard_listener kKeyboardListener = {
    [](void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        auto* keymap = static_cast<QByteArray*>(data);
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0) {
            void* mapped = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped != MAP_FAILED) {
                *keymap = QByteArray(static_cast<const char*>(mapped), qsizetype(size));
                munmap(mapped, size);
            }
        }
        ::close(fd);
    },
    [](void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {},
    [](void*, wl_keyboard*, uint32_t, wl_surface*) {},
    [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void*, wl_keyboard*, int32_t, int32_t) {},
};

} // namespace

std::unique_ptr<Worker> Worker::open(const QStringList& ownAppIds) {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return nullptr;
    std::unique_ptr<Worker> worker(new Worker);
    worker->m_display = display;
    worker->m_ownAppIds = ownAppIds;
    worker->m_session.compositor = WaylandSession::compositorOfSocket(wl_display_get_fd(display));

    worker->m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(worker->m_registry, &kRegistryListener, &worker->m_globals);
    if (wl_display_roundtrip(display) < 0) return nullptr;
    for (const Global& global : std::as_const(worker->m_globals))
        if (global.interface == "wl_seat" && !worker->m_seat)
            worker->m_seat = static_cast<wl_seat*>(wl_registry_bind(
                worker->m_registry, global.name, &wl_seat_interface, std::min(global.version, 4u)));
    if (worker->m_seat) {
        static const wl_seat_listener seatListener = {
            [](void* data, wl_seat* seat, uint32_t capabilities) {
                auto* self = static_cast<Worker*>(data);
                if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !self->m_keyboard) {
                    self->m_keyboard = wl_seat_get_keyboard(seat);
                    wl_keyboard_add_listener(self->m_keyboard, &kKeyboardListener, &self->m_seatKeymap);
                }
            },
            [](void*, wl_seat*, const char*) {},
        };
        wl_seat_add_listener(worker->m_seat, &seatListener, worker.get());
        // The seat's capabilities, then the keyboard's keymap.
        if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0) return nullptr;
    }
    // What the compositor offers, as the session is described; bound once the worker runs.
    QByteArray dataControl;
    for (const Global& global : std::as_const(worker->m_globals)) {
        if (DataControl::isManager(global.interface.constData()) && worker->m_seat &&
            (dataControl.isEmpty() || global.interface.startsWith("ext_")))
            dataControl = global.interface;
        if (Toplevels::isManager(global.interface.constData())) worker->m_session.foreignToplevels = true;
        if (VirtualKeys::isManager(global.interface.constData()) && worker->m_seat)
            worker->m_session.virtualKeyboard = true;
        // Both listed by KWin only to us when our desktop entry names them.
        if (PlasmaWindows::isManager(global.interface.constData(), global.version))
            worker->m_session.plasmaWindows = true;
        if (FakeInputKeys::isManager(global.interface.constData(), global.version))
            worker->m_session.fakeInput = true;
    }
    // Keys are pressed only into a window the compositor names: its application decides which keys
    // paste (a terminal's differ). Where none is named (mutter, KWin without its window list), pasting
    // is left to the user.
    WaylandSession& session = worker->m_session;
    const bool named = session.foreignToplevels || session.plasmaWindows;
    session.virtualKeyboard = session.virtualKeyboard && named;
    session.fakeInput = session.fakeInput && named && !session.virtualKeyboard;
    if (dataControl.startsWith("ext_"))
        worker->m_session.dataControl = QStringLiteral("ext-data-control-v1");
    else if (!dataControl.isEmpty())
        worker->m_session.dataControl = QStringLiteral("wlr-data-control-unstable-v1");
    worker->m_wake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (worker->m_wake < 0) return nullptr;
    // The selection the compositor announces first is what was there before us, not a new copy: it
    // arrives now, while nothing else can, and is read once the worker runs.
    worker->bindServices();
    if (wl_display_roundtrip(display) < 0) return nullptr;
    return worker;
}

Worker::~Worker() {
    if (m_thread.joinable()) {
        {
            QMutexLocker locker(&m_lock);
            m_stop = true;
        }
        const uint64_t one = 1;
        [[maybe_unused]] const auto ignored = ::write(m_wake, &one, sizeof one);
        m_thread.join();
    }
    m_clipboard.reset();
    m_toplevels.reset();
    m_plasmaWindows.reset();
    m_keys.reset();
    m_fakeKeys.reset();
    if (m_keyboard) wl_keyboard_destroy(m_keyboard);
    if (m_seat) wl_seat_destroy(m_seat);
    if (m_registry) wl_registry_destroy(m_registry);
    if (m_display) wl_display_disconnect(m_display);
    if (m_wake >= 0) ::close(m_wake);
}

void Worker::start(std::function<void(const ClipboardRead&)> deliver,
                   std::function<void(const QString&)> lost) {
    m_deliver = std::move(deliver);
    m_lost = std::move(lost);
    m_thread = std::thread([this] { run(); });
}

void Worker::post(std::function<void()> task) {
    {
        QMutexLocker locker(&m_lock);
        m_tasks.push_back(std::move(task));
    }
    const uint64_t one = 1;
    [[maybe_unused]] const auto ignored = ::write(m_wake, &one, sizeof one);
}

void Worker::setReadPolicy(const ReadPolicy& policy) {
    QMutexLocker locker(&m_lock);
    m_policy = policy;
}

std::optional<QString> Worker::frontAppId() const {
    QMutexLocker locker(&m_lock);
    return m_frontAppId;
}

void Worker::bindServices() {
    for (const Global& global : std::as_const(m_globals)) {
        const char* interface = global.interface.constData();
        const bool wanted = (m_session.dataControl == QLatin1String("ext-data-control-v1"))
                                ? global.interface.startsWith("ext_")
                                : global.interface.startsWith("zwlr_");
        if (!m_clipboard && m_seat && DataControl::isManager(interface) && wanted) {
            m_clipboard =
                DataControl::bind(m_display, m_registry, global.name, interface, global.version, m_seat);
            m_clipboard->onSelection = [this](const QStringList& offered, bool own,
                                              const std::function<void(const QByteArray&, int)>& receive) {
                if (own) return;
                if (!m_thread.joinable()) {
                    m_initial = [this, offered, receive] { readSelection(offered, receive); };
                    return;
                }
                readSelection(offered, receive);
            };
        }
        if (!m_toplevels && Toplevels::isManager(interface)) {
            m_toplevels = std::make_unique<Toplevels>(m_registry, global.name, global.version, m_ownAppIds);
            m_toplevels->onFront = [this](const std::optional<QString>& appId) { setFront(appId); };
        }
        if (!m_plasmaWindows && !m_session.foreignToplevels &&
            PlasmaWindows::isManager(interface, global.version)) {
            m_plasmaWindows =
                std::make_unique<PlasmaWindows>(m_registry, global.name, global.version, m_ownAppIds);
            m_plasmaWindows->onFront = [this](const std::optional<QString>& appId) { setFront(appId); };
        }
        if (!m_keys && m_session.virtualKeyboard && VirtualKeys::isManager(interface))
            m_keys = std::make_unique<VirtualKeys>(m_display, m_registry, global.name, m_seat);
        if (!m_fakeKeys && m_session.fakeInput && FakeInputKeys::isManager(interface, global.version))
            m_fakeKeys = std::make_unique<FakeInputKeys>(m_display, m_registry, global.name, global.version);
    }
    if (m_keys) m_keys->setSeatKeymap(m_seatKeymap);
    if (m_fakeKeys) m_fakeKeys->setSeatKeymap(m_seatKeymap);
}

void Worker::setFront(const std::optional<QString>& appId) {
    QMutexLocker locker(&m_lock);
    m_frontAppId = appId;
}

bool Worker::pressKeys(const QList<uint32_t>& keysyms) {
    if (m_keys) return m_keys->press(keysyms);
    return m_fakeKeys && m_fakeKeys->press(keysyms);
}

void Worker::readSelection(const QStringList& offered,
                           const std::function<void(const QByteArray&, int)>& receive) {
    ReadPolicy policy;
    {
        QMutexLocker locker(&m_lock);
        policy = m_policy;
    }
    const quint64 ownSetsBefore = m_ownSets;
    ClipboardRead read = readOffer(offered, receive, policy);
    read.ownSetsBefore = ownSetsBefore;
    read.initial = !m_sawSelection;
    if (m_deliver) m_deliver(read);
}

void Worker::run() {
    if (m_initial) std::exchange(m_initial, nullptr)();
    m_sawSelection = true;
    if (!turn() && m_lost) m_lost(failure());
}

QString Worker::failure() const {
    const int error = wl_display_get_error(m_display);
    if (error != EPROTO) return QString::fromLocal8Bit(std::strerror(error ? error : EPIPE));
    const wl_interface* interface = nullptr;
    uint32_t id = 0;
    const uint32_t code = wl_display_get_protocol_error(m_display, &interface, &id);
    return QStringLiteral("protocol error %1 on %2")
        .arg(code)
        .arg(QLatin1String(interface ? interface->name : "?"));
}

bool Worker::turn() {
    const int fd = wl_display_get_fd(m_display);
    for (;;) {
        while (wl_display_prepare_read(m_display) != 0)
            if (wl_display_dispatch_pending(m_display) < 0) return false;
        // A compositor gone mid-write shows as a failed flush; the read below then tells.
        wl_display_flush(m_display);
        pollfd waits[2] = {{fd, POLLIN, 0}, {m_wake, POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            wl_display_cancel_read(m_display);
            if (errno == EINTR) continue;
            return false;
        }
        if (waits[0].revents & (POLLIN | POLLERR | POLLHUP)) {
            if (wl_display_read_events(m_display) < 0) return false; // the compositor went away
        } else {
            wl_display_cancel_read(m_display);
        }
        if (wl_display_dispatch_pending(m_display) < 0) return false;
        if (waits[0].revents & (POLLERR | POLLHUP)) return false;
        if (waits[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const auto ignored = ::read(m_wake, &count, sizeof count);
            std::deque<std::function<void()>> tasks;
            {
                QMutexLocker locker(&m_lock);
                if (m_stop) return true;
                tasks.swap(m_tasks);
            }
            for (auto& task : tasks)
                task();
            if (wl_display_get_error(m_display) != 0) return false;
        }
    }
}

} // namespace zarvo::wayland
