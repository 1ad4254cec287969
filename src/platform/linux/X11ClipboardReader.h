#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <atomic>
#include <functional>

namespace zarvo::linux_ {

// Reads another application's CLIPBOARD offer over a private X connection, so it can run on a worker
// thread: the owner's list of targets, then only the wanted ones, each and all together bounded in
// size and in time. A slow, huge or broken owner costs at most this one read.
namespace X11ClipboardReader {

struct Limits {
    qint64 perTarget = 0;
    qint64 total = 0;
    // For the whole read, from asking for the targets to the last byte.
    int deadlineMs = 2000;
};

// One wanted target and the most bytes it may have (0: the per-target limit).
struct Wanted {
    QByteArray target;
    qint64 maximum = 0;
};

struct Result {
    enum class Outcome { Read, NoOwner, TimedOut, TooLarge, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    // Every target the owner offers, in its order.
    QStringList targets;
    // The wanted targets it answered, under their own names.
    QHash<QByteArray, QByteArray> data;
};

// Blocks until done or the deadline passes; `cancelled` is checked while waiting. `wanted` is
// called with the offered targets and returns the ones to fetch, in order.
Result read(const std::function<QList<Wanted>(const QStringList& targets)>& wanted, const Limits& limits,
            const std::function<bool()>& cancelled);

} // namespace X11ClipboardReader

} // namespace zarvo::linux_
