#include "platform/PlatformWords.h"

#include "platform/HotKeyFormat.h"
#include "platform/Platform.h"

namespace zarvo {

QString PlatformWords::hotKey(quint32 modifiers, const QString& keyLabel) const {
    return HotKeyFormat::display(modifiers, keyLabel);
}

const PlatformWords& PlatformWords::of(const Platform& platform) {
    static const PlatformWords asWritten;
    return platform.words ? *platform.words : asWritten;
}

const PlatformWords& PlatformWords::current() {
    return of(Platform::current());
}

} // namespace zarvo
