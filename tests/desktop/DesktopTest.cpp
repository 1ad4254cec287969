// The Linux back end on the private X server of run-desktop-tests.sh, used through xclip and xdotool.
#include "fakes/EventLoop.h"
#include "fakes/Files.h"
#include "platform/HotKeyFormat.h"
#include "platform/HotKeys.h"
#include "platform/Pasteboard.h"
#include "platform/Translations.h"
#include "platform/Workspace.h"
#include "platform/linux/LinuxPlatform.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace zarvo;
using namespace zarvo::linux_;
using zarvo::testing::pump;
using zarvo::testing::readFile;
using zarvo::testing::waitUntil;
using zarvo::testing::writeFile;

namespace {

LinuxPlatform* g_platform = nullptr;
QTemporaryDir* g_files = nullptr;

Pasteboard& pasteboard() {
    return *g_platform->platform().pasteboard;
}
Workspace& workspace() {
    return *g_platform->platform().workspace;
}

QString file(const QString& name, const QByteArray& contents) {
    writeFile(g_files->filePath(name), contents);
    return g_files->filePath(name);
}

struct Ran {
    int code = -1; // -1: did not start, or crashed
    QByteArray out, err;
};

// Runs a program to its end without blocking the event loop.
Ran run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) return {};
    if (!input.isNull()) process.write(input);
    process.closeWriteChannel();
    // xclip forks a server and its first process ends; while reading, it waits for our answer.
    waitUntil([&] { return process.state() == QProcess::NotRunning; }, 20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

void key(const QString& keys) {
    run(u"xdotool"_s, {u"key"_s, keys});
}

QByteArray clipboardAs(const QString& target) {
    return run(u"xclip"_s, {u"-o"_s, u"-selection"_s, u"clipboard"_s, u"-t"_s, target}).out;
}

void copyWithXclip(const QString& target, const QByteArray& data) {
    run(u"xclip"_s, {u"-i"_s, u"-selection"_s, u"clipboard"_s, u"-t"_s, target}, data);
}

// A helper client, stopped when its handle goes (also when an assertion ends the test early).
struct Stop {
    void operator()(QProcess* process) const {
        process->terminate();
        if (!process->waitForFinished(3000)) process->kill();
        process->waitForFinished(3000);
        delete process;
    }
};
using Client = std::unique_ptr<QProcess, Stop>;

// Starts the helper client and waits for its first line, which `ready` (when given) must be.
Client helper(const QStringList& arguments, const QByteArray& ready, QByteArray* firstLine = nullptr) {
    Client process(new QProcess);
    process->start(QStringLiteral(ZARVO_DESKTOP_HELPER), arguments);
    process->waitForStarted(5000);
    waitUntil([&] { return process->canReadLine() || process->state() == QProcess::NotRunning; }, 10000);
    const QByteArray line = process->readLine().trimmed();
    if (!ready.isEmpty()) {
        EXPECT_EQ(line, ready) << qPrintable(process->readAllStandardError());
    }
    if (firstLine) *firstLine = line;
    return process;
}

qint64 waitForChange(qint64 after) {
    waitUntil([&] { return pasteboard().changeCount() > after; });
    return pasteboard().changeCount();
}

QString frontName() {
    const auto front = workspace().frontmostApplication();
    return front && front->name ? *front->name : QString();
}

// The helper's Xlib window (x11-window), activated: the workspace names it `name` (and `bundle`); `id` set.
Client x11WindowInFront(const QStringList& arguments, const QString& name, const QString& bundle,
                        QString* id) {
    QByteArray line;
    auto window = helper(QStringList{u"x11-window"_s} + arguments, {}, &line);
    EXPECT_TRUE(line.startsWith("window 0x")) << line.constData();
    *id = QString::fromLatin1(line.mid(7));
    const QString decimal = QString::number(id->toULong(nullptr, 16));
    EXPECT_EQ(run(u"xdotool"_s, {u"windowactivate"_s, u"--sync"_s, decimal}).code, 0) << qPrintable(*id);
    EXPECT_TRUE(waitUntil([&] { return frontName() == name; })) << qPrintable(frontName());
    if (!bundle.isNull()) {
        EXPECT_EQ(workspace().frontmostApplication()->bundleIdentifier, bundle);
    }
    return window;
}

} // namespace

TEST(Desktop, ForeignCopiesAppearAsItemsWithAGrowingCount) {
    qint64 count = pasteboard().changeCount();
    const auto copied = [&](const QString& target, const QByteArray& data) {
        copyWithXclip(target, data);
        const qint64 next = waitForChange(count);
        EXPECT_GT(next, count) << qPrintable(target);
        count = next;
        return pasteboard().items();
    };
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    const struct {
        QString target, type;
        QByteArray data;
    } single[] = {{u"UTF8_STRING"_s, PasteboardType::plainText, "copied with xclip ✓"},
                  {u"text/html"_s, PasteboardType::html, "<p>Some <b>bold</b></p>"},
                  {u"image/png"_s, PasteboardType::png, png}};
    for (const auto& row : single) {
        const auto items = copied(row.target, row.data);
        ASSERT_EQ(items.size(), 1) << qPrintable(row.target);
        EXPECT_EQ(items[0].data(row.type), row.data) << qPrintable(row.target);
    }
    EXPECT_EQ(pasteboard().types(), QStringList{PasteboardType::png});

    const QList<QUrl> files{QUrl::fromLocalFile(file(u"first file.txt"_s, "1")),
                            QUrl::fromLocalFile(file(u"second.txt"_s, "2"))};
    const auto items =
        copied(u"text/uri-list"_s, files[0].toEncoded() + "\r\n" + files[1].toEncoded() + "\r\n");
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(pasteboard().fileURLs(), files); // read from each item's file URL

    // A password manager's copy: text with KDE's hint, offered at once by one client.
    auto owner = helper(
        {u"own-clipboard"_s, u"text/plain=correct horse"_s, u"x-kde-passwordManagerHint=secret"_s}, "ready");
    EXPECT_GT(waitForChange(count), count);
    EXPECT_TRUE(pasteboard().types().contains(PasteboardType::concealed));
    EXPECT_EQ(pasteboard().string(PasteboardType::plainText), u"correct horse"_s);
}

static qint64 residentBytes() {
    for (const QByteArray& line : readFile(u"/proc/self/status"_s).split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

TEST(Desktop, AHostileClipboardOwnerCostsAtMostItsOwnCopy) {
    qint64 count = pasteboard().changeCount();
    const qint64 before = residentBytes();
    // 62 formats of 8 MB each: only the kept ones are read, within the store's limits.
    auto many = helper({u"hostile-clipboard"_s, u"0"_s, u"8000000"_s, u"60"_s}, "ready");
    qint64 next = 0;
    waitUntil([&] { return (next = pasteboard().changeCount()) > count; }, 30000);
    ASSERT_GT(next, count);
    count = next;
    // Read in time (a loaded machine may not manage): the text whole, the other formats only named.
    if (const auto text = pasteboard().string(PasteboardType::plainText)) {
        EXPECT_EQ(text->size(), 8000000);
        EXPECT_TRUE(pasteboard().types().contains(u"application/x-junk-59"_s));
    }
    // All 62 would be 496 MB; loose, as the sanitizer keeps freed blocks: it must not grow with formats.
    EXPECT_LT(residentBytes() - before, 250'000'000) << "grew by " << (residentBytes() - before);

    // Larger than one clip may be: not read at all, the copy is skipped. (Each owner takes over from the
    // one before, which then quits: the clipboard is never ownerless in between.)
    auto huge = helper({u"hostile-clipboard"_s, u"0"_s, u"40000000"_s, u"0"_s}, "ready");
    // A late notice of the first owner may come after its change was counted: wait for its formats to go.
    waitUntil(
        [&] {
            return (next = pasteboard().changeCount()) > count &&
                   !pasteboard().types().contains(u"application/x-junk-59"_s);
        },
        30000);
    ASSERT_GT(next, count);
    // Counted once the notices have settled, so the silent owner below is measured against it.
    for (qint64 settled = -1; settled != next;) {
        settled = next;
        pump(300);
        next = pasteboard().changeCount();
    }
    count = next;
    EXPECT_TRUE(pasteboard().items().isEmpty());
    EXPECT_LT(residentBytes() - before, 250'000'000) << "grew by " << (residentBytes() - before);

    // An owner that never answers: the next ordinary copy is still there within a second.
    auto slow = helper({u"hostile-clipboard"_s, u"60000"_s, u"16"_s, u"6"_s}, "ready");
    pump(500);
    EXPECT_EQ(pasteboard().changeCount(), count);
    copyWithXclip(u"UTF8_STRING"_s, "an ordinary copy");
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(waitUntil(
        [&] { return pasteboard().string(PasteboardType::plainText) == u"an ordinary copy"_s; }, 10000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_GT(pasteboard().changeCount(), count);
}

TEST(Desktop, OwnWritesRoundTripEveryType) {
    PasteboardItem item;
    item.setString(PasteboardType::plainText, u"plain ü"_s);
    item.setString(PasteboardType::html, u"<i>html</i>"_s);
    item.setString(PasteboardType::rtf, u"{\\rtf1 rich}"_s);
    item.setData(PasteboardType::png, QByteArray("\x89PNG\r\n\x1a\nfake", 12));
    item.setData(u"com.example.private-format"_s, "own bytes");
    item.setData(PasteboardType::concealed, {});
    pasteboard().clearContents();
    pasteboard().writeItems({item});
    const qint64 own = pasteboard().changeCount();

    EXPECT_EQ(clipboardAs(u"UTF8_STRING"_s), QByteArray("plain ü"));
    EXPECT_EQ(clipboardAs(u"text/plain;charset=utf-8"_s), QByteArray("plain ü"));
    EXPECT_EQ(clipboardAs(u"text/html"_s), QByteArray("<i>html</i>"));
    EXPECT_EQ(clipboardAs(u"text/rtf"_s), QByteArray("{\\rtf1 rich}"));
    EXPECT_EQ(clipboardAs(u"image/png"_s), QByteArray("\x89PNG\r\n\x1a\nfake", 12));
    EXPECT_EQ(clipboardAs(u"com.example.private-format"_s), QByteArray("own bytes"));
    EXPECT_EQ(clipboardAs(u"x-kde-passwordManagerHint"_s), QByteArray("secret"));
    // Serving other clients is not a change.
    EXPECT_EQ(pasteboard().changeCount(), own);

    pasteboard().clearContents();
    pasteboard().setString(u"transient text"_s, {PasteboardType::transient});
    EXPECT_GT(pasteboard().changeCount(), own);
    EXPECT_TRUE(clipboardAs(u"TARGETS"_s).contains(PasteboardType::transient.latin1()));
    EXPECT_EQ(clipboardAs(u"UTF8_STRING"_s), QByteArray("transient text"));

    const QList<QUrl> files{QUrl::fromLocalFile(file(u"a b.txt"_s, "a")),
                            QUrl::fromLocalFile(file(u"c.txt"_s, "c"))};
    pasteboard().clearContents();
    pasteboard().writeFileURLs(files);
    EXPECT_EQ(clipboardAs(u"text/uri-list"_s).simplified().split(' '),
              (QList<QByteArray>{files[0].toEncoded(), files[1].toEncoded()}));
    EXPECT_EQ(clipboardAs(u"x-special/gnome-copied-files"_s),
              QByteArray("copy\n") + files[0].toEncoded() + "\n" + files[1].toEncoded());
}

// A key another client holds, and a released grab: app_desktop_test.py's taken and settings runs.
TEST(Desktop, HotKeysFireForTheirSlotsWithNumLockOn) {
    HotKeys& hotKeys = *g_platform->platform().hotKeys;
    QList<int> presses;
    QObject receiver; // the connection ends with the test
    QObject::connect(&hotKeys, &HotKeys::pressed, &receiver, [&](int slot) { presses << slot; });
    ASSERT_TRUE(hotKeys.registerHotKey(1, 15, HotKeyModifier::command)); // Super+R
    ASSERT_TRUE(hotKeys.registerHotKey(2, 9, HotKeyModifier::command | HotKeyModifier::shift));

    const auto slotOf = [&](const QString& keys) {
        key(keys);
        return waitUntil([&] { return presses.size() == 1; }) ? presses.takeFirst() : 0;
    };
    EXPECT_EQ(slotOf(u"super+r"_s), 1);
    EXPECT_EQ(slotOf(u"super+shift+v"_s), 2);

    key(u"Num_Lock"_s); // on: the grab covers the lock variants
    EXPECT_EQ(slotOf(u"super+r"_s), 1);
    key(u"Num_Lock"_s);
    hotKeys.unregisterHotKey(1);
    hotKeys.unregisterHotKey(2);
}

// Terminals starting in a folder: the session tests (real terminals) and LinuxTerminal's unit test.
TEST(Desktop, SynthesisedPasteUsesTheFrontWindowsKeys) {
    auto window = helper({u"window"_s, u"Zarvo Paste Target"_s}, "shown");
    EXPECT_EQ(run(u"xdotool"_s, {u"search"_s, u"--sync"_s, u"--name"_s, u"Zarvo Paste Target"_s,
                                 u"windowactivate"_s, u"--sync"_s})
                  .code,
              0);

    // Known through its desktop entry in the sandbox.
    ASSERT_TRUE(waitUntil([&] { return frontName() == u"Paste Target"_s; })) << qPrintable(frontName());

    KeySynth& keys = *g_platform->platform().keySynth;
    EXPECT_TRUE(keys.isTrusted(false));
    pasteboard().clearContents();
    pasteboard().setString(u"pasted by Zarvo"_s);
    ASSERT_TRUE(keys.postPaste(PasteKeys::standard));
    QByteArray printed; // the field's text on each change, then the keys the terminal got
    EXPECT_TRUE(waitUntil([&] { return (printed += window->readAll()) == "pasted by Zarvo\n"; }))
        << printed.data();
    window.reset();

    // A window of class XTerm in front: the paste is Shift+Insert, and that is what arrives.
    printed.clear();
    QString id;
    window = x11WindowInFront({u"xterm"_s, u"XTerm"_s}, u"XTerm"_s, {}, &id);
    const auto front = workspace().frontmostApplication();
    ASSERT_TRUE(front.has_value());
    EXPECT_EQ(front->pasteKeys, PasteKeys::shiftInsert);
    ASSERT_TRUE(keys.postPaste(front->pasteKeys));
    EXPECT_TRUE(waitUntil([&] { return (printed += window->readAll()).contains("Shift+Insert"); }))
        << printed.data();
    EXPECT_FALSE(printed.contains("Ctrl+v"));
}

TEST(Desktop, FrontApplicationFollowsReusedWindowIdsAndDesktopFileHints) {
    QList<AppInfo> activations;
    QObject receiver; // the connection ends with the test
    QObject::connect(&workspace(), &Workspace::applicationActivated, &receiver,
                     [&](const AppInfo& app) { activations << app; });

    // A terminal window, then gone: X hands its id to the next client's window, here Mousepad's.
    QString terminalId, id;
    auto window = x11WindowInFront({u"xfce4-terminal"_s, u"Xfce4-terminal"_s}, u"Xfce Terminal"_s,
                                   u"xfce4-terminal"_s, &terminalId);
    window.reset();
    EXPECT_TRUE(waitUntil([&] { return run(u"xprop"_s, {u"-id"_s, terminalId, u"WM_CLASS"_s}).code != 0; }));
    window = x11WindowInFront({u"mousepad"_s, u"Mousepad"_s, u"--like"_s, terminalId}, u"Mousepad"_s,
                              u"org.xfce.mousepad"_s, &id);
    EXPECT_EQ(id, terminalId) << "the id was not handed out again";
    EXPECT_TRUE(waitUntil([&] {
        return !activations.isEmpty() && activations.last().bundleIdentifier == u"org.xfce.mousepad"_s;
    }));

    // The toolkits' desktop-file hints name the entry, whatever the window class would lead to (here
    // an importer's entry claiming Gwenview's class, and an older entry named like GNOME's editor).
    auto gwenview =
        x11WindowInFront({u"gwenview"_s, u"gwenview"_s, u"_KDE_NET_WM_DESKTOP_FILE=org.kde.gwenview"_s},
                         u"Gwenview"_s, u"org.kde.gwenview"_s, &id);
    auto textEditor = x11WindowInFront(
        {u"gnome-text-editor"_s, u"Gnome-text-editor"_s, u"_GTK_APPLICATION_ID=org.gnome.TextEditor"_s},
        u"Text Editor"_s, u"org.gnome.TextEditor"_s, &id);
}

TEST(Desktop, RevealAndGetInfoCallTheFileManagerService) {
    const QString log = g_files->filePath(u"filemanager.log"_s);
    auto service = helper({u"filemanager"_s, log}, "registered");
    const QUrl a = QUrl::fromLocalFile(file(u"report #1 (final).txt"_s, "a"));
    const QUrl b = QUrl::fromLocalFile(file(u"ü.txt"_s, "b"));
    workspace().revealInFileManager({a, b});
    workspace().showInfo(a);
    const QStringList expected{
        u"ShowItems|"_s + QString::fromUtf8(a.toEncoded()) + QLatin1Char('|') +
            QString::fromUtf8(b.toEncoded()),
        u"ShowItemProperties|"_s + QString::fromUtf8(a.toEncoded()),
    };
    EXPECT_TRUE(waitUntil([&] {
        return QString::fromUtf8(readFile(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts) == expected;
    })) << readFile(log).constData();
}

// What `clips watch` keeps is its unit tests'; here: it reads X, Ctrl+C ends it, it needs a display.
TEST(Desktop, ClipsWatchCapturesTheDesktopsCopies) {
    // In the run's sandbox home, whose clip store nothing else here writes.
    QProcess watcher;
    watcher.setProcessChannelMode(QProcess::MergedChannels);
    watcher.start(QStringLiteral(ZARVO_CLI), {u"clips"_s, u"watch"_s});
    QByteArray said;
    const auto says = [&](const char* text) {
        return waitUntil([&] { return (said += watcher.readAll()).contains(text); }, 10000);
    };
    ASSERT_TRUE(says("watching")) << said.constData();
    copyWithXclip(u"UTF8_STRING"_s, "watched text ✓");
    EXPECT_TRUE(says("watched text ✓")) << said.constData();
    ASSERT_EQ(::kill(pid_t(watcher.processId()), SIGINT), 0);
    ASSERT_TRUE(waitUntil([&] { return watcher.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(watcher.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watcher.exitCode(), 0) << said.constData();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    const Ran headless = run(QStringLiteral(ZARVO_CLI), {u"clips"_s, u"watch"_s}, {}, env);
    EXPECT_EQ(headless.code, 1);
    EXPECT_TRUE(headless.err.contains("needs a graphical session")) << headless.err.constData();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zarvo::Translations::install({QStringLiteral(ZARVO_TRANSLATIONS_DIR)}, {u"en"_s});
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "the desktop tests need an X server (run them through run-desktop-tests.sh)\n");
        return 1;
    }
    QTemporaryDir files;
    g_files = &files;
    // Installed as by a distribution, in the sandbox's system data: each runs the helper, so GIO lists it.
    const QString system =
        qEnvironmentVariable("XDG_DATA_DIRS").section(QLatin1Char(':'), 0, 0) + u"/applications"_s;
    const std::pair<const char*, const char*> installed[] = {
        {"org.example.PasteTarget", "Name=Paste Target\nStartupWMClass=zarvo_desktop_helper\n"},
        {"xfce4-terminal", "Name=Xfce Terminal\nStartupWMClass=Xfce4-terminal\n"},
        {"org.xfce.mousepad", "Name=Mousepad\nStartupWMClass=Mousepad\n"},
        {"org.kde.gwenview", "Name=Gwenview\n"},
        {"org.kde.gwenview_importer", "Name=Gwenview Importer\nStartupWMClass=gwenview\n"},
        {"org.gnome.TextEditor", "Name=Text Editor\n"},
        {"gnome-text-editor", "Name=Text Editor (old entry)\n"},
    };
    for (const auto& [id, keys] : installed)
        writeFile(system + QLatin1Char('/') + QLatin1String(id) + u".desktop"_s,
                  QByteArray("[Desktop Entry]\nType=Application\nExec=" ZARVO_DESKTOP_HELPER " window\n") +
                      keys);

    LinuxPlatform platform;
    g_platform = &platform;
    if (platform.display() != LinuxPlatform::Display::X11) {
        std::fprintf(stderr, "no X11 connection\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
