#pragma once

#include <QString>
#include <QThreadPool>
#include <functional>
#include <future>
#include <type_traits>

namespace zarvo {

// A serial queue: jobs run one at a time, in the order given, on one worker thread of their own.
// `sync` waits for its job (and every job before it), so a read after a write sees the write.
class SerialQueue {
public:
    explicit SerialQueue(const QString& label, QThread::Priority priority = QThread::LowPriority);
    // Finishes every job still queued.
    ~SerialQueue();

    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    void async(std::function<void()> job);

    template <typename F> auto sync(F&& job) -> std::invoke_result_t<F> {
        using R = std::invoke_result_t<F>;
        std::packaged_task<R()> task(std::forward<F>(job));
        std::future<R> result = task.get_future();
        async([&task] { task(); });
        return result.get();
    }

    // Returns once every job queued so far has run.
    void waitForIdle();

private:
    QThreadPool m_pool;
};

} // namespace zarvo
