#pragma once

#include "platform/HotKeyManager.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace zarvo {

// What the back end reaches on this desktop session, as people are told it.
struct SessionFacts {
    // The desktop and display server: "Wayland (KWin), panel on XWayland", "X11 (XFCE)".
    QString where;
    // How copies made elsewhere are captured: "clipboard through data-control"; empty where the display
    // server's own clipboard is all there is (X11).
    QString clipboard;
    // The other services: "front application through foreign-toplevel", "paste into X windows only".
    QStringList more;
    bool operator==(const SessionFacts&) const = default;
};

// The back end's facts, which change when a service is lost or found again (a compositor restart).
class SessionInfo : public QObject {
    Q_OBJECT
public:
    virtual SessionFacts facts() const = 0;
signals:
    void changed();
};

// One report of what really works here, read by `zarvo --status` and shown by the settings window.
namespace SessionReport {
// How the hot keys reach us: "hot keys through the desktop portal", or per key when they differ
// ("panel key through sway's shortcuts, clipboard key only while an X11 app is in front").
QString hotKeys(const HotKeyManager& keys);
// The whole line: where, hot keys, clipboard and the rest.
QString line(const SessionFacts& facts, const HotKeyManager& keys);
// The settings window's lines under the hot keys: where and how the keys reach us; how copies are
// captured (when that is not simply the display server's clipboard).
QStringList settingsLines(const SessionFacts& facts, const HotKeyManager& keys);
} // namespace SessionReport

} // namespace zarvo
