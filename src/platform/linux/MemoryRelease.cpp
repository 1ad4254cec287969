#include "platform/linux/MemoryRelease.h"

#include <QCoreApplication>
#include <QEvent>
#include <malloc.h>

namespace zarvo::linux_ {

namespace {
// Quiet for this long, the work of the moment is over: a panel shown again sooner keeps its pages.
constexpr int kQuietMs = 2000;
} // namespace

MemoryRelease::MemoryRelease(std::function<void()> dropCaches, QObject* parent)
    : QObject(parent), m_dropCaches(std::move(dropCaches)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const qint64 quiet = m_sinceActivity.elapsed();
        if (quiet < kQuietMs)
            m_timer.start(int(kQuietMs - quiet));
        else
            release();
    });
    m_sinceActivity.start();
    m_timer.start(kQuietMs);
    QCoreApplication::instance()->installEventFilter(this);
}

void MemoryRelease::limitArenas() {
    mallopt(M_ARENA_MAX, 1);
}

bool MemoryRelease::eventFilter(QObject*, QEvent* event) {
    // Ticks of timers are not work to wait for: some tick every second, and ours would never end.
    if (event->type() != QEvent::Timer && event->type() != QEvent::ZeroTimerEvent) {
        m_sinceActivity.start();
        if (!m_timer.isActive()) m_timer.start(kQuietMs);
    }
    return false;
}

void MemoryRelease::release() {
    if (m_dropCaches) m_dropCaches();
    malloc_trim(0);
}

} // namespace zarvo::linux_
