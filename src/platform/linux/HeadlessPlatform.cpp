#include "platform/linux/HeadlessPlatform.h"

#include "platform/linux/CachedDesktopEntries.h"
#include "platform/linux/DeferredServices.h"
#include "platform/linux/LinuxEnvironment.h"
#include "platform/linux/LinuxLoginItems.h"
#include "platform/linux/LinuxPlatformWords.h"
#include "platform/linux/LinuxProcesses.h"
#include "platform/linux/UnavailablePasteboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace zarvo::linux_ {

HeadlessPlatform::HeadlessPlatform(std::function<DesktopServices&()> desktop, const QString& identifier)
    : m_desktop(std::move(desktop)), m_environment(std::make_unique<LinuxEnvironment>(identifier)),
      m_clock(std::make_unique<SystemClock>()), m_processes(std::make_unique<LinuxProcesses>()),
      m_pasteboard(std::make_unique<UnavailablePasteboard>()),
      m_workspace(std::make_unique<DeferredWorkspace>(*m_environment, m_desktop)),
      m_session(std::make_unique<DeferredSession>(m_desktop)),
      m_hotKeys(std::make_unique<DeferredHotKeys>(m_desktop)),
      m_keySynth(std::make_unique<DeferredKeySynth>(m_desktop)),
      m_loginItems(
          std::make_unique<LinuxLoginItems>(*m_environment, QCoreApplication::applicationFilePath())) {
    // As LinuxPlatform names the file manager: the application that opens folders.
    m_words =
        std::make_unique<LinuxPlatformWords>([workspace = m_workspace.get()]() -> std::optional<QString> {
            const auto handler = workspace->applicationToOpen(QUrl::fromLocalFile(QDir::homePath()));
            if (!handler) return std::nullopt;
            return workspace->applicationName(*handler);
        });
    m_platform.workspace = m_workspace.get();
    m_platform.pasteboard = m_pasteboard.get();
    m_platform.environment = m_environment.get();
    m_platform.clock = m_clock.get();
    m_platform.processes = m_processes.get();
    m_platform.session = m_session.get();
    m_platform.hotKeys = m_hotKeys.get();
    m_platform.keySynth = m_keySynth.get();
    m_platform.loginItems = m_loginItems.get();
    m_platform.words = m_words.get();
}

HeadlessPlatform::~HeadlessPlatform() = default;

std::unique_ptr<AppBundleSource> HeadlessPlatform::applicationSource() const {
    return std::make_unique<CachedDesktopEntrySource>(DesktopEntrySource::fromEnvironment(*m_environment),
                                                      m_environment->cacheHome() + QLatin1Char('/') +
                                                          m_environment->appIdentifier() +
                                                          QStringLiteral("/applications.cache"),
                                                      m_desktop);
}

} // namespace zarvo::linux_
