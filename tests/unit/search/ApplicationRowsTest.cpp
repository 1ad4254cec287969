#include "PanelHarness.h"

#include <gtest/gtest.h>

using namespace zarvo;

namespace {

AppBundle bundle(const QString& location, const QString& name, const QString& executable,
                 std::optional<QString> genericName = {}, const QStringList& keywords = {}) {
    AppBundle b;
    b.location = location;
    b.name = name;
    b.executable = executable;
    b.genericName = std::move(genericName);
    b.keywords = keywords;
    return b;
}

struct Fixture : zarvo::testing::Panel {
    QString calculator = p.makeFile("apps/org.gnome.Calculator.desktop");
    QString keepass = p.makeFile("apps/org.keepassxc.KeePassXC.desktop");
    // Two entries of one program: the tool comes first in the alphabet and from the index.
    QString bulkRename = p.makeFile("apps/thunar-bulk-rename.desktop");
    QString thunar = p.makeFile("apps/thunar.desktop");
    // A terminal described the way the desktop's terminals are.
    QString foot = p.makeFile("apps/org.codeberg.dnkl.foot.desktop");

    Fixture() : Panel(true) {
        appSource.bundles = {
            bundle(calculator, "Calculator", "gnome-calculator"),
            bundle(keepass, "KeePassXC", "keepassxc", "Password Manager", {"password"}),
            bundle(bulkRename, "Bulk Rename", "thunar"), bundle(thunar, "Thunar File Manager", "thunar"),
            bundle(foot, "Foot", "foot", "Terminal", {"shell", "prompt", "command", "commandline"})};
        apps.reload();
        // The calc keyword names the same entry.
        p.workspace.applications.insert("com.apple.calculator", calculator);
    }
    void search(const QString& text, const QStringList& paths) {
        type(text);
        ASSERT_FALSE(live().isEmpty());
        live().last()->finish(paths);
    }
    // How many rows show the file at `location`.
    int rows(const QString& location) const {
        int count = 0;
        for (const ResultItem& item : model.results())
            count += item.url.toLocalFile() == location;
        return count;
    }
};

} // namespace

TEST(ApplicationRows, RankFirstByTheirNamesAndOpenThroughTheWorkspace) {
    Fixture f;
    const QString notes = f.p.makeFile("Documents/keepassxc.txt");
    const QString password = f.p.makeFile("Documents/password.txt");
    // The file of the same name comes first from the index; the application's bonus puts it ahead.
    f.search("keepassxc", {notes, f.keepass});
    ASSERT_GE(f.model.results().size(), 2);
    const ResultItem first = f.model.results().first();
    EXPECT_EQ(first.url.toLocalFile(), f.keepass);
    EXPECT_EQ(first.name(), "KeePassXC");
    EXPECT_EQ(f.model.results().at(1).url.toLocalFile(), notes);

    // Found by a keyword the entry's file name does not contain.
    f.search("password", {password, f.keepass});
    EXPECT_EQ(f.model.results().first().url.toLocalFile(), f.keepass);
    // ↩ remembers the entry under its location (opened as any file row is, see ResultActionsTest).
    f.model.resultActions().open(f.model.results().first());
    EXPECT_EQ(f.history.byFrecency().value(0).key, f.keepass);
    // The entry whose own name matches beats the one that only runs the same program.
    f.search("thunar", {f.bulkRename, f.thunar});
    EXPECT_EQ(f.model.results().first().url.toLocalFile(), f.thunar);

    // Remembered, it comes back as the application's row, matched by its name.
    f.type("keep");
    EXPECT_TRUE(std::any_of(f.model.results().begin(), f.model.results().end(), [&](const ResultItem& item) {
        return item.source == ResultItem::Source::history && item.url.toLocalFile() == f.keepass &&
               item.name() == "KeePassXC";
    }));
}

TEST(ApplicationRows, AKeywordNamingTheSameApplicationListsItOnce) {
    Fixture f;
    // Opened once as a found application: the history now holds its location too.
    f.history.add(f.calculator);
    f.search("calc", {f.calculator});
    EXPECT_EQ(f.rows(f.calculator), 1);
    EXPECT_EQ(f.model.results().first().keyword, "calc");
    // A name that only the application answers to still lists it, once.
    f.search("gnome-calculator", {f.calculator});
    EXPECT_EQ(f.rows(f.calculator), 1);
}

TEST(ApplicationRows, DescriptiveNamesMatchAtWordStartsOnly) {
    Fixture f;
    // "dl" inside the keyword "commandline" is no reason to list it; a word's start in a keyword or the
    // generic name is, and so is any part of its name, also with the words spread over its names.
    const auto listed = [&f](const char* text) {
        const QString& app = QString(text).startsWith("keepass") ? f.keepass : f.foot;
        f.search(text, {app});
        return f.rows(app) > 0;
    };
    for (const char* text : {"dl", "line", "min", "keepass ager"})
        EXPECT_FALSE(listed(text)) << text;
    for (const char* text : {"commandl", "term", "prom", "oot", "Foo", "keepass manag"})
        EXPECT_TRUE(listed(text)) << text;
}

TEST(ApplicationRows, GetNoOpenWithBar) {
    Fixture f;
    // The desktop offers editors and its launcher tool for any desktop entry, and editors for text.
    const QString editor = f.p.makeFile("apps/org.gnome.TextEditor.desktop");
    const QString launcherTool = f.p.makeFile("apps/xfce4-panel-launcher.desktop");
    f.p.workspace.handlers.insert("file:desktop", {editor, launcherTool});
    f.p.workspace.handlers.insert("file:txt", {editor});
    const QString notes = f.p.makeFile("Documents/foot notes.txt");
    // A launcher on the desktop that the catalogue does not list is an application all the same.
    const QString desktopLauncher = f.p.makeFile("Desktop/Foot Server.desktop");
    f.search("foot", {f.foot, desktopLauncher, notes});
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
