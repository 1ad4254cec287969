#include "cli/QueryCommand.h"
#include "fakes/Printers.h"
#include "platform/linux/LinuxPlatformWords.h"
#include "search/ClipboardTab.h"
#include "search/Help.h"
#include "search/PanelModes.h"
#include "sources/Shortcuts.h"
#include "unit/search/PanelHarness.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

// On the Linux words no Mac word reaches the rows, the manual, the actions menu or zarvo-cli's output.

using namespace zarvo;
using namespace zarvo::testing;

namespace {

// The Mac's words that must not reach a Linux screen, with what was seen where.
QStringList macWords(const QString& where, const QString& shown) {
    static const QRegularExpression words(
        QStringLiteral("Finder|TextEdit|\\bPreview\\b|System Settings|Full Disk Access|Macintosh HD|"
                       "About This Mac|\u2318|\u2325|\u2303"));
    QStringList found;
    for (auto it = words.globalMatch(shown); it.hasNext();)
        found << where + ": " + it.next().captured() + " in \u201C" + shown + "\u201D";
    return found;
}

struct LinuxPanel : Panel {
    linux_::LinuxPlatformWords words{[] { return std::optional<QString>("Files"); }};

    LinuxPanel() {
        p.platform.words = &words;
        p.install();
        // Every application and sandbox place of the table is there; some entries give no name of their own.
        int n = 0;
        for (const Shortcut& shortcut : Shortcuts::builtIn(p.platform)) {
            if (const auto* app = std::get_if<Shortcut::App>(&shortcut.target))
                for (const QString& identifier : app->bundleIdentifiers)
                    p.workspace.applications.insert(identifier, QString("/apps/%1.desktop").arg(++n));
            if (const auto* place = std::get_if<Shortcut::Path>(&shortcut.target))
                if (place->path.startsWith(p.home() + '/')) QDir().mkpath(place->path);
        }
        p.workspace.applications.insert("com.apple.systempreferences", "/apps/settings.desktop");
        p.workspace.applicationNames.insert("/apps/settings.desktop", "Settings Manager");
        p.workspace.applicationNames.insert(p.workspace.applications.value("com.apple.TextEdit"), "Mousepad");
        p.workspace.applicationNames.insert(p.workspace.applications.value("com.apple.finder"), "Thunar");
        p.workspace.applicationNames.insert(p.workspace.applications.value("com.apple.Preview"), QString());
    }
    ~LinuxPanel() { p.platform.words = nullptr; }

    std::optional<ResultItem> keyword(const char* name) {
        return Shortcuts::itemForKeyword(p.platform, name, ResultItem::Source::shortcut,
                                         Shortcuts::builtIn(p.platform));
    }
    QString query(const QString& text) {
        std::optional<cli::CommandOutput> output;
        const SearchModel::Services services{p.platform, settings, history,      favorites,
                                             &clips,     nullptr,  &p.pasteboard};
        cli::runQuery(services, {text}, [&](const cli::CommandOutput& o) { output = o; });
        EXPECT_TRUE(waitUntil([&] { return output.has_value(); }));
        return output ? output->out : QString();
    }
};

} // namespace

TEST(ShownWords, NothingShownOnLinuxNamesTheMacsThings) {
    LinuxPanel f;
    QStringList seen;

    // Every keyword row, as "??" lists the table through the model.
    f.type("??");
    const QList<ResultItem> rows = f.model.results();
    EXPECT_GE(rows.size(), 50);
    for (const ResultItem& row : rows)
        seen << macWords("row", row.name() + '\n' + row.subtitle.value_or(QString()));
    // Named by the application that opens, else in the desktop's words.
    const std::pair<const char*, const char*> titles[] = {
        {"notepad", "Mousepad"},     {"mspaint", "Image Viewer"},       {"control", "Settings Manager"},
        {"computer", "File System"}, {"winver", "About This Computer"}, {"movies", "Videos"}};
    for (const auto& [keyword, title] : titles)
        EXPECT_EQ(f.keyword(keyword)->title, title) << keyword;

    // The manual, with the keys as registered: system-wide ones as Super, the panel's own as Ctrl.
    QString manual;
    const HelpContext help{f.p.platform, f.settings};
    for (const HelpTopic& topic : HelpTopic::all(help))
        manual += topic.title + '\n' + topic.detail + '\n';
    seen << macWords("help", manual);
    EXPECT_TRUE(manual.contains("change Super+R,")) << manual.toStdString();
    EXPECT_TRUE(manual.contains("Shift+Super+V, or clip:")) << manual.toStdString();
    EXPECT_TRUE(manual.contains("Actions on a result: Ctrl+K"));
    // As the user changes it: the manual reads the settings, it does not repeat the defaults.
    f.settings.setClipHotKeyModifiers(0x100 | 0x800);
    f.settings.setClipHotKeyLabel("C");
    EXPECT_TRUE(HelpTopic::matches(help, "clip:").value(0).detail.contains("Alt+Super+C"));

    const auto actions = [&f](const ResultItem& row) {
        f.model.modes().showActions(row);
        QString shown;
        for (const ItemAction& action : f.model.actions())
            shown += action.title + ' ' + action.shortcut.value_or(QString()) + '\n';
        f.model.modes().restoreSearch();
        return shown;
    };
    const QString fileActions = actions(f.fileRow(f.p.makeFile("Report.pdf")));
    EXPECT_TRUE(fileActions.contains("Reveal in Files Ctrl+\u21A9")) << fileActions.toStdString();
    seen << macWords("file action", fileActions);
    seen << macWords("web action", actions(Panel::webRow("https://example.com/")));
    f.addTextClip("make test");
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    f.model.setQuery(QString());
    ASSERT_FALSE(f.model.results().isEmpty());
    seen << macWords("clip action", actions(f.model.results().first()));
    f.model.clipboardTab().switchTab(SearchModel::Tab::run);

    // zarvo-cli prints what the panel shows.
    const QString notepad = f.query("notepad");
    EXPECT_TRUE(notepad.contains("Mousepad  \u2014  Application")) << notepad.toStdString();
    for (const char* text : {"bluetooth", "explorer", "mspaint", "control", "computer", "winver", "?", "??"})
        seen << macWords("zarvo-cli query " + QString(text), f.query(text));

    EXPECT_TRUE(seen.isEmpty()) << seen.join('\n').toStdString();
}
