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

quint32 carbonModifiers(quint64 eventFlags) {
    quint32 mask = 0;
    if (eventFlags & EventFlag::command) mask |= HotKeyModifier::command;
    if (eventFlags & EventFlag::option) mask |= HotKeyModifier::option;
    if (eventFlags & EventFlag::control) mask |= HotKeyModifier::control;
    if (eventFlags & EventFlag::shift) mask |= HotKeyModifier::shift;
    return mask;
}

QString label(int keyCode, const QString& charactersIgnoringModifiers) {
    if (keyCode == 49) return QStringLiteral("Space");
    if (keyCode == 48) return QStringLiteral("\u21E5");
    if (keyCode == 36) return QStringLiteral("\u21A9");
    static constexpr int functionKeys[] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111};
    for (int i = 0; i < 12; ++i)
        if (functionKeys[i] == keyCode) return QStringLiteral("F%1").arg(i + 1);
    if (charactersIgnoringModifiers.isEmpty()) return QStringLiteral("?");
    return charactersIgnoringModifiers.toUpper();
}

} // namespace zarvo::HotKeyFormat
