#include "LinuxSandbox.h"

#include "platform/linux/CachedDesktopEntries.h"
#include "platform/linux/DeferredServices.h"
#include "platform/linux/DesktopServices.h"
#include "platform/linux/XdgPlaces.h"

#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using namespace zarvo::linuxtest;

namespace {

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

QStringList logged;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) logged << text;
}

} // namespace

// A headless process reads the last full scan's answer, and its log lines, while nothing it depends on
// changed; a change of an entry, a folder or the language scans again, and so does a damaged cache.
TEST(CachedDesktopEntrySource, AnswersAsTheLastScanUntilSomethingChanges) {
    QTemporaryDir root;
    const QString apps = root.path() + "/data/applications/";
    writeFile(apps + "a.desktop", "[Desktop Entry]\nType=Application\nName=A\nExec=a\n");
    writeFile(apps + "sub/b.desktop", "[Desktop Entry]\nType=Application\nName=B\nExec=b\n");
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
    logged.clear();
    // Unchanged: from the file, nothing loaded, the same rows and the same line once more.
    const int loads = desktop.loads;
    CachedDesktopEntrySource again(options, cacheFile, desktop.loader());
    EXPECT_EQ(again.scan(), desktop.answer.bundles);
    EXPECT_EQ(desktop.loads, loads);
    EXPECT_EQ(logged, desktop.answer.logged);
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
