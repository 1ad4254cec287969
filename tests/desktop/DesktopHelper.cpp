// A second X client for the desktop tests, acting as another application would:
//   own-clipboard MIME=TEXT …     owns the clipboard with several formats at once until it loses it
//   hostile-clipboard MS BYTES N  offers text, PNG and N more formats, each answered with BYTES bytes
//                                 after MS milliseconds (the whole client stalls)
//   grab-key KEYSYM MODMASK       holds a passive key grab on the root window
//   window TITLE                  a text field that prints its text on every change
//   filemanager LOGFILE           an org.freedesktop.FileManager1 service that logs its calls
//   x11-window INSTANCE CLASS [--like ID] [PROPERTY=TEXT …]
//                                 a plain Xlib window with WM_CLASS, _NET_WM_PID and the UTF8_STRING
//                                 properties, printing "window 0x…" and then each key press; --like takes
//                                 that id once the server hands it out again (firstWindow)
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QObject>
#include <QTextStream>
#include <QThread>
#include <cstdio>
#include <string>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>
#include <vector>

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

// Owns the clipboard with `data` until another client takes it.
int holdClipboard(QApplication& app, QMimeData* data) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data, QClipboard::Clipboard);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard()) QCoreApplication::quit();
    });
    say("ready");
    return app.exec();
}

int ownClipboard(QApplication& app, const QStringList& pairs) {
    auto* data = new QMimeData;
    for (const QString& pair : pairs)
        data->setData(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1).toUtf8());
    return holdClipboard(app, data);
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
    return holdClipboard(app, new HostileData(formats, delayMs, bytes));
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

// A key press as a terminal window would get it ("Shift+Insert", "Ctrl+v" …).
void printKey(const XKeyEvent& key) {
    const char* name = XKeysymToString(XLookupKeysym(const_cast<XKeyEvent*>(&key), 0));
    std::printf("%s%s%s\n", key.state & ControlMask ? "Ctrl+" : "", key.state & ShiftMask ? "Shift+" : "",
                name ? name : "?");
    std::fflush(stdout);
}

// The first window of a connection has an id made of the connection's client number; a client that
// has gone leaves its number to the next connection that finds it free, the lowest first. Connections
// are opened until one gets `want` (the lower ones held meanwhile), so a window id is reused for sure.
Window firstWindow(Display*& kept, unsigned long want) {
    std::vector<Display*> held;
    Window window = 0;
    for (int attempt = 0; attempt < 64 && !kept; ++attempt) {
        Display* display = XOpenDisplay(nullptr);
        if (!display) break;
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 40, 40, 320, 200, 0, 0,
                                     WhitePixel(display, DefaultScreen(display)));
        if (want == 0 || window == want) {
            kept = display;
            break;
        }
        XDestroyWindow(display, window);
        XSync(display, False);
        held.push_back(display);
    }
    for (Display* display : held)
        XCloseDisplay(display);
    if (!kept && (kept = XOpenDisplay(nullptr)))
        window = XCreateSimpleWindow(kept, DefaultRootWindow(kept), 40, 40, 320, 200, 0, 0,
                                     WhitePixel(kept, DefaultScreen(kept)));
    return window;
}

int x11Window(int argc, char** argv) {
    if (argc < 4) return 2;
    unsigned long want = 0;
    std::vector<std::pair<std::string, std::string>> properties;
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--like" && i + 1 < argc) {
            want = std::stoul(argv[++i], nullptr, 0);
        } else if (const auto eq = arg.find('='); eq != std::string::npos) {
            properties.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
        }
    }
    Display* display = nullptr;
    const Window window = firstWindow(display, want);
    if (!display) return 2;
    XClassHint hint{argv[2], argv[3]};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, argv[3]);
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = True;
    XSetWMHints(display, window, &wmHints);
    const unsigned long pid = static_cast<unsigned long>(::getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (const auto& [name, text] : properties)
        XChangeProperty(display, window, XInternAtom(display, name.c_str(), False), utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), int(text.size()));
    XSelectInput(display, window, KeyPressMask | FocusChangeMask);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("window 0x%lx\n", window);
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == KeyPress) printKey(event.xkey);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Plain Xlib only: a toolkit connection would take a client number of its own.
    if (argc > 1 && std::string(argv[1]) == "x11-window") return x11Window(argc, argv);
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("own-clipboard")) return ownClipboard(app, args.mid(1));
    if (mode == QLatin1String("hostile-clipboard"))
        return ownHostileClipboard(app, args.value(1).toInt(), args.value(2).toLongLong(),
                                   args.value(3).toInt());
    if (mode == QLatin1String("grab-key")) return grabKey(args.value(1), args.value(2).toUInt(nullptr, 0));
    if (mode == QLatin1String("window")) {
        QLineEdit edit;
        edit.setWindowTitle(args.value(1));
        edit.resize(480, 60);
        QObject::connect(&edit, &QLineEdit::textChanged, [](const QString& text) { say(qPrintable(text)); });
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
    QTextStream(stderr) << "unknown mode\n";
    return 2;
}

#include "DesktopHelper.moc"
