#pragma once

#include "platform/wayland/ClipboardTypes.h"

namespace zarvo::wayland {

// Reads one offer through pipes: for each wanted type `receive` hands the write end of a fresh pipe
// to the owner (and flushes), then the bytes are read until the owner closes it, each type and all
// together bounded in size, the whole read in time. A slow, huge or broken owner costs this read only.
ClipboardRead readOffer(const QStringList& offered,
                        const std::function<void(const QByteArray& mime, int fd)>& receive,
                        const ReadPolicy& policy);

} // namespace zarvo::wayland
