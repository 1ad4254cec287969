#include "files/IndexedFolders.h"

#include "files/IndexMetadataQuery.h"
#include "index/FileIndex.h"
#include "store/UserDefaults.h"

#include <QDir>
#include <QLocale>

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

QString quoted(const QString& text) {
    return QStringLiteral("“%1”").arg(text);
}

} // namespace

QStringList folders(const UserDefaults& defaults, List list) {
    QStringList out = defaults.stringArray(key(list)).value_or(QStringList());
    out.removeAll(QString());
    if (out.isEmpty() && list == List::searched) out << QStringLiteral("~");
    return out;
}

QString displayName(const QString& entry) {
    return entry == QLatin1String("~") ? QStringLiteral("Home folder") : entry;
}

std::optional<QString> add(UserDefaults& defaults, List list, const QString& folder, const QString& home) {
    const QString path = QDir::cleanPath(folder);
    if (!QDir::isAbsolutePath(path)) return quoted(folder) + QStringLiteral(" is not a folder.");
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
            return quoted(name) + QStringLiteral(" is inside ") + quoted(*outer) +
                   QStringLiteral(", which is left out: remove that first.");
        }
        if (const auto outer = holding(searched))
            return *outer == name ? quoted(name) + QStringLiteral(" is searched already.")
                                  : quoted(name) + QStringLiteral(" is inside ") + quoted(*outer) +
                                        QStringLiteral(", which is searched already.");
        searched.removeIf([&](const QString& e) { return within(expanded(e, home), path); });
        searched << name;
        leftOut.removeIf([&](const QString& e) { return within(expanded(e, home), path); });
    } else {
        if (const auto outer = holding(leftOut))
            return quoted(name) + QStringLiteral(" is left out already.");
        const auto root = holding(searched);
        if (!root) return quoted(name) + QStringLiteral(" is not in a folder Zarvo searches.");
        if (*root == name)
            return QStringLiteral("Remove ") + quoted(name) +
                   QStringLiteral(" from the folders searched instead.");
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
        return QStringLiteral("Zarvo searches at least one folder: add another before removing ") +
               quoted(entry) + QLatin1Char('.');
    entries.removeAll(entry);
    defaults.set(key(list), entries);
    return std::nullopt;
}

QStringList statusLines(const index::IndexStatus& status, int relistMinutes) {
    const QLocale locale;
    QStringList lines;
    lines << (status.crawling ? QStringLiteral("Indexing… %1 files and folders so far")
                              : QStringLiteral("%1 files and folders indexed"))
                 .arg(locale.toString(status.entries));
    const QString every = relistMinutes == 1   ? QStringLiteral("every minute")
                          : relistMinutes == 2 ? QStringLiteral("every two minutes")
                                               : QStringLiteral("every %1 minutes").arg(relistMinutes);
    if (status.unwatchedFolders > 0)
        lines << QStringLiteral("%1 %2 re-listed %3: raise fs.inotify.max_user_watches")
                     .arg(locale.toString(status.unwatchedFolders),
                          status.unwatchedFolders == 1 ? QStringLiteral("folder is")
                                                       : QStringLiteral("folders are"),
                          every);
    else if (status.watches > 0)
        lines << QStringLiteral("New files are found as they appear");
    return lines;
}

} // namespace zarvo::IndexedFolders
