#pragma once

#include "platform/wayland/ClipboardTypes.h"

#include <cstdint>
#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;

namespace zarvo::wayland {

// The clipboard-manager side of a seat's clipboard, over ext-data-control-v1 or its wlroots
// predecessor (the two differ only in names). Lives on the Wayland worker thread: every call and every
// callback happens there.
class DataControl {
public:
    virtual ~DataControl() = default;

    // The type that marks a selection of ours, so its announcement is not taken for a new copy.
    static constexpr const char* ownerMarker = "application/x-zarvo-owner";

    // A new clipboard selection was announced: its types (empty: none) and a way to ask its owner for
    // one type through a pipe's write end. `own`: the selection is the one we set.
    std::function<void(const QStringList& offered, bool own,
                       const std::function<void(const QByteArray& mime, int fd)>& receive)>
        onSelection;

    // Makes these representations the clipboard (or the primary selection), served by us until
    // another client takes it.
    virtual void setSelection(const QList<Representation>& representations, bool primary) = 0;

    // Binds the manager global `name` (one of the two interfaces) and watches `seat`'s clipboard.
    static std::unique_ptr<DataControl> bind(wl_display* display, wl_registry* registry, uint32_t name,
                                             const char* interface, uint32_t version, wl_seat* seat);
    static bool isManager(const char* interface);
};

} // namespace zarvo::wayland
