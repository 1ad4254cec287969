#include "platform/PlatformWords.h"

#include "platform/HotKeyFormat.h"
#include "platform/Platform.h"

namespace zarvo {

QString PlatformWords::hotKey(quint32 modifiers, const QString& keyLabel) const {
    return HotKeyFormat::display(modifiers, keyLabel);
}

const PlatformWords& PlatformWords::current() {
    static const PlatformWords asWritten;
    const PlatformWords* words = Platform::current().words;
    return words ? *words : asWritten;
}

} // namespace zarvo
