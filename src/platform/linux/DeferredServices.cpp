#include "platform/linux/DeferredServices.h"

#include "platform/linux/DesktopServices.h"
#include "platform/linux/XdgPlaces.h"

namespace zarvo::linux_ {

Workspace& DeferredWorkspace::real() const {
    return m_load().workspace();
}

std::optional<QString> DeferredWorkspace::urlForApplication(const QString& bundleIdentifier) const {
    return real().urlForApplication(bundleIdentifier);
}
std::optional<QString> DeferredWorkspace::applicationToOpen(const QUrl& url) const {
    return real().applicationToOpen(url);
}
QList<QString> DeferredWorkspace::applicationsToOpen(const QUrl& url) const {
    return real().applicationsToOpen(url);
}
QList<QString> DeferredWorkspace::installedApplications() const {
    return real().installedApplications();
}
QList<QString> DeferredWorkspace::terminalApplications() const {
    return real().terminalApplications();
}
QString DeferredWorkspace::applicationName(const QString& appLocation) const {
    return real().applicationName(appLocation);
}
std::optional<QString> DeferredWorkspace::applicationIdentifier(const QString& appLocation) const {
    return real().applicationIdentifier(appLocation);
}
std::optional<QString> DeferredWorkspace::applicationIdentity(const QString& appLocation) const {
    return real().applicationIdentity(appLocation);
}
bool DeferredWorkspace::openURL(const QUrl& url) {
    return real().openURL(url);
}
void DeferredWorkspace::openURLWithApplication(const QUrl& url, const QString& appLocation, Completion done) {
    real().openURLWithApplication(url, appLocation, std::move(done));
}
void DeferredWorkspace::openTerminalScript(const QString& scriptPath, const std::optional<QString>& terminal,
                                           Completion done) {
    real().openTerminalScript(scriptPath, terminal, std::move(done));
}
void DeferredWorkspace::openApplication(const QString& appLocation, const QStringList& arguments,
                                        Completion done) {
    real().openApplication(appLocation, arguments, std::move(done));
}
void DeferredWorkspace::revealInFileManager(const QList<QUrl>& files) {
    real().revealInFileManager(files);
}
void DeferredWorkspace::showInfo(const QUrl& file) {
    real().showInfo(file);
}
void DeferredWorkspace::recycle(const QUrl& file, Completion done) {
    real().recycle(file, std::move(done));
}
QString DeferredWorkspace::iconNameForFile(const QString& path) const {
    return real().iconNameForFile(path);
}

QStringList DeferredWorkspace::iconNamesForFile(const QString& path) const {
    return real().iconNamesForFile(path);
}

void DeferredWorkspace::requestThumbnails(const QStringList& paths,
                                          std::function<void(const QStringList&)> ready) {
    real().requestThumbnails(paths, std::move(ready));
}
bool DeferredWorkspace::isFilePackage(const QString& path) const {
    return isApplicationBundle(path);
}
bool DeferredWorkspace::wouldRunCode(const QString& path) const {
    return real().wouldRunCode(path);
}
QStringList DeferredWorkspace::ejectableVolumes() const {
    return real().ejectableVolumes();
}
std::optional<QString> DeferredWorkspace::unmountAndEject(const QString& volumePath) {
    return real().unmountAndEject(volumePath);
}
std::optional<AppInfo> DeferredWorkspace::frontmostApplication() const {
    return real().frontmostApplication();
}
QString DeferredWorkspace::platformPath(const QString& tablePath) const {
    return xdgPlaceForTablePath(tablePath, m_environment);
}

Session& DeferredSession::real() {
    return m_load().session();
}
void DeferredSession::lockScreen(Completion done) {
    real().lockScreen(std::move(done));
}
std::optional<QString> DeferredSession::sleep() {
    return real().sleep();
}
std::optional<QString> DeferredSession::displaySleep() {
    return real().displaySleep();
}
std::optional<QString> DeferredSession::startScreenSaver() {
    return real().startScreenSaver();
}
bool DeferredSession::hasSessionManager() {
    return real().hasSessionManager();
}
void DeferredSession::endSession(Ending ending, Completion done) {
    real().endSession(ending, std::move(done));
}
void DeferredSession::endSystem(Ending ending, Completion done) {
    real().endSystem(ending, std::move(done));
}
std::optional<QString> DeferredSession::emptyTrash() {
    return real().emptyTrash();
}

HotKeys& DeferredHotKeys::real() const {
    return m_load().hotKeys();
}
bool DeferredHotKeys::registerHotKey(int slot, quint32 keyCode, quint32 modifiers) {
    return real().registerHotKey(slot, keyCode, modifiers);
}
void DeferredHotKeys::unregisterHotKey(int slot) {
    real().unregisterHotKey(slot);
}
bool DeferredHotKeys::superIsCommand() const {
    return real().superIsCommand();
}

bool DeferredKeySynth::isTrusted(bool prompt) {
    return m_load().keySynth().isTrusted(prompt);
}
bool DeferredKeySynth::postPaste(PasteKeys keys) {
    return m_load().keySynth().postPaste(keys);
}

} // namespace zarvo::linux_
