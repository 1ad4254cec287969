#pragma once

#include "platform/AppInfo.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace zarvo {

// Opens things and answers questions about applications and files. Application locations are the
// platform's own (an .app bundle path on macOS, a desktop entry path on Linux) and are only handed back
// to this service or shown. Every call is made on the main thread; completions arrive on the main thread.
class Workspace : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(std::optional<QString> error)>;

    // The installed application with this identifier, or none.
    virtual std::optional<QString> urlForApplication(const QString& bundleIdentifier) const = 0;
    // The default application for a URL, or none.
    virtual std::optional<QString> applicationToOpen(const QUrl& url) const = 0;
    // Every application that can open the URL.
    virtual QList<QString> applicationsToOpen(const QUrl& url) const = 0;
    // The locations of the applications a person can start, as the desktop's menu lists them.
    virtual QList<QString> installedApplications() const { return {}; }
    // The installed terminal applications Open in Terminal can use, as locations.
    virtual QList<QString> terminalApplications() const { return {}; }
    // A display name and identifier of an application location.
    virtual QString applicationName(const QString& appLocation) const = 0;
    virtual std::optional<QString> applicationIdentifier(const QString& appLocation) const = 0;
    // The name lists and menus show: the display name without the Mac's ".app".
    QString shownApplicationName(const QString& appLocation) const {
        return applicationName(appLocation).remove(QStringLiteral(".app"));
    }
    // The one form an application takes in the lists the user keeps (applications whose copies are
    // never saved) and in the front application's identifier: on Linux its desktop-file id.
    virtual std::optional<QString> applicationIdentity(const QString& appLocation) const {
        return applicationIdentifier(appLocation);
    }

    // Opens a file, folder, web, share or settings URL with its default handler.
    virtual bool openURL(const QUrl& url) = 0;
    // Opens the URL with the given application; a terminal given a folder opens a window there.
    virtual void openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) = 0;
    // Runs an executable script in a new window of `terminal` (a location), else of the desktop's
    // terminal (the application that urlForApplication("com.apple.Terminal") names). The completion
    // reports a failure to start it.
    virtual void openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                                    Completion done) = 0;
    // Starts an application with arguments.
    virtual void openApplication(const QString& appLocation, const QStringList& arguments,
                                 Completion done) = 0;

    // Shows the files selected in the file manager.
    virtual void revealInFileManager(const QList<QUrl>& files) = 0;
    // Shows the file manager's information window for a file.
    virtual void showInfo(const QUrl& file) = 0;
    // Moves a file to the Trash.
    virtual void recycle(const QUrl& file, Completion done) = 0;

    // The theme icon name (or path) that stands for a file, for the views.
    virtual QString iconNameForFile(const QString& path) const = 0;
    // Every theme icon name that may stand for the file, best first: a theme lacks many of the specific
    // names (a content type's own), so the views try each and end with the generic one.
    virtual QStringList iconNamesForFile(const QString& path) const { return {iconNameForFile(path)}; }
    // Asks the desktop's thumbnailer for thumbnails of `paths` in the freedesktop cache; `ready` runs on
    // the main thread with the paths done. Nothing happens where the desktop has no thumbnailer.
    virtual void requestThumbnails(const QStringList& paths, std::function<void(const QStringList&)> ready) {
        Q_UNUSED(paths);
        Q_UNUSED(ready);
    }
    // True for a directory that the platform presents as a single file (an application bundle).
    virtual bool isFilePackage(const QString& path) const = 0;
    // Whether the desktop itself would run code on opening the file (its content type is executable,
    // or its default handler is a program runtime). A link is judged by its own name; callers follow it.
    virtual bool wouldRunCode(const QString& path) const {
        Q_UNUSED(path);
        return false;
    }

    // Mounted volumes that can be ejected, as mount paths.
    virtual QStringList ejectableVolumes() const = 0;
    // Unmounts and ejects a volume; returns an error text or none. May block: call off the main thread.
    virtual std::optional<QString> unmountAndEject(const QString& volumePath) = 0;

    // The application in front, or none when it cannot be told.
    virtual std::optional<AppInfo> frontmostApplication() const = 0;

    // Maps a folder path of the Run keyword table ("~/Downloads", "~/.Trash" …) to this platform's place.
    virtual QString platformPath(const QString& tablePath) const = 0;

signals:
    // Delivered on the main thread each time another application becomes active.
    void applicationActivated(const zarvo::AppInfo& app);
};

} // namespace zarvo
