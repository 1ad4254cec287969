#include "platform/linux/DesktopEntries.h"

#include "platform/Environment.h"
#include "platform/linux/DesktopApps.h"
#include "platform/linux/GioIncludes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>

namespace zarvo::linux_ {

namespace {

constexpr qint64 kMaxEntryBytes = 256 * 1024;
constexpr int kMaxTextLength = 1024; // a Name, GenericName or keyword longer than this is not one
constexpr int kMaxDepth = DesktopEntrySource::maxDepth;
constexpr int kSettleMs = 150;
const char* const kGroup = G_KEY_FILE_DESKTOP_GROUP;

struct KeyFileDeleter {
    void operator()(GKeyFile* file) const {
        if (file) g_key_file_free(file);
    }
};

struct StrvDeleter {
    void operator()(gchar** v) const { g_strfreev(v); }
};
using Strv = std::unique_ptr<gchar*, StrvDeleter>;

QStringList stringList(GKeyFile* file, const char* key) {
    QStringList out;
    Strv values(g_key_file_get_string_list(file, kGroup, key, nullptr, nullptr));
    for (gchar** v = values.get(); v && *v; ++v)
        out << QString::fromUtf8(*v).toUpper();
    return out;
}

// What the menus of the running desktop decide: the first current desktop named in OnlyShowIn shows
// the entry, in NotShowIn hides it; with no verdict, an entry restricted to other desktops is hidden.
bool shownOn(GKeyFile* file, const QStringList& desktops) {
    const QStringList only = stringList(file, G_KEY_FILE_DESKTOP_KEY_ONLY_SHOW_IN);
    const QStringList not_ = stringList(file, G_KEY_FILE_DESKTOP_KEY_NOT_SHOW_IN);
    for (const QString& desktop : desktops) {
        if (only.contains(desktop)) return true;
        if (not_.contains(desktop)) return false;
    }
    return only.isEmpty();
}

// Field codes of the desktop entry format; anything else after a '%' is a broken command line.
bool validFieldCodes(const QString& exec) {
    static const QString known = QStringLiteral("fFuUdDnNickvm%");
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec[i] != QLatin1Char('%')) continue;
        if (i + 1 >= exec.size() || !known.contains(exec[i + 1])) return false;
        ++i;
    }
    return true;
}

// The program a person knows the application by: the command's first word, past "env VAR=…" and
// Flatpak's launcher ("flatpak run --command=gimp org.gimp.GIMP" is gimp).
QString programName(const QString& commandLine) {
    gchar** parsed = nullptr;
    if (!g_shell_parse_argv(commandLine.toUtf8().constData(), nullptr, &parsed, nullptr)) return {};
    Strv argv(parsed);
    QStringList words;
    for (gchar** p = argv.get(); *p; ++p)
        words << QString::fromUtf8(*p);
    qsizetype i = 0;
    if (i < words.size() && QFileInfo(words[i]).fileName() == QLatin1String("env")) {
        ++i;
        while (i < words.size() &&
               (words[i].startsWith(QLatin1Char('-')) || words[i].contains(QLatin1Char('='))))
            ++i;
    }
    if (i >= words.size()) return {};
    const QString program = QFileInfo(words[i]).fileName();
    if (program == QLatin1String("flatpak")) {
        for (qsizetype k = i + 1; k < words.size(); ++k)
            if (words[k].startsWith(QLatin1String("--command=")))
                return QFileInfo(words[k].mid(10)).fileName();
        // Otherwise the application id's last part: org.gimp.GIMP → GIMP.
        for (qsizetype k = words.size() - 1; k > i; --k)
            if (!words[k].startsWith(QLatin1Char('-')) && !words[k].startsWith(QLatin1Char('@')) &&
                words[k].count(QLatin1Char('.')) >= 2)
                return words[k].section(QLatin1Char('.'), -1);
    }
    return program;
}

QString fromUtf8(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

DesktopEntrySource::DesktopEntrySource(Options options, QObject* parent) : m_options(std::move(options)) {
    setParent(parent);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        rewatch();
        emit changed();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

std::optional<AppBundle> DesktopEntrySource::load(const QString& path, const QString& id,
                                                  const QStringList& desktops, QString* why,
                                                  QStringList* programs) {
    const auto fail = [&](const QString& reason) -> std::optional<AppBundle> {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (why) why->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    if (file.size() > kMaxEntryBytes) return fail(QStringLiteral("larger than 256 KB"));
    const QByteArray data = file.read(kMaxEntryBytes + 1);
    if (data.size() > kMaxEntryBytes) return fail(QStringLiteral("larger than 256 KB"));
    if (!g_utf8_validate(data.constData(), data.size(), nullptr))
        return fail(QStringLiteral("not valid UTF-8"));

    std::unique_ptr<GKeyFile, KeyFileDeleter> keys(g_key_file_new());
    GErrorHolder error;
    if (!DesktopApps::counted(g_key_file_load_from_data(keys.get(), data.constData(), gsize(data.size()),
                                                        G_KEY_FILE_NONE, error.out())))
        return fail(error.message());
    if (!g_key_file_has_group(keys.get(), kGroup)) return fail(QStringLiteral("no [Desktop Entry] group"));

    // Left out on purpose, as the menus leave them out: no log line.
    GString_ type(g_key_file_get_string(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_TYPE, nullptr));
    if (!type || qstrcmp(type.get(), G_KEY_FILE_DESKTOP_TYPE_APPLICATION) != 0) return std::nullopt;
    if (g_key_file_get_boolean(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_HIDDEN, nullptr))
        return std::nullopt;
    if (g_key_file_get_boolean(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_NO_DISPLAY, nullptr))
        return std::nullopt;
    if (!shownOn(keys.get(), desktops)) return std::nullopt;

    GString_ exec(g_key_file_get_string(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_EXEC, nullptr));
    const QString command = fromUtf8(exec.get());
    if (!command.isEmpty() && !validFieldCodes(command))
        return fail(QStringLiteral("Exec has an unknown field code: ") + command.left(120));

    if (programs) {
        // What decides whether the entry is listed beside its own file: the programs GIO looks for.
        GString_ tryExec(g_key_file_get_string(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_TRY_EXEC, nullptr));
        if (tryExec && *tryExec.get()) *programs << fromUtf8(tryExec.get());
        *programs << programName(command)
                  << command.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    }
    GRef<GDesktopAppInfo> info(DesktopApps::counted(g_desktop_app_info_new_from_keyfile(keys.get())));
    if (!info) {
        GString_ tryExec(g_key_file_get_string(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_TRY_EXEC, nullptr));
        if (tryExec && *tryExec.get()) return std::nullopt; // its program is not installed
        // GIO also refuses an entry whose program is missing: an application not (or no longer)
        // installed, not a broken entry.
        const QString program = programName(command);
        if (!program.isEmpty()) {
            GString_ found(g_find_program_in_path(QFile::encodeName(program).constData()));
            if (!found) return std::nullopt;
        }
        return fail(QStringLiteral("no program to start"));
    }
    GAppInfo* app = G_APP_INFO(info.get());

    AppBundle bundle;
    bundle.location = path;
    bundle.id = id;
    GString_ name(
        g_key_file_get_locale_string(keys.get(), kGroup, G_KEY_FILE_DESKTOP_KEY_NAME, nullptr, nullptr));
    bundle.name = fromUtf8(name.get()).trimmed();
    if (bundle.name.isEmpty()) return fail(QStringLiteral("no Name"));
    if (bundle.name.size() > kMaxTextLength)
        return fail(QStringLiteral("a Name longer than 1024 characters"));
    const QString generic = fromUtf8(g_desktop_app_info_get_generic_name(info.get())).trimmed();
    if (generic.size() > kMaxTextLength)
        return fail(QStringLiteral("a GenericName longer than 1024 characters"));
    if (!generic.isEmpty()) bundle.genericName = generic;
    if (const char* const* keywords = g_desktop_app_info_get_keywords(info.get())) {
        for (const char* const* k = keywords; *k; ++k) {
            const QString keyword = QString::fromUtf8(*k).trimmed();
            if (keyword.size() > kMaxTextLength)
                return fail(QStringLiteral("a keyword longer than 1024 characters"));
            if (!keyword.isEmpty() && bundle.keywords.size() < 64) bundle.keywords << keyword;
        }
    }
    bundle.executable = programName(command);
    if (bundle.executable.isEmpty())
        bundle.executable = QFileInfo(fromUtf8(g_app_info_get_executable(app))).fileName();
    if (GIcon* icon = g_app_info_get_icon(app)) {
        GString_ text(g_icon_to_string(icon));
        if (text && *text.get()) bundle.icon = QString::fromUtf8(text.get());
    }
    bundle.modified = QFileInfo(path).lastModified().toSecsSinceEpoch();
    return bundle;
}

QList<AppBundle> DesktopEntrySource::scan() {
    QList<AppBundle> out;
    QSet<QString> seen;                    // desktop-file ids already decided
    QSet<QPair<quint64, quint64>> visited; // folders walked, by device and inode: links cannot loop
    QSet<QString> reported;
    QStringList programs;
    const auto report = [&](const QString& key, const QString& line) {
        reported.insert(key);
        if (!m_reported.contains(key)) qWarning("Zarvo: %s", qPrintable(line));
    };
    const std::function<void(const QString&, const QString&, int)> walk =
        [&](const QString& folder, const QString& prefix, int depth) {
            struct stat st {};
            if (::stat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
            if (visited.contains({quint64(st.st_dev), quint64(st.st_ino)})) {
                if (depth > 0)
                    report(folder,
                           QStringLiteral("skipped %1: a link loop in the applications folder").arg(folder));
                return;
            }
            visited.insert({quint64(st.st_dev), quint64(st.st_ino)});
            QDir dir(folder);
            const QFileInfoList entries =
                dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
            for (const QFileInfo& entry : entries) {
                if (entry.isDir()) continue;
                const QString name = entry.fileName();
                if (!name.endsWith(QLatin1String(".desktop"))) continue;
                const QString id = prefix + name;
                if (seen.contains(id)) continue;
                QString why;
                auto bundle = load(entry.filePath(), id, m_options.desktops, &why, &programs);
                if (!why.isEmpty()) {
                    // A broken entry does not hide a working one of the same id further down.
                    report(entry.filePath() + QLatin1Char('\n') +
                               QString::number(entry.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
                               why,
                           QStringLiteral("skipped desktop entry %1: %2").arg(entry.filePath(), why));
                    continue;
                }
                seen.insert(id);
                if (bundle) out << *bundle;
            }
            if (depth >= kMaxDepth) return;
            for (const QFileInfo& entry : entries)
                if (entry.isDir())
                    walk(entry.filePath(), prefix + entry.fileName() + QLatin1Char('-'), depth + 1);
        };
    for (const QString& folder : folders())
        walk(folder, QString(), 0);
    m_reported = std::move(reported);
    programs.removeAll(QString());
    programs.removeDuplicates();
    m_programsLookedUp = std::move(programs);
    return out;
}

void DesktopEntrySource::startWatching() {
    rewatch();
}

void DesktopEntrySource::rewatch() {
    if (!m_watcher.directories().isEmpty()) m_watcher.removePaths(m_watcher.directories());
    QStringList paths;
    const std::function<void(const QString&, int)> add = [&](const QString& folder, int depth) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || paths.contains(canonical)) return;
        paths << canonical;
        if (depth >= kMaxDepth) return;
        for (const QFileInfo& sub : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            add(sub.filePath(), depth + 1);
    };
    for (const QString& folder : folders()) {
        if (QFileInfo(folder).isDir()) {
            add(folder, 0);
            continue;
        }
        // Missing: its nearest existing parent tells when it appears.
        QString parent = QFileInfo(folder).absolutePath();
        while (!QFileInfo(parent).isDir() && parent != QLatin1String("/"))
            parent = QFileInfo(parent).absolutePath();
        if (parent != QLatin1String("/")) {
            const QString canonical = QFileInfo(parent).canonicalFilePath();
            if (!canonical.isEmpty() && !paths.contains(canonical)) paths << canonical;
        }
    }
    if (!paths.isEmpty()) m_watcher.addPaths(paths);
}

} // namespace zarvo::linux_
