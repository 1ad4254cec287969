#include "platform/linux/CachedDesktopEntries.h"

#include "platform/linux/DesktopServices.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace zarvo::linux_ {

namespace {

// Bumped whenever the file's layout or what a scan depends on changes.
constexpr quint32 kFormat = 2;
constexpr qint64 kMaxCacheBytes = 64 * 1024 * 1024;
constexpr quint32 kMaxItems = 1'000'000;

void addStat(QDataStream& out, const QString& path, const struct stat* st) {
    if (!st) {
        out << path << qint64(-1);
        return;
    }
    out << path << qint64(st->st_mode) << qint64(st->st_dev) << qint64(st->st_ino) << qint64(st->st_size)
        << qint64(st->st_mtim.tv_sec) << qint64(st->st_mtim.tv_nsec) << qint64(st->st_ctim.tv_sec)
        << qint64(st->st_ctim.tv_nsec);
}

void addStat(QDataStream& out, const QString& path) {
    struct stat st {};
    addStat(out, path, ::stat(QFile::encodeName(path).constData(), &st) == 0 ? &st : nullptr);
}

// The folders and entries the scan walks. Listed with readdir and sorted by bytes rather than through
// QDir, whose name order goes through the locale's collation and which stats every entry twice: this
// runs on every command-line query.
void addFolder(QDataStream& out, const QString& folder, int depth, QSet<QPair<quint64, quint64>>& visited) {
    const QByteArray encoded = QFile::encodeName(folder);
    struct stat st {};
    const bool found = ::stat(encoded.constData(), &st) == 0;
    addStat(out, folder, found ? &st : nullptr);
    if (!found || !S_ISDIR(st.st_mode)) return;
    if (visited.contains({quint64(st.st_dev), quint64(st.st_ino)})) return;
    visited.insert({quint64(st.st_dev), quint64(st.st_ino)});
    DIR* dir = ::opendir(encoded.constData());
    if (!dir) return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir))
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name); // hidden ones, as QDir leaves them
    std::sort(names.begin(), names.end());
    std::vector<QString> folders;
    for (const std::string& name : names) {
        // Followed, as the scan follows links; a dangling one is left out.
        if (::fstatat(::dirfd(dir), name.c_str(), &st, 0) != 0) continue;
        const QString path = folder + QLatin1Char('/') + QFile::decodeName(name.c_str());
        if (S_ISDIR(st.st_mode))
            folders.push_back(path);
        else if (S_ISREG(st.st_mode) && name.ends_with(".desktop"))
            addStat(out, path, &st);
    }
    ::closedir(dir);
    if (depth >= DesktopEntrySource::maxDepth) return;
    for (const QString& path : folders)
        addFolder(out, path, depth + 1, visited);
}

QDataStream& operator<<(QDataStream& out, const AppBundle& b);
QDataStream& operator>>(QDataStream& in, AppBundle& b);

// Counted by hand: a damaged count must not make the reader reserve room for it.
template <typename T> void readList(QDataStream& in, QList<T>& list) {
    quint32 count = 0;
    in >> count;
    if (count > kMaxItems) in.setStatus(QDataStream::ReadCorruptData);
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i)
        in >> list.emplace_back();
}

template <typename T> void writeList(QDataStream& out, const QList<T>& list) {
    out << quint32(list.size());
    for (const T& item : list)
        out << item;
}

QDataStream& operator<<(QDataStream& out, const AppBundle& b) {
    out << b.location << b.id << b.name << bool(b.genericName) << b.genericName.value_or(QString());
    writeList(out, b.keywords);
    out << b.executable << bool(b.icon) << b.icon.value_or(QString()) << b.modified;
    return out;
}

QDataStream& operator>>(QDataStream& in, AppBundle& b) {
    bool hasGeneric = false, hasIcon = false;
    QString generic, icon;
    in >> b.location >> b.id >> b.name >> hasGeneric >> generic;
    readList(in, b.keywords);
    in >> b.executable >> hasIcon >> icon >> b.modified;
    b.genericName = hasGeneric ? std::optional<QString>(generic) : std::nullopt;
    b.icon = hasIcon ? std::optional<QString>(icon) : std::nullopt;
    return in;
}

std::optional<CachedDesktopEntrySource::Kept> readKept(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCacheBytes) return std::nullopt;
    return CachedDesktopEntrySource::decode(file.readAll());
}

void writeKept(const QString& path, const CachedDesktopEntrySource::Kept& kept) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    // Not written: only the next start is slower.
    if (file.open(QIODevice::WriteOnly) && file.write(CachedDesktopEntrySource::encode(kept)) >= 0)
        file.commit();
}

} // namespace

CachedDesktopEntrySource::CachedDesktopEntrySource(DesktopEntrySource::Options options, QString cacheFile,
                                                   std::function<DesktopServices&()> desktop)
    : m_options(std::move(options)), m_cacheFile(std::move(cacheFile)), m_desktop(std::move(desktop)) {}

QByteArray CachedDesktopEntrySource::fingerprint(const DesktopEntrySource::Options& options) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << options.dataHome << options.dataDirs << options.desktops;
    // Names come in the user's language; TryExec looks along PATH.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "PATH"})
        out << qEnvironmentVariableIsSet(name) << qgetenv(name);
    for (const QString& folder : qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        addStat(out, folder);
    QSet<QPair<quint64, quint64>> visited;
    for (const QString& folder : DesktopEntrySource::applicationFolders(options))
        addFolder(out, folder, 0, visited);
    return bytes;
}

QByteArray CachedDesktopEntrySource::encode(const Kept& kept) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kFormat << kept.fingerprint;
    writeList(out, kept.applications.bundles);
    writeList(out, kept.applications.logged);
    writeList(out, kept.applications.programs);
    out << kept.programState;
    return bytes;
}

std::optional<CachedDesktopEntrySource::Kept> CachedDesktopEntrySource::decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 format = 0;
    in >> format;
    if (format != kFormat) return std::nullopt;
    Kept kept;
    in >> kept.fingerprint;
    readList(in, kept.applications.bundles);
    readList(in, kept.applications.logged);
    readList(in, kept.applications.programs);
    in >> kept.programState;
    if (in.status() != QDataStream::Ok || !in.atEnd()) return std::nullopt;
    return kept;
}

QByteArray CachedDesktopEntrySource::programState(const QStringList& programs) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    // A bare name is looked for along PATH, whose folders the fingerprint holds.
    for (const QString& program : programs)
        if (program.contains(QLatin1Char('/'))) addStat(out, program);
    return bytes;
}

QList<AppBundle> CachedDesktopEntrySource::scan() {
    // Taken before the scan, so that a change while it runs makes the next process scan again.
    const QByteArray now = fingerprint(m_options);
    if (const auto kept = readKept(m_cacheFile);
        kept && kept->fingerprint == now && programState(kept->applications.programs) == kept->programState) {
        for (const QString& line : kept->applications.logged)
            qWarning("%s", qPrintable(line));
        return kept->applications.bundles;
    }
    Kept fresh{now, m_desktop().scanApplications(m_options), {}};
    fresh.programState = programState(fresh.applications.programs);
    writeKept(m_cacheFile, fresh);
    return fresh.applications.bundles;
}

} // namespace zarvo::linux_
