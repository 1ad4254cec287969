#include "index/IndexWatcher.h"

#include "index/IndexTable.h"

#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace zarvo::index {

namespace {

constexpr quint32 kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE |
                               IN_ATTRIB | IN_DONT_FOLLOW | IN_ONLYDIR | IN_EXCL_UNLINK;

} // namespace

IndexWatcher::IndexWatcher(int limit, int fallbackIntervalMs)
    : m_limit(limit), m_fallbackIntervalMs(fallbackIntervalMs) {
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

IndexWatcher::~IndexWatcher() {
    if (m_fd >= 0) ::close(m_fd);
    if (m_wakeFd >= 0) ::close(m_wakeFd);
}

void IndexWatcher::wake() const {
    const quint64 one = 1;
    if (m_wakeFd >= 0) [[maybe_unused]]
        auto n = ::write(m_wakeFd, &one, sizeof one);
}

int IndexWatcher::watchFolder(const QByteArray& path, int fd) {
    if (m_fd < 0) return -1;
    int wd = -1;
    int error = 0;
    const auto kept = m_reserved.constFind(path);
    const int reservedWd = kept != m_reserved.cend() ? *kept : -1;
    if (reservedWd >= 0) m_reserved.erase(kept);
    if (reservedWd < 0 && m_limit >= 0 && m_target->size() + m_unbound + m_reserved.size() >= m_limit) {
        error = ENOSPC;
    } else {
        // Through the open descriptor when there is one: no walk of the full path.
        const QByteArray target = fd >= 0 ? "/proc/self/fd/" + QByteArray::number(fd) : path;
        // The descriptor's /proc link must be followed.
        wd = inotify_add_watch(m_fd, target.constData(),
                               fd >= 0 ? (kWatchMask & ~IN_DONT_FOLLOW) : kWatchMask);
        if (wd < 0 && fd >= 0 && errno == ENOENT)
            wd = inotify_add_watch(m_fd, path.constData(), kWatchMask); // no /proc

        error = wd < 0 ? errno : 0;
        if (reservedWd >= 0 && wd != reservedWd) inotify_rm_watch(m_fd, reservedWd); // no longer that folder
    }
    if (wd < 0) {
        if (error == ENOSPC && !m_limitReached) {
            m_limitReached = true;
            qWarning("Zarvo: inotify watch limit reached at %d folders; the others are re-crawled every %d s",
                     int(m_target->size()) + m_unbound, std::max(1, m_fallbackIntervalMs / 1000));
        }
        return -1;
    }
    return wd;
}

bool IndexWatcher::add(const QByteArray& path, quint32 entry, int fd) {
    std::lock_guard lock(m_mutex);
    const int wd = watchFolder(path, fd);
    if (wd < 0) return false;
    m_target->insert(wd, entry);
    m_watchCount = int(m_target->size());
    return true;
}

int IndexWatcher::addAhead(const QByteArray& path, int fd) {
    std::lock_guard lock(m_mutex);
    const int wd = watchFolder(path, fd);
    if (wd >= 0) ++m_unbound;
    return wd;
}

void IndexWatcher::bind(int wd, quint32 entry) {
    std::lock_guard lock(m_mutex);
    --m_unbound;
    m_target->insert(wd, entry);
    m_watchCount = int(m_target->size());
}

void IndexWatcher::startBuilding() {
    m_building.clear();
    m_unbound = 0;
    m_target = &m_building;
}

void IndexWatcher::reserve(const QList<QByteArray>& folders) {
    for (const QByteArray& folder : folders) {
        if (m_fd < 0 || m_reserved.contains(folder)) continue;
        if (m_limit >= 0 && m_target->size() + m_reserved.size() >= m_limit) break;
        const int wd = inotify_add_watch(m_fd, folder.constData(), kWatchMask);
        if (wd >= 0) m_reserved.insert(folder, wd);
    }
}

void IndexWatcher::adoptBuilding() {
    for (auto it = m_reserved.cbegin(); it != m_reserved.cend(); ++it)
        if (!m_building.contains(it.value())) inotify_rm_watch(m_fd, it.value());
    m_reserved.clear();
    m_live = std::move(m_building);
    m_building.clear();
    m_target = &m_live;
    m_watchCount = int(m_live.size());
}

bool IndexWatcher::wait(int timeoutMs) {
    pollfd fds[2] = {{m_fd, POLLIN, 0}, {m_wakeFd, POLLIN, 0}};
    const int ready = ::poll(fds, 2, timeoutMs);
    if (ready > 0 && (fds[1].revents & POLLIN)) {
        quint64 value;
        [[maybe_unused]] auto n = ::read(m_wakeFd, &value, sizeof value);
    }
    return ready > 0 && (fds[0].revents & POLLIN);
}

bool IndexWatcher::drain(const std::function<void(const inotify_event&)>& onEvent) {
    alignas(inotify_event) char buffer[64 * 1024];
    bool got = false;
    for (;;) {
        const long n = ::read(m_fd, buffer, sizeof buffer);
        if (n <= 0) break;
        got = true;
        for (long off = 0; off < n;) {
            const auto* ev = reinterpret_cast<const inotify_event*>(buffer + off);
            off += long(sizeof(inotify_event) + ev->len);
            onEvent(*ev);
        }
    }
    return got;
}

void IndexWatcher::dropped(int wd) {
    m_live.remove(wd);
    m_watchCount = int(m_live.size());
}

quint32 IndexWatcher::folderOf(int wd) const {
    return m_live.value(wd, kNoEntry);
}

} // namespace zarvo::index
