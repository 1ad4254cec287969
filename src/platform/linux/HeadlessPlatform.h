#pragma once

#include "platform/AppBundle.h"
#include "platform/Environment.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>

namespace zarvo::linux_ {

class DesktopServices;
class LinuxEnvironment;
class SystemClock;
class LinuxProcesses;
class LinuxLoginItems;
class LinuxPlatformWords;
class UnavailablePasteboard;
class DeferredWorkspace;
class DeferredSession;
class DeferredHotKeys;
class DeferredKeySynth;

// The Platform bundle of a process without a display that starts on QtCore alone: the services that
// need no desktop library are its own, the others (workspace, session, hot keys, key synthesis) and
// the full scan of the desktop entries come from `desktop`, called the first time one is used. What
// each service answers is what LinuxPlatform's answers without a display. The caller sets `defaults`
// and `metadata`.
class HeadlessPlatform {
public:
    explicit HeadlessPlatform(std::function<DesktopServices&()> desktop,
                              const QString& identifier = QString::fromLatin1(kAppIdentifier));
    ~HeadlessPlatform();
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    Platform& platform() { return m_platform; }
    void install() { Platform::setCurrent(m_platform); }
    // The installed applications, read without GIO while the last full scan still stands.
    std::unique_ptr<AppBundleSource> applicationSource() const;

private:
    std::function<DesktopServices&()> m_desktop;
    std::unique_ptr<LinuxEnvironment> m_environment;
    std::unique_ptr<SystemClock> m_clock;
    std::unique_ptr<LinuxProcesses> m_processes;
    std::unique_ptr<UnavailablePasteboard> m_pasteboard;
    std::unique_ptr<DeferredWorkspace> m_workspace;
    std::unique_ptr<DeferredSession> m_session;
    std::unique_ptr<DeferredHotKeys> m_hotKeys;
    std::unique_ptr<DeferredKeySynth> m_keySynth;
    std::unique_ptr<LinuxLoginItems> m_loginItems;
    std::unique_ptr<LinuxPlatformWords> m_words;
    Platform m_platform;
};

} // namespace zarvo::linux_
