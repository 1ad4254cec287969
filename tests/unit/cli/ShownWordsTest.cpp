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

// What a Linux desktop shows names Linux things: no word of the Mac's in the rows, the manual, the
// actions menu or zarvo-cli's output, on the fakes with the Linux words.

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
        found << where + QStringLiteral(": ") + it.next().captured() + QStringLiteral(" in \u201C") + shown +
                     QStringLiteral("\u201D");
    return found;
}

struct LinuxPanel : Panel {
    linux_::LinuxPlatformWords words{[] { return std::optional<QString>(QStringLiteral("Files")); }};

    LinuxPanel() {
        p.platform.words = &words;
        p.install();
        // Every application of the table is installed; some entries give no name of their own.
        int n = 0;
        for (const Shortcut& shortcut : Shortcuts::builtIn())
            if (const auto* app = std::get_if<Shortcut::App>(&shortcut.target))
                for (const QString& identifier : app->bundleIdentifiers)
                    p.workspace.applications.insert(identifier, QStringLiteral("/apps/%1.desktop").arg(++n));
        p.workspace.applications.insert(QStringLiteral("com.apple.systempreferences"),
                                        QStringLiteral("/apps/settings.desktop"));
        p.workspace.applicationNames.insert(QStringLiteral("/apps/settings.desktop"),
                                            QStringLiteral("Settings Manager"));
        p.workspace.applicationNames.insert(
            p.workspace.applications.value(QStringLiteral("com.apple.TextEdit")), QStringLiteral("Mousepad"));
        p.workspace.applicationNames.insert(
            p.workspace.applications.value(QStringLiteral("com.apple.finder")), QStringLiteral("Thunar"));
        p.workspace.applicationNames.insert(
            p.workspace.applications.value(QStringLiteral("com.apple.Preview")), QString());
        // The places of the table, where they fall in the sandbox.
        for (const Shortcut& shortcut : Shortcuts::builtIn())
            if (const auto* place = std::get_if<Shortcut::Path>(&shortcut.target))
                if (place->path.startsWith(p.home() + QLatin1Char('/'))) QDir().mkpath(place->path);
    }
    ~LinuxPanel() { p.platform.words = nullptr; }

    std::optional<ResultItem> keyword(const char* name) {
        return Shortcuts::itemForKeyword(QString::fromUtf8(name), ResultItem::Source::shortcut);
    }
    QString titles(const QList<ItemAction>& actions) {
        QString out;
        for (const ItemAction& action : actions)
            out += action.title + QLatin1Char(' ') + action.shortcut.value_or(QString()) + QLatin1Char('\n');
        return out;
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
    f.type(QStringLiteral("??"));
    const QList<ResultItem> rows = f.model.results();
    EXPECT_GE(rows.size(), 50);
    for (const ResultItem& row : rows)
        seen << macWords(QStringLiteral("row"),
                         row.name() + QLatin1Char('\n') + row.subtitle.value_or(QString()));
    // Named by the application that opens, else in the desktop's words.
    EXPECT_EQ(f.keyword("notepad")->title, QStringLiteral("Mousepad"));
    EXPECT_EQ(f.keyword("explorer")->title, QStringLiteral("Thunar"));
    EXPECT_EQ(f.keyword("mspaint")->title, QStringLiteral("Image Viewer"));
    EXPECT_EQ(f.keyword("control")->title, QStringLiteral("Settings Manager"));
    EXPECT_EQ(f.keyword("bluetooth")->subtitle, QStringLiteral("Settings \u203A Bluetooth"));
    EXPECT_EQ(f.keyword("computer")->title, QStringLiteral("File System"));
    EXPECT_EQ(f.keyword("winver")->title, QStringLiteral("About This Computer"));
    EXPECT_EQ(f.keyword("movies")->title, QStringLiteral("Videos"));

    // The manual, with the keys as registered: system-wide ones as Super, the panel's own as Ctrl.
    QString manual;
    for (const HelpTopic& topic : HelpTopic::all())
        manual += topic.title + QLatin1Char('\n') + topic.detail + QLatin1Char('\n');
    seen << macWords(QStringLiteral("help"), manual);
    EXPECT_TRUE(manual.contains(QStringLiteral("change Super+R,"))) << manual.toStdString();
    EXPECT_TRUE(manual.contains(QStringLiteral("Shift+Super+V, or clip:"))) << manual.toStdString();
    EXPECT_TRUE(manual.contains(QStringLiteral("Actions on a result: Ctrl+K")));
    // As the user changes it: the manual reads the settings, it does not repeat the defaults.
    Settings::shared().setClipHotKeyModifiers(0x100 | 0x800);
    Settings::shared().setClipHotKeyLabel(QStringLiteral("C"));
    EXPECT_TRUE(
        HelpTopic::matches(QStringLiteral("clip:")).value(0).detail.contains(QStringLiteral("Alt+Super+C")));

    // The actions of a file, a web address and a clip.
    const QString file = f.p.makeFile(QStringLiteral("Report.pdf"));
    f.model.modes().showActions(ResultItem::file(file, ResultItem::Source::path));
    const QString fileActions = f.titles(f.model.actions());
    EXPECT_TRUE(fileActions.contains(QStringLiteral("Reveal in Files Ctrl+\u21A9")))
        << fileActions.toStdString();
    seen << macWords(QStringLiteral("file action"), fileActions);
    f.model.modes().restoreSearch();
    ResultItem web;
    web.url = QUrl(QStringLiteral("https://example.com/"));
    web.source = ResultItem::Source::web;
    f.model.modes().showActions(web);
    seen << macWords(QStringLiteral("web action"), f.titles(f.model.actions()));
    f.model.modes().restoreSearch();
    f.addTextClip(QStringLiteral("make test"));
    f.model.clipboardTab().switchTab(SearchModel::Tab::clipboard);
    f.model.setQuery(QString());
    ASSERT_FALSE(f.model.results().isEmpty());
    f.model.modes().showActions(f.model.results().first());
    seen << macWords(QStringLiteral("clip action"), f.titles(f.model.actions()));
    f.model.modes().restoreSearch();
    f.model.clipboardTab().switchTab(SearchModel::Tab::run);

    // zarvo-cli prints what the panel shows.
    const QString notepad = f.query(QStringLiteral("notepad"));
    EXPECT_TRUE(notepad.contains(QStringLiteral("Mousepad  \u2014  Application"))) << notepad.toStdString();
    const QString bluetooth = f.query(QStringLiteral("bluetooth"));
    EXPECT_TRUE(bluetooth.contains(QStringLiteral("Settings \u203A Bluetooth"))) << bluetooth.toStdString();
    for (const char* text : {"explorer", "mspaint", "control", "computer", "winver", "?", "??"})
        seen << macWords(QStringLiteral("zarvo-cli query ") + QString::fromUtf8(text),
                         f.query(QString::fromUtf8(text)));

    EXPECT_TRUE(seen.isEmpty()) << seen.join(QLatin1Char('\n')).toStdString();
}
