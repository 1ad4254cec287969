#pragma once

#include "platform/Workspace.h"
#include "platform/linux/DesktopAppCache.h"
#include "platform/linux/LinuxThumbnailer.h"
#include "platform/linux/XdgPlaces.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>
#include <functional>
#include <memory>

union _XEvent;

namespace zarvo {
class AppBundleSource;
class Environment;
} // namespace zarvo

namespace zarvo::linux_ {

class X11Connection;

// Files, folders, URLs and applications on a Linux desktop: desktop entries and GIO for applications and
// handlers, the freedesktop file-manager interface for reveal and Get Info, the freedesktop Trash, GIO
// mounts, and the X11 active window for the application in front.
class LinuxWorkspace : public Workspace {
    Q_OBJECT
public:
    // `x11` may be null: the front application is then unknown and no activation is reported.
    LinuxWorkspace(const Environment& environment, X11Connection* x11);

    std::optional<QString> urlForApplication(const QString& bundleIdentifier) const override;
    std::optional<QString> applicationToOpen(const QUrl& url) const override;
    QList<QString> applicationsToOpen(const QUrl& url) const override;
    QList<QString> installedApplications() const override;
    QList<QString> terminalApplications() const override;
    QString applicationName(const QString& appLocation) const override;
    std::optional<QString> applicationIdentifier(const QString& appLocation) const override;
    std::optional<QString> applicationIdentity(const QString& appLocation) const override;

    bool openURL(const QUrl& url) override;
    void openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) override;
    void openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                            Completion done) override;
    void openApplication(const QString& appLocation, const QStringList& arguments, Completion done) override;

    void revealInFileManager(const QList<QUrl>& files) override;
    void showInfo(const QUrl& file) override;
    void recycle(const QUrl& file, Completion done) override;

    QString iconNameForFile(const QString& path) const override;
    QStringList iconNamesForFile(const QString& path) const override;
    void requestThumbnails(const QStringList& paths, std::function<void(const QStringList&)> ready) override;
    bool isFilePackage(const QString& path) const override;
    bool wouldRunCode(const QString& path) const override;

    QStringList ejectableVolumes() const override;
    std::optional<QString> unmountAndEject(const QString& volumePath) override;

    std::optional<AppInfo> frontmostApplication() const override;
    QString platformPath(const QString& tablePath) const override;

    // In a Wayland session no active X window means a Wayland application is in front: `appId` names
    // it (the application id of its window), or says nothing where the compositor does not tell.
    void setWaylandFront(std::function<std::optional<QString>()> appId) { m_waylandFront = std::move(appId); }
    // Whether the application in front (the one the user came from, when it is our panel) is an X one.
    bool isX11InFront() const;

    // Opens a System Settings pane URL on this desktop; false when neither the panel nor the settings
    // application could be started.
    bool openSettingsPane(const QUrl& url);

    // Keeps the application answers until `entries` reports a change of the applications folders (or a
    // mimeapps list changes), and computes the ones every panel asks for on a worker now.
    void followChanges(AppBundleSource& entries);
    // Drops every kept application answer.
    void forgetApplications();

private:
    // trash:/// in the default file manager; false when it takes no such address.
    bool openTrashView();
    QStringList desktops() const;
    void handleX11Event(::_XEvent& event);
    unsigned long activeWindow() const;
    std::optional<AppInfo> applicationOfWindow(unsigned long window) const;
    // The X window the user is in, or came from to our panel; 0: none (a Wayland one, or the desktop).
    unsigned long frontWindow() const;
    std::optional<AppInfo> applicationOfWaylandId(const QString& appId) const;
    // Whether a window belongs to this process (its _NET_WM_PID is ours).
    bool isOwnWindow(unsigned long window) const;
    void callFileManager(const char* method, const QList<QUrl>& files, std::function<void()> fallback);
    void finish(Completion done, std::optional<QString> error);

    const Environment& m_environment;
    X11Connection* m_x11 = nullptr;
    QString m_lastActiveKey; // WindowIdentity::cacheKey of the active window, empty for none
    unsigned long m_lastForeignActive = 0;
    std::function<std::optional<QString>()> m_waylandFront;
    // Answers by window id, process and what the window says (WindowIdentity::cacheKey).
    mutable QHash<QString, AppInfo> m_windowApps;

    // Application lookups parse desktop entries through GIO (milliseconds each) and the panel asks for
    // the same few on every keystroke: answers are kept until the entries or mimeapps lists change.
    // A desktop entry's icon name; empty when it is no entry.
    QString entryIcon(const QString& location) const;
    std::shared_ptr<DesktopAppCache> m_cache = std::make_shared<DesktopAppCache>();
    QFileSystemWatcher m_listWatcher;
    QTimer m_listSettle;
    std::unique_ptr<LinuxThumbnailer> m_thumbnailer;
};

} // namespace zarvo::linux_
