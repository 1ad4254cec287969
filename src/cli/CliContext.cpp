#include "cli/CliContext.h"

#include "clipboard/ClipStore.h"
#include "files/AppCatalog.h"
#include "files/IndexMetadataQuery.h"
#include "platform/linux/DesktopEntries.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/LinuxPlatform.h"
#include "store/Favorites.h"
#include "store/History.h"
#include "store/Settings.h"

#include <QGuiApplication>

namespace zarvo::cli {

std::unique_ptr<QCoreApplication> CliContext::makeApplication(int& argc, char** argv, bool display) {
    QCoreApplication::setApplicationName(QStringLiteral("zarvo-cli"));
    const bool hasDisplay =
        qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (display && hasDisplay) return std::make_unique<QGuiApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

CliContext& CliContext::shared() {
    static CliContext context;
    return context;
}

CliContext::~CliContext() = default;

void CliContext::setUp(bool /*display*/) {
    if (m_platform) return;
    m_platform = std::make_unique<linux_::LinuxPlatform>();
    Platform& platform = m_platform->platform();
    m_defaults = std::make_unique<linux_::FileDefaultsStore>(
        linux_::FileDefaultsStore::defaultDirectory(*platform.environment));
    platform.defaults = m_defaults.get();
    m_platform->install();
    migrateDefaultsFromQuenlark();
}

ClipStore* CliContext::clipStore() {
    if (!m_clipStore)
        m_clipStore = std::make_unique<ClipStore>(ClipStore::defaultDirectory(), nullptr, false,
                                                  ClipStore::Services::fromPlatform());
    return m_clipStore.get();
}

MetadataQueryFactory* CliContext::metadata() {
    if (!m_metadata) {
        m_index = FileIndexSettings::openShared(Platform::current());
        if (!m_index) return nullptr;
        m_metadata = std::make_unique<IndexMetadataQueryFactory>(m_index, applications());
        Platform::current().metadata = m_metadata.get();
    }
    return m_metadata.get();
}

AppCatalog* CliContext::applications() {
    if (!m_applications) {
        m_applicationSource = std::make_unique<linux_::DesktopEntrySource>(
            linux_::DesktopEntrySource::fromEnvironment(*Platform::current().environment));
        m_applications = std::make_unique<AppCatalog>(m_applicationSource.get());
        m_applications->reload();
    }
    return m_applications.get();
}

SearchModel::Services CliContext::searchServices() {
    return SearchModel::Services{Settings::shared(), History::shared(), Favorites::shared(),
                                 clipStore(),        metadata(),        Platform::current().pasteboard,
                                 applications()};
}

} // namespace zarvo::cli
