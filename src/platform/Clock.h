#pragma once

#include <QDateTime>

namespace zarvo {

// Wall-clock time, replaceable in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

} // namespace zarvo
