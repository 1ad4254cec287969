#include "platform/HotKeyFormat.h"

#include <QCoreApplication>

namespace zarvo::HotKeyFormat {

QString display(quint32 modifiers, const QString& keyLabel) {
    QString out;
    if (modifiers & HotKeyModifier::control) out += QChar(0x2303);
    if (modifiers & HotKeyModifier::option) out += QChar(0x2325);
    if (modifiers & HotKeyModifier::shift) out += QChar(0x21E7);
    if (modifiers & HotKeyModifier::command) out += QChar(0x2318);
    return out + keyLabel;
}

QString keyName(KeyName key) {
    switch (key) {
    case KeyName::ctrl:
        //: The Control key in a combination such as Ctrl+K, as GNOME and KDE name it.
        return QCoreApplication::translate("HotKeyFormat", "Ctrl", "key name");
    case KeyName::alt:
        //: The Alt key in a combination such as Alt+F4.
        return QCoreApplication::translate("HotKeyFormat", "Alt", "key name");
    case KeyName::shift:
        //: The Shift key in a combination such as Shift+Super+V.
        return QCoreApplication::translate("HotKeyFormat", "Shift", "key name");
    case KeyName::super:
        //: The Super (Windows) key in a combination such as Super+R.
        return QCoreApplication::translate("HotKeyFormat", "Super", "key name");
    case KeyName::space:
        //: The space bar in a combination such as Ctrl+Space.
        return QCoreApplication::translate("HotKeyFormat", "Space", "key name");
    }
    return {};
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
