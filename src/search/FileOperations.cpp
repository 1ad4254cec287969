#include "search/FileOperations.h"

#include "platform/FileTree.h"
#include "platform/Workspace.h"
#include "search/Text.h"
#include "sources/PathInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>

namespace zarvo::FileOperations {

namespace {

constexpr int kMaximumLinkDepth = 8;

QString quotedName(const QString& path) {
    return Text::quoted(PathInput::lastPathComponent(path));
}

// The words `done` may be, shown in the user's language.
//: What could not be done to an item, as in "“a” couldn't be copied".
[[maybe_unused]] const char* const kDoneWords[] = {QT_TRANSLATE_NOOP("FileOperations", "copied"),
                                                   //: What could not be done to an item.
                                                   QT_TRANSLATE_NOOP("FileOperations", "duplicated"),
                                                   //: What could not be done to an item.
                                                   QT_TRANSLATE_NOOP("FileOperations", "moved")};

QString shownDone(const QString& done) {
    return QCoreApplication::translate("FileOperations", done.toUtf8().constData());
}

QString errorText(int error) {
    return QString::fromStdString(std::error_code(error, std::generic_category()).message());
}

// What a failed copy of `from` tells the user; `done` is what was asked ("copied", "duplicated").
QString copyFailureText(const QString& from, const FileTree::CopyFailure& failure, const QString& done) {
    if (failure.error == ENOTSUP && (failure.type == S_IFCHR || failure.type == S_IFBLK))
        //: %2 is what was asked: copied, duplicated or moved.
        return QCoreApplication::translate("FileOperations", "%1 is a device file, which can't be %2.")
            .arg(quotedName(failure.entry), shownDone(done));
    if (failure.error == ENOTSUP && failure.type == S_IFSOCK)
        //: %2 is what was asked: copied, duplicated or moved.
        return QCoreApplication::translate("FileOperations", "%1 is a socket, which can't be %2.")
            .arg(quotedName(failure.entry), shownDone(done));
    if (failure.error == ENOSPC && failure.needed > 0) {
        const QLocale locale;
        //: %2 is what was asked (copied, duplicated, moved); %3 and %4 are sizes.
        return QCoreApplication::translate("FileOperations",
                                           "%1 couldn't be %2: it needs %3 and only %4 are free there.")
            .arg(quotedName(from), shownDone(done),
                 locale.formattedDataSize(failure.needed, 1, QLocale::DataSizeSIFormat),
                 locale.formattedDataSize(failure.available, 1, QLocale::DataSizeSIFormat));
    }
    // Deeper in a folder: which entry it was.
    if (failure.entry.contains(QLatin1Char('/')))
        //: %2 is what was asked (copied, duplicated, moved); %3 the system's error; %4 the entry.
        return QCoreApplication::translate("FileOperations", "%1 couldn't be %2: %3 (%4).")
            .arg(quotedName(from), shownDone(done), errorText(failure.error), quotedName(failure.entry));
    //: %2 is what was asked (copied, duplicated, moved); %3 the system's error.
    return QCoreApplication::translate("FileOperations", "%1 couldn't be %2: %3.")
        .arg(quotedName(from), shownDone(done), errorText(failure.error));
}

// Whether `to` lies inside the folder `from` (a link at `from` is moved as a link: nothing is inside).
bool isInsideFolder(const QString& to, const QString& from) {
    struct stat status;
    if (::lstat(QFile::encodeName(from).constData(), &status) != 0 || !S_ISDIR(status.st_mode)) return false;
    const QString folder = QFileInfo(from).canonicalFilePath();
    const QString parent = QFileInfo(PathInput::deletingLastPathComponent(to)).canonicalFilePath();
    return !folder.isEmpty() && (parent == folder || parent.startsWith(folder + QLatin1Char('/')));
}

bool conformsToRunnable(const QMimeType& type) {
    if (!type.isValid()) return false;
    const QStringList& runnable = runnableTypes();
    if (runnable.contains(type.name())) return true;
    for (const QString& alias : type.aliases())
        if (runnable.contains(alias)) return true;
    return false;
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
        // Launchers of other runtimes: Java Web Start, and Windows shortcuts and scripts under Wine.
        QStringLiteral("application/x-java-jnlp-file"),
        QStringLiteral("application/x-ms-shortcut"),
        QStringLiteral("application/x-mswinurl"),
        QStringLiteral("application/x-bat"),
        QStringLiteral("text/vbscript"),
        QStringLiteral("text/x-ms-regedit"),
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
        QStringLiteral("desktop"),
        QStringLiteral("appimage"),
        QStringLiteral("run"),
        QStringLiteral("bin"),
        QStringLiteral("deb"),
        QStringLiteral("rpm"),
        QStringLiteral("flatpak"),
        QStringLiteral("flatpakref"),
        QStringLiteral("snap"),
        QStringLiteral("exe"),
        QStringLiteral("msi"),
        // What Wine (and Java Web Start) open: scripts, shortcuts, control panels, installers.
        QStringLiteral("bat"),
        QStringLiteral("cmd"),
        QStringLiteral("com"),
        QStringLiteral("scr"),
        QStringLiteral("pif"),
        QStringLiteral("cpl"),
        QStringLiteral("msc"),
        QStringLiteral("msp"),
        QStringLiteral("vbs"),
        QStringLiteral("vbe"),
        QStringLiteral("jse"),
        QStringLiteral("wsf"),
        QStringLiteral("wsh"),
        QStringLiteral("hta"),
        QStringLiteral("lnk"),
        QStringLiteral("url"),
        QStringLiteral("ps1"),
        QStringLiteral("reg"),
        QStringLiteral("jnlp"),
        QStringLiteral("appref-ms"),
        QStringLiteral("application"),
    };
    return extensions;
}

bool isRunnable(const Workspace* workspace, const QString& path, int depth) {
    if (path.isEmpty()) return false;
    const QString clean = QDir::cleanPath(path);
    static const QMimeDatabase database;
    // The desktop picks the opener by the name that is opened, so a link's own name counts as much as
    // what it points to ("setup.sh" linked to a file without extension runs as a shell script).
    if (conformsToRunnable(database.mimeTypeForFile(clean, QMimeDatabase::MatchExtension))) return true;
    const QString extension = PathInput::pathExtension(clean).toLower();
    if (runnableExtensions().contains(extension) || platformRunnableExtensions().contains(extension))
        return true;
    if (workspace && workspace->wouldRunCode(clean)) return true;
    const QFileInfo info(clean);
    if (info.isSymLink()) {
        // A chain too long to follow, a loop or a link to nothing cannot be judged: it is asked about.
        if (depth >= kMaximumLinkDepth) return true;
        const QString target = info.symLinkTarget();
        if (target.isEmpty() || !existsAt(target)) return true;
        return isRunnable(workspace, target, depth + 1);
    }
    // Content is sniffed only for regular files: reading a pipe or a device could block.
    if (info.isFile() && conformsToRunnable(database.mimeTypeForFile(info, QMimeDatabase::MatchDefault)))
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
    QString candidate = PathInput::appendingPathComponent(
        folder, //: The name of a duplicate; %1 is the original's name without its extension.
        QCoreApplication::translate("FileOperations", "%1 copy").arg(base) + suffix);
    for (int n = 2; existsAt(candidate); ++n)
        candidate = PathInput::appendingPathComponent(
            folder, //: The name of a further duplicate; %1 is the original's name, %2 a number.
            QCoreApplication::translate("FileOperations", "%1 copy %2").arg(base, QString::number(n)) +
                suffix);
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

std::optional<QString> copyItem(const QString& from, const QString& to, const QString& done) {
    if (!existsAt(from))
        //: %2 is what was asked: copied, duplicated or moved.
        return QCoreApplication::translate("FileOperations", "%1 couldn't be %2 because it no longer exists.")
            .arg(quotedName(from), shownDone(done));
    if (existsAt(to))
        return QCoreApplication::translate(
                   "FileOperations", "%1 couldn't be created because an item with that name already exists.")
            .arg(quotedName(to));
    const auto failure = FileTree::copy(from, to);
    if (!failure) return std::nullopt;
    // Someone else made the name meanwhile: their item was left alone.
    if (failure->error == EEXIST && !failure->entry.contains(QLatin1Char('/')) && existsAt(to))
        return QCoreApplication::translate(
                   "FileOperations", "%1 couldn't be created because an item with that name already exists.")
            .arg(quotedName(to));
    return copyFailureText(from, *failure, done);
}

std::optional<QString> moveItem(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray destination = QFile::encodeName(to);
    if (!existsAt(from))
        return QCoreApplication::translate("FileOperations",
                                           "%1 couldn't be moved because it no longer exists.")
            .arg(quotedName(from));
    const bool sameItem = isSameFile(from, to);
    if (!sameItem && isInsideFolder(to, from))
        return QCoreApplication::translate("FileOperations", "Can't move %1 into itself.")
            .arg(quotedName(from));
    if (existsAt(to) && !sameItem)
        return QCoreApplication::translate("FileOperations",
                                           "%1 couldn't be moved because an item named %2 already exists.")
            .arg(quotedName(from), quotedName(to));
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
                return QCoreApplication::translate(
                           "FileOperations", "%1 couldn't be moved because an item named %2 already exists.")
                    .arg(quotedName(from), quotedName(to));
            result = ::rename(source.constData(), destination.constData());
        }
    }
    if (result == 0) return std::nullopt;
    const int error = errno;
    if (error == EEXIST || error == ENOTEMPTY)
        return QCoreApplication::translate("FileOperations",
                                           "%1 couldn't be moved because an item named %2 already exists.")
            .arg(quotedName(from), quotedName(to));
    if (error != EXDEV)
        return QCoreApplication::translate("FileOperations", "%1 couldn't be moved: %2.")
            .arg(quotedName(from), errorText(error));
    // Another volume: copy, and remove the original only once the copy is complete.
    if (auto failure = copyItem(from, to, QStringLiteral("moved"))) return failure;
    if (auto removal = FileTree::remove(from))
        return QCoreApplication::translate("FileOperations",
                                           "%1 was copied but the original couldn't be removed: %2.")
            .arg(quotedName(from), *removal);
    return std::nullopt;
}

QString displaySubtitle(const Environment* environment, const ResultItem& item) {
    if (item.subtitle) return *item.subtitle;
    if (item.url.isLocalFile()) return PathInput::abbreviatingWithTilde(environment, item.url.toLocalFile());
    return QCoreApplication::translate("FileOperations", "Open in browser");
}

} // namespace zarvo::FileOperations

namespace zarvo {

QString copiedText(const ResultItem& item) {
    if (item.command) return *item.command;
    if (item.url.isLocalFile()) return item.url.toLocalFile();
    return item.url.toString(QUrl::FullyEncoded);
}

} // namespace zarvo
