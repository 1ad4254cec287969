#include "cli/ClipsWatch.h"

#include "cli/CliContext.h"
#include "clipboard/ClipStore.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace zarvo {

namespace {

// The write end of the stop pipe: a signal handler may only do async-signal-safe work, so it writes
// the signal number there and the event loop does the rest.
volatile sig_atomic_t g_stopWriteEnd = -1;

void onStopSignal(int signal) {
    const int saved = errno;
    const char byte = char(signal);
    if (g_stopWriteEnd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(g_stopWriteEnd, &byte, 1);
    errno = saved;
}

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

// Catches the stop signals for its lifetime and restores the previous handlers afterwards.
class StopSignals {
public:
    StopSignals() {
        if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            m_pipe[0] = m_pipe[1] = -1;
            return;
        }
        g_stopWriteEnd = m_pipe[1];
        struct sigaction action {};
        action.sa_handler = onStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            ::sigaction(kStopSignals[i], &action, &m_previous[i]);
        m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    }
    ~StopSignals() {
        if (m_pipe[0] < 0) return;
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            ::sigaction(kStopSignals[i], &m_previous[i], nullptr);
        g_stopWriteEnd = -1;
        m_notifier.reset();
        ::close(m_pipe[0]);
        ::close(m_pipe[1]);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    QSocketNotifier* notifier() const { return m_notifier.get(); }
    // The signal that arrived, 0 when none.
    int take() const {
        char byte = 0;
        return ::read(m_pipe[0], &byte, 1) == 1 ? int(byte) : 0;
    }

private:
    int m_pipe[2] = {-1, -1};
    std::array<struct sigaction, kStopSignals.size()> m_previous{};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

int watchClips(ClipStore& store, bool once, QTextStream& out, QTextStream& err) {
    StopSignals stop;
    if (!stop.notifier()) {
        err << QCoreApplication::translate("ClipsWatch", "clips: cannot watch: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)))
            << "\n";
        err.flush();
        return 1;
    }
    QEventLoop loop;
    int stopSignal = 0;
    QObject::connect(stop.notifier(), &QSocketNotifier::activated, &loop, [&] {
        if (const int signal = stop.take()) stopSignal = signal;
        loop.quit();
    });

    store.start(); // prunes first: what it drops is not a capture
    // A capture puts a clip at the top with the current date; deleting or pruning never makes the
    // top clip newer, so only captures are printed.
    QDateTime latest = store.clips().isEmpty() ? QDateTime() : store.clips().first().date;
    QUuid latestID = store.clips().isEmpty() ? QUuid() : store.clips().first().id;
    int captured = 0;
    QObject::connect(&store, &ClipStore::clipsChanged, &loop, [&] {
        if (store.clips().isEmpty()) return;
        const Clip& top = store.clips().first();
        const bool isNew =
            !latest.isValid() || top.date > latest || (top.date == latest && top.id != latestID);
        if (!isNew) return;
        latest = top.date;
        latestID = top.id;
        ++captured;
        out << Clip::idString(top.id) << '\t' << Clip::rawValue(top.kind) << '\t' << cli::shown(top.title())
            << "\n";
        out.flush();
        if (once) loop.quit();
    });

    err << QCoreApplication::translate("ClipsWatch", "clips: watching the clipboard for %1 (Ctrl+C stops)")
               .arg(store.directory())
        << "\n";
    err.flush();
    loop.exec();

    // A copy made in the last half second before the stop has not been polled yet; the desktop's
    // news of it may still wait in the queue.
    if (stopSignal) {
        QCoreApplication::processEvents();
        store.poll();
    }
    store.flush();
    err << QCoreApplication::translate("ClipsWatch", "clips: stopped, %n copy(s) captured", nullptr, captured)
        << "\n";
    err.flush();
    return 0;
}

} // namespace zarvo
