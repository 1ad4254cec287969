#include "ClipStoreFixture.h"
#include "search/ResultItem.h"
#include "store/IgnoredApps.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace zarvo;
using namespace zarvo::cliptest;

TEST(ClipStore, CapturesForeignCopiesAndMergesRepeats) {
    StoreFixture f;
    f.p.pasteboard.copyTextFromElsewhere("on the pasteboard at launch");
    auto store = f.open();
    f.settle(*store);
    EXPECT_TRUE(store->clips().isEmpty()); // what was there before the store opened is not captured

    f.p.workspace.front = AppInfo{"org.example.editor", "Editor"};
    f.copyText(*store, "abc");
    ASSERT_EQ(store->clips().size(), 1);
    const Clip first = store->clips().first();
    EXPECT_EQ(first.appName, "Editor");
    EXPECT_EQ(first.bundleID, "org.example.editor");
    EXPECT_EQ(first.kind, Clip::Kind::text);
    store->togglePin(first.id);

    f.copyText(*store, "other");
    f.p.clock.advance(90);
    // The same text with rich text is the same clip: moved to the front, kind and date updated, pin kept.
    f.copy(*store, {item({{PasteboardType::plainText, "abc"}, {"public.rtf", "{\\rtf1 abc}"}})});
    ASSERT_EQ(store->clips().size(), 2);
    const Clip merged = store->clips().first();
    EXPECT_EQ(merged.id, first.id);
    EXPECT_EQ(merged.kind, Clip::Kind::richText);
    EXPECT_TRUE(merged.pinned);
    EXPECT_EQ(merged.date, f.p.clock.now());

    f.copyText(*store, "  https://example.org/a b\n");
    EXPECT_EQ(store->clips().first().kind, Clip::Kind::link);
    const QString a = f.p.makeFile("a.txt"), b = f.p.makeFile("b c.txt");
    f.copy(*store, {item({{PasteboardType::fileURL, QUrl::fromLocalFile(a).toEncoded()},
                          {PasteboardType::plainText, "a.txt"}}),
                    item({{PasteboardType::fileURL, QUrl::fromLocalFile(b).toEncoded()}})});
    const Clip files = store->clips().first();
    EXPECT_EQ(files.kind, Clip::Kind::files);
    EXPECT_EQ(files.length, 2);
    EXPECT_EQ(files.paths(), (QStringList{a, b}));
    // A copy of a great many files keeps the first ones, and its row says how many were copied.
    QList<PasteboardItem> many;
    for (int i = 0; i < ClipStore::maximumClipFiles + 1500; ++i)
        many << item({{PasteboardType::fileURL, QUrl::fromLocalFile(u"/data/f%1"_s.arg(i)).toEncoded()}});
    f.copy(*store, many);
    const Clip cut = store->clips().first();
    EXPECT_EQ(cut.paths().size(), ClipStore::maximumClipFiles);
    EXPECT_EQ(cut.paths().last(), u"/data/f%1"_s.arg(ClipStore::maximumClipFiles - 1));
    EXPECT_TRUE(ResultItem::clip(&f.p.clock, cut).subtitle->endsWith("2500 files \u00B7 the first 1000 kept"))
        << ResultItem::clip(&f.p.clock, cut).subtitle->toStdString();
    // A web URL without text is nothing to keep; with text it is kept by its text.
    const qsizetype before = store->clips().size();
    f.copy(*store, {item({{"public.url", "https://example.org/"}})});
    EXPECT_EQ(store->clips().size(), before);

    // While the history is off a copy is consumed: turning it on later does not capture it.
    f.settings.keepHistory = false;
    f.copyText(*store, "while off");
    f.settings.keepHistory = true;
    f.settle(*store);
    EXPECT_EQ(store->clips().size(), before);
}

TEST(ClipStore, IgnoredAppsInFrontActivatedOrNamedAndOwnChanges) {
    StoreFixture f;
    // As a user of an earlier version has it stored: macOS identifiers, an entry path, a window class.
    f.settings.ignoredApps = IgnoredApps::migrate({"com.agilebits.onepassword7", "org.keepassxc.keepassxc",
                                                   "/usr/share/applications/org.gnome.World.Secrets.desktop",
                                                   "Enpass", "org.telegram.desktop", "com.vault"});
    auto store = f.open();
    store->start();
    // Front applications by desktop-file id, or without an entry by window class in any case.
    for (const AppInfo& app :
         {AppInfo{"org.keepassxc.KeePassXC", "KeePassXC"}, AppInfo{"1password", "1Password"},
          AppInfo{"org.gnome.World.Secrets", "Secrets"}, AppInfo{"Enpass", "Enpass"},
          AppInfo{"org.telegram.desktop", "Telegram"}}) {
        f.p.workspace.front = app;
        f.copyText(*store, "secret from " + *app.name);
    }
    f.p.workspace.front.reset();
    // Activated since the last poll, even though another application is in front now.
    const AppInfo vault{"com.vault", "Vault"};
    const AppInfo editor{"org.editor", "Editor"};
    f.p.workspace.activate(vault);
    f.p.workspace.activate(editor);
    f.copyText(*store, "secret activated meanwhile");
    // Named as the copy's source, also by another of its identifiers (matched by its desktop-file id).
    const QString entry = "/usr/share/applications/org.keepassxc.KeePassXC.desktop";
    f.p.workspace.applications.insert("org.keepassxc.keepassxc", entry);
    f.p.workspace.identities.insert(entry, "org.keepassxc.KeePassXC");
    for (const char* source : {"com.vault", "org.keepassxc.keepassxc"})
        f.copy(*store, {item({{PasteboardType::plainText, "secret by source"},
                              {"org.nspasteboard.source", source}})});
    EXPECT_TRUE(store->clips().isEmpty());
    EXPECT_TRUE(f.dataFiles().isEmpty());

    // The application's own copy is kept while the ignored application is in front.
    f.p.workspace.activate(vault);
    f.p.pasteboard.clearContents();
    f.p.pasteboard.setString("own copy");
    store->setOwnChangeCount(f.p.pasteboard.changeCount());
    f.settle(*store);
    ASSERT_EQ(store->clips().size(), 1);
    EXPECT_EQ(store->clips().first().appName, "Zarvo");
    EXPECT_EQ(store->clips().first().bundleID, QString::fromLatin1(fakes::kTestIdentifier));

    // A source that names an installed application attributes the copy to it.
    f.p.workspace.activate(editor);
    f.p.workspace.applications.insert("org.notes", "/apps/Notes.app");
    f.copy(*store, {item({{PasteboardType::plainText, "noted"}, {"org.nspasteboard.source", "org.notes"}})});
    EXPECT_EQ(store->clips().first().appName, "Notes");
    EXPECT_EQ(store->clips().first().bundleID, "org.notes");
}

TEST(ClipStore, AClipboardManagerTakingOverTheNewestCopyChangesNothing) {
    StoreFixture f;
    auto store = f.open();
    f.p.workspace.front = AppInfo{"org.kde.gwenview", "Gwenview"};
    f.copy(*store,
           {item({{PasteboardType::plainText, "caption"}, {PasteboardType::html, "<b>caption</b>"}})});
    ASSERT_EQ(store->clips().size(), 1);
    const Clip copied = store->clips().first();
    EXPECT_EQ(copied.kind, Clip::Kind::richText);

    // Gwenview quits; Klipper takes the clipboard over with the same text, plain, while Dolphin is in front.
    f.p.clock.advance(300);
    f.p.workspace.front = AppInfo{"org.kde.dolphin", "Dolphin"};
    f.copyText(*store, "caption");
    ASSERT_EQ(store->clips().size(), 1);
    const Clip after = store->clips().first();
    EXPECT_EQ(after.appName, "Gwenview");
    EXPECT_EQ(after.bundleID, "org.kde.gwenview");
    EXPECT_EQ(after.date, copied.date);
    EXPECT_EQ(after.kind, Clip::Kind::richText);
    EXPECT_TRUE(f.keptTypes(*store, after.id).contains(PasteboardType::html)); // the rich copy stays

    // The user copying it again after something else is a copy: to the front, from where it was copied.
    f.copyText(*store, "other");
    f.p.clock.advance(60);
    f.copyText(*store, "caption");
    ASSERT_EQ(store->clips().size(), 2);
    EXPECT_EQ(store->clips().first().id, copied.id);
    EXPECT_EQ(store->clips().first().appName, "Dolphin");
}

TEST(ClipStore, PrivateCopiesNeverReachTheDisk) {
    StoreFixture f;
    auto store = f.open();
    for (const char* marker : {"org.nspasteboard.ConcealedType", "org.nspasteboard.TransientType",
                               "org.nspasteboard.AutoGeneratedType", "com.agilebits.onepassword",
                               "net.brisvane.keeweb", "Pasteboard generator type"}) {
        // The marker on the second item still makes the whole copy private.
        f.copy(*store,
               {item({{PasteboardType::plainText, "hunter2"}}), item({{QString::fromLatin1(marker), {}}})});
    }
    f.copy(*store, {item({{PasteboardType::plainText, "hunter2"}, {"x-kde-passwordManagerHint", "secret"}})});
    EXPECT_TRUE(store->clips().isEmpty());
    EXPECT_TRUE(f.dataFiles().isEmpty());
    EXPECT_FALSE(readFile(f.dir + "/clips.json").contains("hunter2"));
}

TEST(ClipStore, ImagesTextWithImagesAndLimits) {
    StoreFixture f;
    auto store = f.open();
    // Cells copied with a rendering: a text clip, and the picture is not kept.
    f.copy(*store,
           {item({{PasteboardType::plainText, "a\tb"}, {PasteboardType::png, imageBytes(20, 10, "png")}})});
    ASSERT_EQ(store->clips().size(), 1);
    EXPECT_EQ(store->clips().first().kind, Clip::Kind::text);
    EXPECT_EQ(f.keptTypes(*store, store->clips().first().id), QStringList{PasteboardType::plainText});

    // TIFF only: kept as PNG, with a thumbnail of at most 96 pixels.
    f.copy(*store, {item({{PasteboardType::tiff, imageBytes(400, 200, "tiff")}})});
    const Clip image = store->clips().first();
    EXPECT_EQ(image.title(), "Image 400\u00D7200");
    EXPECT_EQ(f.keptTypes(*store, image.id), QStringList{PasteboardType::png});
    EXPECT_EQ(pictureSize(store->thumbnailData(image.id)), QSize(96, 48));
    EXPECT_EQ(pictureSize(store->imageData(image.id)), QSize(400, 200));

    // A JPEG taken sideways: the orientation is applied to the kept picture and its thumbnail.
    const QByteArray sideways = imageBytes(200, 100, "jpeg", QImageIOHandler::TransformationRotate90);
    f.copy(*store, {item({{"public.jpeg", sideways}})});
    EXPECT_EQ(store->clips().first().title(), "Image 100\u00D7200");
    EXPECT_EQ(pictureSize(store->thumbnailData(store->clips().first().id)), QSize(48, 96));

    const qsizetype count = store->clips().size();
    f.copy(*store, {item({{PasteboardType::png, "\x89PNG not really"}})});
    EXPECT_EQ(store->clips().size(), count);

    // Over 50,000,000 bytes as read: nothing; over 25,000,000 kept: nothing.
    const QByteArray big(26'000'000, 'x');
    EXPECT_FALSE(ClipStore::snapshot({}, {item({{PasteboardType::plainText, big}, {"public.html", big}})}));
    const auto snap = ClipStore::snapshot({}, {item({{PasteboardType::plainText, big}})});
    ASSERT_TRUE(snap.has_value());
    EXPECT_FALSE(ClipStore::prepare(*snap, {}, nullptr).has_value());
    // A text that differs only beyond the 5000th character is another clip.
    const QString longText(6000, QLatin1Char('y'));
    const auto p1 = ClipStore::prepare({item({{PasteboardType::plainText, longText.toUtf8()}})}, {}, nullptr);
    const auto p2 = ClipStore::prepare(
        {item({{PasteboardType::plainText, (longText + QLatin1Char('z')).toUtf8()}})}, {}, nullptr);
    ASSERT_TRUE(p1 && p2);
    EXPECT_EQ(p1->text.size(), 5000);
    EXPECT_EQ(p1->length, 6000);
    EXPECT_NE(p1->hash, p2->hash);
    EXPECT_FALSE(
        ClipStore::prepare({item({{PasteboardType::plainText, "\xff\xfe bad"}})}, {}, nullptr).has_value());
}

TEST(ClipStore, PruningByAgeCountAndSize) {
    StoreFixture f;
    f.settings.retentionDays = 0;
    auto store = f.open();
    auto prepared = [](const QString& text, qint64 size = 10) {
        ClipStore::Prepared p =
            *ClipStore::prepare({item({{PasteboardType::plainText, text.toUtf8()}})}, {}, nullptr);
        p.size = size;
        return p;
    };
    const QDateTime now = f.p.clock.now();
    store->insert(prepared("ancient"), {}, {}, now.addDays(-400));
    store->insert(prepared("pinned ancient"), {}, {}, now.addDays(-400));
    store->togglePin(store->clips().first().id);
    store->insert(prepared("recent"), {}, {}, now.addDays(-1));
    EXPECT_EQ(store->clips().size(), 3); // retention 0 keeps every age
    f.settings.retentionDays = 7;
    store->prune(now);
    store->flush();
    EXPECT_EQ(texts(store->clips()), (QStringList{"recent", "pinned ancient"}));
    EXPECT_EQ(f.dataFiles().size(), 2); // the dropped clip's data file is gone

    for (int i = 0; i < 505; ++i)
        store->insert(prepared(u"n%1"_s.arg(i)), {}, {}, now);
    store->flush();
    EXPECT_EQ(store->clips().size(), 501) << "500 unpinned, and the pinned one";
    EXPECT_EQ(store->clips().last().text, "pinned ancient");
    EXPECT_EQ(f.dataFiles().size(), 501);

    // Byte total over 1,000,000,000: the older of two big clips goes.
    store->insert(prepared("big one", 600'000'000), {}, {}, now);
    store->insert(prepared("big two", 600'000'000), {}, {}, now);
    EXPECT_EQ(store->clips().first().text, "big two");
    EXPECT_FALSE(texts(store->clips()).contains("big one"));
}

TEST(ClipStore, WriteBackTouchDeleteAndClear) {
    StoreFixture f;
    auto store = f.open();
    f.copy(*store, {item({{PasteboardType::tiff, imageBytes(30, 30, "tiff")}})});
    const QString a = f.p.makeFile("x.txt"), b = f.p.makeFile("y.txt");
    f.copy(*store, {item({{PasteboardType::fileURL, QUrl::fromLocalFile(a).toEncoded()}}),
                    item({{PasteboardType::fileURL, QUrl::fromLocalFile(b).toEncoded()}})});
    f.copyText(*store, "newest");
    ASSERT_EQ(store->clips().size(), 3);
    const Clip image = store->clips()[2], files = store->clips()[1];

    const int writes = f.p.pasteboard.writes;
    EXPECT_FALSE(store->write(image, true)); // an image has no plain text
    EXPECT_EQ(f.p.pasteboard.writes, writes);

    EXPECT_TRUE(store->write(files, true));
    EXPECT_EQ(f.p.pasteboard.string(PasteboardType::plainText), a + QLatin1Char('\n') + b);
    EXPECT_EQ(store->clips().first().id, files.id); // touched
    EXPECT_TRUE(store->write(image, false));
    EXPECT_EQ(f.p.pasteboard.items().first().types(), QStringList{PasteboardType::png});
    EXPECT_EQ(store->clips().first().id, image.id);
    EXPECT_TRUE(store->write(files, false));
    EXPECT_EQ(f.p.pasteboard.fileURLs(), (QList<QUrl>{QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}));
    f.settle(*store);
    EXPECT_EQ(store->clips().size(), 3) << "the store's own write is not captured as a new copy";

    // A data file that went bad only makes that clip unavailable for copying.
    writeFile(f.dir + QLatin1Char('/') + Clip::idString(image.id) + ".clip", "bplist00 garbage");
    EXPECT_FALSE(store->write(image, false));
    EXPECT_TRUE(store->clip(image.id).has_value());

    store->togglePin(files.id);
    store->clearUnpinned();
    ASSERT_EQ(store->clips().size(), 1);
    EXPECT_EQ(store->clips().first().id, files.id);
    store->deleteClip(files.id);
    store->flush();
    EXPECT_TRUE(store->clips().isEmpty());
    EXPECT_TRUE(f.dataFiles().isEmpty());
}

TEST(ClipStore, MatchingAndRecentPathsAndLinks) {
    StoreFixture f;
    auto store = f.open();
    f.p.workspace.front = AppInfo{"org.term", "Terminal"};
    f.copyText(*store, "~/Documents");
    f.p.workspace.front.reset();
    f.copyText(*store, "https://example.org/page");
    f.copyText(*store, "Quarterly Report draft");
    f.copyText(*store, "~/Missing folder");
    store->togglePin(store->clips().last().id); // the tilde path

    EXPECT_EQ(texts(store->matching("  \t ")),
              (QStringList{"~/Documents", "~/Missing folder", "Quarterly Report draft",
                           "https://example.org/page"}));
    EXPECT_EQ(store->matching("REPORT").size(), 1);   // substring, any case
    EXPECT_EQ(store->matching("qrt drft").size(), 1); // fuzzy words in the title
    EXPECT_EQ(store->matching("termin").first().text, "~/Documents") << "by app name";
    EXPECT_TRUE(store->matching("zzz").isEmpty());

    EXPECT_EQ(store->recentPathsAndLinks(5),
              (QStringList{"https://example.org/page", f.p.home() + "/Documents"}));
    EXPECT_EQ(store->recentPathsAndLinks(1), QStringList{"https://example.org/page"});
}
