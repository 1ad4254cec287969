#pragma once

#include "platform/HotKeys.h"

namespace zarvo::linux_ {

class X11Connection;

// The paste keys posted to the focused window through the XTest extension. X11 asks no permission for it.
class LinuxKeySynth : public KeySynth {
public:
    // `x11` may be null (no X server): nothing can be posted then.
    explicit LinuxKeySynth(X11Connection* x11);
    bool isTrusted(bool prompt) override;
    bool postPaste(PasteKeys keys) override;

private:
    X11Connection* m_x11 = nullptr;
    bool m_hasXTest = false;
};

} // namespace zarvo::linux_
