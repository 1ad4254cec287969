#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zarvo::linux_ {

// Runs a command in a new terminal window: the chosen terminal's desktop entry, else the desktop's own
// terminal, else a known emulator found on PATH.
namespace TerminalLauncher {

// The arguments a terminal program needs before the command it should run ("-e", "--", "-x" …).
QStringList commandFlag(const QString& program);

// The terminal command line for `command`: the terminal program, its flag, then the command.
// `chosen` is a desktop entry path (or a program); `desktopTerminal` the desktop's own terminal entry.
std::optional<QStringList> terminalCommand(const std::optional<QString>& chosen,
                                           const std::optional<QString>& desktopTerminal,
                                           const QStringList& command);

// Writes the shell text to a private (0700) script in `tempDir` that deletes itself, changes to
// `directory` and keeps the window open with a login shell afterwards; returns the script path or none.
std::optional<QString> writeScript(const QString& tempDir, const QString& directory,
                                   const QString& shellText);

// The user's login shell ($SHELL, else /bin/sh).
QString loginShell();

} // namespace TerminalLauncher
} // namespace zarvo::linux_
