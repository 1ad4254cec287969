#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace zarvo::linux_ {

// Application lookup through desktop entries, and the table that maps the well-known identifiers the
// core names (com.apple.Terminal, com.apple.calculator, org.keepassxc.keepassxc …) to their Linux
// counterparts. Application locations are desktop entry paths.
namespace DesktopApps {

// How many times the calling thread has read desktop entries, mimeapps lists or handler lists through
// GIO. Tests check that a keystroke reads none (warming the answers is left to other threads).
quint64 entryReads();
void countEntryRead();
// `value` (the answer of one such read), counted.
template <typename T> T counted(T value) {
    countEntryRead();
    return value;
}

// The desktop environments named in XDG_CURRENT_DESKTOP, upper-cased ("GNOME", "KDE", "XFCE" …).
QStringList currentDesktops(const QString& xdgCurrentDesktop);

// Linux desktop-file ids (without ".desktop") that stand for an identifier, the current desktop's own
// applications first. Empty when the table does not know the identifier.
QStringList candidates(const QString& bundleIdentifier, const QStringList& desktops);

// Every installed entry: lower-cased desktop-file id (without ".desktop") → id. Reads every entry.
using InstalledIds = QHash<QString, QString>;
InstalledIds installedIds();

// The desktop entry path of an installed application: the identifier as a desktop-file id (any case),
// then the table, then (outside Apple's own identifiers) its last component ("io.alacritty" → alacritty).
// `installed` gives installedIds() when the exact id is not found (a kept copy, for callers that have one).
std::optional<QString> locate(const QString& bundleIdentifier, const QStringList& desktops,
                              const std::function<InstalledIds()>& installed = {});

// The identifier an application location goes by: the well-known identifier whose lookup leads back to
// the same entry, else its desktop-file id. None when the location is not an application.
std::optional<QString> identifier(const QString& location, const QStringList& desktops);
// The well-known identifiers whose table rows list a desktop-file id (any case), in table order: what
// `identifier` tries.
QStringList aliasesOf(const QString& desktopId);

// The desktop entries a menu would list (shown, not hidden, for this desktop), by name.
QStringList menuApplications();

// The display name of a desktop entry (or the file name of another location).
QString displayName(const QString& location);

// The desktop-file id of an entry (without ".desktop"): what lists of applications the user keeps store.
std::optional<QString> desktopId(const QString& location);

// The desktop entry of a running window: its desktop-file hints, then its WM_CLASS instance and class
// (each as a desktop-file id, then as a StartupWMClass), the last part of a dotted id, then the
// executable of its process.
std::optional<QString> locateWindow(const QStringList& desktopHints, const QString& wmInstance,
                                    const QString& wmClass, const QString& executable);

// Starts a desktop entry (or an executable) with file or URL arguments; none on success, else the error.
std::optional<QString> launchWithUris(const QString& location, const QStringList& uris);
// Starts a desktop entry's command line (or an executable) with extra arguments, never through a shell.
std::optional<QString> launchWithArguments(const QString& location, const QStringList& arguments,
                                           const QString& workingDirectory = {});

// The default and all handlers of a URL (scheme handler, or the content type of a local file).
std::optional<QString> defaultHandler(const QString& uri, const QString& localPath);
QStringList allHandlers(const QString& uri, const QString& localPath);
// The icon of a desktop entry as GIO names it (a theme name or a path); none when it is no entry.
std::optional<QString> entryIcon(const QString& location);
// Whether the desktop would run code on opening the file: GIO's content type of the name (and, for a
// regular file, of its content) is executable and the file is, or its default handler is a program
// runtime (Wine, Java, Mono, a shell or script interpreter). A link is judged by its own name only.
bool runsCode(const QString& localPath);
// Whether a desktop entry's command line starts a program runtime (leading "env VAR=…" skipped).
bool isRuntimeCommand(const QString& commandLine);

} // namespace DesktopApps
} // namespace zarvo::linux_
