#include "platform/linux/TerminalLauncher.h"
#include "platform/linux/DesktopApps.h"

#include "platform/linux/GioIncludes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zarvo::linux_::TerminalLauncher {

namespace {
// A terminal we know by name. Its folder option is joined to the folder when it ends in '=', followed by
// it otherwise, and absent when the terminal has none (it then starts in its working directory). The
// options are those of each program's manual.
struct Known {
    const char* program;
    const char* otherNames; // desktop-file ids and window classes, as the entries spell them
    const char* name;       // shown; the desktops' own translated names are translated here too
    const char* icon;
    const char* folderOption;
    const char* execute;
    PasteKeys paste;
};

constexpr PasteKeys kShifted = PasteKeys::shifted;
const Known kKnown[] = {
    {"gnome-terminal", "org.gnome.Terminal gnome-terminal-server",
     QT_TRANSLATE_NOOP("TerminalLauncher", "Terminal"), "org.gnome.Terminal", "--working-directory=", "--",
     kShifted},
    {"kgx", "org.gnome.Console", QT_TRANSLATE_NOOP("TerminalLauncher", "Console"), "org.gnome.Console",
     "--working-directory=", "--", kShifted},
    {"konsole", "org.kde.konsole", "Konsole", "utilities-terminal", "--workdir", "-e", kShifted},
    {"xfce4-terminal", "org.xfce.terminal", QT_TRANSLATE_NOOP("TerminalLauncher", "Xfce Terminal"),
     "org.xfce.terminal", "--working-directory=", "-x", kShifted},
    {"mate-terminal", "", QT_TRANSLATE_NOOP("TerminalLauncher", "MATE Terminal"), "utilities-terminal",
     "--working-directory=", "-x", kShifted},
    {"qterminal", "", "QTerminal", "utilities-terminal", "--workdir", "-e", kShifted},
    {"lxterminal", "", "LXTerminal", "lxterminal", "--working-directory=", "-e", kShifted},
    {"tilix", "com.gexperts.Tilix", "Tilix", "com.gexperts.Tilix", "--working-directory=", "-e", kShifted},
    {"terminator", "", "Terminator", "terminator", "--working-directory=", "-x", kShifted},
    {"kitty", "", "kitty", "kitty", "--directory", "", kShifted},
    {"alacritty", "Alacritty", "Alacritty", "Alacritty", "--working-directory", "-e", kShifted},
    {"foot", "footclient", "Foot", "foot", "--working-directory=", "", kShifted},
    {"wezterm", "org.wezfurlong.wezterm wezterm-gui", "WezTerm", "org.wezfurlong.wezterm", "start --cwd",
     "start --", kShifted},
    // xterm pastes the primary selection with Shift+Insert; Ctrl+Shift+V does nothing there.
    {"xterm", "debian-xterm", "XTerm", "mini.xterm", "", "-e", PasteKeys::shiftInsert},
    {"uxterm", "debian-uxterm", "UXTerm", "mini.xterm", "", "-e", PasteKeys::shiftInsert},
    {"ptyxis", "org.gnome.Ptyxis app.devsuite.Ptyxis", "Ptyxis", "org.gnome.Ptyxis", "", "--", kShifted},
    {"ghostty", "com.mitchellh.ghostty", "Ghostty", "com.mitchellh.ghostty", "", "-e", kShifted},
    {"warp-terminal", "dev.warp.Warp", "Warp", "dev.warp.Warp", "", "", kShifted},
};

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The known terminal a program path, desktop-file id or window class stands for.
const Known* findKnown(const QString& name) {
    QString key = QFileInfo(name).fileName().toLower();
    if (key.endsWith(QLatin1String(".desktop"))) key.chop(8);
    if (key.endsWith(QLatin1String(".wrapper"))) key.chop(8);
    if (key.isEmpty()) return nullptr;
    for (const Known& known : kKnown) {
        if (key == QLatin1String(known.program)) return &known;
        for (const QString& other : words(known.otherNames))
            if (key == other.toLower()) return &known;
    }
    return nullptr;
}

GRef<GDesktopAppInfo> entryAt(const QString& location) {
    if (!location.endsWith(QLatin1String(".desktop"))) return GRef<GDesktopAppInfo>(nullptr);
    return GRef<GDesktopAppInfo>(
        DesktopApps::counted(g_desktop_app_info_new_from_filename(QFile::encodeName(location).constData())));
}

// The program a desktop entry starts (its Exec's first word), or the location itself.
QString commandOf(const QString& location) {
    if (!location.endsWith(QLatin1String(".desktop"))) return location;
    GRef<GDesktopAppInfo> info = entryAt(location);
    if (!info) return {};
    const char* commandLine = g_app_info_get_commandline(G_APP_INFO(info.get()));
    gchar** argv = nullptr;
    if (!commandLine || !g_shell_parse_argv(commandLine, nullptr, &argv, nullptr)) return {};
    QString program = argv[0] ? QString::fromUtf8(argv[0]) : QString();
    g_strfreev(argv);
    return program;
}
// Flatpak's exported entries, found even where its folders are not on XDG_DATA_DIRS (a session started
// without Flatpak's profile script).
QStringList flatpakExports() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/flatpak/exports/share/applications"),
            QStringLiteral("/var/lib/flatpak/exports/share/applications")};
}

// A Flatpak entry's command ("flatpak run … APP-ID"), without field codes and file-forwarding marks, and
// the known terminal it runs; none for any other entry.
struct FlatpakRun {
    QStringList words;
    const Known* known = nullptr;
};

std::optional<FlatpakRun> flatpakRun(const QString& location) {
    GRef<GDesktopAppInfo> info = entryAt(location);
    if (!info) return std::nullopt;
    const GString_ appId(g_desktop_app_info_get_string(info.get(), "X-Flatpak"));
    const char* commandLine = g_app_info_get_commandline(G_APP_INFO(info.get()));
    gchar** argv = nullptr;
    if (!appId || !commandLine || !g_shell_parse_argv(commandLine, nullptr, &argv, nullptr))
        return std::nullopt;
    FlatpakRun out;
    for (gchar** p = argv; *p; ++p) {
        const QString word = QString::fromUtf8(*p);
        if (!word.startsWith(QLatin1Char('%')) && !word.startsWith(QLatin1String("@@"))) out.words << word;
        if (word.startsWith(QLatin1String("--command=")) && !out.known) out.known = findKnown(word.mid(10));
    }
    g_strfreev(argv);
    if (out.words.size() < 2 || QFileInfo(out.words[0]).fileName() != QLatin1String("flatpak") ||
        out.words[1] != QLatin1String("run"))
        return std::nullopt;
    if (const Known* byId = findKnown(QString::fromUtf8(appId.get()))) out.known = byId;
    return out;
}
} // namespace

bool isKnown(const QString& name) {
    return findKnown(name) != nullptr;
}

QStringList commandFlag(const QString& program) {
    // Terminals we do not know mostly take xterm's "-e" (x-terminal-emulator promises it).
    const Known* known = findKnown(program);
    return known ? words(known->execute) : QStringList{QStringLiteral("-e")};
}

QStringList folderArguments(const QString& program, const QString& folder) {
    const Known* known = findKnown(program);
    if (!known) return {};
    const QString option = QString::fromLatin1(known->folderOption);
    if (option.isEmpty()) return {};
    if (option.endsWith(QLatin1Char('='))) return {option + folder};
    return words(known->folderOption) << folder;
}

QString programOf(const QString& location) {
    const QString program = commandOf(location);
    if (program.isEmpty()) return {};
    const QString path =
        program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isExecutable() || info.isDir()) return {};
    // x-terminal-emulator, and the wrappers Debian gives it, stand for a terminal whose own options
    // (its folder option above all) the wrappers do not all pass on.
    if (findKnown(path)) return path;
    const QFileInfo real(info.canonicalFilePath());
    if (const Known* known = findKnown(real.fileName())) {
        const QFileInfo direct(real.absolutePath() + QLatin1Char('/') + QLatin1String(known->program));
        if (direct.isExecutable() && !direct.isDir()) return direct.absoluteFilePath();
    }
    return path;
}

std::optional<Launch> folderLaunch(const QString& location, const QString& folder) {
    const QString program = programOf(location);
    if (program.isEmpty()) return std::nullopt;
    // Absolute, so that no folder can read as an option.
    const QString directory = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (const auto flatpak = flatpakRun(location)) {
        // The terminal's own option reaches the shell it starts; without one, flatpak's --cwd is the
        // terminal's working directory inside its sandbox.
        QStringList arguments = flatpak->words.mid(1);
        const QStringList own = flatpak->known
                                    ? folderArguments(QString::fromLatin1(flatpak->known->program), directory)
                                    : QStringList{};
        if (own.isEmpty()) arguments.insert(1, QStringLiteral("--cwd=") + directory);
        return Launch{program, arguments + own, directory};
    }
    return Launch{program, folderArguments(program, directory), directory};
}

bool isTerminal(const QString& location) {
    if (GRef<GDesktopAppInfo> info = entryAt(location)) {
        const char* categories = g_desktop_app_info_get_categories(info.get());
        if (categories && QString::fromUtf8(categories)
                              .split(QLatin1Char(';'), Qt::SkipEmptyParts)
                              .contains(QLatin1String("TerminalEmulator")))
            return true;
        if (findKnown(location)) return true;
    }
    return findKnown(commandOf(location)) || findKnown(programOf(location));
}

std::optional<QString> flatpakEntry(const QString& id) {
    if (!findKnown(id)) return std::nullopt;
    for (const QString& folder : flatpakExports()) {
        const QString entry = folder + QLatin1Char('/') + id + QLatin1String(".desktop");
        if (QFileInfo(entry).isFile() && flatpakRun(entry)) return entry;
    }
    return std::nullopt;
}

QStringList installed() {
    QStringList out;
    for (const Known& known : kKnown) {
        std::optional<QString> found;
        for (const QString& id : QStringList{QString::fromLatin1(known.program)} + words(known.otherNames)) {
            // GIO leaves out an entry whose TryExec program is missing.
            GRef<GDesktopAppInfo> info(DesktopApps::counted(
                g_desktop_app_info_new((id + QLatin1String(".desktop")).toUtf8().constData())));
            if (const char* file = info ? g_desktop_app_info_get_filename(info.get()) : nullptr) {
                found = QString::fromUtf8(file);
                break;
            }
        }
        for (const QString& id : words(known.otherNames))
            if (!found) found = flatpakEntry(id);
        if (!found) {
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(known.program));
            if (!program.isEmpty()) found = program;
        }
        if (found && !out.contains(*found)) out << *found;
    }
    return out;
}

std::optional<std::pair<QString, QString>> programNameAndIcon(const QString& program) {
    const Known* known = findKnown(program);
    if (!known || program.endsWith(QLatin1String(".desktop"))) return std::nullopt;
    // Only the program itself: a folder or document may carry a terminal's name.
    const QFileInfo info(program);
    if (!info.isAbsolute() || !info.isFile() || !info.isExecutable()) return std::nullopt;
    return std::pair{QCoreApplication::translate("TerminalLauncher", known->name),
                     QString::fromLatin1(known->icon)};
}

PasteKeys pasteKeys(const QStringList& names, bool terminalCategory) {
    for (const QString& name : names)
        if (const Known* known = findKnown(name)) return known->paste;
    return terminalCategory ? PasteKeys::shifted : PasteKeys::standard;
}

std::optional<QStringList> terminalCommand(const std::optional<QString>& chosen,
                                           const std::optional<QString>& desktopTerminal,
                                           const QStringList& command) {
    QStringList tried;
    if (chosen) tried << *chosen;
    if (desktopTerminal) tried << *desktopTerminal;
    tried << QStringLiteral("x-terminal-emulator") << QStringLiteral("gnome-terminal")
          << QStringLiteral("konsole") << QStringLiteral("xfce4-terminal") << QStringLiteral("xterm");
    for (const QString& location : std::as_const(tried)) {
        const QString path = programOf(location);
        if (path.isEmpty()) continue;
        // A Flatpak terminal takes its flag and the command after its application id.
        if (const auto flatpak = flatpakRun(location))
            return QStringList{path} + flatpak->words.mid(1) +
                   commandFlag(flatpak->known ? QString::fromLatin1(flatpak->known->program) : QString()) +
                   command;
        return QStringList{path} + commandFlag(path) + command;
    }
    return std::nullopt;
}

} // namespace zarvo::linux_::TerminalLauncher
