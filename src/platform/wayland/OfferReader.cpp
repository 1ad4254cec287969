#include "platform/wayland/OfferReader.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace zarvo::wayland {

namespace {

using Outcome = ClipboardRead::Outcome;

// Reads `fd` to its end; `maximum` bytes at most, until `deadline` (of `clock`).
Outcome readAll(int fd, qint64 maximum, const QElapsedTimer& clock, int deadlineMs, QByteArray* out) {
    char buffer[65536];
    for (;;) {
        const qint64 left = deadlineMs - clock.elapsed();
        if (left <= 0) return Outcome::TimedOut;
        pollfd wait{fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, int(left));
        if (ready < 0 && errno != EINTR) return Outcome::Failed;
        if (ready <= 0) continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) return Outcome::Read;
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return Outcome::Failed;
        }
        if (out->size() + got > maximum) return Outcome::TooLarge;
        out->append(buffer, got);
    }
}

} // namespace

ClipboardRead readOffer(const QStringList& offered,
                        const std::function<void(const QByteArray&, int)>& receive,
                        const ReadPolicy& policy) {
    QElapsedTimer clock;
    clock.start();
    ClipboardRead result;
    result.offered = offered;
    if (offered.isEmpty()) {
        result.outcome = Outcome::Empty;
        return result;
    }
    if (isPrivateOffer(offered)) {
        result.outcome = Outcome::Private;
        return result;
    }
    const auto wanted = policy.wanted ? policy.wanted(offered) : QList<std::pair<QByteArray, qint64>>{};
    qint64 total = 0;
    for (const auto& [mime, ownMaximum] : wanted) {
        if (!offered.contains(QString::fromUtf8(mime))) continue;
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
            result.outcome = Outcome::Failed;
            return result;
        }
        receive(mime, fds[1]);
        ::close(fds[1]);
        const qint64 maximum = std::min(
            ownMaximum > 0 ? std::min(ownMaximum, policy.perType) : policy.perType, policy.total - total);
        QByteArray bytes;
        const Outcome outcome = readAll(fds[0], maximum, clock, policy.deadlineMs, &bytes);
        ::close(fds[0]);
        if (outcome != Outcome::Read) {
            result.outcome = outcome;
            result.data.clear();
            return result;
        }
        total += bytes.size();
        result.data.insert(mime, bytes);
    }
    result.outcome = Outcome::Read;
    result.readMs = clock.elapsed();
    return result;
}

} // namespace zarvo::wayland
