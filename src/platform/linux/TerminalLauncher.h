#pragma once

#include "platform/AppInfo.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace zarvo::linux_ {

// Starting terminals: in a folder, or running a command in a new window; and knowing a terminal's
// window when it is in front, since terminals paste with other keys than Ctrl+V.
namespace TerminalLauncher {

// How a terminal is started: the program, its arguments and the folder it starts in.
struct Launch {
    QString program;
    QStringList arguments;
    QString workingDirectory;

    bool operator==(const Launch&) const = default;
};

// Whether a name (program, desktop-file id or WM_CLASS part, any case) is a terminal we know.
bool isKnown(const QString& name);

// The arguments a terminal program needs before the command it should run ("-e", "--", "-x" …).
QStringList commandFlag(const QString& program);

// The arguments that make a terminal program start in `folder` through its own option, where it has one
// ("--working-directory=/x", "--workdir" "/x" …). The folder is never a bare argument.
QStringList folderArguments(const QString& program, const QString& folder);

// The program a location starts: a desktop entry's command, or the location itself, found on PATH.
// x-terminal-emulator and Debian's ".wrapper" scripts lead to the terminal they stand for. Empty when
// it is not installed.
QString programOf(const QString& location);

// A new window of the terminal at `location` (a desktop entry or a program) in `folder`: the folder is
// the working directory and the value of the terminal's folder option. None when not installed.
std::optional<Launch> folderLaunch(const QString& location, const QString& folder);

// Whether the desktop entry or program at `location` is a terminal: its entry's Categories name
// TerminalEmulator, or its program is a known terminal.
bool isTerminal(const QString& location);

// The entry Flatpak exported for a known terminal's application id ("org.gnome.Console"), also where
// Flatpak's folders are not on XDG_DATA_DIRS; none when it has none.
std::optional<QString> flatpakEntry(const QString& id);

// The known terminals installed: each one's desktop entry, else its program on PATH, in table order.
QStringList installed();

// The display name and icon of a known terminal's program (an absolute path to it; for a terminal
// installed without a desktop entry); none for anything else.
std::optional<std::pair<QString, QString>> programNameAndIcon(const QString& program);

// The keys that paste in a window known by these names (WM_CLASS instance and class, program,
// desktop-file id): the terminal's own keys when one names a known terminal or `terminalCategory`
// (its entry's Categories name TerminalEmulator), else Ctrl+V.
PasteKeys pasteKeys(const QStringList& names, bool terminalCategory);

// The terminal command line for `command`: the terminal program, its flag, then the command.
// `chosen` is a desktop entry path (or a program); `desktopTerminal` the desktop's own terminal entry.
std::optional<QStringList> terminalCommand(const std::optional<QString>& chosen,
                                           const std::optional<QString>& desktopTerminal,
                                           const QStringList& command);

} // namespace TerminalLauncher
} // namespace zarvo::linux_
