#include "platform/linux/DesktopAppCache.h"

namespace zarvo::linux_ {

void DesktopAppCache::forget() {
    QMutexLocker lock(&m_mutex);
    clear();
}

void DesktopAppCache::setMaxAge(qint64 ms) {
    QMutexLocker lock(&m_mutex);
    m_maxAgeMs = ms;
}

void DesktopAppCache::expire() {
    if (m_maxAgeMs < 0) return;
    if (!m_age.isValid() || m_age.elapsed() >= m_maxAgeMs) clear();
}

void DesktopAppCache::clear() {
    m_age.start();
    ++m_generation;
    applications.clear();
    identifiers.clear();
    desktopIds.clear();
    names.clear();
    icons.clear();
    defaultHandlers.clear();
    allHandlers.clear();
    lists.clear();
    installed.clear();
}

} // namespace zarvo::linux_
