#pragma once

#include <QString>
#include <QStringList>

namespace zarvo::linux_ {

class X11Connection;

// What a top-level window says about the application behind it, read afresh on every lookup: a few
// property reads, far cheaper than matching it against the desktop entries.
struct WindowIdentity {
    // The desktop-file hints the toolkits set (_GTK_APPLICATION_ID, _KDE_NET_WM_DESKTOP_FILE), in
    // the order they are trusted; each a desktop-file id, with or without ".desktop", or a path.
    QStringList desktopHints;
    QString wmInstance;
    QString wmClass;
    quint64 pid = 0;
    // The start time of the process in clock ticks since boot (/proc/PID/stat): a pid can be reused.
    QString processStart;

    // The key an answer is kept under: X reuses the id of a destroyed window for a new client's
    // window, so the id alone could name another application.
    QString cacheKey(unsigned long window) const;
};

WindowIdentity readWindowIdentity(X11Connection& x11, unsigned long window);

// The start time field of /proc/PID/stat (after the command name, which may hold spaces and
// parentheses); empty when the process is gone or the file cannot be read.
QString processStartTime(quint64 pid, const QString& procRoot = QStringLiteral("/proc"));
// The same from the text of a stat file.
QString startTimeFromStat(const QByteArray& stat);

} // namespace zarvo::linux_
