#pragma once

#include "platform/linux/LinuxAppearance.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class QDBusMessage;

namespace zarvo::linux_ {

// Tells when the desktop's looks change while we run: light or dark, colours, icon theme. Listens to the
// desktop portal's settings (GNOME, KDE, and any desktop with a portal), KDE's own change notice and its
// kdeglobals file, and Xfce's settings daemon. A burst of changes is told once.
class AppearanceWatch : public QObject {
    Q_OBJECT
public:
    explicit AppearanceWatch(QObject* parent = nullptr);
    // What the notices said so far, for LinuxAppearance to read the rest.
    const LinuxAppearance::Known& known() const { return m_known; }

signals:
    void changed();

private slots:
    void portalSettingChanged(const QDBusMessage& message);
    void kdeSettingsChanged(int type, int argument);
    void xfconfPropertyChanged(const QDBusMessage& message);

private:
    void watchKdeGlobals();

    LinuxAppearance::Known m_known;
    QFileSystemWatcher m_files;
    QTimer m_settle;
};

} // namespace zarvo::linux_
