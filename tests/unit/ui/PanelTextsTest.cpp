#include "../search/PanelHarness.h"

#include "ui/ClipPreview.h"
#include "ui/PanelTexts.h"
#include "ui/ResultRow.h"
#include "ui/SearchView.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::ui;
using zarvo::testing::Panel;

// Rows are written as designated initializers; GCC 12 warns about the members they leave to their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// The texts follow the model, and the view shows them, with the footer and the clip preview.
TEST(PanelTexts, PlaceholdersAndEmptyTextsFollowModeAndState) {
    Panel f;
    SearchView view{SearchView::Services{f.model, f.settings, f.favorites, &f.clips, &f.p.workspace}};
    view.resize(720, 480);
    view.show();
    EXPECT_EQ(PanelTexts::placeholder(f.model),
              "Path, file name, URL, google:\u2026, > command, keyword, or ? for help");
    EXPECT_TRUE(PanelTexts::emptyText(f.model, f.settings).startsWith("Type a path, a file name"));
    EXPECT_TRUE(PanelTexts::emptyText(f.model, f.settings).contains("week:   \u00B7   Type ?"));
    EXPECT_EQ(view.emptyTextShown(), PanelTexts::emptyText(f.model, f.settings));
    EXPECT_TRUE(view.footerText().startsWith("\u21A9 Open")) << view.footerText().toStdString();
    f.model.setMessage(QStringLiteral("Copied ~/x"));
    EXPECT_EQ(view.footerText(), "Copied ~/x");
    f.model.setMessage(std::nullopt);
    EXPECT_TRUE(view.footerText().contains("Actions"));

    f.model.setQuery("zzqqxx-nothing");
    f.model.pipeline().runSearch();
    EXPECT_EQ(PanelTexts::emptyText(f.model, f.settings),
              f.model.isSearching() ? "Searching\u2026" : "No matches");

    // The actions placeholder names the target: its title, else a file's name.
    const QString report = f.p.makeFile("Documents/report.pdf", "pdf");
    f.model.modes().showActions(ResultItem::file(&f.p.workspace, report, ResultItem::Source::path));
    EXPECT_EQ(PanelTexts::placeholder(f.model), "Search actions for \u201Creport.pdf\u201D\u2026");

    f.model.modes().prepareForShow(true);
    EXPECT_EQ(PanelTexts::placeholder(f.model), "Search clipboard history");
    EXPECT_EQ(PanelTexts::emptyText(f.model, f.settings),
              "Nothing copied yet.\nText, images, links and files you copy show up here.");
    EXPECT_EQ(view.emptyTextShown(), PanelTexts::emptyText(f.model, f.settings));
    EXPECT_TRUE(view.footerText().startsWith("\u21A9 Copy"));
    EXPECT_TRUE(view.clipPreview()->shownDetails().isEmpty());
    f.addTextClip("first copy");
    f.model.modes().prepareForShow(true);
    EXPECT_TRUE(view.emptyTextShown().isEmpty());
    EXPECT_EQ(view.clipPreview()->shownText(), "first copy");
    EXPECT_TRUE(view.clipPreview()->shownDetails().startsWith("From Editor"));
    f.model.setQuery("abc");
    EXPECT_EQ(PanelTexts::emptyText(f.model, f.settings), "No clips match \u201Cabc\u201D");
    f.settings.setKeepClipboardHistory(false);
    EXPECT_EQ(PanelTexts::emptyText(f.model, f.settings),
              "Clipboard history is off.\nTurn it on in Settings (\u2318,).");
}

TEST(ResultRows, TagsButtonsAndSubtitlesBySource) {
    Panel f;
    using S = ResultItem::Source;
    ResultItem web{.url = QUrl("https://example.com/a"), .source = S::web};
    EXPECT_EQ(ResultRow::tag(web, f.settings), "URL");
    EXPECT_TRUE(ResultRow::hasCopyButton(web));
    EXPECT_EQ(ResultRow::copyHelp(web), "Copy URL");
    EXPECT_FALSE(ResultRow::hasRevealButton(web));
    EXPECT_EQ(ResultRow::subtitle(web, f.p.home()), "Open in browser");
    web.symbol = "magnifyingglass";
    EXPECT_EQ(ResultRow::tag(web, f.settings), "Web");

    ResultItem folder = ResultItem::file(&f.p.workspace, f.p.home() + "/Downloads", S::spotlight);
    folder.isDirectory = true;
    EXPECT_EQ(ResultRow::tag(folder, f.settings), "Folder");
    EXPECT_EQ(ResultRow::copyHelp(folder), "Copy path");
    EXPECT_TRUE(ResultRow::hasRevealButton(folder));
    // A home folder that is only a prefix of another name is not abbreviated.
    EXPECT_EQ(ResultRow::subtitle(ResultItem::file(&f.p.workspace, f.p.home() + "x/y", S::path), f.p.home()),
              f.p.home() + "x/y");

    const ResultItem app{.url = QUrl("x-apple.systempreferences:com.apple.preference.network"),
                         .source = S::shortcut,
                         .keyword = "ncpa.cpl"};
    EXPECT_EQ(ResultRow::tag(app, f.settings), "ncpa.cpl");
    EXPECT_FALSE(ResultRow::hasCopyButton(app));

    const ResultItem command = ResultItem::commandItem(&f.p.workspace, "git status", S::command);
    EXPECT_EQ(ResultRow::tag(command, f.settings), "Run");
    EXPECT_EQ(ResultRow::copyHelp(command), "Copy command");

    // The entry that opens the clipboard tab shows the clipboard hot key; real clips show none.
    const ResultItem history = ResultItem::clipboardHistory(3, "\u21E7\u2318V");
    EXPECT_EQ(ResultRow::tag(history, f.settings), "\u21E7\u2318V");
    f.addTextClip("hello");
    const ResultItem clip = ResultItem::clip(&f.p.clock, f.clips.clips().first());
    EXPECT_EQ(ResultRow::tag(clip, f.settings), std::nullopt);
    EXPECT_EQ(ResultRow::copyHelp(clip), "Copy to the clipboard");
    EXPECT_FALSE(ResultRow::hasRevealButton(clip));

    ResultItem help{.source = S::help};
    EXPECT_EQ(ResultRow::tag(help, f.settings), std::nullopt);
    help.example = "img: week:";
    EXPECT_EQ(ResultRow::tag(help, f.settings), "\u21A9 Try");
    EXPECT_EQ(ResultRow::subtitleLines(help), 2);
}

TEST(ClipPreviewText, DetailsAndCutText) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    Clip clip;
    clip.kind = Clip::Kind::text;
    clip.text = QString(5000, QLatin1Char('a'));
    clip.length = 12000;
    clip.date = QDateTime(QDate(2026, 12, 6), QTime(21, 34), Qt::UTC);
    EXPECT_EQ(ClipPreview::contentText(clip), clip.text + "\n\u2026");
    QString details = ClipPreview::details(clip, us);
    EXPECT_FALSE(details.startsWith("From"));
    EXPECT_TRUE(details.endsWith(" \u00B7 12,000 characters")) << details.toStdString();
    EXPECT_TRUE(details.contains("Dec")) << details.toStdString();
    EXPECT_FALSE(details.contains("Sunday"));
    // Hours and minutes only, also where the locale's short time has seconds.
    const QRegularExpression withSeconds(R"(\d:\d\d:\d\d)");
    EXPECT_FALSE(ClipPreview::details(clip, QLocale::c()).contains(withSeconds))
        << ClipPreview::details(clip, QLocale::c()).toStdString();

    clip.text = "x";
    clip.length = 1;
    clip.pinned = true;
    clip.appName = "Terminal";
    EXPECT_EQ(ClipPreview::contentText(clip), "x");
    details = ClipPreview::details(clip, us);
    EXPECT_TRUE(details.startsWith("From Terminal \u00B7 "));
    EXPECT_TRUE(details.endsWith(" \u00B7 1 character \u00B7 Pinned")) << details.toStdString();

    clip.kind = Clip::Kind::files;
    clip.pinned = false;
    EXPECT_TRUE(ClipPreview::details(clip, us).endsWith(" \u00B7 1 file"));
    clip.length = 3;
    EXPECT_TRUE(ClipPreview::details(clip, us).endsWith(" \u00B7 3 files"));
    clip.kind = Clip::Kind::image;
    clip.size = 2'400'000;
    EXPECT_TRUE(ClipPreview::details(clip, us).endsWith(" \u00B7 2.4 MB"))
        << ClipPreview::details(clip, us).toStdString();
}
