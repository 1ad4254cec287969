#pragma once

#include "platform/HotKeyManager.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo {

class DesktopShortcuts;

// What we tell a person about a hot key that does not reach us, and the ways out: another key in our
// settings, or a binding of our command in the desktop's own shortcuts. Key names come spelled for the
// desktop ("Super+R"); `place` is where the desktop binds keys ("Settings › Keyboard").
namespace HotKeyAdvice {

// The command a desktop shortcut runs for the slot: "zarvo --toggle", "zarvo --clipboard".
QString command(HotKeyManager::Slot slot, const QString& program = QStringLiteral("zarvo"));

// Why the key does not open Zarvo and the two ways out; none when the key works or nothing can be had.
std::optional<QString> conflict(const HotKeyManager::Status& status, const QString& keyName,
                                const QString& place);

// The title of that notice: "Super+R is used by Xfce", "Super+R works only in X11 apps".
QString conflictTitle(const HotKeyManager::Status& status, const QString& keyName);

// Whether the desktop can be asked to run our command on the key: it holds the key, or (Wayland) our
// grab sees it only from X windows, and it takes bindings of ours.
bool canBindThroughDesktop(const HotKeyManager::Status& status, const DesktopShortcuts* desktop);
// The desktop that would hold the binding: the holder, else the running desktop.
QString bindingDesktop(const HotKeyManager::Status& status, const DesktopShortcuts* desktop);
// The button that binds the key through the desktop, when it can be offered. "Let Xfce Open Zarvo with
// Super+R…"
std::optional<QString> bindOffer(const HotKeyManager::Status& status, const DesktopShortcuts* desktop,
                                 const QString& keyName);
// The question asked before anything of the desktop's is written; `note` (the desktop's word on the
// key) ends it when there is one.
QString bindQuestion(const QString& desktop, const QString& keyName, const QString& command,
                     const QString& place, const QString& note = {});

// The lines to add to the desktop's configuration file for the keys that do not reach us (sway's
// `bindsym …`), where the desktop binds keys that way; empty otherwise.
QStringList configLines(const HotKeyManager& keys, const QString& program);

// The notice that Zarvo went to the background, for desktops without a status area.
QString backgroundNotice(bool keyWorks, const QString& keyName, const QString& place);

} // namespace HotKeyAdvice

} // namespace zarvo
