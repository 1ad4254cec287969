#pragma once

#include "clipboard/Clip.h"
#include "platform/SerialQueue.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace zarvo {

class Clock;
class Environment;
class ImageCodec;
class Pasteboard;
struct Platform;
class Settings;
class UserDefaults;
class Workspace;

// The user's settings as the store reads them at the moment of use.
struct ClipPolicy {
    bool keepHistory = true;
    int retentionDays = 30;
    QStringList ignoredApps;
};

// Captures copies from the pasteboard, keeps them newest first in its directory and gives them back.
// Main thread only; file work runs on the serial `io` queue, preparing copies on the `work` queue.
class ClipStore : public QObject {
    Q_OBJECT
public:
    // One captured copy, ready to become a clip. Made on the work queue, never stored.
    struct Prepared {
        ClipItems items;
        Clip::Kind kind = Clip::Kind::text;
        QString text;
        int length = 0;
        QString hash;
        qint64 size = 0;
        std::optional<Clip::Size> imageSize;
        std::optional<QByteArray> thumbnail;
        bool operator==(const Prepared&) const = default;
    };

    // What the store reaches outside itself. `fromPlatform` fills it from a platform and the user's
    // settings, which must outlive the store (none: the default policy, no earlier defaults).
    struct Services {
        Workspace* workspace = nullptr;         // front application, activations, source names
        Clock* clock = nullptr;                 // none: the system clock
        const ImageCodec* images = nullptr;     // none: pictures are neither converted nor kept
        UserDefaults* legacyDefaults = nullptr; // where an earlier version kept "clipboardHistory"
        std::function<ClipPolicy()> policy;     // none: the default settings
        // The web-address test and the path expansion of typed text.
        std::function<std::optional<QUrl>(const QString&)> webURL;
        std::function<QString(const QString&)> expandPath;
        QString ownBundleID;           // the application's own identifier, for its own copies
        bool generalPasteboard = true; // only the general pasteboard is attributed to the front application

        static Services fromPlatform(const Platform& platform, const Settings* settings);
    };

    static constexpr qint64 maximumReadBytes = 50'000'000;
    static constexpr qint64 maximumClipBytes = 25'000'000;
    static constexpr qint64 maximumTotalBytes = 1'000'000'000;
    static constexpr int maximumUnpinned = 500;
    static constexpr int maximumTextCharacters = 5000;
    // A copy of more files keeps the first ones; its length still counts every file copied.
    static constexpr int maximumClipFiles = 1000;
    static constexpr int thumbnailPixels = 96;

    ClipStore(const QString& directory, Pasteboard* pasteboard, bool migrateLegacy, Services services,
              QObject* parent = nullptr);
    ~ClipStore() override;

    // The directory of the shared store: the application's own identifier keeps its clips under the
    // user's data folder, any other (tests, side builds) in a folder of this process.
    static QString defaultDirectory(const Environment* environment);

    const QList<Clip>& clips() const { return m_clips; }
    const QString& directory() const { return m_directory; }
    // Where `write` puts clips back; none for a store that only reads and edits.
    Pasteboard* pasteboard() const { return m_pasteboard; }
    bool indexWasUnreadable() const { return m_indexWasUnreadable; }
    // One line for the user when this opening set the index aside: where it lies and what was salvaged.
    const std::optional<QString>& openingNotice() const { return m_openingNotice; }

    // Marks the pasteboard change with this count as the application's own.
    void setOwnChangeCount(qint64 count) { m_ownChangeCount = count; }
    // Treats the pasteboard change with this count as already seen (a temporary write of our own).
    void setLastChangeCount(qint64 count) { m_lastChangeCount = count; }

    // Prunes, removes orphaned files, then watches activations and polls twice a second.
    void start();
    void poll();

    std::optional<Clip> clip(const QUuid& id) const;
    QList<Clip> matching(const QString& query) const;
    QStringList recentPathsAndLinks(int limit) const;
    // The PNG of an image clip as stored, and its thumbnail's (read on the io queue); none when missing.
    std::optional<QByteArray> imageData(const QUuid& id);
    std::optional<QByteArray> thumbnailData(const QUuid& id);

    // Puts a clip back on the pasteboard: every kept representation, or only its plain text.
    bool write(const Clip& clip, bool plainText);
    void togglePin(const QUuid& id);
    void deleteClip(const QUuid& id);
    void clearUnpinned();
    void prune(const QDateTime& now);
    // Against the store's own clock, as captures prune.
    void prune() { prune(now()); }
    // A change of the retention applies at once, whoever made it (the settings window, zarvo-cli).
    void followRetention(const Settings& settings);

    // The kept representations of a copy, or none when it must not be stored.
    static std::optional<ClipItems> snapshot(const Pasteboard& pasteboard);
    static std::optional<ClipItems> snapshot(const QStringList& types, const QList<PasteboardItem>& items);
    // Thread-safe: conversion, kind, text, hash and thumbnail of a snapshot.
    static std::optional<Prepared> prepare(ClipItems items,
                                           const std::function<std::optional<QUrl>(const QString&)>& webURL,
                                           const ImageCodec* images);
    void insert(const Prepared& prepared, const std::optional<QString>& appName,
                const std::optional<QString>& bundleID, const QDateTime& date);
    // Files one copy at once, on this thread (the command line's `add`): snapshot, prepare, insert.
    bool capture(const QStringList& types, const QList<PasteboardItem>& items,
                 const std::optional<QString>& appName, const std::optional<QString>& bundleID);
    void touch(const QUuid& id);
    void save();
    // The decoded data file of a clip, read on the io queue; none on any failure.
    std::optional<ClipItems> items(const QUuid& id);

    // Waits until captures under way are inserted and every file they wrote is on disk.
    void flush();

signals:
    void clipsChanged();
    // The stored data of this clip was replaced or removed: pictures decoded from it are stale.
    void clipDataChanged(const QUuid& id);

private:
    QString filePath(const QUuid& id, const char* suffix) const;
    QDateTime now() const;
    ClipPolicy policy() const;
    void open(bool migrateLegacy);
    // The new name of the index, or none when it could not be moved.
    std::optional<QString> setAside(const QString& indexPath);
    void migrateFromPathHistory();
    void deleteData(const QUuid& id);
    void removeOrphanedData();
    // What the set-aside indexes of a directory account for: the upper-case ids named anywhere in them,
    // and when the newest was last written. None when one cannot be read (then nothing is an orphan).
    struct SetAside {
        QSet<QString> ids;
        QDateTime latest;
    };
    static std::optional<SetAside> setAsideIndexes(const QString& directory);
    void setClips(QList<Clip> clips);

    QList<Clip> m_clips;
    QString m_directory;
    Pasteboard* m_pasteboard;
    Services m_services;
    qint64 m_lastChangeCount = 0;
    std::optional<qint64> m_ownChangeCount;
    QSet<QString> m_activatedSincePoll;
    bool m_indexWasUnreadable = false;
    // An unreadable index that could not be set aside is never written over.
    bool m_indexBlocked = false;
    std::optional<QString> m_openingNotice;
    // Members of stored clips that a newer version wrote, written back with them.
    ClipIndex::Extras m_extras;
    QTimer m_timer;
    bool m_started = false;
    std::shared_ptr<std::atomic<quint64>> m_saveGeneration = std::make_shared<std::atomic<quint64>>(0);
    // Last, so they are destroyed first: their jobs finish before the rest of the store goes.
    std::unique_ptr<SerialQueue> m_work;
    std::unique_ptr<SerialQueue> m_io;
};

} // namespace zarvo
