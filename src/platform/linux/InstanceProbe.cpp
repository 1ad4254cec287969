#include "platform/linux/InstanceProbe.h"

#include "platform/linux/InstanceFolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zarvo::linux_ {

bool instanceMayBeListening(const Environment& environment) {
    const auto folder = InstanceFolder::locate(environment, false);
    if (!folder) return false;
    const QByteArray path =
        QFile::encodeName(QDir(*folder).filePath(InstanceFolder::socketName(environment)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path)) return true; // let the full client judge
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    const int result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    const int error = result == 0 ? 0 : errno;
    ::close(fd);
    return !(error == ENOENT || error == ECONNREFUSED || error == ENOTDIR);
}

} // namespace zarvo::linux_
