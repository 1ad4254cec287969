#include "LinuxSandbox.h"

#include "platform/linux/CachedDesktopEntries.h"
#include "platform/linux/DeferredServices.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/DesktopServices.h"
#include "platform/linux/XdgPlaces.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {

QStringList warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) warnings << text;
}

const AppBundle* byId(const QList<AppBundle>& apps, const QString& id) {
    for (const AppBundle& app : apps)
        if (app.id == id) return &app;
    return nullptr;
}

// The desktop module's side, counting what is asked of it.
class CountingDesktop : public DesktopServices {
public:
    fakes::FakeWorkspace fakeWorkspace;
    fakes::FakeSession fakeSession;
    fakes::FakeHotKeys fakeHotKeys;
    fakes::FakeKeySynth fakeKeySynth;
    Applications answer;
    int loads = 0;
    int scans = 0;

    Workspace& workspace() override { return fakeWorkspace; }
    Session& session() override { return fakeSession; }
    HotKeys& hotKeys() override { return fakeHotKeys; }
    KeySynth& keySynth() override { return fakeKeySynth; }
    Applications scanApplications(const DesktopEntrySource::Options&) override {
        ++scans;
        return answer;
    }
    DesktopServicesLoader loader() {
        return [this]() -> DesktopServices& {
            ++loads;
            return *this;
        };
    }
};

} // namespace

// What GNOME's menus list, in the user's language; the rest left out quietly, each broken entry in one line.
TEST(DesktopEntrySource, ListsWhatTheMenusListAndFollowsInstalls) {
    qputenv("LANGUAGE", "de_DE:de");
    QTemporaryDir root;
    const QString bin = root.path() + "/bin";
    for (const char* program : {"keepassxc", "nautilus", "okular"})
        writeProgram(bin + '/' + program, "#!/bin/sh\n");
    qputenv("PATH", (bin + ":/usr/bin:/bin").toLocal8Bit());

    const QString user = root.path() + "/home/.local/share/applications/";
    const QString system = root.path() + "/usr/share/applications/";
    const QString flatpak = root.path() + "/var/lib/flatpak/exports/share";
    writeFile(system + "org.keepassxc.KeePassXC.desktop",
              desktopEntry("KeePassXC", "keepassxc %f",
                           "GenericName=Password Manager\nGenericName[de]=Passwortverwaltung\n"
                           "Keywords=password;vault;\nKeywords[de]=Passwort;Tresor;\nIcon=keepassxc\n"));
    writeFile(system + "org.gnome.Nautilus.desktop",
              desktopEntry("Files", "nautilus --new-window %U", "Name[de]=Dateien\n"));
    writeFile(user + "org.gnome.Nautilus.desktop",
              desktopEntry("My Files", "nautilus %U", "Icon=/opt/files.png\n"));
    writeFile(system + "kde4/okular.desktop", desktopEntry("Okular", "okular %U"));
    // Left out as the menus leave them out.
    writeFile(system + "hidden.desktop", desktopEntry("Hidden Helper", "okular", "NoDisplay=true\n"));
    writeFile(system + "deleted.desktop", desktopEntry("Deleted", "okular", "Hidden=true\n"));
    writeFile(system + "kde-only.desktop", desktopEntry("KDE Only", "okular", "OnlyShowIn=KDE;\n"));
    writeFile(system + "not-gnome.desktop", desktopEntry("Not GNOME", "okular", "NotShowIn=GNOME;\n"));
    writeFile(system + "try-exec.desktop",
              desktopEntry("Not Installed", "okular", "TryExec=/nonexistent/program\n"));
    writeFile(system + "missing-program.desktop", desktopEntry("Gone", "no-such-program-anywhere"));
    writeFile(system + "web-link.desktop", "[Desktop Entry]\nType=Link\nName=Web\nURL=https://example.org\n");
    // Broken: one log line each, the others still load.
    writeFile(system + "no-group.desktop", "[Something Else]\nName=Stray\nExec=okular\n");
    writeFile(system + "huge-name.desktop", desktopEntry(QString(1024 * 1024, 'x'), "okular"));
    writeFile(system + "bad-utf8.desktop",
              "[Desktop Entry]\nType=Application\nName=Bad \xff\xfe name\nExec=okular\n");
    writeFile(system + "field-codes.desktop", desktopEntry("Stray Codes", "okular %z %Q"));
    ASSERT_TRUE(QFile::link(system, system + "loop"));

    DesktopEntrySource source(DesktopEntrySource::Options{root.path() + "/home/.local/share",
                                                          {root.path() + "/usr/share", flatpak},
                                                          {QStringLiteral("GNOME")}});
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    const QList<AppBundle> apps = source.scan();
    qInstallMessageHandler(previous);

    QStringList ids;
    for (const AppBundle& app : apps)
        ids << app.id;
    ids.sort();
    EXPECT_EQ(ids, (QStringList{"kde4-okular.desktop", "org.gnome.Nautilus.desktop",
                                "org.keepassxc.KeePassXC.desktop"}));
    const AppBundle* keepass = byId(apps, "org.keepassxc.KeePassXC.desktop");
    ASSERT_TRUE(keepass);
    EXPECT_EQ(*keepass,
              (AppBundle{system + keepass->id, keepass->id, "KeePassXC", "Passwortverwaltung",
                         QStringList{"Passwort", "Tresor"}, "keepassxc", "keepassxc", keepass->modified}));
    // The user's entry hides the system one of the same id.
    const AppBundle* files = byId(apps, "org.gnome.Nautilus.desktop");
    ASSERT_TRUE(files);
    const AppBundle mine{user + files->id, files->id,        "My Files",     std::nullopt, {},
                         "nautilus",       "/opt/files.png", files->modified};
    EXPECT_EQ(*files, mine);

    for (const char* name : {"no-group", "huge-name", "bad-utf8", "field-codes", "loop"})
        EXPECT_EQ(warnings.filter(QLatin1String(name)).size(), 1) << name;
    EXPECT_EQ(warnings.size(), 5) << warnings.join('\n').toStdString();

    // Live: the Flatpak folder comes with an application, which goes; entries still broken say no more.
    warnings.clear();
    qInstallMessageHandler(recordWarning);
    source.startWatching();
    int changes = 0;
    QObject::connect(&source, &AppBundleSource::changed, [&] { ++changes; });
    QElapsedTimer clock;
    clock.start();
    writeFile(flatpak + "/applications/org.example.Installed.desktop",
              desktopEntry("Freshly Installed", "okular"));
    ASSERT_TRUE(
        waitUntil([&] { return changes > 0 && byId(source.scan(), "org.example.Installed.desktop"); }, 3000));
    EXPECT_LT(clock.elapsed(), 1000);
    changes = 0;
    clock.restart();
    QFile::remove(flatpak + "/applications/org.example.Installed.desktop");
    ASSERT_TRUE(waitUntil([&] { return changes > 0; }, 3000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(byId(source.scan(), "org.example.Installed.desktop"));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    // A broken entry rewritten (still broken) is worth a line again.
    writeFile(system + "no-group.desktop", "[Something Else]\nName=Stray again\n");
    QFile(system + "no-group.desktop")
        .setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    source.scan();
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1) << warnings.join('\n').toStdString();
    EXPECT_TRUE(warnings[0].contains("no-group"));
}

// A headless process reads the last scan's answer and log lines until an entry, folder or language changes.
TEST(CachedDesktopEntrySource, AnswersAsTheLastScanUntilSomethingChanges) {
    QTemporaryDir root;
    const QString apps = root.path() + "/data/applications/";
    writeFile(apps + "a.desktop", desktopEntry("A", "a"));
    writeFile(apps + "sub/b.desktop", desktopEntry("B", "b"));
    const DesktopEntrySource::Options options{root.path() + "/data", {}, {"GNOME"}};
    const QString cacheFile = root.path() + "/cache/applications.cache";
    qputenv("LANGUAGE", "de");

    CountingDesktop desktop;
    AppBundle full{
        apps + "a.desktop", "a.desktop", QString::fromUtf8("Ä Report"), "Büro", {"x", QString()}, "a",
        "/i/a.png",         42};
    AppBundle bare{
        apps + "sub/b.desktop", "sub-b.desktop", "B", std::nullopt, {}, QString(), std::nullopt, -1};
    desktop.answer = {{full, bare}, {"Zarvo: skipped desktop entry /x: broken"}, {}};
    CachedDesktopEntrySource source(options, cacheFile, desktop.loader());

    const auto previous = qInstallMessageHandler(recordWarning);
    EXPECT_EQ(source.scan(), desktop.answer.bundles);
    EXPECT_EQ(desktop.scans, 1);
    warnings.clear();
    // Unchanged: from the file, nothing loaded, the same rows and the same line once more.
    const int loads = desktop.loads;
    CachedDesktopEntrySource again(options, cacheFile, desktop.loader());
    EXPECT_EQ(again.scan(), desktop.answer.bundles);
    EXPECT_EQ(desktop.loads, loads);
    EXPECT_EQ(warnings, desktop.answer.logged);
    qInstallMessageHandler(previous);

    const auto scansAfter = [&](const std::function<void()>& change) {
        change();
        const int before = desktop.scans;
        CachedDesktopEntrySource fresh(options, cacheFile, desktop.loader());
        fresh.scan();
        return desktop.scans - before;
    };
    EXPECT_EQ(scansAfter([&] { writeFile(apps + "sub/b.desktop", "[Desktop Entry]\nName=B2\n"); }), 1);
    EXPECT_EQ(scansAfter([&] { writeFile(apps + "sub/deeper/c.desktop", "[Desktop Entry]\n"); }), 1);
    EXPECT_EQ(scansAfter([&] { QFile::remove(apps + "a.desktop"); }), 1);
    EXPECT_EQ(scansAfter([] { qputenv("LANGUAGE", "fr"); }), 1);
    // A program the entries name with its path appears (or goes): GIO would list another set.
    desktop.answer.programs = {root.path() + "/opt/tool", "tool"};
    EXPECT_EQ(scansAfter([] { qputenv("LANGUAGE", "de"); }), 1);
    EXPECT_EQ(scansAfter([] {}), 0);
    EXPECT_EQ(scansAfter([&] { writeProgram(root.path() + "/opt/tool", "#!/bin/sh\n"); }), 1);
    EXPECT_EQ(scansAfter([] {}), 0);
    // Other options are another answer.
    CachedDesktopEntrySource otherDesktop({options.dataHome, {}, {"KDE"}}, cacheFile, desktop.loader());
    const int before = desktop.scans;
    otherDesktop.scan();
    EXPECT_EQ(desktop.scans, before + 1);
    EXPECT_EQ(scansAfter([] {}), 1); // the file held the other options' answer
    EXPECT_EQ(scansAfter([] {}), 0);
    // Damaged, cut short or garbage: scanned again, and written whole.
    const QByteArray whole = linuxtest::readFile(cacheFile);
    writeFile(cacheFile, whole.left(whole.size() / 2));
    EXPECT_EQ(scansAfter([] {}), 1);
    writeFile(cacheFile, QByteArray(200, '\xff'));
    EXPECT_EQ(scansAfter([] {}), 1);
    EXPECT_EQ(scansAfter([] {}), 0);
}

// The headless workspace answers the table's places and the package test, and loads the desktop for the rest.
TEST(DeferredWorkspace, LoadsTheDesktopOnlyForWhatNeedsIt) {
    const auto& box = linuxtest::sandbox();
    CountingDesktop desktop;
    DeferredWorkspace workspace(box.environment, desktop.loader());
    EXPECT_EQ(workspace.platformPath("~/Downloads"), xdgPlaceForTablePath("~/Downloads", box.environment));
    EXPECT_FALSE(workspace.isFilePackage(box.home));
    EXPECT_EQ(desktop.loads, 0);

    desktop.fakeWorkspace.applications.insert("com.apple.Terminal", "/t.desktop");
    EXPECT_EQ(workspace.urlForApplication("com.apple.Terminal"), "/t.desktop");
    workspace.revealInFileManager({QUrl::fromLocalFile(box.home)});
    EXPECT_EQ(desktop.fakeWorkspace.revealed.size(), 1);
    DeferredSession session(desktop.loader());
    session.lockScreen({});
    EXPECT_EQ(desktop.fakeSession.performed, QStringList{"lock"});
    EXPECT_EQ(desktop.loads, 3);
}
