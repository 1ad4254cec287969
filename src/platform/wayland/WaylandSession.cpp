#include "platform/wayland/WaylandSession.h"

#include <QFile>
#include <QHash>

#include <sys/socket.h>

namespace zarvo::wayland {

QString WaylandSession::compositorOfSocket(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (fd < 0 || getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.pid <= 0) return {};
    QFile comm(QStringLiteral("/proc/%1/comm").arg(peer.pid));
    if (!comm.open(QIODevice::ReadOnly)) return {};
    return displayName(QString::fromUtf8(comm.readAll()).trimmed());
}

QString WaylandSession::displayName(const QString& program) {
    static const QHash<QString, QString> known = {
        {QStringLiteral("kwin_wayland"), QStringLiteral("KWin")},
        {QStringLiteral("kwin_wayland_wr"), QStringLiteral("KWin")},
        {QStringLiteral("gnome-shell"), QStringLiteral("GNOME Shell")},
        {QStringLiteral("mutter"), QStringLiteral("mutter")},
    };
    return known.value(program, program);
}

} // namespace zarvo::wayland
