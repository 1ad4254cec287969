#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace zarvo::linux_ {

// Hands the heap's free pages back to the system once the work of a moment is over. Building the
// panel, the settings window or a preview, or answering a request, frees most of what it allocated,
// but the allocator keeps those pages for later.
class MemoryRelease : public QObject {
public:
    // `dropCaches` runs first each time: what the views keep and can make again.
    explicit MemoryRelease(std::function<void()> dropCaches, QObject* parent = nullptr);

    // Keeps the allocator to one arena: each thread's own arena holds on to its free pages, and our
    // threads allocate little at a time. Called before the first thread starts.
    static void limitArenas();

protected:
    // Any event but a timer's tick is work: the release waits for a quiet moment after it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void release();

    std::function<void()> m_dropCaches;
    QTimer m_timer;
    QElapsedTimer m_sinceActivity;
};

} // namespace zarvo::linux_
