#pragma once

#include "platform/DesktopShortcuts.h"

#include <QString>

namespace zarvo::linux_ {

// The desktop's notifications through org.freedesktop.Notifications on the session bus.
class LinuxNotifications : public Notifications {
public:
    // `desktopEntry` names our desktop file (without ".desktop"), so the shell shows our name and icon.
    explicit LinuxNotifications(QString desktopEntry);
    bool notify(const QString& summary, const QString& body) override;

private:
    QString m_desktopEntry;
};

} // namespace zarvo::linux_
