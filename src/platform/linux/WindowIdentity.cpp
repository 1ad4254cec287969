#include "platform/linux/WindowIdentity.h"

#include "platform/linux/X11Connection.h"

#include <QFile>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zarvo::linux_ {

namespace {

// A text property of UTF8_STRING or STRING type; empty when missing or of another type.
QString textProperty(X11Connection& x11, unsigned long window, const char* name) {
    Display* display = x11.display();
    const Atom utf8 = x11.atom("UTF8_STRING");
    QString out;
    x11.trapErrors([&] {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, x11.atom(name), 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &data) == Success &&
            data && format == 8 && (type == utf8 || type == XA_STRING)) {
            const QByteArray bytes(reinterpret_cast<const char*>(data), int(count));
            out = type == utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
        }
        if (data) XFree(data);
    });
    return out.trimmed();
}

quint64 pidOf(X11Connection& x11, unsigned long window) {
    quint64 pid = 0;
    x11.trapErrors([&] {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(x11.display(), window, x11.atom("_NET_WM_PID"), 0, 1, False, XA_CARDINAL,
                               &type, &format, &count, &after, &data) == Success &&
            data && format == 32 && count == 1)
            pid = *reinterpret_cast<unsigned long*>(data);
        if (data) XFree(data);
    });
    return pid;
}

} // namespace

QString WindowIdentity::cacheKey(unsigned long window) const {
    return QStringList{QString::number(window),
                       QString::number(pid),
                       processStart,
                       wmInstance,
                       wmClass,
                       desktopHints.join(QLatin1Char('\x1f'))}
        .join(QLatin1Char('\n'));
}

WindowIdentity readWindowIdentity(X11Connection& x11, unsigned long window) {
    WindowIdentity identity;
    for (const char* hint : {"_GTK_APPLICATION_ID", "_KDE_NET_WM_DESKTOP_FILE"}) {
        const QString value = textProperty(x11, window, hint);
        if (!value.isEmpty()) identity.desktopHints << value;
    }
    XClassHint hint{nullptr, nullptr};
    x11.trapErrors([&] { XGetClassHint(x11.display(), window, &hint); });
    if (hint.res_name) identity.wmInstance = QString::fromLocal8Bit(hint.res_name);
    if (hint.res_class) identity.wmClass = QString::fromLocal8Bit(hint.res_class);
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    identity.pid = pidOf(x11, window);
    if (identity.pid) identity.processStart = processStartTime(identity.pid);
    return identity;
}

QString startTimeFromStat(const QByteArray& stat) {
    // "PID (COMMAND) STATE PPID …": the start time is the 22nd field, the 20th after the command.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0) return {};
    const QList<QByteArray> fields = stat.mid(close + 1).simplified().split(' ');
    if (fields.size() < 20) return {};
    bool ok = false;
    const quint64 ticks = fields.at(19).toULongLong(&ok);
    return ok ? QString::number(ticks) : QString();
}

QString processStartTime(quint64 pid, const QString& procRoot) {
    QFile file(procRoot + QStringLiteral("/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return startTimeFromStat(file.read(4096));
}

} // namespace zarvo::linux_
