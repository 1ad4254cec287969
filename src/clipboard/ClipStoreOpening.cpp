#include "clipboard/ClipStore.h"

#include "clipboard/ClipFiles.h"
#include "store/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

// Opening the store's folder: reading the index, setting aside one that cannot be read, and taking over
// the history an earlier version kept in the defaults.
namespace zarvo {

using namespace clipfiles;

namespace {
const char* const kLegacyKey = "clipboardHistory";
}

void ClipStore::open(bool migrateLegacy) {
    QDir().mkpath(m_directory);
    QFile::setPermissions(m_directory,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString indexPath = QDir(m_directory).filePath(QLatin1String(indexName));
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
        if (auto prepared = prepare({item}, m_services.webURL, m_services.images))
            insert(*prepared, std::nullopt, std::nullopt, start.addSecs(-60 * qint64(i)));
    }
    defaults->remove(QLatin1String(kLegacyKey));
}

} // namespace zarvo
