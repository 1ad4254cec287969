#include "cli/IndexCommand.h"

#include "cli/CliContext.h"
#include "files/AppCatalog.h"
#include "files/IndexMetadataQuery.h"
#include "platform/AppBundle.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxEnvironment.h"
#include "store/UserDefaults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace zarvo;

namespace {

QString megabytes(qint64 bytes) {
    return QString::number(double(bytes) / 1e6, 'f', 1) + QStringLiteral(" MB");
}

int systemWatchLimit() {
    QFile f(QStringLiteral("/proc/sys/fs/inotify/max_user_watches"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return f.readAll().trimmed().toInt();
}

// The process platform, with the real environment when the entry point installed none.
Platform platformForCommand(std::unique_ptr<Environment>& owned) {
    Platform platform = cli::CliContext::shared().platform();
    if (!platform.environment) {
        owned = std::make_unique<linux_::LinuxEnvironment>();
        platform.environment = owned.get();
    }
    return platform;
}

int usage(QTextStream& err) {
    err << QCoreApplication::translate("IndexCommand", "usage: zarvo-cli index status [--json]\n"
                                                       "       zarvo-cli index rebuild [--root DIR]...\n");
    return 2;
}

// What `index status` prints, from this process's reading of the snapshot or from the running
// application's live index.
struct StatusFacts {
    const index::IndexConfig& config;
    const index::IndexStatus& s;
    bool loaded = false;
    bool live = false;
    int applicationCount = 0;
    quint64 applicationBytes = 0;
    QStringList applicationFolders;
};

int printStatus(const StatusFacts& f, bool json, QTextStream& out) {
    const auto& config = f.config;
    const auto& s = f.s;
    const bool loaded = f.loaded;
    const int limit = systemWatchLimit();
    if (json) {
        QJsonObject o;
        o[QStringLiteral("roots")] = QJsonArray::fromStringList(config.roots);
        o[QStringLiteral("excluded")] = QJsonArray::fromStringList(config.excluded);
        o[QStringLiteral("entries")] = s.entries;
        QJsonObject snap;
        snap[QStringLiteral("path")] = config.snapshotPath;
        snap[QStringLiteral("usable")] = loaded;
        if (s.snapshotTime) {
            snap[QStringLiteral("bytes")] = s.snapshotBytes;
            snap[QStringLiteral("written")] = s.snapshotTime->toUTC().toString(Qt::ISODate);
            snap[QStringLiteral("ageSeconds")] = s.snapshotTime->secsTo(QDateTime::currentDateTime());
        }
        o[QStringLiteral("snapshot")] = snap;
        // Live: the running application's own index, with its watches; otherwise this process read the
        // snapshot and watches nothing.
        o[QStringLiteral("live")] = f.live;
        o[QStringLiteral("watches")] = s.watches;
        o[QStringLiteral("watchLimit")] = limit;
        o[QStringLiteral("watchLimitReached")] = s.watchLimitReached;
        o[QStringLiteral("unwatchedFolders")] = s.unwatchedFolders;
        o[QStringLiteral("crawling")] = s.crawling;
        o[QStringLiteral("memoryBytes")] = qint64(s.memoryBytes);
        o[QStringLiteral("bytesPerEntry")] = s.entries ? double(s.memoryBytes) / double(s.entries) : 0.0;
        o[QStringLiteral("unreadable")] = QJsonArray::fromStringList(s.unreadable);
        QJsonObject apps;
        apps[QStringLiteral("count")] = f.applicationCount;
        apps[QStringLiteral("memoryBytes")] = qint64(f.applicationBytes);
        apps[QStringLiteral("folders")] = QJsonArray::fromStringList(f.applicationFolders);
        o[QStringLiteral("applications")] = apps;
        out << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return 0;
    }
    out << QCoreApplication::translate("IndexCommand", "roots: %1")
               .arg(cli::shown(config.roots.join(QStringLiteral(", "))))
        << '\n';
    if (!config.excluded.isEmpty())
        out << QCoreApplication::translate("IndexCommand", "excluded: %1")
                   .arg(cli::shown(config.excluded.join(QStringLiteral(", "))))
            << '\n';
    out << QCoreApplication::translate("IndexCommand", "entries: %1").arg(s.entries) << '\n';
    if (s.snapshotTime) {
        const qint64 age = s.snapshotTime->secsTo(QDateTime::currentDateTime());
        const QString path = cli::shown(config.snapshotPath), size = megabytes(s.snapshotBytes),
                      written = s.snapshotTime->toString(Qt::ISODate), minutes = QString::number(age / 60);
        out << (loaded
                    ? QCoreApplication::translate("IndexCommand", "snapshot: %1 (%2, written %3, %4 min ago)")
                          .arg(path, size, written, minutes)
                    : QCoreApplication::translate(
                          "IndexCommand",
                          "snapshot: %1 (%2, written %3, %4 min ago, not usable: will be rebuilt)")
                          .arg(path, size, written, minutes))
            << '\n';
    } else {
        out << QCoreApplication::translate("IndexCommand",
                                           "snapshot: none yet (zarvo-cli index rebuild makes one)")
            << '\n';
    }
    if (!f.live)
        out << QCoreApplication::translate(
                   "IndexCommand",
                   "watches: %1 in this process (the running application holds its own); system limit %2")
                   .arg(s.watches)
                   .arg(limit)
            << '\n';
    else
        out << QCoreApplication::translate("IndexCommand",
                                           "watches: %1 in the running Zarvo; system limit %2")
                   .arg(s.watches)
                   .arg(limit)
            << '\n';
    const int unwatched = int(std::min(s.unwatchedFolders, qint64(INT_MAX)));
    if (unwatched > 0)
        out << QCoreApplication::translate("IndexCommand",
                                           "%n folder(s) without a watch, re-listed when they change",
                                           nullptr, unwatched)
            << '\n';
    if (s.crawling)
        out << QCoreApplication::translate("IndexCommand",
                                           "crawl: running, the index is being brought up to date")
            << '\n';
    if (s.entries)
        out << QCoreApplication::translate("IndexCommand", "memory: %1 (%2 bytes per entry)")
                   .arg(megabytes(qint64(s.memoryBytes)),
                        QString::number(double(s.memoryBytes) / double(s.entries), 'f', 1));
    else
        out << QCoreApplication::translate("IndexCommand", "memory: %1")
                   .arg(megabytes(qint64(s.memoryBytes)));
    out << '\n';
    out << QCoreApplication::translate(
               "IndexCommand",
               "applications: %1 (%2, from the applications folders of XDG_DATA_HOME and XDG_DATA_DIRS)")
               .arg(f.applicationCount)
               .arg(megabytes(qint64(f.applicationBytes)))
        << '\n';
    if (!s.unreadable.isEmpty())
        out << QCoreApplication::translate("IndexCommand", "unreadable folders (skipped): %1")
                   .arg(cli::shown(s.unreadable.join(QStringLiteral(", "))))
            << '\n';
    return 0;
}

int status(const Platform& platform, bool json) {
    QTextStream out(stdout);
    const auto config = FileIndexSettings::config(platform);
    index::FileIndex fileIndex(config);
    const bool loaded = fileIndex.loadSnapshot();
    const auto s = fileIndex.status();
    // The installed applications are searched beside the files, from the applications folders.
    const std::unique_ptr<AppBundleSource> entries = cli::CliContext::shared().newApplicationSource();
    AppCatalog applications(entries.get());
    applications.reload();
    return printStatus(StatusFacts{config, s, loaded, false, applications.count(), applications.memoryBytes(),
                                   entries->folders()},
                       json, out);
}

int rebuild(const Platform& platform, const QStringList& roots) {
    QTextStream out(stdout), err(stderr);
    if (!roots.isEmpty()) {
        QStringList clean;
        for (const auto& r : roots) {
            const QFileInfo info(r);
            if (!info.isDir()) {
                err << QCoreApplication::translate("IndexCommand", "zarvo-cli: not a folder: %1").arg(r)
                    << '\n';
                return 2;
            }
            clean << QDir::cleanPath(info.absoluteFilePath());
        }
        // The folders become the indexed roots, so the application and later queries use this snapshot.
        if (platform.defaults) {
            UserDefaults defaults(*platform.defaults, platform.environment->appIdentifier());
            defaults.set(QString::fromLatin1(FileIndexSettings::kRootsKey), clean);
        }
    }
    auto config = FileIndexSettings::config(platform);
    if (!roots.isEmpty() && !platform.defaults) {
        config.roots.clear();
        for (const auto& r : roots)
            config.roots << QDir::cleanPath(QFileInfo(r).absoluteFilePath());
    }
    config.watch = false;
    const bool terminal = ::isatty(STDERR_FILENO);
    QElapsedTimer clock;
    clock.start();
    index::FileIndex fileIndex(config);
    fileIndex.rebuild([&](qint64 entries) {
        if (terminal) {
            err << '\r'
                << QCoreApplication::translate("IndexCommand", "indexing %1: %2 entries…")
                       .arg(config.roots.join(QStringLiteral(", ")))
                       .arg(entries);
            err.flush();
        }
    });
    if (terminal) err << "\r\033[K";
    err.flush();
    if (!fileIndex.saveSnapshot()) {
        err << QCoreApplication::translate("IndexCommand", "zarvo-cli: could not write the snapshot %1")
                   .arg(config.snapshotPath)
            << '\n';
        return 1;
    }
    const auto s = fileIndex.status();
    out << QCoreApplication::translate("IndexCommand", "indexed %1 entries in %2 s; snapshot %3 (%4)")
               .arg(QString::number(s.entries), QString::number(double(clock.elapsed()) / 1000.0, 'f', 2),
                    cli::shown(config.snapshotPath), megabytes(s.snapshotBytes))
        << '\n';
    if (!s.unreadable.isEmpty())
        out << QCoreApplication::translate("IndexCommand", "unreadable folders (skipped): %1")
                   .arg(cli::shown(s.unreadable.join(QStringLiteral(", "))))
            << '\n';
    return 0;
}

} // namespace

int runIndexCommand(const QStringList& argsIn) {
    QTextStream err(stderr);
    QStringList args = argsIn;
    if (!args.isEmpty() && args.first() == QLatin1String("index")) args.removeFirst();
    if (args.isEmpty()) return usage(err);
    std::unique_ptr<Environment> owned;
    const Platform platform = platformForCommand(owned);
    const QString command = args.takeFirst();
    if (command == QLatin1String("status")) {
        bool json = false;
        for (const auto& a : args) {
            if (a == QLatin1String("--json"))
                json = true;
            else
                return usage(err);
        }
        return status(platform, json);
    }
    if (command == QLatin1String("rebuild")) {
        QStringList roots;
        for (qsizetype i = 0; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--root") && i + 1 < args.size())
                roots << args[++i];
            else if (args[i].startsWith(QLatin1String("--root=")))
                roots << args[i].mid(7);
            else
                return usage(err);
        }
        return rebuild(platform, roots);
    }
    return usage(err);
}

std::optional<int> runLiveIndexStatus(const index::FileIndex* live, const AppCatalog* applications,
                                      const QStringList& applicationFolders, const QStringList& args,
                                      QTextStream& out) {
    if (!live || args.value(0) != QLatin1String("status")) return std::nullopt;
    bool json = false;
    for (const auto& a : args.mid(1)) {
        if (a != QLatin1String("--json")) return std::nullopt; // the usage text is the command's own
        json = true;
    }
    const auto s = live->status();
    return printStatus(StatusFacts{live->config(), s, s.snapshotTime.has_value(), true,
                                   applications ? applications->count() : 0,
                                   applications ? applications->memoryBytes() : 0, applicationFolders},
                       json, out);
}
