#pragma once

#include "platform/AppBundle.h"

#include <QFileSystemWatcher>
#include <QSet>
#include <QTimer>
#include <optional>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

// The installed applications of the menus: the desktop entries of $XDG_DATA_HOME/applications and every
// $XDG_DATA_DIRS/*/applications (Flatpak's and Snap's exported folders too), one per desktop-file id,
// the user's folder first so its entry hides the system one. Entries the menus leave out (NoDisplay,
// Hidden, a missing TryExec program, OnlyShowIn/NotShowIn against the running desktop) are left out;
// a malformed one is skipped with one log line. Parsing goes through GLib's key files and GIO.
class DesktopEntrySource : public AppBundleSource {
    Q_OBJECT
public:
    struct Options {
        QString dataHome;
        QStringList dataDirs;
        QStringList desktops; // upper-cased, from XDG_CURRENT_DESKTOP
        bool operator==(const Options&) const = default;
    };
    // How deep below an applications folder entries are read.
    static constexpr int maxDepth = 8;

    // The folders and desktop of this session, as the environment names them.
    static Options fromEnvironment(const Environment& environment);
    // The applications folders searched, in precedence order, existing or not.
    static QStringList applicationFolders(const Options& options);

    explicit DesktopEntrySource(Options options, QObject* parent = nullptr);

    QList<AppBundle> scan() override;
    // Watches the folders (and the nearest existing parent of a missing one, so that a folder created
    // later is noticed); `changed` follows a burst of changes after a short pause.
    void startWatching() override;
    QStringList folders() const override { return applicationFolders(m_options); }

    // The programs (TryExec and Exec, as written) the last scan looked for on PATH or at their path:
    // whether an entry is listed depends on them too.
    const QStringList& programsLookedUp() const { return m_programsLookedUp; }

    // One entry as the menus would list it: none when it is left out or malformed (`why` tells which,
    // empty when left out on purpose). `programs` gets the programs its listing depends on.
    static std::optional<AppBundle> load(const QString& path, const QString& id, const QStringList& desktops,
                                         QString* why = nullptr, QStringList* programs = nullptr);

private:
    void rewatch();

    Options m_options;
    // The problems logged by the last scan: a rescan logs only what is new, so a broken entry gives
    // one line while it stays broken, not one per change in its folder.
    QSet<QString> m_reported;
    QStringList m_programsLookedUp;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

// Whether a path is a desktop entry inside one of the applications folders: an installed application,
// which opening starts rather than shows.
bool isInstalledEntry(const QString& path, const DesktopEntrySource::Options& options);

} // namespace zarvo::linux_
