#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace zarvo {
class Environment;
struct Platform;
} // namespace zarvo

namespace zarvo::ShellCommand {

// The command of a `>` query ("> git status" → "git status"); may be empty. None for other text.
std::optional<QString> parse(const QString& text);

// The row URL of a `>` command: zarvo:run?cmd=<command encoded as a query value>.
QUrl url(const QString& command);

// Runs `command` in a new terminal window, in `directory`, through the user's login shell: writes a
// private self-deleting script to the temporary folder and hands it to the terminal. Returns an error
// text when the script cannot be written or no terminal is installed; a terminal that refuses the
// script later only makes the script go away. `terminal` is the one the person chose (its location);
// none: the desktop's own. The temporary folder and the shell come from the platform's environment,
// the terminal from its workspace.
std::optional<QString> run(const Platform& platform, const QString& command, const QString& directory,
                           const std::optional<QString>& terminal = std::nullopt);

// Single-quotes a text for a POSIX shell: it's → 'it'\''s'.
QString quoted(const QString& text);
// The interpreter of the scripts: the user's login shell ($SHELL) when it is a POSIX shell, else /bin/sh.
QString scriptShell(const Environment* environment);
// The script `run` writes: it removes itself, changes to `directory`, runs `command` as typed, then
// leaves the user in their own shell there, so the window and the output stay.
QString scriptText(const Environment* environment, const QString& scriptPath, const QString& directory,
                   const QString& command);

} // namespace zarvo::ShellCommand
