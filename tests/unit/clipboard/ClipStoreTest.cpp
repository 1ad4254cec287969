#include "clipboard/ClipStore.h"
#include "fakes/FakePlatform.h"
#include "search/ResultItem.h"
#include "store/IgnoredApps.h"
#include "store/UserDefaults.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using namespace zarvo;

namespace {

PasteboardItem item(std::initializer_list<std::pair<QString, QByteArray>> reps) {
    PasteboardItem out;
    for (const auto& [type, bytes] : reps)
        out.setData(type, bytes);
    return out;
}

QByteArray imageBytes(int width, int height, const char* format,
                      QImageIOHandler::Transformations transform = QImageIOHandler::TransformationNone) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(transform);
    writer.write(image);
    return out;
}

// The size of a stored picture's bytes; empty when there are none or they cannot be read.
QSize pictureSize(const std::optional<QByteArray>& bytes) {
    QImage image;
    if (bytes) image.loadFromData(*bytes);
    return image.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes = {}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QStringList texts(const QList<Clip>& clips) {
    QStringList out;
    for (const Clip& c : clips)
        out << c.text;
    return out;
}

// A store on the fakes, in a directory of the test's temporary home.
struct StoreFixture {
    fakes::FakePlatform p;
    ClipPolicy settings;
    QString dir = p.root.path() + QStringLiteral("/clips");
    UserDefaults defaults{p.defaults, QStringLiteral("com.velorin.zarvo.tests")};

    ClipStore::Services services() {
        ClipStore::Services s = ClipStore::Services::fromPlatform(p.platform);
        s.policy = [this] { return settings; };
        s.legacyDefaults = &defaults;
        s.webURL = [](const QString& text) -> std::optional<QUrl> {
            if (text.startsWith(QLatin1String("https://")) || text.startsWith(QLatin1String("http://")))
                return QUrl(text);
            return std::nullopt;
        };
        s.expandPath = [this](const QString& text) {
            return text.startsWith(QLatin1Char('~')) ? p.home() + text.mid(1) : text;
        };
        return s;
    }
    std::unique_ptr<ClipStore> open(bool migrate = false) {
        return std::make_unique<ClipStore>(dir, &p.pasteboard, migrate, services());
    }
    void copy(ClipStore& store, const QList<PasteboardItem>& items) {
        p.pasteboard.copyFromElsewhere(items);
        settle(store);
    }
    static void settle(ClipStore& store) {
        store.poll();
        store.flush();
    }
    // The types kept of a clip's first item; "unreadable" when its data cannot be read.
    static QStringList keptTypes(ClipStore& store, const QUuid& id) {
        const auto items = store.items(id);
        return items ? items->first().types() : QStringList{QStringLiteral("unreadable")};
    }
    void copyText(ClipStore& store, const QString& text) {
        copy(store, {item({{PasteboardType::plainText, text.toUtf8()}})});
    }
    QStringList dataFiles() const {
        return QDir(dir).entryList({QStringLiteral("*.clip"), QStringLiteral("*.thumb.png")}, QDir::Files);
    }
};

} // namespace

TEST(ClipStore, CapturesForeignCopiesAndMergesRepeats) {
    StoreFixture f;
    f.p.pasteboard.copyTextFromElsewhere(QStringLiteral("on the pasteboard at launch"));
    auto store = f.open();
    f.settle(*store);
    EXPECT_TRUE(store->clips().isEmpty()); // what was there before the store opened is not captured

    f.p.workspace.front = AppInfo{QStringLiteral("org.example.editor"), QStringLiteral("Editor")};
    f.copyText(*store, QStringLiteral("abc"));
    ASSERT_EQ(store->clips().size(), 1);
    const Clip first = store->clips().first();
    EXPECT_EQ(first.appName, QStringLiteral("Editor"));
    EXPECT_EQ(first.bundleID, QStringLiteral("org.example.editor"));
    EXPECT_EQ(first.kind, Clip::Kind::text);
    store->togglePin(first.id);

    f.copyText(*store, QStringLiteral("other"));
    f.p.clock.advance(90);
    // The same text with rich text is the same clip: moved to the front, kind and date updated, pin kept.
    f.copy(*store,
           {item({{PasteboardType::plainText, "abc"}, {QStringLiteral("public.rtf"), "{\\rtf1 abc}"}})});
    ASSERT_EQ(store->clips().size(), 2);
    const Clip merged = store->clips().first();
    EXPECT_EQ(merged.id, first.id);
    EXPECT_EQ(merged.kind, Clip::Kind::richText);
    EXPECT_TRUE(merged.pinned);
    EXPECT_EQ(merged.date, f.p.clock.now());

    // A link, and a file copy of two files.
    f.copyText(*store, QStringLiteral("  https://example.org/a b\n"));
    EXPECT_EQ(store->clips().first().kind, Clip::Kind::link);
    const QString a = f.p.makeFile(QStringLiteral("a.txt")), b = f.p.makeFile(QStringLiteral("b c.txt"));
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
        many << item(
            {{PasteboardType::fileURL, QUrl::fromLocalFile(QStringLiteral("/data/f%1").arg(i)).toEncoded()}});
    f.copy(*store, many);
    const Clip cut = store->clips().first();
    EXPECT_EQ(cut.length, ClipStore::maximumClipFiles + 1500);
    EXPECT_EQ(cut.paths().size(), ClipStore::maximumClipFiles);
    EXPECT_EQ(cut.paths().last(), QStringLiteral("/data/f%1").arg(ClipStore::maximumClipFiles - 1));
    EXPECT_TRUE(ResultItem::clip(&f.p.clock, cut)
                    .subtitle->endsWith(QStringLiteral("2500 files \u00B7 the first 1000 kept")))
        << ResultItem::clip(&f.p.clock, cut).subtitle->toStdString();
    // A web URL without text is nothing to keep; with text it is kept by its text.
    const qsizetype before = store->clips().size();
    f.copy(*store, {item({{QStringLiteral("public.url"), "https://example.org/"}})});
    EXPECT_EQ(store->clips().size(), before);

    // While the history is off a copy is consumed: turning it on later does not capture it.
    f.settings.keepHistory = false;
    f.copyText(*store, QStringLiteral("while off"));
    f.settings.keepHistory = true;
    f.settle(*store);
    EXPECT_EQ(store->clips().size(), before);
}

TEST(ClipStore, IgnoredAppsInFrontActivatedOrNamedAndOwnChanges) {
    StoreFixture f;
    // As a user of an earlier version has it stored: macOS identifiers, an entry path, a window class.
    f.settings.ignoredApps = IgnoredApps::migrate(
        {QStringLiteral("com.agilebits.onepassword7"), QStringLiteral("org.keepassxc.keepassxc"),
         QStringLiteral("/usr/share/applications/org.gnome.World.Secrets.desktop"), QStringLiteral("Enpass"),
         QStringLiteral("org.telegram.desktop"), QStringLiteral("com.vault")});
    auto store = f.open();
    store->start();
    // The front application on Linux is known by its desktop-file id; a program without an entry by
    // its window class, whatever its case.
    for (const AppInfo& app :
         {AppInfo{QStringLiteral("org.keepassxc.KeePassXC"), QStringLiteral("KeePassXC")},
          AppInfo{QStringLiteral("1password"), QStringLiteral("1Password")},
          AppInfo{QStringLiteral("org.gnome.World.Secrets"), QStringLiteral("Secrets")},
          AppInfo{QStringLiteral("Enpass"), QStringLiteral("Enpass")},
          AppInfo{QStringLiteral("org.telegram.desktop"), QStringLiteral("Telegram")}}) {
        f.p.workspace.front = app;
        f.copyText(*store, QStringLiteral("secret from ") + *app.name);
    }
    f.p.workspace.front.reset();
    // Activated since the last poll, even though another application is in front now.
    const AppInfo vault{QStringLiteral("com.vault"), QStringLiteral("Vault")};
    const AppInfo editor{QStringLiteral("org.editor"), QStringLiteral("Editor")};
    f.p.workspace.activate(vault);
    f.p.workspace.activate(editor);
    f.copyText(*store, QStringLiteral("secret activated meanwhile"));
    // Named as the copy's source, also by another of its identifiers (matched by its desktop-file id).
    const QString entry = QStringLiteral("/usr/share/applications/org.keepassxc.KeePassXC.desktop");
    f.p.workspace.applications.insert(QStringLiteral("org.keepassxc.keepassxc"), entry);
    f.p.workspace.identities.insert(entry, QStringLiteral("org.keepassxc.KeePassXC"));
    for (const char* source : {"com.vault", "org.keepassxc.keepassxc"})
        f.copy(*store, {item({{PasteboardType::plainText, "secret by source"},
                              {QStringLiteral("org.nspasteboard.source"), source}})});
    EXPECT_TRUE(store->clips().isEmpty());
    EXPECT_TRUE(f.dataFiles().isEmpty());

    // The application's own copy is kept while the ignored application is in front.
    f.p.workspace.activate(vault);
    f.p.pasteboard.clearContents();
    f.p.pasteboard.setString(QStringLiteral("own copy"));
    store->setOwnChangeCount(f.p.pasteboard.changeCount());
    f.settle(*store);
    ASSERT_EQ(store->clips().size(), 1);
    EXPECT_EQ(store->clips().first().appName, QStringLiteral("Zarvo"));
    EXPECT_EQ(store->clips().first().bundleID, QString::fromLatin1(fakes::kTestIdentifier));

    // A source that names an installed application attributes the copy to it.
    f.p.workspace.activate(editor);
    f.p.workspace.applications.insert(QStringLiteral("org.notes"), QStringLiteral("/apps/Notes.app"));
    f.copy(*store, {item({{PasteboardType::plainText, "noted"},
                          {QStringLiteral("org.nspasteboard.source"), "org.notes"}})});
    EXPECT_EQ(store->clips().first().appName, QStringLiteral("Notes"));
    EXPECT_EQ(store->clips().first().bundleID, QStringLiteral("org.notes"));
}

TEST(ClipStore, AClipboardManagerTakingOverTheNewestCopyChangesNothing) {
    StoreFixture f;
    auto store = f.open();
    f.p.workspace.front = AppInfo{QStringLiteral("org.kde.gwenview"), QStringLiteral("Gwenview")};
    f.copy(*store,
           {item({{PasteboardType::plainText, "caption"}, {PasteboardType::html, "<b>caption</b>"}})});
    ASSERT_EQ(store->clips().size(), 1);
    const Clip copied = store->clips().first();
    EXPECT_EQ(copied.kind, Clip::Kind::richText);

    // Gwenview quits; Klipper takes the clipboard over with the same text, plain, while Dolphin is in front.
    f.p.clock.advance(300);
    f.p.workspace.front = AppInfo{QStringLiteral("org.kde.dolphin"), QStringLiteral("Dolphin")};
    f.copyText(*store, QStringLiteral("caption"));
    ASSERT_EQ(store->clips().size(), 1);
    const Clip after = store->clips().first();
    EXPECT_EQ(after.appName, QStringLiteral("Gwenview"));
    EXPECT_EQ(after.bundleID, QStringLiteral("org.kde.gwenview"));
    EXPECT_EQ(after.date, copied.date);
    EXPECT_EQ(after.kind, Clip::Kind::richText);
    EXPECT_TRUE(f.keptTypes(*store, after.id).contains(PasteboardType::html)); // the rich copy stays

    // The user copying it again after something else is a copy: to the front, from where it was copied.
    f.copyText(*store, QStringLiteral("other"));
    f.p.clock.advance(60);
    f.copyText(*store, QStringLiteral("caption"));
    ASSERT_EQ(store->clips().size(), 2);
    EXPECT_EQ(store->clips().first().id, copied.id);
    EXPECT_EQ(store->clips().first().appName, QStringLiteral("Dolphin"));
    EXPECT_EQ(store->clips().first().date, f.p.clock.now());
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
    f.copy(*store, {item({{PasteboardType::plainText, "hunter2"},
                          {QStringLiteral("x-kde-passwordManagerHint"), "secret"}})});
    EXPECT_TRUE(store->clips().isEmpty());
    EXPECT_TRUE(f.dataFiles().isEmpty());
    EXPECT_FALSE(readFile(f.dir + QStringLiteral("/clips.json")).contains("hunter2"));
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
    EXPECT_EQ(image.kind, Clip::Kind::image);
    EXPECT_EQ(image.title(), QStringLiteral("Image 400\u00D7200"));
    EXPECT_EQ(f.keptTypes(*store, image.id), QStringList{PasteboardType::png});
    EXPECT_EQ(pictureSize(store->thumbnailData(image.id)), QSize(96, 48));
    EXPECT_EQ(pictureSize(store->imageData(image.id)), QSize(400, 200));

    // A JPEG taken sideways: the orientation is applied to the kept picture and its thumbnail.
    const QByteArray sideways = imageBytes(200, 100, "jpeg", QImageIOHandler::TransformationRotate90);
    f.copy(*store, {item({{QStringLiteral("public.jpeg"), sideways}})});
    EXPECT_EQ(store->clips().first().title(), QStringLiteral("Image 100\u00D7200"));
    EXPECT_EQ(pictureSize(store->thumbnailData(store->clips().first().id)), QSize(48, 96));

    // Undecodable image bytes are nothing to keep.
    const qsizetype count = store->clips().size();
    f.copy(*store, {item({{PasteboardType::png, "\x89PNG not really"}})});
    EXPECT_EQ(store->clips().size(), count);

    // Over 50,000,000 bytes as read: nothing; over 25,000,000 kept: nothing.
    const QByteArray big(26'000'000, 'x');
    EXPECT_FALSE(ClipStore::snapshot(
        {}, {item({{PasteboardType::plainText, big}, {QStringLiteral("public.html"), big}})}));
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
    // Text that is not UTF-8 is not taken as text.
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
    store->insert(prepared(QStringLiteral("ancient")), {}, {}, now.addDays(-400));
    store->insert(prepared(QStringLiteral("pinned ancient")), {}, {}, now.addDays(-400));
    store->togglePin(store->clips().first().id);
    store->insert(prepared(QStringLiteral("recent")), {}, {}, now.addDays(-1));
    EXPECT_EQ(store->clips().size(), 3); // retention 0 keeps every age
    f.settings.retentionDays = 7;
    store->prune(now);
    store->flush();
    EXPECT_EQ(texts(store->clips()),
              (QStringList{QStringLiteral("recent"), QStringLiteral("pinned ancient")}));
    EXPECT_EQ(f.dataFiles().size(), 2); // the dropped clip's data file is gone

    for (int i = 0; i < 505; ++i)
        store->insert(prepared(QStringLiteral("n%1").arg(i)), {}, {}, now);
    store->flush();
    int unpinned = 0;
    for (const Clip& c : store->clips())
        unpinned += c.pinned ? 0 : 1;
    EXPECT_EQ(unpinned, 500);
    EXPECT_EQ(store->clips().last().text, QStringLiteral("pinned ancient"));
    EXPECT_EQ(f.dataFiles().size(), 501);

    // Byte total over 1,000,000,000: the older of two big clips goes.
    store->insert(prepared(QStringLiteral("big one"), 600'000'000), {}, {}, now);
    store->insert(prepared(QStringLiteral("big two"), 600'000'000), {}, {}, now);
    EXPECT_EQ(store->clips().first().text, QStringLiteral("big two"));
    EXPECT_FALSE(texts(store->clips()).contains(QStringLiteral("big one")));
}

TEST(ClipStore, WriteBackTouchDeleteAndClear) {
    StoreFixture f;
    auto store = f.open();
    f.copy(*store, {item({{PasteboardType::tiff, imageBytes(30, 30, "tiff")}})});
    const QString a = f.p.makeFile(QStringLiteral("x.txt")), b = f.p.makeFile(QStringLiteral("y.txt"));
    f.copy(*store, {item({{PasteboardType::fileURL, QUrl::fromLocalFile(a).toEncoded()}}),
                    item({{PasteboardType::fileURL, QUrl::fromLocalFile(b).toEncoded()}})});
    f.copyText(*store, QStringLiteral("newest"));
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
    // The store's own write is not captured as a new copy.
    f.settle(*store);
    EXPECT_EQ(store->clips().size(), 3);

    // A data file that went bad only makes that clip unavailable for copying.
    writeFile(f.dir + QLatin1Char('/') + Clip::idString(image.id) + QStringLiteral(".clip"),
              "bplist00 garbage");
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
    f.p.workspace.front = AppInfo{QStringLiteral("org.term"), QStringLiteral("Terminal")};
    f.copyText(*store, QStringLiteral("~/Documents"));
    f.p.workspace.front.reset();
    f.copyText(*store, QStringLiteral("https://example.org/page"));
    f.copyText(*store, QStringLiteral("Quarterly Report draft"));
    f.copyText(*store, QStringLiteral("~/Missing folder"));
    store->togglePin(store->clips().last().id); // the tilde path

    EXPECT_EQ(
        texts(store->matching(QStringLiteral("  \t "))),
        (QStringList{QStringLiteral("~/Documents"), QStringLiteral("~/Missing folder"),
                     QStringLiteral("Quarterly Report draft"), QStringLiteral("https://example.org/page")}));
    EXPECT_EQ(store->matching(QStringLiteral("REPORT")).size(), 1);   // substring, any case
    EXPECT_EQ(store->matching(QStringLiteral("qrt drft")).size(), 1); // fuzzy words in the title
    EXPECT_EQ(store->matching(QStringLiteral("termin")).first().text,
              QStringLiteral("~/Documents")); // app name
    EXPECT_TRUE(store->matching(QStringLiteral("zzz")).isEmpty());

    EXPECT_EQ(store->recentPathsAndLinks(5), (QStringList{QStringLiteral("https://example.org/page"),
                                                          f.p.home() + QStringLiteral("/Documents")}));
    EXPECT_EQ(store->recentPathsAndLinks(1), QStringList{QStringLiteral("https://example.org/page")});
}

TEST(ClipStore, OpeningRemovesOrphansMigratesAndStaysPrivate) {
    StoreFixture f;
    {
        auto store = f.open();
        f.copyText(*store, QStringLiteral("kept"));
        f.p.clock.advance(0.5);
        store->togglePin(store->clips().first().id);
        store->flush();
    }
    EXPECT_EQ(QFileInfo(f.dir).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(QFileInfo(f.dir + QStringLiteral("/clips.json")).permissions() & 0x7077,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto reopened = f.open();
    ASSERT_EQ(reopened->clips().size(), 1);
    EXPECT_TRUE(reopened->clips().first().pinned);

    // Migration of the old list of strings, oldest first, one minute apart, newest at now.
    StoreFixture g;
    const QString folder = g.p.home() + QStringLiteral("/Documents");
    g.defaults.set(QStringLiteral("clipboardHistory"), QStringList{QStringLiteral("newest"), folder});
    auto migrated = g.open(true);
    ASSERT_EQ(migrated->clips().size(), 2);
    EXPECT_EQ(migrated->clips()[0].text, QStringLiteral("newest"));
    EXPECT_EQ(migrated->clips()[0].date, g.p.clock.now());
    EXPECT_EQ(migrated->clips()[1].kind, Clip::Kind::files);
    EXPECT_EQ(migrated->clips()[1].date, g.p.clock.now().addSecs(-60));
    EXPECT_FALSE(g.defaults.object(QStringLiteral("clipboardHistory")).has_value());

    // Where the shared store lives.
    EXPECT_EQ(ClipStore::defaultDirectory(&g.p.environment),
              g.p.environment.temp +
                  QStringLiteral("/zarvo-clips-%1").arg(QCoreApplication::applicationPid()));
    g.p.environment.identifier = QStringLiteral("com.velorin.zarvo");
    EXPECT_EQ(ClipStore::defaultDirectory(&g.p.environment),
              g.p.environment.data + QStringLiteral("/Zarvo/Clipboard"));
}

TEST(ClipStore, DamagedIndexKeepsEveryReadableClipAndEveryDataFile) {
    StoreFixture f;
    {
        auto store = f.open();
        for (const char* text : {"alpha", "beta", "gamma", "delta"}) {
            f.copyText(*store, QString::fromLatin1(text));
            f.p.clock.advance(1);
        }
        f.copy(*store, {item({{PasteboardType::png, imageBytes(200, 100, "png")}})});
        store->flush();
    }
    const QString indexPath = f.dir + QStringLiteral("/clips.json");
    const QByteArray original = readFile(indexPath);
    const QList<Clip> clips = *ClipIndex::decode(original);
    ASSERT_EQ(clips.size(), 5);
    const QStringList files = f.dataFiles();
    ASSERT_EQ(files.size(), 6); // five data files and the image's thumbnail
    const QString baseline = f.p.root.path() + QStringLiteral("/baseline");
    QDir().mkpath(baseline);
    for (const QString& name : files)
        QFile::copy(f.dir + QLatin1Char('/') + name, baseline + QLatin1Char('/') + name);

    const QJsonArray array = QJsonDocument::fromJson(original).array();
    auto changed = [&](int index, const char* key, const QJsonValue& value) {
        QJsonArray copy = array;
        QJsonObject object = copy[index].toObject();
        object[QLatin1String(key)] = value;
        copy[index] = object;
        return QJsonDocument(copy).toJson(QJsonDocument::Compact);
    };
    const QUuid video = QUuid::createUuid();
    QJsonObject videoObject = array[0].toObject();
    videoObject["id"] = Clip::idString(video);
    videoObject["kind"] = QStringLiteral("video");
    QJsonArray withVideo = array;
    withVideo.insert(2, videoObject);
    const qsizetype firstEnds = ClipIndex::encode(clips.mid(0, 1)).size() - 1;
    const qsizetype secondEnds = ClipIndex::encode(clips.mid(0, 2)).size() - 1;
    // A broken quote throws the string state off; the objects after it are still found.
    QByteArray brokenQuote = original;
    brokenQuote[firstEnds + 2] = 'x'; // the quote that opens "id" of the second object

    struct Case {
        QByteArray bytes;
        QList<int> readable; // positions in `clips`
    };
    const QList<Case> cases = {
        {original.left(original.size() - 1), {0, 1, 2, 3, 4}},
        {original.left(secondEnds + 40), {0, 1}}, // inside the third clip's id: the last three go
        {original.left(secondEnds - 1), {0}},
        {changed(1, "size", QStringLiteral("big")), {0, 2, 3, 4}},
        {QJsonDocument(withVideo).toJson(QJsonDocument::Compact), {0, 1, 2, 3, 4}},
        {brokenQuote, {0, 2, 3, 4}},
        {changed(0, "colour", QJsonObject{{"r", 1}}), {0, 1, 2, 3, 4}}, // a newer version's member
    };
    for (qsizetype n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        const bool whole = ClipIndex::decode(c.bytes).has_value();
        QDir(f.dir).removeRecursively();
        QDir().mkpath(f.dir);
        for (const QString& name : files)
            QFile::copy(baseline + QLatin1Char('/') + name, f.dir + QLatin1Char('/') + name);
        const QString videoFile = f.dir + QLatin1Char('/') + Clip::idString(video) + QStringLiteral(".clip");
        writeFile(videoFile);
        writeFile(indexPath, c.bytes);

        QStringList expected; // each clip's text, the image's empty
        for (int i : c.readable)
            expected << clips[i].text;
        {
            auto store = f.open();
            EXPECT_EQ(store->indexWasUnreadable(), !whole) << n;
            EXPECT_EQ(store->openingNotice().has_value(), !whole) << n;
            EXPECT_EQ(texts(store->clips()), expected) << n;
            store->start();
            f.copyText(*store, QStringLiteral("added %1").arg(n));
        }
        auto store = f.open();
        EXPECT_FALSE(store->indexWasUnreadable()) << n;
        EXPECT_EQ(texts(store->clips()), QStringList{QStringLiteral("added %1").arg(n)} + expected) << n;
        const QString orphan = f.dir + QStringLiteral("/00000000-0000-0000-0000-000000000000.clip");
        writeFile(orphan);
        QFile(orphan).setFileTime(QDateTime::currentDateTime().addSecs(3600),
                                  QFileDevice::FileModificationTime);
        writeFile(f.dir + QStringLiteral("/notes.txt"));
        store->start();
        store->flush();
        EXPECT_TRUE(QFile::exists(f.dir + QStringLiteral("/notes.txt"))) << n << ": not ours, left alone";
        // Not one data file went: those of unreadable clips are named by the set-aside original, or were
        // there before it was set aside.
        for (const QString& name : files)
            EXPECT_TRUE(QFile::exists(f.dir + QLatin1Char('/') + name)) << n << " " << name.toStdString();
        // Nothing names the video's file in a whole index: an orphan there; the file written after the
        // damage is a true orphan.
        EXPECT_EQ(QFile::exists(videoFile), !whole) << n;
        EXPECT_FALSE(QFile::exists(orphan)) << n;
        const QStringList asides = QDir(f.dir).entryList({QStringLiteral("clips-unreadable-*.json")});
        ASSERT_EQ(asides.size(), whole ? 0 : 1) << n;
        if (whole) {
            // The newer version's member went back to disk with the clip.
            EXPECT_TRUE(readFile(indexPath).contains("\"colour\":{\"r\":1}")) << n;
            continue;
        }
        EXPECT_EQ(asides.first(),
                  QStringLiteral("clips-unreadable-%1.json").arg(f.p.clock.now().toSecsSinceEpoch()));
        EXPECT_EQ(readFile(f.dir + QLatin1Char('/') + asides.first()), c.bytes) << n;
        // Clearing the history lets go of the data of clips beyond salvage; the readable pinned ones (none
        // here) and the set-aside index stay.
        store->clearUnpinned();
        store->flush();
        EXPECT_TRUE(f.dataFiles().isEmpty()) << n;
        EXPECT_FALSE(QFile::exists(videoFile)) << n;
        EXPECT_EQ(QDir(f.dir).entryList({QStringLiteral("clips-unreadable-*.json")}).size(), 1) << n;
    }
}

TEST(ClipStore, FilesReadByAnIndependentReader) {
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    StoreFixture f;
    auto store = f.open();
    f.copy(*store, {item({{PasteboardType::plainText, "caf\xc3\xa9 \"quoted\"\n\x01"},
                          {QStringLiteral("public.html"), "<b>x</b>"}})});
    f.copy(*store, {item({{PasteboardType::png, imageBytes(300, 120, "png")}})});
    store->togglePin(store->clips().first().id);
    store->flush();
    const char* script = R"PY(
import json, plistlib, sys, os
d = sys.argv[1]
clips = json.load(open(os.path.join(d, "clips.json"), encoding="utf-8"))
out = []
for c in clips:
    items = plistlib.load(open(os.path.join(d, c["id"] + ".clip"), "rb"))
    assert isinstance(items, list) and all(isinstance(v, bytes) for i in items for v in i.values())
    thumb = os.path.exists(os.path.join(d, c["id"] + ".thumb.png"))
    out.append("%s|%s|%s|%s|%s|%s" % (c["kind"], c["text"], c["pinned"], c.get("imageSize"), sorted(items[0]), thumb))
print("\n".join(out))
)PY";
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(script), f.dir});
    ASSERT_TRUE(python.waitForFinished(30000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()),
              QStringLiteral("image||True|[300, 120]|['public.png']|True\n"
                             "richText|caf\u00e9 \"quoted\"\n\x01|False|None|['public.html', "
                             "'public.utf8-plain-text']|False\n"));
}

TEST(ClipStore, WriterKilledAtAnyMomentLeavesAReadableIndex) {
    StoreFixture f;
    const QString self = QCoreApplication::applicationFilePath();
    qint64 seen = 0;
    for (int round = 0; round < 12; ++round) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZARVO_CLIP_WRITER_DIR"), f.dir);
        env.insert(QStringLiteral("ZARVO_CLIP_WRITER_ROUND"), QString::number(round));
        child.setProcessEnvironment(env);
        child.start(self, {QStringLiteral("--gtest_filter=ClipStoreWriter.Child")});
        ASSERT_TRUE(child.waitForStarted());
        ASSERT_TRUE(child.waitForReadyRead(20000)); // the child says when it has started writing
        QThread::msleep(QRandomGenerator::global()->bounded(5, 120));
        child.kill();
        child.waitForFinished();

        auto store = f.open();
        EXPECT_FALSE(store->indexWasUnreadable()) << "round " << round;
        EXPECT_GE(store->clips().size(), seen);
        seen = store->clips().size();
        for (const Clip& c : store->clips())
            EXPECT_TRUE(store->items(c.id).has_value()) << "round " << round;
    }
    EXPECT_GT(seen, 0);
}

// The writer the test above kills: runs only when that test starts it.
TEST(ClipStoreWriter, Child) {
    const QByteArray dir = qgetenv("ZARVO_CLIP_WRITER_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "helper process of WriterKilledAtAnyMomentLeavesAReadableIndex";
    fakes::FakePlatform p;
    ClipStore store(QString::fromUtf8(dir), nullptr, false, ClipStore::Services::fromPlatform(p.platform));
    const QByteArray round = qgetenv("ZARVO_CLIP_WRITER_ROUND");
    fprintf(stdout, "writing\n");
    fflush(stdout);
    for (int i = 0;; ++i) {
        const QByteArray text = "round " + round + " copy " + QByteArray::number(i) + QByteArray(20000, 'z');
        store.capture({}, {item({{PasteboardType::plainText, text}})}, std::nullopt, std::nullopt);
        if (i % 8 == 0) store.flush();
    }
}
