#pragma once

#include "platform/HotKeys.h"

#include <functional>

namespace zarvo::wayland {
class WaylandServices;
}

namespace zarvo::linux_ {

class X11Connection;

// The paste keys posted to the focused window: through the XTest extension to an X window (X11 asks
// no permission for it); in a Wayland session to a Wayland window through the compositor's virtual
// keyboard where it has one (wlroots), else not at all.
class LinuxKeySynth : public KeySynth {
public:
    // `x11` may be null (no X server): nothing can be posted then.
    explicit LinuxKeySynth(X11Connection* x11);
    // In a Wayland session: `x11InFront` tells whether the window in front is an X one.
    void setWayland(wayland::WaylandServices* services, std::function<bool()> x11InFront);
    bool isTrusted(bool prompt) override;
    bool postPaste(PasteKeys keys) override;

private:
    bool postX11(PasteKeys keys);

    X11Connection* m_x11 = nullptr;
    bool m_hasXTest = false;
    wayland::WaylandServices* m_wayland = nullptr;
    std::function<bool()> m_x11InFront;
};

} // namespace zarvo::linux_
