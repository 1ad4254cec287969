#include "platform/SerialQueue.h"

namespace zarvo {

SerialQueue::SerialQueue(const QString& label, QThread::Priority priority) {
    m_pool.setObjectName(label);
    m_pool.setMaxThreadCount(1); // one thread: jobs run in order, never at the same time
    m_pool.setExpiryTimeout(-1); // keep the thread; starting one per job costs more than the job
    m_pool.setThreadPriority(priority);
}

SerialQueue::~SerialQueue() {
    m_pool.waitForDone();
}

void SerialQueue::async(std::function<void()> job) {
    m_pool.start(std::move(job));
}

void SerialQueue::waitForIdle() {
    sync([] {});
}

} // namespace zarvo
