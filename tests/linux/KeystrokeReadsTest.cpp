// A keystroke reads no desktop entry: what the rows of a keystroke need of the applications (their
// names and icons, the handlers of a file, the terminal) is read once and kept until entries change.
#include "LinuxSandbox.h"

#include "platform/linux/DesktopApps.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/LinuxWorkspace.h"
#include "search/QueryPipeline.h"
#include "search/SearchModel.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::linux_;
using zarvo::linuxtest::sandbox;

TEST(LinuxApplications, AKeystrokeReadsNoDesktopEntry) {
    const auto& s = sandbox();
    fakes::FakePlatform p;
    LinuxWorkspace workspace(s.environment, nullptr);
    DesktopEntrySource entries(DesktopEntrySource::fromEnvironment(s.environment));
    entries.startWatching();
    workspace.followChanges(entries);
    p.platform.workspace = &workspace;
    p.install();

    UserDefaults defaults{p.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults, &p.platform};
    History history{defaults, p.clock};
    Favorites favorites{defaults};
    history.add(p.makeFile("Documents/notes 1.txt", "notes"));
    history.add("run:make all");
    favorites.toggle(p.makeDir("Downloads/dl"));
    SearchModel model(
        SearchModel::Services{p.platform, settings, history, favorites, nullptr, nullptr, nullptr});

    // Each keystroke as the panel paints it: the rows, then each row's icon, handlers and their names.
    auto type = [&] {
        int rows = 0;
        for (const char* text : {"dl", "notes 1", "?", "term", "calc", "make", "https://example.org", ""}) {
            model.setQuery(QString::fromUtf8(text));
            model.pipeline().runSearch();
            for (const ResultItem& item : model.results()) {
                ++rows;
                const QString path = item.url.isLocalFile() ? item.url.toLocalFile() : item.url.toString();
                (void)workspace.iconNamesForFile(path);
                for (const QString& app : workspace.applicationsToOpen(item.url))
                    (void)workspace.applicationName(app);
                if (auto app = workspace.applicationToOpen(item.url)) (void)workspace.applicationName(*app);
            }
        }
        (void)workspace.terminalApplications();
        return rows;
    };
    ASSERT_GT(type(), 8); // the first keystrokes may read what nothing has asked for yet
    const quint64 before = DesktopApps::entryReads();
    type();
    EXPECT_EQ(DesktopApps::entryReads(), before);
    (void)DesktopApps::installedIds(); // reads every entry: the count sees this thread's reads
    EXPECT_GT(DesktopApps::entryReads(), before);
}
