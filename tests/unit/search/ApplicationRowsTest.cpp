#include "fakes/FakeAppBundleSource.h"
#include "fakes/FakeMetadataQuery.h"
#include "fakes/FakePlatform.h"
#include "files/AppCatalog.h"
#include "search/QueryPipeline.h"
#include "search/ResultActions.h"
#include "search/SearchModel.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "store/UserDefaults.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {

struct Fixture {
    fakes::FakePlatform platform;
    fakes::FakeMetadataQueryFactory metadata;
    fakes::FakeAppBundleSource source;
    AppCatalog catalog{&source};
    UserDefaults defaults{platform.defaults, QString::fromLatin1(fakes::kTestIdentifier)};
    Settings settings{defaults, &platform.platform};
    History history{defaults, platform.clock};
    Favorites favorites{defaults};
    SearchModel model{SearchModel::Services{platform.platform, settings, history, favorites, nullptr,
                                            &metadata, &platform.pasteboard, &catalog}};
    QString calculator, keepass, bulkRename, thunar, foot;

    Fixture() {
        Settings::resetShared();
        calculator = platform.makeFile(QStringLiteral("apps/org.gnome.Calculator.desktop"));
        keepass = platform.makeFile(QStringLiteral("apps/org.keepassxc.KeePassXC.desktop"));
        AppBundle calc;
        calc.location = calculator;
        calc.name = QStringLiteral("Calculator");
        calc.executable = QStringLiteral("gnome-calculator");
        AppBundle kp;
        kp.location = keepass;
        kp.name = QStringLiteral("KeePassXC");
        kp.genericName = QStringLiteral("Password Manager");
        kp.keywords = {QStringLiteral("password")};
        kp.executable = QStringLiteral("keepassxc");
        // Two entries of one program: the tool comes first in the alphabet and from the index.
        bulkRename = platform.makeFile(QStringLiteral("apps/thunar-bulk-rename.desktop"));
        thunar = platform.makeFile(QStringLiteral("apps/thunar.desktop"));
        AppBundle rename, files;
        rename.location = bulkRename;
        rename.name = QStringLiteral("Bulk Rename");
        files.location = thunar;
        files.name = QStringLiteral("Thunar File Manager");
        rename.executable = files.executable = QStringLiteral("thunar");
        // A terminal described the way the desktop's terminals are.
        foot = platform.makeFile(QStringLiteral("apps/org.codeberg.dnkl.foot.desktop"));
        AppBundle terminal;
        terminal.location = foot;
        terminal.name = QStringLiteral("Foot");
        terminal.executable = QStringLiteral("foot");
        terminal.genericName = QStringLiteral("Terminal");
        terminal.keywords = {QStringLiteral("shell"), QStringLiteral("prompt"), QStringLiteral("command"),
                             QStringLiteral("commandline")};
        source.bundles = {calc, kp, rename, files, terminal};
        catalog.reload();
        // The calc keyword names the same entry.
        platform.workspace.applications.insert(QStringLiteral("com.apple.calculator"), calculator);
    }
    ~Fixture() { Settings::resetShared(); }
    fakes::FakeMetadataQuery* last() const {
        for (qsizetype i = metadata.created.size() - 1; i >= 0; --i)
            if (metadata.created[i] && metadata.created[i]->started) return metadata.created[i].data();
        return nullptr;
    }
    void search(const QString& text, const QStringList& paths) {
        model.setQuery(text);
        model.pipeline().runSearch();
        ASSERT_NE(last(), nullptr);
        last()->finish(paths);
    }
};

} // namespace

TEST(ApplicationRows, RankFirstByTheirNamesAndOpenThroughTheWorkspace) {
    Fixture f;
    const QString notes = f.platform.makeFile(QStringLiteral("Documents/keepassxc.txt"));
    const QString password = f.platform.makeFile(QStringLiteral("Documents/password.txt"));
    // The file of the same name comes first from the index; the application's bonus puts it ahead.
    f.search(QStringLiteral("keepassxc"), {notes, f.keepass});
    ASSERT_GE(f.model.results().size(), 2);
    const ResultItem first = f.model.results().first();
    EXPECT_EQ(first.url.toLocalFile(), f.keepass);
    EXPECT_EQ(first.name(), QStringLiteral("KeePassXC"));
    EXPECT_EQ(first.subtitle, QStringLiteral("Password Manager"));
    EXPECT_EQ(f.model.results().at(1).url.toLocalFile(), notes);

    // Found by a keyword the entry's file name does not contain; the Open-with bar does not apply.
    f.search(QStringLiteral("password"), {password, f.keepass});
    EXPECT_EQ(f.model.results().first().url.toLocalFile(), f.keepass);
    EXPECT_TRUE(f.model.resultActions().apps().isEmpty());
    // The entry whose own name matches beats the one that only runs the same program.
    f.search(QStringLiteral("thunar"), {f.bulkRename, f.thunar});
    EXPECT_EQ(f.model.results().first().url.toLocalFile(), f.thunar);
    // Words spread over several of its names still match.
    f.search(QStringLiteral("keepass manager"), {f.keepass});
    EXPECT_EQ(f.model.results().first().url.toLocalFile(), f.keepass);

    // ↩ opens the entry through the workspace and remembers it under its location.
    f.model.resultActions().open(f.model.results().first());
    ASSERT_FALSE(f.platform.workspace.opened.isEmpty());
    EXPECT_EQ(f.platform.workspace.opened.last().toLocalFile(), f.keepass);
    EXPECT_EQ(f.history.byFrecency().value(0).key, f.keepass);

    // Remembered, it comes back as the application's row, matched by its name.
    f.model.setQuery(QStringLiteral("keep"));
    f.model.pipeline().runSearch();
    bool remembered = false;
    for (const ResultItem& item : f.model.results())
        if (item.source == ResultItem::Source::history && item.url.toLocalFile() == f.keepass)
            remembered = item.name() == QStringLiteral("KeePassXC");
    EXPECT_TRUE(remembered);
}

TEST(ApplicationRows, AKeywordNamingTheSameApplicationListsItOnce) {
    Fixture f;
    // Opened once as a found application: the history now holds its location too.
    f.history.add(f.calculator);
    f.search(QStringLiteral("calc"), {f.calculator});
    int rows = 0;
    for (const ResultItem& item : f.model.results())
        if (item.url.toLocalFile() == f.calculator) ++rows;
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(f.model.results().first().keyword, QStringLiteral("calc"));
    // A name that only the application answers to still lists it, once.
    f.search(QStringLiteral("gnome-calculator"), {f.calculator});
    rows = 0;
    for (const ResultItem& item : f.model.results())
        if (item.url.toLocalFile() == f.calculator) ++rows;
    EXPECT_EQ(rows, 1);
}

TEST(ApplicationRows, DescriptiveNamesMatchAtWordStartsOnly) {
    Fixture f;
    const auto listed = [&](const QString& location) {
        for (const ResultItem& item : f.model.results())
            if (item.url.toLocalFile() == location) return true;
        return false;
    };
    // The index finds the entry by "dl" inside its keyword "commandline"; that is no reason to list it.
    f.search(QStringLiteral("dl"), {f.foot});
    EXPECT_FALSE(listed(f.foot));
    f.search(QStringLiteral("line"), {f.foot});
    EXPECT_FALSE(listed(f.foot));
    f.search(QStringLiteral("min"), {f.foot});
    EXPECT_FALSE(listed(f.foot));
    // A word's start in a keyword or the generic name still finds it, and so does any part of its name.
    for (const char* text : {"commandl", "term", "prom", "oot", "Foo"}) {
        f.search(QString::fromLatin1(text), {f.foot});
        EXPECT_TRUE(listed(f.foot)) << text;
    }
    // Words spread over its names follow the same rules.
    f.search(QStringLiteral("keepass manag"), {f.keepass});
    EXPECT_TRUE(listed(f.keepass));
    f.search(QStringLiteral("keepass ager"), {f.keepass});
    EXPECT_FALSE(listed(f.keepass));
}

TEST(ApplicationRows, GetNoOpenWithBar) {
    Fixture f;
    // The desktop offers editors and its launcher tool for any desktop entry, and editors for text.
    const QString editor = f.platform.makeFile(QStringLiteral("apps/org.gnome.TextEditor.desktop"));
    const QString launcherTool = f.platform.makeFile(QStringLiteral("apps/xfce4-panel-launcher.desktop"));
    f.platform.workspace.handlers.insert(QStringLiteral("file:desktop"), {editor, launcherTool});
    f.platform.workspace.handlers.insert(QStringLiteral("file:txt"), {editor});
    const QString notes = f.platform.makeFile(QStringLiteral("Documents/foot notes.txt"));
    // A launcher on the desktop that the catalogue does not list is an application all the same.
    const QString desktopLauncher = f.platform.makeFile(QStringLiteral("Desktop/Foot Server.desktop"));
    f.search(QStringLiteral("foot"), {f.foot, desktopLauncher, notes});
    ASSERT_GE(f.model.results().size(), 3);
    for (int i = 0; i < 3; ++i) {
        f.model.setSelectedIndex(i);
        const QString path = f.model.selected()->url.toLocalFile();
        if (path == notes)
            EXPECT_EQ(f.model.resultActions().apps().size(), 1);
        else
            EXPECT_TRUE(f.model.resultActions().apps().isEmpty()) << path.toStdString();
    }
}
