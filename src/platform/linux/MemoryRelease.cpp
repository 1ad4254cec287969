#include "platform/linux/MemoryRelease.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <malloc.h>

namespace zarvo::linux_ {

namespace {
// Late enough that the hide animation, the focus hand-back and queued repaints are done; the panel
// shown again within this time keeps its pages.
constexpr int kQuietMs = 2000;
// Start-up work (the first crawl, the application catalogue) settles in about this time.
constexpr int kStartMs = 8000;
} // namespace

MemoryRelease::MemoryRelease(std::function<void()> dropCaches, QObject* parent)
    : QObject(parent), m_dropCaches(std::move(dropCaches)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &MemoryRelease::release);
    m_timer.start(kStartMs);
    // A window of ours shown, hidden or left: whatever it built is built a moment later.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            [this] { m_timer.start(std::max(kQuietMs, m_timer.isActive() ? m_timer.remainingTime() : 0)); });
}

void MemoryRelease::limitArenas() {
    mallopt(M_ARENA_MAX, 1);
}

void MemoryRelease::release() {
    if (m_dropCaches) m_dropCaches();
    malloc_trim(0);
}

} // namespace zarvo::linux_
