#pragma once

#include <QString>
#include <optional>

namespace zarvo {
class DesktopShortcuts;
class HotKeyManager;
class Notifications;
class UserDefaults;
} // namespace zarvo

namespace zarvo::app {

// What a start tells a person once, where they see it: that the main hot key does not reach Zarvo,
// with the ways out, and, on a desktop without a status area, that Zarvo went to the background.
// Each is remembered in the settings once said, so it is said once.
class StartNotices {
public:
    StartNotices(UserDefaults& defaults, const HotKeyManager& keys, DesktopShortcuts* desktop,
                 Notifications* notifications);

    struct KeyNotice {
        QString title;
        QString text;
        // The button that binds the key through the desktop, when that can be offered.
        std::optional<QString> bindOffer;
    };
    // The notice about the main key to show now: none when the key works or it was said before.
    // Returning it counts as saying it.
    std::optional<KeyNotice> takeKeyNotice(const QString& keyName);
    // Sends the background notice through the desktop's notifications once, only where there is no
    // status area; true when it was sent now.
    bool notifyBackground(bool statusArea, const QString& keyName);

    // Where the desktop binds commands to keys.
    QString shortcutsPlace() const;

    static const QString kKeyNoticeShown;
    static const QString kBackgroundNoticeShown;

private:
    UserDefaults& m_defaults;
    const HotKeyManager& m_keys;
    DesktopShortcuts* m_desktop = nullptr;
    Notifications* m_notifications = nullptr;
};

} // namespace zarvo::app
