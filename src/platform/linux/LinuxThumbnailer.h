#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>

namespace zarvo::linux_ {

// The desktop's thumbnailer (org.freedesktop.thumbnails.Thumbnailer1: tumbler on XFCE, also used by
// GNOME and KDE file managers where installed), asked over the session bus to write thumbnails into
// the freedesktop cache. Started by D-Bus activation; where none is installed, nothing happens.
class LinuxThumbnailer : public QObject {
    Q_OBJECT
public:
    explicit LinuxThumbnailer(QObject* parent = nullptr);
    // Queues `paths` in the "normal" (128 pixel) size; `ready` runs with those done, maybe in parts.
    void request(const QStringList& paths, std::function<void(const QStringList&)> ready);

private slots:
    void onReady(uint handle, const QStringList& uris);
    void onFinished(uint handle);

private:
    bool m_connected = false;
    QHash<uint, std::function<void(const QStringList&)>> m_waiting;
};

} // namespace zarvo::linux_
