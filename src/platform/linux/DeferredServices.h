#pragma once

#include "platform/HotKeys.h"
#include "platform/Platform.h"
#include "platform/Session.h"
#include "platform/Workspace.h"

#include <QString>

#include <functional>

namespace zarvo {
class Environment;
}

namespace zarvo::linux_ {

class DesktopServices;

// The desktop services of a headless process, each handing every call to the real one, which the
// loader makes (loading the desktop module) at the first call. Without a display the real ones emit
// no signals (no activations, no hot keys), so none are passed on.
using DesktopServicesLoader = std::function<DesktopServices&()>;

// The places of the keyword table and the package test are answered here, by the functions
// LinuxWorkspace answers them with: every search asks for them, and they need nothing of the desktop.
class DeferredWorkspace : public Workspace {
public:
    DeferredWorkspace(const Environment& environment, DesktopServicesLoader load)
        : m_environment(environment), m_load(std::move(load)) {}

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

private:
    Workspace& real() const;
    const Environment& m_environment;
    DesktopServicesLoader m_load;
};

class DeferredSession : public Session {
public:
    explicit DeferredSession(DesktopServicesLoader load) : m_load(std::move(load)) {}
    void lockScreen(Completion done) override;
    std::optional<QString> sleep() override;
    std::optional<QString> displaySleep() override;
    std::optional<QString> startScreenSaver() override;
    bool hasSessionManager() override;
    void endSession(Ending ending, Completion done) override;
    void endSystem(Ending ending, Completion done) override;
    std::optional<QString> emptyTrash() override;

private:
    Session& real();
    DesktopServicesLoader m_load;
};

class DeferredHotKeys : public HotKeys {
public:
    explicit DeferredHotKeys(DesktopServicesLoader load) : m_load(std::move(load)) {}
    bool registerHotKey(int slot, quint32 keyCode, quint32 modifiers) override;
    void unregisterHotKey(int slot) override;
    bool superIsCommand() const override;

private:
    HotKeys& real() const;
    DesktopServicesLoader m_load;
};

class DeferredKeySynth : public KeySynth {
public:
    explicit DeferredKeySynth(DesktopServicesLoader load) : m_load(std::move(load)) {}
    bool isTrusted(bool prompt) override;
    bool postPaste(PasteKeys keys) override;

private:
    DesktopServicesLoader m_load;
};

} // namespace zarvo::linux_
