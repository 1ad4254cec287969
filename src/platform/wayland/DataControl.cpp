#include "platform/wayland/DataControl.h"

#include "ext-data-control-v1-client-protocol.h"
#include "wlr-data-control-unstable-v1-client-protocol.h"

#include <QString>

#include <csignal>
#include <cstring>
#include <pthread.h>
#include <thread>
#include <unistd.h>
#include <wayland-client.h>

namespace zarvo::wayland {

namespace {

// The calls of one protocol; the two protocols have the same shape.
struct ExtApi {
    using Manager = ext_data_control_manager_v1;
    using Device = ext_data_control_device_v1;
    using Source = ext_data_control_source_v1;
    using Offer = ext_data_control_offer_v1;
    using DeviceListener = ext_data_control_device_v1_listener;
    using SourceListener = ext_data_control_source_v1_listener;
    using OfferListener = ext_data_control_offer_v1_listener;
    static const wl_interface* managerInterface() { return &ext_data_control_manager_v1_interface; }
    static constexpr uint32_t maxVersion = 1;
    static constexpr bool primaryFromStart = true;
    static Device* device(Manager* m, wl_seat* s) {
        return ext_data_control_manager_v1_get_data_device(m, s);
    }
    static Source* source(Manager* m) { return ext_data_control_manager_v1_create_data_source(m); }
    static void offer(Source* s, const char* mime) { ext_data_control_source_v1_offer(s, mime); }
    static void setSelection(Device* d, Source* s) { ext_data_control_device_v1_set_selection(d, s); }
    static void setPrimary(Device* d, Source* s) { ext_data_control_device_v1_set_primary_selection(d, s); }
    static void receive(Offer* o, const char* mime, int fd) {
        ext_data_control_offer_v1_receive(o, mime, fd);
    }
    static void destroy(Offer* o) { ext_data_control_offer_v1_destroy(o); }
    static void destroy(Source* s) { ext_data_control_source_v1_destroy(s); }
    static void destroy(Device* d) { ext_data_control_device_v1_destroy(d); }
    static void destroy(Manager* m) { ext_data_control_manager_v1_destroy(m); }
    static int listen(Device* d, const DeviceListener* l, void* data) {
        return ext_data_control_device_v1_add_listener(d, l, data);
    }
    static int listen(Source* s, const SourceListener* l, void* data) {
        return ext_data_control_source_v1_add_listener(s, l, data);
    }
    static int listen(Offer* o, const OfferListener* l, void* data) {
        return ext_data_control_offer_v1_add_listener(o, l, data);
    }
};

struct WlrApi {
    using Manager = zwlr_data_control_manager_v1;
    using Device = zwlr_data_control_device_v1;
    using Source = zwlr_data_control_source_v1;
    using Offer = zwlr_data_control_offer_v1;
    using DeviceListener = zwlr_data_control_device_v1_listener;
    using SourceListener = zwlr_data_control_source_v1_listener;
    using OfferListener = zwlr_data_control_offer_v1_listener;
    static const wl_interface* managerInterface() { return &zwlr_data_control_manager_v1_interface; }
    static constexpr uint32_t maxVersion = 2;
    static constexpr bool primaryFromStart = false;
    static Device* device(Manager* m, wl_seat* s) {
        return zwlr_data_control_manager_v1_get_data_device(m, s);
    }
    static Source* source(Manager* m) { return zwlr_data_control_manager_v1_create_data_source(m); }
    static void offer(Source* s, const char* mime) { zwlr_data_control_source_v1_offer(s, mime); }
    static void setSelection(Device* d, Source* s) { zwlr_data_control_device_v1_set_selection(d, s); }
    static void setPrimary(Device* d, Source* s) { zwlr_data_control_device_v1_set_primary_selection(d, s); }
    static void receive(Offer* o, const char* mime, int fd) {
        zwlr_data_control_offer_v1_receive(o, mime, fd);
    }
    static void destroy(Offer* o) { zwlr_data_control_offer_v1_destroy(o); }
    static void destroy(Source* s) { zwlr_data_control_source_v1_destroy(s); }
    static void destroy(Device* d) { zwlr_data_control_device_v1_destroy(d); }
    static void destroy(Manager* m) { zwlr_data_control_manager_v1_destroy(m); }
    static int listen(Device* d, const DeviceListener* l, void* data) {
        return zwlr_data_control_device_v1_add_listener(d, l, data);
    }
    static int listen(Source* s, const SourceListener* l, void* data) {
        return zwlr_data_control_source_v1_add_listener(s, l, data);
    }
    static int listen(Offer* o, const OfferListener* l, void* data) {
        return zwlr_data_control_offer_v1_add_listener(o, l, data);
    }
};

// Writes a representation to a reader on a thread of its own, so a reader that is slow to drain its
// pipe never holds up the connection. A reader that goes away mid-write is no signal for the process.
void serve(int fd, QByteArray bytes) {
    std::thread([fd, bytes = std::move(bytes)] {
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
        const char* at = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, at, size_t(left));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) break;
            at += written;
            left -= written;
        }
        ::close(fd);
    }).detach();
}

template <typename Api> class Control : public DataControl {
public:
    Control(wl_display* display, typename Api::Manager* manager, uint32_t version, wl_seat* seat)
        : m_display(display), m_manager(manager), m_version(version) {
        m_device = Api::device(manager, seat);
        Api::listen(m_device, &deviceListener, this);
    }
    ~Control() override {
        for (auto& [source, kept] : m_sources) {
            Api::destroy(source);
            delete kept;
        }
        dropOffer(m_selection);
        if (m_device) Api::destroy(m_device);
        Api::destroy(m_manager);
    }

    void setSelection(const QList<Representation>& representations, bool primary) override {
        if (!m_device || (primary && !Api::primaryFromStart && m_version < 2)) return;
        typename Api::Source* source = Api::source(m_manager);
        auto* kept = new Kept{this, representations};
        kept->representations.append(Representation{ownerMarker, QByteArray::number(qint64(::getpid()))});
        Api::listen(source, &sourceListener, kept);
        for (const auto& one : std::as_const(kept->representations))
            Api::offer(source, one.mime.constData());
        if (primary)
            Api::setPrimary(m_device, source);
        else
            Api::setSelection(m_device, source);
        m_sources.push_back({source, kept});
        wl_display_flush(m_display);
    }

private:
    using Offer = typename Api::Offer;
    using Source = typename Api::Source;
    // What one source of ours offers, served until the compositor cancels it.
    struct Kept {
        Control* owner;
        QList<Representation> representations;
    };

    static QStringList* typesOf(Offer* offer) {
        return static_cast<QStringList*>(wl_proxy_get_user_data(reinterpret_cast<wl_proxy*>(offer)));
    }
    static void dropOffer(Offer*& offer) {
        if (!offer) return;
        delete typesOf(offer);
        Api::destroy(offer);
        offer = nullptr;
    }
    void dropSource(Source* source) {
        for (auto it = m_sources.begin(); it != m_sources.end(); ++it)
            if (it->first == source) {
                delete it->second;
                m_sources.erase(it);
                break;
            }
        Api::destroy(source);
    }

    static void onDataOffer(void*, typename Api::Device*, Offer* offer) {
        static const typename Api::OfferListener listener = {[](void* data, Offer*, const char* mime) {
            static_cast<QStringList*>(data)->append(QString::fromUtf8(mime));
        }};
        auto* types = new QStringList;
        Api::listen(offer, &listener, types);
    }
    static void handleSelection(void* data, typename Api::Device*, Offer* offer) {
        auto* self = static_cast<Control*>(data);
        dropOffer(self->m_selection);
        self->m_selection = offer;
        const QStringList offered = offer ? *typesOf(offer) : QStringList();
        const bool own = offered.contains(QLatin1String(ownerMarker)) && !self->m_sources.empty();
        if (!self->onSelection) return;
        self->onSelection(offered, own, [self, offer](const QByteArray& mime, int fd) {
            Api::receive(offer, mime.constData(), fd);
            wl_display_flush(self->m_display);
        });
    }
    static void onPrimary(void*, typename Api::Device*, Offer* offer) {
        // The history follows the clipboard only.
        dropOffer(offer);
    }
    static void onFinished(void* data, typename Api::Device*) {
        auto* self = static_cast<Control*>(data);
        dropOffer(self->m_selection);
        Api::destroy(self->m_device);
        self->m_device = nullptr;
    }
    static void onSend(void* data, Source*, const char* mime, int32_t fd) {
        for (const auto& one : static_cast<Kept*>(data)->representations)
            if (one.mime == mime) {
                serve(fd, one.bytes);
                return;
            }
        ::close(fd);
    }
    static void onCancelled(void* data, Source* source) {
        static_cast<Kept*>(data)->owner->dropSource(source);
    }

    static constexpr typename Api::DeviceListener deviceListener = {&onDataOffer, &handleSelection,
                                                                    &onFinished, &onPrimary};
    static constexpr typename Api::SourceListener sourceListener = {&onSend, &onCancelled};

    wl_display* m_display;
    typename Api::Manager* m_manager;
    uint32_t m_version;
    typename Api::Device* m_device = nullptr;
    Offer* m_selection = nullptr;
    std::vector<std::pair<Source*, Kept*>> m_sources;
};

} // namespace

bool DataControl::isManager(const char* interface) {
    return strcmp(interface, ext_data_control_manager_v1_interface.name) == 0 ||
           strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0;
}

std::unique_ptr<DataControl> DataControl::bind(wl_display* display, wl_registry* registry, uint32_t name,
                                               const char* interface, uint32_t version, wl_seat* seat) {
    if (strcmp(interface, ext_data_control_manager_v1_interface.name) == 0) {
        const uint32_t use = std::min(version, ExtApi::maxVersion);
        auto* manager =
            static_cast<ExtApi::Manager*>(wl_registry_bind(registry, name, ExtApi::managerInterface(), use));
        return std::make_unique<Control<ExtApi>>(display, manager, use, seat);
    }
    if (strcmp(interface, zwlr_data_control_manager_v1_interface.name) == 0) {
        const uint32_t use = std::min(version, WlrApi::maxVersion);
        auto* manager =
            static_cast<WlrApi::Manager*>(wl_registry_bind(registry, name, WlrApi::managerInterface(), use));
        return std::make_unique<Control<WlrApi>>(display, manager, use, seat);
    }
    return nullptr;
}

} // namespace zarvo::wayland
