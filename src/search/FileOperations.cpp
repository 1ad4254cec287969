#include "search/ItemActions.h"

#include "sources/PathInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace zarvo::FileOperations {

namespace fs = std::filesystem;

namespace {

constexpr int kMaximumLinkDepth = 8;

fs::path nativePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

QString quotedName(const QString& path) {
    return QStringLiteral("\u201C") + PathInput::lastPathComponent(path) + QStringLiteral("\u201D");
}

QString errorText(int error) {
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

bool conformsToRunnable(const QMimeType& type) {
    if (!type.isValid()) return false;
    const QStringList& runnable = runnableTypes();
    if (runnable.contains(type.name())) return true;
    for (const QString& alias : type.aliases())
        if (runnable.contains(alias)) return true;
    return false;
}

// Copies a folder's entries into `to`, which exists and is writable, then gives `to` the folder's own
// permissions last (a read-only folder could not be filled otherwise).
void copyChildren(const fs::path& from, const fs::path& to, fs::perms permissions);

// Copies one entry to a path that does not exist yet. Links are copied as links.
void copyTree(const fs::path& from, const fs::path& to) {
    const fs::file_status status = fs::symlink_status(from);
    if (fs::is_symlink(status)) {
        fs::copy_symlink(from, to);
    } else if (fs::is_directory(status)) {
        if (!fs::create_directory(to))
            throw fs::filesystem_error("already exists", to, std::make_error_code(std::errc::file_exists));
        copyChildren(from, to, status.permissions());
    } else {
        // copy_file refuses an existing destination by default, so nothing is ever replaced.
        fs::copy_file(from, to);
        std::error_code ignored;
        fs::last_write_time(to, fs::last_write_time(from), ignored);
    }
}

void copyChildren(const fs::path& from, const fs::path& to, fs::perms permissions) {
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        copyTree(entry.path(), to / entry.path().filename());
    std::error_code ignored;
    fs::last_write_time(to, fs::last_write_time(from), ignored);
    fs::permissions(to, permissions, ignored);
}

} // namespace

const QStringList& runnableTypes() {
    // Executables, application bundles and launchers, scripts, installers: the content types that run
    // code when the desktop opens them. Exact names only: inheritance would take in JSON (a subtype of
    // JavaScript here), which runs nothing.
    static const QStringList types = {
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/x-msdownload"),
        QStringLiteral("application/x-desktop"),
        QStringLiteral("application/vnd.appimage"),
        QStringLiteral("application/x-iso9660-appimage"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-csh"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("application/x-php"),
        QStringLiteral("text/x-lua"),
        QStringLiteral("text/x-tcl"),
        QStringLiteral("application/x-awk"),
        QStringLiteral("application/javascript"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/vnd.debian.binary-package"),
        QStringLiteral("application/x-rpm"),
        QStringLiteral("application/x-msi"),
        QStringLiteral("application/vnd.flatpak"),
        QStringLiteral("application/vnd.flatpak.ref"),
    };
    return types;
}

const QSet<QString>& runnableExtensions() {
    static const QSet<QString> extensions = {
        QStringLiteral("command"),     QStringLiteral("tool"),       QStringLiteral("terminal"),
        QStringLiteral("workflow"),    QStringLiteral("action"),     QStringLiteral("pkg"),
        QStringLiteral("mpkg"),        QStringLiteral("fileloc"),    QStringLiteral("inetloc"),
        QStringLiteral("webloc"),      QStringLiteral("shortcut"),   QStringLiteral("mobileconfig"),
        QStringLiteral("prefpane"),    QStringLiteral("saver"),      QStringLiteral("osax"),
        QStringLiteral("qlgenerator"), QStringLiteral("mdimporter"), QStringLiteral("kext"),
        QStringLiteral("scpt"),        QStringLiteral("scptd"),      QStringLiteral("applescript"),
        QStringLiteral("jar"),         QStringLiteral("sh"),         QStringLiteral("zsh"),
        QStringLiteral("bash"),        QStringLiteral("csh"),        QStringLiteral("ksh"),
        QStringLiteral("fish"),        QStringLiteral("py"),         QStringLiteral("rb"),
        QStringLiteral("pl"),          QStringLiteral("php"),        QStringLiteral("js"),
        QStringLiteral("lua"),         QStringLiteral("tcl"),
    };
    return extensions;
}

const QSet<QString>& platformRunnableExtensions() {
    static const QSet<QString> extensions = {
        QStringLiteral("desktop"), QStringLiteral("appimage"),   QStringLiteral("run"),
        QStringLiteral("bin"),     QStringLiteral("deb"),        QStringLiteral("rpm"),
        QStringLiteral("flatpak"), QStringLiteral("flatpakref"), QStringLiteral("snap"),
        QStringLiteral("exe"),     QStringLiteral("msi"),
    };
    return extensions;
}

bool isRunnable(const QString& path, int depth) {
    if (path.isEmpty()) return false;
    const QString clean = QDir::cleanPath(path);
    const QFileInfo info(clean);
    // A link stands for what it points to, as an alias does; a long chain (or a loop) is not followed.
    if (info.isSymLink()) {
        if (depth >= kMaximumLinkDepth) return false;
        const QString target = info.symLinkTarget();
        return !target.isEmpty() && isRunnable(target, depth + 1);
    }
    static const QMimeDatabase database;
    // Content is sniffed only for regular files: reading a pipe or a device could block.
    if (info.isFile() && conformsToRunnable(database.mimeTypeForFile(info, QMimeDatabase::MatchDefault)))
        return true;
    if (conformsToRunnable(database.mimeTypeForFile(clean, QMimeDatabase::MatchExtension))) return true;
    const QString extension = PathInput::pathExtension(clean).toLower();
    if (runnableExtensions().contains(extension) || platformRunnableExtensions().contains(extension))
        return true;
    return info.exists() && !info.isDir() && info.isExecutable();
}

bool existsAt(const QString& path) {
    struct stat buffer;
    return ::lstat(QFile::encodeName(path).constData(), &buffer) == 0;
}

bool isSameFile(const QString& a, const QString& b) {
    struct stat first, second;
    if (::lstat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::lstat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString duplicateCandidate(const QString& path, bool isDirectory) {
    const QString folder = PathInput::deletingLastPathComponent(path);
    const QString last = PathInput::lastPathComponent(path);
    const QString extension = isDirectory ? QString() : PathInput::pathExtension(last);
    const QString base = extension.isEmpty() ? last : PathInput::deletingPathExtension(last);
    const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
    QString candidate = PathInput::appendingPathComponent(folder, base + QStringLiteral(" copy") + suffix);
    for (int n = 2; existsAt(candidate); ++n)
        candidate =
            PathInput::appendingPathComponent(folder, base + QStringLiteral(" copy %1").arg(n) + suffix);
    return candidate;
}

QString archiveCandidate(const QString& path) {
    const QString folder = PathInput::deletingLastPathComponent(path);
    const QString name = PathInput::lastPathComponent(path);
    QString candidate = PathInput::appendingPathComponent(folder, name + QStringLiteral(".zip"));
    for (int n = 2; existsAt(candidate); ++n)
        candidate = PathInput::appendingPathComponent(folder, name + QStringLiteral(" %1.zip").arg(n));
    return candidate;
}

std::optional<QString> copyItem(const QString& from, const QString& to) {
    const fs::path source = nativePath(from);
    const fs::path destination = nativePath(to);
    try {
        const fs::file_status status = fs::symlink_status(source);
        if (!fs::exists(status))
            return quotedName(from) + QStringLiteral(" couldn't be copied because it no longer exists.");
        if (existsAt(to))
            return quotedName(to) +
                   QStringLiteral(" couldn't be created because an item with that name already exists.");
        if (fs::is_directory(status)) {
            // Claim the destination folder first (fails if someone else just made it), then fill it.
            if (!fs::create_directory(destination))
                return quotedName(to) +
                       QStringLiteral(" couldn't be created because an item with that name already exists.");
            try {
                copyChildren(source, destination, status.permissions());
            } catch (...) {
                std::error_code ignored;
                fs::remove_all(destination, ignored);
                throw;
            }
        } else {
            try {
                copyTree(source, destination);
            } catch (const fs::filesystem_error& error) {
                // A partial file of our own is removed; an existing file of someone else is never touched.
                if (error.code() != std::errc::file_exists) {
                    std::error_code ignored;
                    fs::remove(destination, ignored);
                }
                throw;
            }
        }
        return std::nullopt;
    } catch (const fs::filesystem_error& error) {
        return quotedName(from) + QStringLiteral(" couldn't be copied: ") +
               QString::fromStdString(error.code().message()) + QLatin1Char('.');
    } catch (const std::exception& error) {
        return quotedName(from) + QStringLiteral(" couldn't be copied: ") +
               QString::fromLocal8Bit(error.what());
    }
}

std::optional<QString> moveItem(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray destination = QFile::encodeName(to);
    if (!existsAt(from))
        return quotedName(from) + QStringLiteral(" couldn't be moved because it no longer exists.");
    const bool sameItem = isSameFile(from, to);
    if (existsAt(to) && !sameItem)
        return quotedName(from) + QStringLiteral(" couldn't be moved because an item named ") +
               quotedName(to) + QStringLiteral(" already exists.");
    int result;
    if (sameItem) {
        // A change of letter case on a case-insensitive volume: the "existing" item is this one.
        result = ::rename(source.constData(), destination.constData());
    } else {
        result =
            ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE);
        if (result != 0 && errno == EINVAL) {
            // The file system cannot promise not to replace; the check above has to do.
            if (existsAt(to))
                return quotedName(from) + QStringLiteral(" couldn't be moved because an item named ") +
                       quotedName(to) + QStringLiteral(" already exists.");
            result = ::rename(source.constData(), destination.constData());
        }
    }
    if (result == 0) return std::nullopt;
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY)
        return quotedName(from) + QStringLiteral(" couldn't be moved because an item named ") +
               quotedName(to) + QStringLiteral(" already exists.");
    if (error != EXDEV)
        return quotedName(from) + QStringLiteral(" couldn't be moved: ") + errorText(error) +
               QLatin1Char('.');
    // Another volume: copy, and remove the original only once the copy is complete.
    if (auto failure = copyItem(from, to)) return failure;
    std::error_code removal;
    fs::remove_all(nativePath(from), removal);
    if (removal)
        return quotedName(from) + QStringLiteral(" was copied but the original couldn't be removed: ") +
               QString::fromStdString(removal.message()) + QLatin1Char('.');
    return std::nullopt;
}

QString getInfoScript(const QString& path) {
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral(
               "tell application \"Finder\"\n    activate\n    open information window of (POSIX file \"") +
           escaped + QStringLiteral("\" as alias)\nend tell");
}

QString displaySubtitle(const ResultItem& item) {
    if (item.subtitle) return *item.subtitle;
    if (item.url.isLocalFile()) return PathInput::abbreviatingWithTilde(item.url.toLocalFile());
    return QStringLiteral("Open in browser");
}

} // namespace zarvo::FileOperations
