#include "platform/HotKeyFormat.h"

namespace zarvo::HotKeyFormat {

QString display(quint32 modifiers, const QString& keyLabel) {
    QString out;
    if (modifiers & HotKeyModifier::control) out += QChar(0x2303);
    if (modifiers & HotKeyModifier::option) out += QChar(0x2325);
    if (modifiers & HotKeyModifier::shift) out += QChar(0x21E7);
    if (modifiers & HotKeyModifier::command) out += QChar(0x2318);
    return out + keyLabel;
}

} // namespace zarvo::HotKeyFormat
