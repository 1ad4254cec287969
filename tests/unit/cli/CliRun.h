#pragma once

// zarvo-cli's commands run in process, with their standard streams caught.

#include "cli/ClipsCommand.h"

#include <QBuffer>
#include <QTextStream>
#include <QTimer>
#include <functional>
#include <ostream>

namespace zarvo::testing {

struct CliRun {
    int code = -1;
    QString out, err;
    bool operator==(const CliRun&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CliRun& r) {
    return os << r.code << " out=" << r.out.toStdString() << " err=" << r.err.toStdString();
}

// A command writing to two streams (history, favorites, settings).
inline CliRun runCommand(int (*command)(const QStringList&, QTextStream&, QTextStream&),
                         const QStringList& args) {
    CliRun run;
    QTextStream out(&run.out), err(&run.err);
    run.code = command(args, out, err);
    out.flush();
    err.flush();
    return run;
}

// `zarvo-cli clips ARGS` reading `input`; `during` gets what it printed so far, every 20 ms while it runs.
inline CliRun runClips(const QStringList& args, const QByteArray& input = {},
                       const std::function<void(const QString& out)>& during = {}) {
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    CliRun run;
    QTextStream out(&run.out), err(&run.err);
    QTimer ticker;
    if (during) {
        QObject::connect(&ticker, &QTimer::timeout, [&] { during(run.out); });
        ticker.start(20);
    }
    run.code = runClipsCommand(args, in, out, err);
    ticker.stop();
    out.flush();
    err.flush();
    return run;
}

} // namespace zarvo::testing
