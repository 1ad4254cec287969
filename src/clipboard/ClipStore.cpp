#include "clipboard/ClipStore.h"
#include "search/Text.h"

#include "sources/PathInput.h"
#include "store/IgnoredApps.h"
#include "store/Settings.h"

#include "clipboard/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/ImageCodec.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "search/Fuzzy.h"
#include "store/UserDefaults.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace zarvo {

namespace {

// The types kept of a copy, in the order they are read.
const QStringList& keptTypes() {
    static const QStringList types{PasteboardType::fileURL, PasteboardType::url,  PasteboardType::plainText,
                                   PasteboardType::rtf,     PasteboardType::html, PasteboardType::png,
                                   PasteboardType::tiff,    PasteboardType::jpeg};
    return types;
}

bool isImageType(const QString& type) {
    return type == PasteboardType::png || type == PasteboardType::tiff || type == PasteboardType::jpeg;
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const char* const kIndexName = "clips.json";
const char* const kLegacyKey = "clipboardHistory";

// Writes whole and atomically; a reader sees the old file or the new one, never a part.
bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.setPermissions(kOwnerOnly);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> readSmallFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit) return std::nullopt;
    return file.read(limit + 1);
}

std::optional<QString> strictUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

using Text::trimSpacesAndTabs;

} // namespace

// ---- Construction ----

ClipStore::Services ClipStore::Services::fromPlatform() {
    const Platform& platform = Platform::current();
    Services services;
    services.workspace = platform.workspace;
    services.clock = platform.clock;
    if (platform.environment) services.ownBundleID = platform.environment->appIdentifier();
    services.legacyDefaults = &Settings::sharedDefaults();
    // Read at the moment of use, so a change in the settings window applies to the next copy.
    services.policy = [] {
        const Settings& settings = Settings::shared();
        return ClipPolicy{settings.keepClipboardHistory(), settings.clipRetentionDays(),
                          settings.clipIgnoredApps()};
    };
    services.webURL = [](const QString& text) { return PathInput::webURL(text); };
    services.expandPath = [](const QString& text) { return PathInput::expand(text); };
    return services;
}

QString ClipStore::defaultDirectory() {
    const Environment* env = Platform::current().environment;
    if (env && env->appIdentifier() == QLatin1String(kAppIdentifier))
        return QDir(env->dataHome()).filePath(QStringLiteral("Zarvo/Clipboard"));
    const QString temp = env ? env->tempPath() : QDir::tempPath();
    return QDir(temp).filePath(QStringLiteral("zarvo-clips-%1").arg(QCoreApplication::applicationPid()));
}

ClipStore::ClipStore(const QString& directory, Pasteboard* pasteboard, bool migrateLegacy, Services services,
                     QObject* parent)
    : QObject(parent), m_directory(directory), m_pasteboard(pasteboard), m_services(std::move(services)),
      m_work(std::make_unique<SerialQueue>(QStringLiteral("com.velorin.zarvo.clips.work"))),
      m_io(std::make_unique<SerialQueue>(QStringLiteral("com.velorin.zarvo.clips.io"))) {
    if (m_pasteboard) m_lastChangeCount = m_pasteboard->changeCount();
    // Another application's copy is read within the same limits the store keeps it by.
    if (m_pasteboard) m_pasteboard->setReadLimits(maximumClipBytes, maximumReadBytes);
    open(migrateLegacy);
}

ClipStore::~ClipStore() = default;

void ClipStore::open(bool migrateLegacy) {
    QDir().mkpath(m_directory);
    QFile::setPermissions(m_directory,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString indexPath = QDir(m_directory).filePath(QLatin1String(kIndexName));
    QFile file(indexPath);
    if (!file.exists()) {
        if (migrateLegacy) migrateFromPathHistory();
        return;
    }
    // An index that exists but cannot be read is set aside like an undecodable one: starting empty
    // and saving would otherwise replace it.
    ClipIndex::Decoded decoded;
    if (file.open(QIODevice::ReadOnly) && file.size() <= ClipIndex::maximumBytes)
        decoded = ClipIndex::read(file.readAll());
    file.close();
    m_clips = std::move(decoded.clips);
    m_extras = std::move(decoded.extras);
    if (decoded.whole) return;
    // Set aside as it is, then keep every clip that decodes on its own: the data files of the others
    // stay, because a set-aside index names them (see removeOrphanedData).
    m_indexWasUnreadable = true;
    const int salvaged = int(m_clips.size());
    if (const auto aside = setAside(indexPath)) {
        //: %1 is a folder, %2 a file name.
        m_openingNotice =
            tr("the index in %1 could not be read whole and was set aside as “%2”; %Ln clips were "
               "salvaged into a fresh index, and the data files of every clip it names are kept",
               nullptr, salvaged)
                .arg(m_directory, *aside);
        save();
    } else {
        m_indexBlocked = true;
        //: %1 is a folder.
        m_openingNotice =
            tr("the index in %1 could not be read whole nor set aside; %Ln clips were read, and the "
               "index is not written over",
               nullptr, salvaged)
                .arg(m_directory);
    }
}

std::optional<QString> ClipStore::setAside(const QString& indexPath) {
    const qint64 seconds = now().toSecsSinceEpoch();
    QDir dir(m_directory);
    QString name = QStringLiteral("clips-unreadable-%1.json").arg(seconds);
    // Never replace an index set aside earlier in the same second.
    for (int n = 1; dir.exists(name) && n < 1000; ++n)
        name = QStringLiteral("clips-unreadable-%1-%2.json").arg(seconds).arg(n);
    if (!QFile::rename(indexPath, dir.filePath(name))) return std::nullopt;
    return name;
}

QString ClipStore::filePath(const QUuid& id, const char* suffix) const {
    return QDir(m_directory).filePath(Clip::idString(id) + QLatin1String(suffix));
}

QDateTime ClipStore::now() const {
    return m_services.clock ? m_services.clock->now().toUTC() : QDateTime::currentDateTimeUtc();
}

ClipPolicy ClipStore::policy() const {
    return m_services.policy ? m_services.policy() : ClipPolicy{};
}

void ClipStore::setClips(QList<Clip> clips) {
    m_clips = std::move(clips);
    emit clipsChanged();
}

// ---- Start and polling ----

namespace {
constexpr int kAnnouncedPollMs = 5000;
}

void ClipStore::start() {
    if (m_started) return;
    m_started = true;
    prune(now());
    if (!m_indexWasUnreadable) removeOrphanedData();
    if (m_services.workspace) {
        connect(m_services.workspace, &Workspace::applicationActivated, this, [this](const AppInfo& app) {
            if (app.bundleIdentifier) m_activatedSincePoll.insert(*app.bundleIdentifier);
        });
    }
    // Where the pasteboard says when it changed, a change is taken at once and the timer is only a
    // safety net; an idle application then wakes up every few seconds instead of twice a second.
    const bool announced = m_pasteboard && m_pasteboard->announcesChanges();
    if (announced) {
        QPointer<ClipStore> self(this);
        m_pasteboard->onChange = [self] {
            if (self) QTimer::singleShot(0, self, &ClipStore::poll);
        };
    }
    m_timer.setInterval(announced ? kAnnouncedPollMs : 500);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ClipStore::poll);
    m_timer.start();
}

void ClipStore::poll() {
    QSet<QString> activated;
    if (!m_activatedSincePoll.isEmpty()) activated.swap(m_activatedSincePoll);
    if (!m_pasteboard) return;
    const qint64 count = m_pasteboard->changeCount();
    if (count == m_lastChangeCount) return;
    m_lastChangeCount = count;

    const ClipPolicy settings = policy();
    if (!settings.keepHistory) return; // consumed: turning the setting on later does not capture it
    const bool own = m_ownChangeCount && *m_ownChangeCount == count;
    std::optional<AppInfo> front;
    if (m_services.generalPasteboard && m_services.workspace)
        front = m_services.workspace->frontmostApplication();
    const std::optional<QString> source = m_pasteboard->string(PasteboardType::source);
    if (front && front->bundleIdentifier) activated.insert(*front->bundleIdentifier);
    if (source) activated.insert(*source);

    std::optional<QString> appName, bundleID;
    std::optional<ClipItems> items;
    if (own) {
        items = snapshot(*m_pasteboard);
        if (!items) return;
        appName = QStringLiteral("Zarvo");
        bundleID = m_services.ownBundleID;
    } else {
        // The source names an application in any form; the ignored ones are kept as its identity.
        std::optional<QString> location;
        if (source && m_services.workspace) location = m_services.workspace->urlForApplication(*source);
        if (location)
            if (const auto identity = m_services.workspace->applicationIdentity(*location))
                activated.insert(*identity);
        if (IgnoredApps::containsAny(settings.ignoredApps, activated)) return;
        items = snapshot(*m_pasteboard);
        if (!items) return;
        if (location) {
            appName = m_services.workspace->shownApplicationName(*location);
            bundleID = source;
        } else if (front) {
            appName = front->name;
            bundleID = front->bundleIdentifier;
        }
    }

    QPointer<ClipStore> weak(this);
    m_work->async([weak, webURL = m_services.webURL, items = std::move(*items), appName, bundleID]() mutable {
        auto prepared = prepare(std::move(items), webURL);
        if (!prepared) return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [weak, prepared = std::move(*prepared), appName, bundleID] {
                if (weak) weak->insert(prepared, appName, bundleID, weak->now());
            },
            Qt::QueuedConnection);
    });
}

// ---- Snapshot and preparation ----

std::optional<ClipItems> ClipStore::snapshot(const Pasteboard& pasteboard) {
    const QList<PasteboardItem> items = pasteboard.items();
    QStringList types = pasteboard.types();
    return snapshot(types, items);
}

std::optional<ClipItems> ClipStore::snapshot(const QStringList& types, const QList<PasteboardItem>& items) {
    if (Clipboard::isPrivate(types, items)) return std::nullopt;
    if (items.isEmpty()) return std::nullopt;
    qint64 total = 0;
    ClipItems result;
    for (const PasteboardItem& item : items) {
        const std::optional<QByteArray> plain = item.data(PasteboardType::plainText);
        const bool textOrFiles =
            (plain && !plain->isEmpty()) || item.data(PasteboardType::fileURL).has_value();
        PasteboardItem kept;
        for (const QString& type : keptTypes()) {
            const std::optional<QByteArray> data = item.data(type);
            if (!data) continue;
            // An image that comes with text or files (a rendering of copied cells) is not kept.
            if (isImageType(type) && (textOrFiles || kept.data(PasteboardType::png))) continue;
            total += data->size();
            if (total > maximumReadBytes) return std::nullopt;
            kept.setData(type, *data);
        }
        if (!kept.representations.isEmpty()) result.append(std::move(kept));
    }
    if (result.isEmpty()) return std::nullopt;
    return result;
}

std::optional<ClipStore::Prepared>
ClipStore::prepare(ClipItems items, const std::function<std::optional<QUrl>(const QString&)>& webURL) {
    // A copy of a quarter million files would cost half a gigabyte to keep and seconds to show.
    int fileItems = 0;
    ClipItems keptItems;
    for (PasteboardItem& item : items) {
        if (item.data(PasteboardType::fileURL) && ++fileItems > maximumClipFiles) continue;
        keptItems.append(std::move(item));
    }
    items = std::move(keptItems);

    // Other image formats become PNG, upright, so every image clip has one format to show and hash.
    const ImageCodec* codec = Platform::current().images;
    for (PasteboardItem& item : items) {
        if (item.data(PasteboardType::png)) continue;
        std::optional<QByteArray> source = item.data(PasteboardType::tiff);
        if (!source) source = item.data(PasteboardType::jpeg);
        if (!source) continue;
        // A faster zlib level than the default: conversion runs for every copied photo.
        const auto png = codec ? codec->toPNG(*source, 50) : std::nullopt;
        if (!png) continue;
        item.representations.removeIf([](const auto& rep) {
            return rep.first == PasteboardType::tiff || rep.first == PasteboardType::jpeg;
        });
        item.setData(PasteboardType::png, *png);
    }

    Prepared prepared;
    for (const PasteboardItem& item : items)
        for (const auto& rep : item.representations)
            prepared.size += rep.second.size();
    if (prepared.size > maximumClipBytes || items.isEmpty()) return std::nullopt;

    QStringList paths;
    for (const PasteboardItem& item : items) {
        const auto data = item.data(PasteboardType::fileURL);
        if (!data) continue;
        const QUrl url = QUrl::fromEncoded(*data, QUrl::StrictMode);
        const QString host = url.host();
        if (url.isLocalFile() && (host.isEmpty() || host == QLatin1String("localhost"))) {
            const QString path = url.toLocalFile();
            if (path.startsWith(QLatin1Char('/'))) paths << path;
        }
    }

    const PasteboardItem& first = items.first();
    const std::optional<QByteArray> textBytes = first.data(PasteboardType::plainText);
    std::optional<QString> text = textBytes ? strictUtf8(*textBytes) : std::nullopt;
    const QString trimmed = text ? text->trimmed() : QString();
    if (!paths.isEmpty()) {
        prepared.kind = Clip::Kind::files;
        prepared.text = paths.join(QLatin1Char('\n'));
        prepared.length = std::max(int(paths.size()), fileItems);
        // A cut list is told apart from a copy of just the files kept.
        const QByteArray cut =
            fileItems > paths.size() ? "\n+" + QByteArray::number(fileItems) : QByteArray();
        prepared.hash = Clip::contentHash("files", prepared.text.toUtf8() + cut);
    } else if (text && !trimmed.isEmpty()) {
        if (!trimmed.contains(QLatin1Char('\n')) && webURL && webURL(trimmed))
            prepared.kind = Clip::Kind::link;
        else if (first.data(PasteboardType::rtf) || first.data(PasteboardType::html))
            prepared.kind = Clip::Kind::richText;
        else
            prepared.kind = Clip::Kind::text;
        prepared.text = Clip::prefix(*text, maximumTextCharacters);
        prepared.length = Clip::characterCount(*text);
        prepared.hash = Clip::contentHash("text", *textBytes); // the bytes are exactly the text's UTF-8
    } else if (const auto png = first.data(PasteboardType::png)) {
        // Size and thumbnail from one decoding: decoding twice costs more.
        const auto picture = codec ? codec->inspect(*png, thumbnailPixels) : std::nullopt;
        if (!picture) return std::nullopt;
        prepared.kind = Clip::Kind::image;
        prepared.imageSize = Clip::Size{double(picture->width), double(picture->height)};
        prepared.thumbnail = picture->thumbnail;
        prepared.hash = Clip::contentHash("image", *png);
    } else {
        return std::nullopt;
    }
    prepared.items = std::move(items);
    return prepared;
}

// ---- The list ----

void ClipStore::insert(const Prepared& prepared, const std::optional<QString>& appName,
                       const std::optional<QString>& bundleID, const QDateTime& date) {
    // A clipboard manager taking over the clipboard when the copying application quits offers the
    // newest clip's content again: no new copy, so its source and date stay.
    if (!m_clips.isEmpty() && m_clips.first().hash == prepared.hash) return;
    QList<Clip> list = m_clips;
    Clip clip;
    const auto same =
        std::find_if(list.begin(), list.end(), [&](const Clip& c) { return c.hash == prepared.hash; });
    if (same != list.end()) {
        clip = *same;
        list.erase(same);
        clip.kind = prepared.kind;
        clip.size = prepared.size;
        clip.date = date;
        if (appName) clip.appName = appName;
        if (bundleID) clip.bundleID = bundleID;
    } else {
        clip.id = QUuid::createUuid();
        clip.kind = prepared.kind;
        clip.text = prepared.text;
        clip.length = prepared.length;
        clip.date = date;
        clip.pinned = false;
        clip.appName = appName;
        clip.bundleID = bundleID;
        clip.size = prepared.size;
        clip.hash = prepared.hash;
        clip.imageSize = prepared.imageSize;
    }
    // Pictures decoded from the older copy are stale now.
    emit clipDataChanged(clip.id);
    const QString dataPath = filePath(clip.id, ".clip");
    const QString thumbPath = filePath(clip.id, ".thumb.png");
    m_io->async([dataPath, thumbPath, items = prepared.items, thumbnail = prepared.thumbnail] {
        writeAtomically(dataPath, ClipData::encode(items));
        if (thumbnail) writeAtomically(thumbPath, *thumbnail);
    });
    list.prepend(clip);
    setClips(std::move(list));
    prune(now());
    save();
}

bool ClipStore::capture(const QStringList& types, const QList<PasteboardItem>& items,
                        const std::optional<QString>& appName, const std::optional<QString>& bundleID) {
    auto kept = snapshot(types, items);
    if (!kept) return false;
    auto prepared = prepare(std::move(*kept), m_services.webURL);
    if (!prepared) return false;
    insert(*prepared, appName, bundleID, now());
    return true;
}

void ClipStore::followRetention(const Settings& settings) {
    connect(&settings, &Settings::changed, this,
            [this, &settings, days = settings.clipRetentionDays()]() mutable {
                if (settings.clipRetentionDays() == days) return;
                days = settings.clipRetentionDays();
                prune();
            });
}

void ClipStore::prune(const QDateTime& now) {
    const int days = policy().retentionDays;
    const QDateTime cutoff = days < 1 ? QDateTime() : now.addSecs(-qint64(days) * 86'400);
    qint64 total = 0;
    int unpinned = 0;
    QList<Clip> kept;
    QList<QUuid> dropped;
    for (const Clip& clip : m_clips) {
        total += clip.size;
        if (clip.pinned) {
            kept.append(clip);
            continue;
        }
        ++unpinned;
        if ((cutoff.isValid() && clip.date < cutoff) || unpinned > maximumUnpinned ||
            total > maximumTotalBytes)
            dropped.append(clip.id);
        else
            kept.append(clip);
    }
    if (dropped.isEmpty()) return;
    setClips(std::move(kept));
    for (const QUuid& id : dropped)
        deleteData(id);
    save();
}

void ClipStore::save() {
    if (m_indexBlocked) return;
    const QString path = QDir(m_directory).filePath(QLatin1String(kIndexName));
    // Saves queued behind one another collapse into the last: each carries the whole list.
    const quint64 generation = ++*m_saveGeneration;
    m_io->async([path, list = m_clips, extras = m_extras, generation, latest = m_saveGeneration] {
        if (generation == latest->load()) writeAtomically(path, ClipIndex::encode(list, extras));
    });
}

void ClipStore::deleteData(const QUuid& id) {
    m_extras.remove(id);
    emit clipDataChanged(id);
    m_io->async([data = filePath(id, ".clip"), thumb = filePath(id, ".thumb.png")] {
        QFile::remove(data);
        QFile::remove(thumb);
    });
}

void ClipStore::removeOrphanedData() {
    QSet<QString> names;
    for (const Clip& clip : m_clips) {
        const QString id = Clip::idString(clip.id);
        names.insert(id + QLatin1String(".clip"));
        names.insert(id + QLatin1String(".thumb.png"));
    }
    m_io->async([dir = m_directory, names] {
        // What a set-aside index may still account for is no orphan: a clip it names, and any data file
        // that was there when it was last written (its object may have been cut off with the rest).
        const auto setAside = setAsideIndexes(dir);
        if (!setAside) return;
        const QDir folder(dir);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (!name.endsWith(QLatin1String(".clip")) && !name.endsWith(QLatin1String(".thumb.png")))
                continue;
            if (names.contains(name) || setAside->ids.contains(name.section(QLatin1Char('.'), 0, 0)))
                continue;
            const QString path = folder.filePath(name);
            if (setAside->latest.isValid() && QFileInfo(path).lastModified() <= setAside->latest) continue;
            QFile::remove(path);
        }
    });
}

std::optional<ClipStore::SetAside> ClipStore::setAsideIndexes(const QString& directory) {
    SetAside found;
    const QDir dir(directory);
    const QStringList asides = dir.entryList({QStringLiteral("clips-unreadable-*.json")}, QDir::Files);
    for (const QString& name : asides) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        const QDateTime modified = QFileInfo(file).lastModified();
        if (!found.latest.isValid() || modified > found.latest) found.latest = modified;
        // In pieces, each with the end of the one before, so a name across a boundary is still found.
        QByteArray carry;
        while (!file.atEnd()) {
            const QByteArray piece = file.read(1 << 20);
            if (piece.isEmpty()) break;
            const QByteArray window = carry + piece;
            found.ids.unite(ClipIndex::namedIds(window));
            carry = window.right(35);
        }
    }
    return found;
}

std::optional<Clip> ClipStore::clip(const QUuid& id) const {
    for (const Clip& c : m_clips)
        if (c.id == id) return c;
    return std::nullopt;
}

void ClipStore::touch(const QUuid& id) {
    QList<Clip> list = m_clips;
    const auto it = std::find_if(list.begin(), list.end(), [&](const Clip& c) { return c.id == id; });
    if (it == list.end()) return;
    Clip clip = *it;
    list.erase(it);
    clip.date = now();
    list.prepend(clip);
    setClips(std::move(list));
    save();
}

void ClipStore::togglePin(const QUuid& id) {
    QList<Clip> list = m_clips;
    for (Clip& c : list) {
        if (c.id == id) {
            c.pinned = !c.pinned;
            setClips(std::move(list));
            save();
            return;
        }
    }
}

void ClipStore::deleteClip(const QUuid& id) {
    QList<Clip> list = m_clips;
    if (!list.removeIf([&](const Clip& c) { return c.id == id; })) return;
    setClips(std::move(list));
    deleteData(id);
    save();
}

void ClipStore::clearUnpinned() {
    QList<Clip> kept;
    QSet<QString> keptIds;
    for (const Clip& c : m_clips) {
        if (c.pinned) {
            kept.append(c);
            keptIds.insert(Clip::idString(c.id));
        } else {
            deleteData(c.id);
        }
    }
    setClips(std::move(kept));
    save();
    // Clearing the history also lets go of what set-aside indexes kept: every data file but those of the
    // pinned clips goes. The set-aside indexes themselves stay.
    m_io->async([dir = m_directory, keptIds] {
        const QDir folder(dir);
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (!name.endsWith(QLatin1String(".clip")) && !name.endsWith(QLatin1String(".thumb.png")))
                continue;
            if (!keptIds.contains(name.section(QLatin1Char('.'), 0, 0))) QFile::remove(folder.filePath(name));
        }
    });
}

// ---- Reading back ----

std::optional<ClipItems> ClipStore::items(const QUuid& id) {
    return m_io->sync([path = filePath(id, ".clip")]() -> std::optional<ClipItems> {
        const auto bytes = readSmallFile(path, ClipData::maximumBytes);
        return bytes ? ClipData::decode(*bytes) : std::nullopt;
    });
}

bool ClipStore::write(const Clip& clip, bool plainText) {
    if (!m_pasteboard) return false;
    const auto stored = items(clip.id);
    if (!stored) return false;
    std::optional<QString> plain;
    if (clip.kind == Clip::Kind::files)
        plain = clip.text;
    else if (const auto bytes = stored->first().data(PasteboardType::plainText))
        plain = QString::fromUtf8(*bytes);
    if (plainText && (!plain || plain->isEmpty())) return false;
    poll(); // a copy not yet captured is taken before it is overwritten
    m_pasteboard->clearContents();
    if (plainText)
        m_pasteboard->setString(*plain);
    else
        m_pasteboard->writeItems(*stored);
    m_lastChangeCount = m_pasteboard->changeCount();
    touch(clip.id);
    return true;
}

QList<Clip> ClipStore::matching(const QString& query) const {
    const QString trimmed = trimSpacesAndTabs(query);
    QList<Clip> pinned, unpinned;
    const QStringList words = trimmed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const Clip& clip : m_clips) {
        bool match = trimmed.isEmpty() || clip.text.contains(trimmed, Qt::CaseInsensitive);
        if (!match && !words.isEmpty()) {
            const QString title = clip.shownTitle(); // the words the row shows
            match = std::all_of(words.begin(), words.end(), [&](const QString& word) {
                return Fuzzy::wordScore(word, title).has_value();
            });
        }
        if (!match && clip.appName) match = clip.appName->contains(trimmed, Qt::CaseInsensitive);
        if (match) (clip.pinned ? pinned : unpinned).append(clip);
    }
    return pinned + unpinned;
}

QStringList ClipStore::recentPathsAndLinks(int limit) const {
    QStringList found;
    for (const Clip& clip : m_clips) {
        if (found.size() >= limit) break;
        switch (clip.kind) {
        case Clip::Kind::text:
        case Clip::Kind::richText: {
            const QString text = clip.text.trimmed();
            if (text.contains(QLatin1Char('\n'))) break;
            const QString t = trimSpacesAndTabs(text);
            const bool candidate = t.startsWith(QLatin1Char('/')) || t.startsWith(QLatin1Char('~')) ||
                                   t.startsWith(QLatin1String("file://")) ||
                                   t.startsWith(QLatin1String("\"/")) || t.startsWith(QLatin1String("'/")) ||
                                   (t.startsWith(QLatin1Char('%')) && t.mid(1).contains(QLatin1Char('%'))) ||
                                   t.startsWith(QLatin1Char('$'));
            if (!candidate || !m_services.expandPath) break;
            const QString path = m_services.expandPath(text);
            if (path.startsWith(QLatin1Char('/')) && QFileInfo::exists(path)) found << path;
            break;
        }
        case Clip::Kind::link:
            found << clip.text.trimmed();
            break;
        case Clip::Kind::files:
            found << clip.paths();
            break;
        case Clip::Kind::image:
            break;
        }
    }
    found.removeDuplicates();
    return found.mid(0, std::max(0, limit));
}

std::optional<QByteArray> ClipStore::imageData(const QUuid& id) {
    const auto stored = items(id);
    if (!stored || stored->isEmpty()) return std::nullopt;
    return stored->first().data(PasteboardType::png);
}

std::optional<QByteArray> ClipStore::thumbnailData(const QUuid& id) {
    return m_io->sync([path = filePath(id, ".thumb.png")] { return readSmallFile(path, 16 * 1024 * 1024); });
}

// ---- Migration ----

void ClipStore::migrateFromPathHistory() {
    UserDefaults* defaults = m_services.legacyDefaults;
    if (!defaults) return;
    const auto entries = defaults->stringArray(QLatin1String(kLegacyKey));
    if (!entries) return;
    const QDateTime start = now();
    for (qsizetype i = entries->size() - 1; i >= 0; --i) {
        const QString& entry = entries->at(i);
        PasteboardItem item;
        item.setString(PasteboardType::plainText, entry);
        if (entry.startsWith(QLatin1Char('/')) && QFileInfo::exists(entry))
            item.setData(PasteboardType::fileURL, QUrl::fromLocalFile(entry).toEncoded());
        if (auto prepared = prepare({item}, m_services.webURL))
            insert(*prepared, std::nullopt, std::nullopt, start.addSecs(-60 * qint64(i)));
    }
    defaults->remove(QLatin1String(kLegacyKey));
}

void ClipStore::flush() {
    m_work->waitForIdle();
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    m_io->waitForIdle();
}

} // namespace zarvo
