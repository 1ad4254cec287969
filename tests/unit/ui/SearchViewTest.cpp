#include "../search/PanelHarness.h"

#include "app/SearchPanel.h"
#include "app/StatusMenu.h"
#include "platform/HotKeyFormat.h"
#include "platform/HotKeyManager.h"
#include "platform/PlatformWords.h"
#include "ui/ClipPreview.h"
#include "ui/FileThumbnails.h"
#include "ui/Icons.h"
#include "ui/KeyEvents.h"
#include "ui/PanelTexts.h"
#include "ui/ResultList.h"
#include "ui/ResultRow.h"
#include "ui/SearchField.h"
#include "ui/SearchView.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zarvo;
using namespace zarvo::ui;
using zarvo::testing::Panel;
using zarvo::testing::waitUntil;
using Source = ResultItem::Source;

// Designated initializers leave members to their defaults on purpose; GCC 12 warns about that.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// The panel's view at its usual size, shown, on the fakes of `f`.
std::unique_ptr<SearchView> showView(Panel& f, const HotKeyManager* keys = nullptr,
                                     FileThumbnails* thumbnails = nullptr) {
    auto view = std::make_unique<SearchView>(SearchView::Services{
        f.model, f.settings, f.favorites, &f.clips, &f.p.workspace, keys, {}, thumbnails});
    view->resize(720, 480);
    view->show();
    return view;
}

struct View {
    Panel f;
    std::unique_ptr<SearchView> view = showView(f);
};

} // namespace

TEST(SearchViewTest, HostileRowsPaintWithoutHarm) {
    View v;
    ResultItem rtl =
        v.f.fileRow(v.f.p.home() + "/\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627.txt");
    rtl.iconPath = "/nonexistent/icon.png";
    // A clip whose data file is gone.
    const Clip gone{.id = QUuid::createUuid(),
                    .kind = Clip::Kind::image,
                    .text = "Image",
                    .length = 1,
                    .date = QDateTime::currentDateTimeUtc()};
    v.f.model.setResults({{.url = QUrl("https://example.com"),
                           .source = Source::web,
                           .title = QString(100 * 1024, QChar(0x6587)),
                           .subtitle = QString(100 * 1024, QLatin1Char('s'))},
                          {.url = QUrl("https://example.org"),
                           .source = Source::web,
                           .title = QString(300, QChar(0x0301)),
                           .symbol = "no.such.symbol"},
                          rtl,
                          {.url = QUrl("zarvo:help/x"),
                           .source = Source::help,
                           .title = "Help",
                           .subtitle = QString(2000, QLatin1Char('w')) + " tail words here",
                           .example = "img:"},
                          ResultItem::clip(&v.f.p.clock, gone)});
    v.f.model.setSelectedIndex(4);
    const QImage frame = v.view->grab().toImage(); // paints every row once, as a frame would
    EXPECT_EQ(frame.size(), QSize(720, 480) * frame.devicePixelRatio());
    EXPECT_EQ(v.view->resultList()->listModel()->rowCount(), 5);

    ClipPreview preview(&v.f.clips);
    preview.resize(390, 300);
    preview.setClip(gone);
    preview.show();
    EXPECT_FALSE(preview.isShowingImage());
    EXPECT_FALSE(preview.shownDetails().isEmpty());
    EXPECT_FALSE(preview.grab().isNull());
}

// Rows standing for another file (a desktop entry, a clip's first file) show its icon, not a blank square.
TEST(SearchViewTest, EveryRowHasAnIcon) {
    View v;
    const QString entry = v.f.p.makeFile(
        "terminal.desktop",
        "[Desktop Entry]\nType=Application\nName=Terminal\nExec=xterm\nIcon=utilities-terminal\n");
    const ResultItem command{.url = QUrl("zarvo:command/ls"),
                             .source = Source::command,
                             .title = "ls",
                             .iconPath = entry,
                             .command = "ls"};
    ResultItem filesClip = ResultItem::file(&v.f.p.workspace, v.f.p.home() + "/report.pdf", Source::clip);
    filesClip.iconPath = v.f.p.home() + "/report.pdf";
    v.f.model.setResults({command, filesClip});
    ResultList* list = v.view->resultList();
    const QImage frame = list->grab().toImage();
    for (int row = 0; row < 2; ++row) {
        const QRect rect = list->visualRect(list->listModel()->index(row));
        const QRect icon(rect.left() + 16, rect.center().y() - 15, 30, 30);
        const QRgb background = frame.pixel(icon.right() + 3, icon.top());
        int drawn = 0;
        for (int y = icon.top(); y <= icon.bottom(); ++y)
            for (int x = icon.left(); x <= icon.right(); ++x)
                drawn += frame.pixel(x, y) != background;
        EXPECT_GT(drawn, 100) << "row " << row;
    }
    // The names are tried in turn: a content type's own name the theme lacks gives way to its generic one.
    const QImage generic = QIcon::fromTheme("x-office-spreadsheet").pixmap(32).toImage();
    ASSERT_FALSE(generic.isNull());
    EXPECT_EQ(Icons::fromNames({"application-vnd.oasis.opendocument.spreadsheet", "x-office-spreadsheet"})
                  .pixmap(32)
                  .toImage(),
              generic);
}

TEST(SearchViewTest, FocusRequestsSelectTheBaseNameOrPutTheCaretAtTheEnd) {
    // The base name leaves only the last extension out.
    const std::pair<QString, QString> names[] = {{".bashrc", ".bashrc"},
                                                 {"some.dir/file", "some.dir/file"},
                                                 {"r\u00E9sum\u00E9.docx", "r\u00E9sum\u00E9"}};
    for (const auto& [name, base] : names)
        EXPECT_EQ(SearchField::baseNameLength(name), base.size()) << name.toStdString();
    SearchField field;
    field.show();
    field.setModelText("archive.tar.gz");
    const auto focus = [&field](int token, bool baseName, bool caretAtEnd) {
        field.requestFocus(token, baseName, caretAtEnd);
        zarvo::testing::pump(30);
        return field.selectedText();
    };
    EXPECT_EQ(focus(1, true, false), "archive.tar");
    EXPECT_EQ(focus(1, false, false), "archive.tar"); // the same token again: nothing happens
    EXPECT_EQ(focus(2, false, true), "");
    EXPECT_EQ(field.cursorPosition(), 14);
    EXPECT_EQ(focus(3, false, false), "archive.tar.gz");
}

TEST(PanelKeysTest, QtKeysBecomeTheModelsKeys) {
    const auto translate = [](int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        return ui::keyEventFrom(event);
    };
    auto k = translate(Qt::Key_K, Qt::ControlModifier, QString(QChar(0x0B)));
    ASSERT_TRUE(k);
    EXPECT_EQ(k->keyCode, 40);
    EXPECT_TRUE(k->command);
    EXPECT_FALSE(k->control);
    EXPECT_EQ(k->characters, "k");
    auto ret = translate(Qt::Key_Return, Qt::AltModifier, "\r");
    EXPECT_EQ(ret->keyCode, KeyCode::returnKey);
    EXPECT_TRUE(ret->option);
    auto meta = translate(Qt::Key_1, Qt::MetaModifier, "1");
    EXPECT_TRUE(meta->control);
    EXPECT_EQ(meta->keyCode, 18);
    EXPECT_EQ(translate(Qt::Key_Backtab, Qt::ShiftModifier)->keyCode, KeyCode::tab);
    EXPECT_EQ(translate(Qt::Key_Enter, Qt::KeypadModifier)->keyCode, KeyCode::enter);
    EXPECT_FALSE(translate(Qt::Key_Shift, Qt::ShiftModifier));
    // What the settings window's recorder keeps of a key.
    EXPECT_EQ(HotKeyFormat::label(49, " "), "Space");
    EXPECT_EQ(HotKeyFormat::label(76, "\x03"), "\x03");
    EXPECT_EQ(HotKeyFormat::label(40, {}), "?");
    EXPECT_EQ(HotKeyFormat::carbonModifiers(ui::eventFlags(*k) | (1ull << 16)), HotKeyModifier::command);
}

TEST(PanelWindow, SitsCentredAt18PercentAndDrawsASharpKeycap) {
    const QRect frame = app::SearchPanel::frameOn(QRect(1920, 28, 1920, 1052));
    EXPECT_EQ(frame.center().x(), 1920 + 960 - 1);
    EXPECT_EQ(frame.top(), 28 + int(0.18 * 1052));
    EXPECT_EQ(frame.size(), QSize(720, 480));
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap keycap = app::StatusMenu::keycap(18, dpr, Qt::black);
        EXPECT_EQ(keycap.width(), int(18 * dpr));
        const QImage image = keycap.toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        // The outline and the letter, not an empty square and not a filled one.
        EXPECT_GT(inked, image.width() * 4);
        EXPECT_LT(inked, image.width() * image.height() / 2);
    }
}

// The status menu's eight items, its first two titled with their keys, or why a key fails.
TEST(HotKeyConflictTest, FooterTabsAndMenuSayWhyTheKeyFailsUntilTheDesktopLetsGo) {
    Panel f;
    using Slot = HotKeyManager::Slot;
    const auto superR = qMakePair(15u, 0x100u);
    f.p.hotKeys.taken.insert(superR);
    f.p.desktopShortcuts.holders.insert(superR, {QStringLiteral("Xfce")});
    HotKeyManager keys(&f.p.hotKeys, &f.p.desktopShortcuts);
    keys.registerKey(Slot::main, 15, 0x100);
    keys.registerKey(Slot::clipboard, 9, 0x300);
    const auto view = showView(f, &keys);
    int opened = 0;
    app::StatusMenu menu(f.settings, {.open = [&] { ++opened; }}, &keys);
    const QList<QAction*> items = menu.menu()->actions();
    const auto footerShows = [&view](const QString& text) {
        for (QLabel* label : view->findChildren<QLabel*>())
            if (label->text() == text) return true;
        return false;
    };

    const QString conflict = QStringLiteral("⌘R is used by Xfce \u2014 choose another key");
    EXPECT_TRUE(footerShows(conflict));
    EXPECT_FALSE(footerShows(QStringLiteral("⌘R")));
    EXPECT_EQ(PanelTexts::tabHelp(SearchModel::Tab::run, f.settings, &keys), "Run (" + conflict + ")");
    EXPECT_EQ(PanelTexts::tabHelp(SearchModel::Tab::clipboard, f.settings, &keys), "Clipboard (⇧⌘V)");
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), "Open Zarvo  (" + conflict + ")");
    EXPECT_EQ(items[1]->text(), "Clipboard History  (⇧⌘V)");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text(), "Settings…");
    EXPECT_EQ(items[7]->text(), "Quit Zarvo");

    // Xfce lets go of the key: the next retry takes it, and every text names the key again.
    f.p.hotKeys.taken.clear();
    f.p.desktopShortcuts.holders.clear();
    ASSERT_TRUE(keys.isRetrying());
    keys.retry();
    EXPECT_TRUE(footerShows(QStringLiteral("⌘R")));
    EXPECT_EQ(items[0]->text(), "Open Zarvo  (⌘R)");

    // A changed hot key shows the next time the menu opens.
    f.settings.setHotKeyModifiers(HotKeyModifier::control | HotKeyModifier::option);
    emit menu.menu()->aboutToShow();
    EXPECT_EQ(items[0]->text(), "Open Zarvo  (⌃⌥R)");
    items[0]->trigger();
    zarvo::testing::pump(30); // menu actions run once the menu has closed
    EXPECT_EQ(opened, 1);
}

// Linux words, with a file manager whose name is long.
struct LongWords : PlatformWords {
    QString keys(const QString& glyphs) const override {
        return QString(glyphs)
            .replace("\u2318", "Ctrl+")
            .replace("\u2325", "Alt+")
            .replace("\u21A9", "Enter");
    }
    QString text(const QString& shown) const override {
        return keys(QString(shown).replace("Finder", "Thunar File Manager"));
    }
};

// At any width the footer's hints show whole and in order, clear of the key's text; "? for help" stays.
TEST(SearchViewTest, FooterHintsDropWholeAndNeverOverlap) {
    Panel f;
    LongWords words;
    f.p.platform.words = &words;
    f.p.install();
    const auto superR = qMakePair(15u, 0x100u);
    f.p.hotKeys.taken.insert(superR);
    f.p.desktopShortcuts.holders.insert(superR, {QStringLiteral("Xfce")});
    HotKeyManager keys(&f.p.hotKeys, &f.p.desktopShortcuts);
    keys.registerKey(HotKeyManager::Slot::main, 15, 0x100);
    const auto view = showView(f, &keys);
    const QList<PanelTexts::Hint> hints = PanelTexts::hints(SearchModel::Mode::search);
    QStringList all;
    for (const PanelTexts::Hint& hint : hints)
        all << words.keys(hint.keys) + " " + words.text(hint.label);
    QSet<int> counts;
    bool shortened = false;
    for (int width = 1100; width >= 300; width -= 20) {
        view->resize(width, 480);
        QCoreApplication::processEvents();
        const QString footer = view->footerText();
        QLabel* right = nullptr;
        QLabel* left = nullptr;
        for (QLabel* label : view->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty() && label->text() == view->footerHotKeyText())
                right = label;
            if (label->isVisible() && label->textFormat() == Qt::RichText && label->text().contains("<b>"))
                left = label;
        }
        ASSERT_TRUE(right && left) << width;
        // Whole hints, a prefix of the model's order; a long name gives way to "…" after a whole word.
        const QStringList shown = footer.split(QRegularExpression("\\s{3}"), Qt::SkipEmptyParts);
        counts << int(shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            const QString& hint = shown[i];
            if (hint.endsWith(QChar(0x2026))) {
                shortened = true;
                EXPECT_TRUE(all[i].startsWith(hint.chopped(1) + " ")) << hint.toStdString();
            } else {
                EXPECT_EQ(hint, all[i]) << width;
            }
        }
        EXPECT_FALSE(footer.contains("Manag\u2026"));
        // Side by side: the hints' text (keys set in bold) ends before the hot key's label begins.
        QFont bold = left->font();
        bold.setBold(true);
        const QFontMetrics regular(left->font()), heavy(bold);
        int hintsWidth = regular.horizontalAdvance("   ") * int(qMax<qsizetype>(0, shown.size() - 1));
        for (int i = 0; i < shown.size(); ++i) {
            const QString keysShown = words.keys(hints[i].keys);
            hintsWidth += heavy.horizontalAdvance(keysShown) +
                          regular.horizontalAdvance(shown[i].mid(keysShown.size()));
        }
        EXPECT_LE(left->x() + hintsWidth, right->x()) << width;
        EXPECT_GE(right->x() + right->width(),
                  right->x() + QFontMetrics(right->font()).horizontalAdvance(right->text()));
        EXPECT_LE(right->geometry().right(), right->parentWidget()->width());
        if (right->text() != PanelTexts::tabHotKey(f.model, f.settings, &keys)) {
            EXPECT_TRUE(right->text().endsWith(QChar(0x2026)) && !right->toolTip().isEmpty()) << width;
        }
        const auto* field = view->findChild<SearchField*>();
        ASSERT_TRUE(field);
        EXPECT_TRUE(field->placeholderText().endsWith("? for help")) << width;
        EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->placeholderText()), field->width())
            << width;
    }
    EXPECT_GE(counts.size(), 3); // the hints shown do change with the width
    EXPECT_TRUE(counts.contains(6));
    EXPECT_TRUE(shortened);
}

// Every symbol the code names has a theme icon, bundled where the desktop has none: no blank squares.
TEST(IconsTest, EverySymbolInTheCodeHasAnIcon) {
    static const QRegularExpression dotted(QStringLiteral("\"([a-z][a-z0-9]*(?:\\.[a-z0-9]+)+)\""));
    static const QRegularExpression word(QStringLiteral("\"([a-z][a-z0-9]*)\""));
    // "mini.xterm": xterm's own theme icon name.
    static const QStringList notSymbols =
        QStringLiteral("com org dev io net x zarvo public application inode www google github mini")
            .split(' ');
    static const QStringList extensions =
        QStringLiteral("json desktop lock png snapshot txt clip plist xbel command sh "
                       "tar gz zip pdf md jpg html local cpl msc exe bak tmp thumb old xml")
            .split(' ');
    QSet<QString> symbols;
    QDirIterator files(QStringLiteral(ZARVO_SOURCE_DIR "/src"), {"*.cpp"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.trimmed().startsWith("//")) continue;
            for (auto it = dotted.globalMatch(line); it.hasNext();) {
                const QStringList parts = it.next().captured(1).split('.');
                if (!notSymbols.contains(parts.first()) && !extensions.contains(parts.last()))
                    symbols << parts.join('.');
            }
            // Plain words are symbols where a row or an action takes its symbol.
            if (line.contains("symbol") || line.contains("ItemAction{") || line.contains("topic("))
                for (auto it = word.globalMatch(line); it.hasNext();)
                    symbols << it.next().captured(1);
        }
    }
    for (const char* key : {"symbol", "title", "detail", "example"})
        symbols.remove(key);
    ASSERT_GT(symbols.size(), 30);
    QStringList names = Icons::table().values();
    for (const QString& symbol : std::as_const(symbols)) {
        const auto name = Icons::themeName(symbol);
        EXPECT_TRUE(name.has_value()) << "no icon for the symbol " << symbol.toStdString();
        if (name) names << *name;
    }
    // Drawn also on a desktop whose theme lacks the names, with no Adwaita installed: the bundled copies.
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QTemporaryDir bare;
    QIcon::setThemeSearchPaths({bare.path()});
    QIcon::setThemeName("NoSuchTheme");
    for (const QString& name : std::as_const(names))
        EXPECT_FALSE(QIcon::fromTheme(name).pixmap(16).isNull()) << name.toStdString();
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(theme);
}

// A picture's row shows its cached freedesktop thumbnail once read; a stale one is asked for anew, once.
TEST(SearchViewTest, PicturesShowTheirCachedThumbnailsAndMissingOnesAreAskedFor) {
    Panel f;
    QTemporaryDir cache;
    FileThumbnails thumbnails(&f.p.workspace, cache.path());
    const auto view = showView(f, nullptr, &thumbnails);
    const QString photo = f.p.makeFile("Pictures/photo.png");
    const auto writeThumbnail = [&](QColor colour, qint64 mtime) {
        QImage thumb(128, 96, QImage::Format_RGB32);
        thumb.fill(colour);
        const QByteArray uri = QUrl::fromLocalFile(photo).toEncoded();
        thumb.setText("Thumb::URI", QString::fromUtf8(uri));
        thumb.setText("Thumb::MTime", QString::number(mtime));
        QDir().mkpath(cache.path() + "/thumbnails/normal");
        thumb.save(cache.path() + "/thumbnails/normal/" +
                   QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png");
    };
    const qint64 mtime = QFileInfo(photo).lastModified().toSecsSinceEpoch();
    writeThumbnail(Qt::blue, mtime - 60); // of an older version of the file
    f.model.setResults({ResultItem::file(&f.p.workspace, photo, Source::spotlight)});
    ResultList* list = view->resultList();
    const auto iconColour = [&] {
        const QImage frame = list->grab().toImage();
        const QRect rect = list->visualRect(list->listModel()->index(0));
        return QColor(frame.pixel(QPoint(rect.left() + 32, rect.center().y()) * frame.devicePixelRatio()));
    };
    list->grab();
    EXPECT_TRUE(waitUntil([&] { return !f.p.workspace.thumbnailRequests.isEmpty(); }));
    EXPECT_EQ(f.p.workspace.thumbnailRequests, QStringList{photo});
    EXPECT_NE(iconColour(), QColor(Qt::blue));

    // The thumbnailer made it: read again, and the row shows it.
    writeThumbnail(Qt::red, mtime);
    f.p.workspace.thumbnailsReady({photo});
    EXPECT_TRUE(waitUntil([&] { return iconColour() == QColor(Qt::red); }));
    list->grab();
    EXPECT_EQ(f.p.workspace.thumbnailRequests, QStringList{photo}) << "asked once";
}

// The texts follow the model, and the view shows them, with the footer and the clip preview.
TEST(PanelTexts, PlaceholdersAndEmptyTextsFollowModeAndState) {
    View v;
    Panel& f = v.f;
    SearchView& view = *v.view;
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
    EXPECT_EQ(ResultRow::subtitle(f.fileRow(f.p.home() + "x/y"), f.p.home()), f.p.home() + "x/y");

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
    Clip clip{.text = QString(5000, QLatin1Char('a')),
              .length = 12000,
              .date = QDateTime(QDate(2026, 12, 6), QTime(21, 34), Qt::UTC)};
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
