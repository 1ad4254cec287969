#include "app/DesktopMain.h"
#include "app/AppDelegate.h"
#include "app/InstallDialogs.h"
#include "app/Installer.h"
#include "app/LazyModules.h"
#include "cli/InstanceRequests.h"
#include "clipboard/ClipStore.h"
#include "clipboard/ClipStoreLock.h"
#include "files/AppCatalog.h"
#include "files/IndexMetadataQuery.h"
#include "platform/HotKeyManager.h"
#include "platform/SessionReport.h"
#include "platform/Translations.h"
#include "platform/linux/AppearanceWatch.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/InstanceChannel.h"
#include "platform/linux/InstanceLock.h"
#include "platform/linux/LinuxAppearance.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/LinuxInstallation.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/LinuxWorkspace.h"
#include "platform/linux/MemoryRelease.h"
#include "platform/linux/ProgramLocation.h"
#include "platform/wayland/PortalShortcuts.h"
#include "platform/wayland/WaylandDesktopShortcuts.h"
#include "search/ClipboardTab.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"
#include "ui/Accessibility.h"
#include "ui/Icons.h"
#include "ui/Style.h"
#include "ui/WindowPixels.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace {

void logLine(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

// The desktop's looks at start, then followed: light or dark, its colours, its icon theme.
void followDesktopLooks(const zarvo::linux_::AppearanceWatch& appearance, QApplication& app) {
    using namespace zarvo;
    ui::Icons::setUp(linux_::LinuxAppearance::iconThemeName(appearance.known()));
    const auto useLooks = [&appearance] {
        const bool dark = linux_::LinuxAppearance::prefersDark(appearance.known());
        if (linux_::LinuxAppearance::prefersHighContrast())
            ui::Style::useHighContrast(dark);
        else
            ui::Style::usePalette(dark, linux_::LinuxAppearance::kdePalette());
    };
    useLooks();
    QObject::connect(&appearance, &linux_::AppearanceWatch::changed, &app, [&appearance, useLooks] {
        useLooks();
        ui::Icons::useTheme(linux_::LinuxAppearance::iconThemeName(appearance.known()));
    });
}

// Under Wayland the desktop portal may deliver the hot keys, and the desktop's own bindings are read
// the Wayland desktops' way; the X grab stays for X windows.
struct WaylandKeys {
    std::unique_ptr<zarvo::wayland::PortalShortcuts> portalKeys;
    std::unique_ptr<zarvo::wayland::WaylandDesktopShortcuts> desktopShortcuts;

    static WaylandKeys install(zarvo::Platform& platform) {
        using namespace zarvo;
        WaylandKeys keys;
        if (wayland::PortalShortcuts::suitsSession()) {
            keys.portalKeys = std::make_unique<wayland::PortalShortcuts>();
            platform.desktopHotKeys = keys.portalKeys.get();
        }
        if (linux_::LinuxPlatform::isWaylandSession()) {
            keys.desktopShortcuts = std::make_unique<wayland::WaylandDesktopShortcuts>(
                *platform.environment, platform.desktopShortcuts);
            platform.desktopShortcuts = keys.desktopShortcuts.get();
        }
        return keys;
    }
};

// The clip store, when this process holds its lock.
std::unique_ptr<zarvo::ClipStore> openClipStore(bool locked, const zarvo::Platform& platform) {
    using namespace zarvo;
    if (!locked) {
        logLine(QCoreApplication::translate(
            "DesktopMain", "Zarvo: the clip store is in use by another process; copies are not kept"));
        return nullptr;
    }
    return std::make_unique<ClipStore>(ClipStore::defaultDirectory(platform.environment), platform.pasteboard,
                                       true,
                                       ClipStore::Services::fromPlatform(platform, &Settings::shared()));
}

} // namespace

int zarvoDesktopMain(int argc, char** argv, const char* requestName, bool portable) {
    using namespace zarvo;
    const QString request = QString::fromLatin1(requestName);
    const QJsonObject message{{QStringLiteral("type"), request},
                              {QStringLiteral("startupId"), qEnvironmentVariable("DESKTOP_STARTUP_ID")}};
    linux_::MemoryRelease::limitArenas();
    std::vector<char*> arguments = linux_::LinuxPlatform::qtArguments(argc, argv);
    int count = int(arguments.size()) - 1;
    QApplication::setApplicationName(QStringLiteral("Zarvo"));
    QApplication::setDesktopFileName(QStringLiteral("com.velorin.zarvo"));
    QApplication app(count, arguments.data());
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(linux_::ProgramLocation::translationFolders());
    app::installLazyModules(&linux_::ProgramLocation::moduleCandidates);
    ui::Accessibility::install();
    linux_::AppearanceWatch appearance;
    followDesktopLooks(appearance, app);

    linux_::LinuxPlatform linux;
    Platform& platform = linux.platform();
    linux_::FileDefaultsStore defaults(linux_::FileDefaultsStore::defaultDirectory(*platform.environment));
    platform.defaults = &defaults;
    const WaylandKeys waylandKeys = WaylandKeys::install(platform);
    linux.install();
    ui::Icons::useWorkspace(platform.workspace);
    migrateDefaultsFromQuenlark();
    if (linux.display() == linux_::LinuxPlatform::Display::None) {
        logLine(QStringLiteral("zarvo: ") + linux_::LinuxPlatform::noDisplayMessage(QStringLiteral("Zarvo")));
        return 1;
    }
    // Installing comes first: a copy that hands off to the installed one sets nothing else up.
    linux_::LinuxInstallation installation(*platform.environment);
    app::MessageBoxInstallDialogs dialogs(installation);
    if (portable) app::Installer::setUp(&installation, &dialogs);
    if (app::Installer::handOffIfNeeded()) return 0;

    // One instance: if another one started in the meantime, it takes the request.
    linux_::InstanceLock lock(*platform.environment);
    app::AppDelegate* delegate = nullptr;
    lock.onRequest = [&delegate, &linux](const QJsonObject& request, linux_::InstanceLock::Reply reply) {
        if (request.value(QStringLiteral("type")).toString() == QLatin1String("status"))
            reply(QJsonObject{
                {QStringLiteral("ok"), true},
                {QStringLiteral("status"), SessionReport::line(linux.facts(), HotKeyManager::shared())}});
        else if (delegate)
            delegate->handleRequest(request, std::move(reply));
        else
            reply(QJsonObject{{QStringLiteral("ok"), false},
                              {QStringLiteral("error"), QStringLiteral("starting")}});
    };
    if (!lock.acquire()) {
        const auto reply = linux_::InstanceClient::send(*platform.environment, message, 3000);
        if (reply.status == linux_::InstanceReply::Status::answered) return 0;
        logLine(QCoreApplication::translate(
            "DesktopMain", "zarvo: cannot become the running instance (the instance socket cannot be made)"));
        return 1;
    }
    linux_::InstanceLock::raiseDescriptorLimit();

    const auto clipLock = lockClipStore(ClipStore::defaultDirectory(platform.environment), 1000);
    std::unique_ptr<ClipStore> clips = openClipStore(clipLock != nullptr, platform);
    linux_::DesktopEntrySource desktopEntries(
        linux_::DesktopEntrySource::fromEnvironment(*platform.environment));
    AppCatalog applications(&desktopEntries);
    applications.startLive();
    // The panel's handler, name and icon answers are kept until the entries change.
    linux.workspace().followChanges(desktopEntries);
    std::unique_ptr<IndexMetadataQueryFactory> metadata;
    std::optional<ui::SearchAccessSection::Index> indexAccess;
    if (auto fileIndex = FileIndexSettings::startLive(platform)) {
        indexAccess = ui::SearchAccessSection::Index{
            [&metadata] { return metadata->fileIndex()->status(); },
            [&metadata, &platform] { metadata->setFileIndex(FileIndexSettings::startLive(platform)); },
            std::max(1, fileIndex->config().fallbackIntervalMs / 60000)};
        metadata = std::make_unique<IndexMetadataQueryFactory>(std::move(fileIndex), &applications);
        platform.metadata = metadata.get();
    }

    app::AppDelegate appDelegate(app::AppDelegate::Services{platform, clips.get(), metadata.get(), logLine,
                                                            &applications, indexAccess});
    delegate = &appDelegate;
    const SearchModel::Services services{
        platform,       Settings::shared(),  History::shared(), Favorites::shared(),     clips.get(),
        metadata.get(), platform.pasteboard, &applications,     &HotKeyManager::shared()};
    appDelegate.onCliRequest = [&clips, services](const QJsonObject& request,
                                                  std::function<void(const QJsonObject&)> reply) {
        if (!clips) {
            reply(QJsonObject{
                {QStringLiteral("out"), QString()},
                {QStringLiteral("err"),
                 QCoreApplication::translate("DesktopMain", "the running Zarvo keeps no clip store\n")},
                {QStringLiteral("code"), 1}});
            return;
        }
        cli::handleCliRequest(request, *clips, services, std::move(reply));
    };
    logLine(QStringLiteral("Zarvo: ") + linux.whereItRuns());
    if (const auto notice = linux.startupNotice()) logLine(QStringLiteral("Zarvo: ") + *notice);
    if (!appDelegate.applicationDidFinishLaunching()) return 0;
    const auto mainKey = HotKeyManager::shared().status(HotKeyManager::Slot::main).state;
    if (!HotKeyManager::shared().works(HotKeyManager::Slot::main) &&
        mainKey != HotKeyManager::State::pending && linux.display() == linux_::LinuxPlatform::Display::X11)
        logLine(QCoreApplication::translate(
            "DesktopMain", "Zarvo: to open the panel without the hot key, bind “zarvo --toggle” "
                           "in your desktop's keyboard shortcut settings"));
    if (request == QLatin1String("clipboard"))
        appDelegate.model().clipboardTab().switchTab(SearchModel::Tab::clipboard);
    if (request == QLatin1String("settings")) appDelegate.showSettings();
    const linux_::MemoryRelease memoryRelease(&ui::WindowPixels::dropHidden);
    const int status = app.exec();
    delegate = nullptr;
    return status;
}
