#include "clipboard/ClipStore.h"

#include "clipboard/ClipFiles.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "search/Fuzzy.h"
#include "search/Text.h"
#include "sources/PathInput.h"
#include "store/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

// The store's list and what reads it back; capture, opening and upkeep have files of their own.
namespace zarvo {

using namespace clipfiles;
using Text::trimSpacesAndTabs;

// ---- Construction ----

ClipStore::Services ClipStore::Services::fromPlatform(const Platform& platform, const Settings* settings) {
    Services services;
    services.workspace = platform.workspace;
    services.clock = platform.clock;
    services.images = platform.images;
    if (platform.environment) services.ownBundleID = platform.environment->appIdentifier();
    if (settings) {
        services.legacyDefaults = &settings->defaults();
        // Read at the moment of use, so a change in the settings window applies to the next copy.
        services.policy = [settings] {
            return ClipPolicy{settings->keepClipboardHistory(), settings->clipRetentionDays(),
                              settings->clipIgnoredApps()};
        };
    }
    services.webURL = [](const QString& text) { return PathInput::webURL(text); };
    // A copy of the bundle: it holds only pointers to services that outlive the store.
    services.expandPath = [platform](const QString& text) { return PathInput::expand(platform, text); };
    return services;
}

QString ClipStore::defaultDirectory(const Environment* env) {
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

void ClipStore::save() {
    if (m_indexBlocked) return;
    const QString path = QDir(m_directory).filePath(QLatin1String(indexName));
    // Saves queued behind one another collapse into the last: each carries the whole list.
    const quint64 generation = ++*m_saveGeneration;
    m_io->async([path, list = m_clips, extras = m_extras, generation, latest = m_saveGeneration] {
        if (generation == latest->load()) writeAtomically(path, ClipIndex::encode(list, extras));
    });
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

void ClipStore::flush() {
    m_work->waitForIdle();
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    m_io->waitForIdle();
}

} // namespace zarvo
