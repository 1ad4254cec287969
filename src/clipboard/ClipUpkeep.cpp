#include "clipboard/ClipStore.h"

#include "clipboard/ClipFiles.h"
#include "store/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Upkeep: the retention and the limits, clearing, and the data files no clip names.
namespace zarvo {

using namespace clipfiles;

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

} // namespace zarvo
