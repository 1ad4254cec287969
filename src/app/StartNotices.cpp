#include "app/StartNotices.h"

#include "platform/DesktopShortcuts.h"
#include "platform/HotKeyAdvice.h"
#include "platform/HotKeyManager.h"
#include "store/UserDefaults.h"

#include <QCoreApplication>

namespace zarvo::app {

const QString StartNotices::kKeyNoticeShown = QStringLiteral("hotKeyNoticeShown");
const QString StartNotices::kBackgroundNoticeShown = QStringLiteral("backgroundNoticeShown");

StartNotices::StartNotices(UserDefaults& defaults, const HotKeyManager& keys, DesktopShortcuts* desktop,
                           Notifications* notifications)
    : m_defaults(defaults), m_keys(keys), m_desktop(desktop), m_notifications(notifications) {}

QString StartNotices::shortcutsPlace() const {
    return m_desktop
               ? m_desktop->shortcutsPlace()
               : QCoreApplication::translate("StartNotices", "your desktop's keyboard shortcut settings");
}

std::optional<StartNotices::KeyNotice> StartNotices::takeKeyNotice(const QString& keyName) {
    if (m_defaults.boolean(kKeyNoticeShown)) return std::nullopt;
    const auto status = m_keys.status(HotKeyManager::Slot::main);
    const auto text = HotKeyAdvice::conflict(status, keyName, shortcutsPlace());
    if (!text) return std::nullopt;
    m_defaults.set(kKeyNoticeShown, true);
    return KeyNotice{HotKeyAdvice::conflictTitle(status, keyName), *text,
                     HotKeyAdvice::bindOffer(status, m_desktop, keyName)};
}

bool StartNotices::notifyBackground(bool statusArea, const QString& keyName) {
    if (statusArea || !m_notifications || m_defaults.boolean(kBackgroundNoticeShown)) return false;
    const QString body =
        HotKeyAdvice::backgroundNotice(m_keys.works(HotKeyManager::Slot::main), keyName, shortcutsPlace());
    if (!m_notifications->notify(QCoreApplication::translate("StartNotices", "Zarvo is running"), body))
        return false;
    m_defaults.set(kBackgroundNoticeShown, true);
    return true;
}

} // namespace zarvo::app
