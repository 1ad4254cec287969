// A second X client for the desktop tests, acting as another application would:
//   own-clipboard MIME=FILE …   owns the clipboard with several formats at once until it loses it
//   hostile-clipboard MS BYTES N  owns the clipboard offering text, PNG and N more formats, each
//                               answered after MS milliseconds (the whole client stalls) with BYTES bytes
//   grab-key KEYSYM MODMASK     holds a passive key grab on the root window
//   window TITLE OUTFILE        a text field that writes its text to OUTFILE on every change
//   filemanager LOGFILE         a org.freedesktop.FileManager1 service that logs its calls
//   screenshot OUTFILE          saves the root window as PNG
//   keylog NAME CLASS OUTFILE   a plain X window with that WM_CLASS that appends each key press it
//                               gets ("Shift+Insert", "Ctrl+v" …) to OUTFILE, a line each
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QObject>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

class FileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    explicit FileManager(QString log) : m_log(std::move(log)) {}

public slots:
    void ShowFolders(const QStringList& uris, const QString&) { record(QStringLiteral("ShowFolders"), uris); }
    void ShowItems(const QStringList& uris, const QString&) { record(QStringLiteral("ShowItems"), uris); }
    void ShowItemProperties(const QStringList& uris, const QString&) {
        record(QStringLiteral("ShowItemProperties"), uris);
    }

private:
    void record(const QString& method, const QStringList& uris) {
        QFile file(m_log);
        if (!file.open(QIODevice::Append)) return;
        file.write((method + QLatin1Char('|') + uris.join(QLatin1Char('|')) + QLatin1Char('\n')).toUtf8());
    }
    QString m_log;
};

int ownClipboard(QApplication& app, const QStringList& pairs) {
    auto* data = new QMimeData;
    for (const QString& pair : pairs) {
        const QString mime = pair.section(QLatin1Char('='), 0, 0);
        QFile file(pair.section(QLatin1Char('='), 1));
        if (!file.open(QIODevice::ReadOnly)) return 2;
        data->setData(mime, file.readAll());
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data, QClipboard::Clipboard);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) QCoreApplication::quit();
    });
    say("ready");
    return app.exec();
}

// An offer whose every answer is slow, huge or both.
class HostileData : public QMimeData {
public:
    HostileData(QStringList formats, int delayMs, qsizetype bytes)
        : m_formats(std::move(formats)), m_delayMs(delayMs), m_bytes(bytes) {}
    QStringList formats() const override { return m_formats; }
    bool hasFormat(const QString& format) const override { return m_formats.contains(format); }

protected:
    QVariant retrieveData(const QString&, QMetaType) const override {
        if (m_delayMs > 0) QThread::msleep(m_delayMs);
        return QByteArray(m_bytes, 'h');
    }

private:
    QStringList m_formats;
    int m_delayMs;
    qsizetype m_bytes;
};

int ownHostileClipboard(QApplication& app, int delayMs, qsizetype bytes, int extra) {
    QStringList formats{QStringLiteral("text/plain"), QStringLiteral("image/png")};
    for (int i = 0; i < extra; ++i)
        formats << QStringLiteral("application/x-junk-%1").arg(i);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(new HostileData(formats, delayMs, bytes), QClipboard::Clipboard);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) QCoreApplication::quit();
    });
    say("ready");
    return app.exec();
}

int grabKey(const QString& keysymName, unsigned int mods) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysymName.toLatin1().constData()));
    for (unsigned int lock : {0u, unsigned(LockMask), unsigned(Mod2Mask), unsigned(LockMask | Mod2Mask)})
        XGrabKey(display, code, mods | lock, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync);
    XSync(display, False);
    say("grabbed");
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}

// Key presses as a terminal window would get them, without a terminal's screen to read back.
int keyLog(const QString& name, const QString& cls, const QString& out) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 200, 0, 0, 0);
    QByteArray instance = name.toLatin1(), klass = cls.toLatin1();
    XClassHint hint{instance.data(), klass.data()};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, "Zarvo Key Log");
    XSelectInput(display, window, KeyPressMask | FocusChangeMask);
    XMapRaised(display, window);
    XSync(display, False);
    say("shown");
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != KeyPress) continue;
        const KeySym sym = XLookupKeysym(&event.xkey, 0);
        const char* symName = XKeysymToString(sym);
        QString line;
        if (event.xkey.state & ControlMask) line += QStringLiteral("Ctrl+");
        if (event.xkey.state & ShiftMask) line += QStringLiteral("Shift+");
        line += QString::fromLatin1(symName ? symName : "?");
        QFile file(out);
        if (file.open(QIODevice::Append)) file.write(line.toUtf8() + '\n');
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("own-clipboard")) return ownClipboard(app, args.mid(1));
    if (mode == QLatin1String("hostile-clipboard"))
        return ownHostileClipboard(app, args.value(1).toInt(), args.value(2).toLongLong(),
                                   args.value(3).toInt());
    if (mode == QLatin1String("grab-key")) return grabKey(args.value(1), args.value(2).toUInt(nullptr, 0));
    if (mode == QLatin1String("window")) {
        const QString out = args.value(2);
        QLineEdit edit;
        edit.setWindowTitle(args.value(1));
        edit.resize(480, 60);
        QObject::connect(&edit, &QLineEdit::textChanged, [out](const QString& text) {
            QSaveFile file(out);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(text.toUtf8());
                file.commit();
            }
        });
        edit.show();
        edit.activateWindow();
        say("shown");
        return app.exec();
    }
    if (mode == QLatin1String("filemanager")) {
        FileManager manager(args.value(1));
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                                QDBusConnection::ExportAllSlots) ||
            !bus.registerService(QStringLiteral("org.freedesktop.FileManager1")))
            return 2;
        say("registered");
        return app.exec();
    }
    if (mode == QLatin1String("keylog")) return keyLog(args.value(1), args.value(2), args.value(3));
    if (mode == QLatin1String("screenshot")) {
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        return shot.save(args.value(1), "PNG") ? 0 : 1;
    }
    QTextStream(stderr) << "unknown mode\n";
    return 2;
}

#include "DesktopHelper.moc"
