#pragma once

// Turning the event loop in a test: until something holds, or for a while.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace zarvo::testing {

// Turns the event loop until `done` holds (true) or time is up (false); `each` runs on every turn.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000,
                      const std::function<void()>& each = {}) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (each) each();
        QThread::yieldCurrentThread(); // no fixed pause: a client may be streaming to us
    }
    return true;
}

inline void pump(int milliseconds) {
    waitUntil([] { return false; }, milliseconds);
}

} // namespace zarvo::testing
