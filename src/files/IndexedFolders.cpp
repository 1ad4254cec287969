#include "files/IndexedFolders.h"

#include "files/IndexMetadataQuery.h"
#include "index/FileIndex.h"
#include "search/Text.h"
#include "store/UserDefaults.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <limits>

namespace zarvo::IndexedFolders {

namespace {

QString key(List list) {
    return QString::fromLatin1(list == List::searched ? FileIndexSettings::kRootsKey
                                                      : FileIndexSettings::kExcludedKey);
}

QString expanded(const QString& entry, const QString& home) {
    const QString trimmed = entry.trimmed();
    if (trimmed == QLatin1String("~")) return home;
    if (trimmed.startsWith(QLatin1String("~/"))) return QDir::cleanPath(home + trimmed.mid(1));
    return QDir::cleanPath(trimmed);
}

QString stored(const QString& path, const QString& home) {
    if (path == home) return QStringLiteral("~");
    if (path.startsWith(home + QLatin1Char('/'))) return QLatin1Char('~') + path.mid(home.size());
    return path;
}

bool within(const QString& path, const QString& folder) {
    return path == folder || folder == QLatin1String("/") || path.startsWith(folder + QLatin1Char('/'));
}

using Text::quoted;

} // namespace

QStringList folders(const UserDefaults& defaults, List list) {
    QStringList out = defaults.stringArray(key(list)).value_or(QStringList());
    out.removeAll(QString());
    if (out.isEmpty() && list == List::searched) out << QStringLiteral("~");
    return out;
}

QString displayName(const QString& entry) {
    return entry == QLatin1String("~") ? QCoreApplication::translate("IndexedFolders", "Home folder") : entry;
}

std::optional<QString> add(UserDefaults& defaults, List list, const QString& folder, const QString& home) {
    const QString path = QDir::cleanPath(folder);
    if (!QDir::isAbsolutePath(path))
        return QCoreApplication::translate("IndexedFolders", "%1 is not a folder.").arg(quoted(folder));
    const QString name = stored(path, home);
    QStringList searched = folders(defaults, List::searched);
    QStringList leftOut = folders(defaults, List::leftOut);
    auto holding = [&](const QStringList& entries) -> std::optional<QString> {
        for (const QString& entry : entries)
            if (within(path, expanded(entry, home))) return entry;
        return std::nullopt;
    };
    if (list == List::searched) {
        // A folder left out is searched again by taking it off that list.
        if (leftOut.removeAll(name) > 0) {
            defaults.set(key(List::leftOut), leftOut);
            if (holding(searched)) return std::nullopt;
        } else if (const auto outer = holding(leftOut)) {
            return QCoreApplication::translate("IndexedFolders",
                                               "%1 is inside %2, which is left out: remove that first.")
                .arg(quoted(name), quoted(*outer));
        }
        if (const auto outer = holding(searched))
            return *outer == name ? QCoreApplication::translate("IndexedFolders", "%1 is searched already.")
                                        .arg(quoted(name))
                                  : QCoreApplication::translate("IndexedFolders",
                                                                "%1 is inside %2, which is searched already.")
                                        .arg(quoted(name), quoted(*outer));
        searched.removeIf([&](const QString& e) { return within(expanded(e, home), path); });
        searched << name;
        leftOut.removeIf([&](const QString& e) { return within(expanded(e, home), path); });
    } else {
        if (const auto outer = holding(leftOut))
            return QCoreApplication::translate("IndexedFolders", "%1 is left out already.").arg(quoted(name));
        const auto root = holding(searched);
        if (!root)
            return QCoreApplication::translate("IndexedFolders", "%1 is not in a folder Zarvo searches.")
                .arg(quoted(name));
        if (*root == name)
            return QCoreApplication::translate("IndexedFolders",
                                               "Remove %1 from the folders searched instead.")
                .arg(quoted(name));
        leftOut.removeIf([&](const QString& e) { return within(expanded(e, home), path); });
        leftOut << name;
    }
    defaults.set(key(List::searched), searched);
    defaults.set(key(List::leftOut), leftOut);
    return std::nullopt;
}

std::optional<QString> remove(UserDefaults& defaults, List list, const QString& entry) {
    QStringList entries = folders(defaults, list);
    if (!entries.contains(entry)) return std::nullopt;
    if (list == List::searched && entries.size() == 1)
        return QCoreApplication::translate(
                   "IndexedFolders", "Zarvo searches at least one folder: add another before removing %1.")
            .arg(quoted(entry));
    entries.removeAll(entry);
    defaults.set(key(list), entries);
    return std::nullopt;
}

QStringList statusLines(const index::IndexStatus& status, int relistMinutes) {
    // Counts in the user's locale (%Ln); the number may pass what an int holds only in theory.
    const int entries = int(std::min<qint64>(qint64(status.entries), std::numeric_limits<int>::max()));
    const int unwatched =
        int(std::min<qint64>(qint64(status.unwatchedFolders), std::numeric_limits<int>::max()));
    QStringList lines;
    lines << (status.crawling
                  ? QCoreApplication::translate("IndexedFolders", "Indexing… %Ln files and folders so far",
                                                nullptr, entries)
                  : QCoreApplication::translate("IndexedFolders", "%Ln files and folders indexed", nullptr,
                                                entries));
    const QString every =
        relistMinutes == 1 ? QCoreApplication::translate("IndexedFolders", "every minute")
        : relistMinutes == 2
            ? QCoreApplication::translate("IndexedFolders", "every two minutes")
            : QCoreApplication::translate("IndexedFolders", "every %Ln minutes", nullptr, relistMinutes);
    if (status.unwatchedFolders > 0)
        //: %1 is how often: every minute, every two minutes, every 5 minutes.
        lines << QCoreApplication::translate(
                     "IndexedFolders", "%Ln folders are re-listed %1: raise fs.inotify.max_user_watches",
                     nullptr, unwatched)
                     .arg(every);
    else if (status.watches > 0)
        lines << QCoreApplication::translate("IndexedFolders", "New files are found as they appear");
    return lines;
}

} // namespace zarvo::IndexedFolders
