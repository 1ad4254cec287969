#include "platform/linux/SettingsPanes.h"

#include <QHash>

namespace zarvo::linux_::SettingsPanes {

namespace {
struct Pane {
    const char* pane;
    const char* gnome; // gnome-control-center PANEL
    const char* kde;   // systemsettings KCM
    const char* xfce;  // the XFCE settings dialog
};

const Pane kPanes[] = {
    {"com.apple.wifi-settings-extension", "wifi", "kcm_networkmanagement", nullptr},
    {"com.apple.BluetoothSettings", "bluetooth", "kcm_bluetooth", nullptr},
    {"com.apple.Network-Settings.extension", "network", "kcm_networkmanagement", nullptr},
    {"com.apple.NetworkExtensionSettingsUI.NESettingsUIExtension", "network", "kcm_networkmanagement",
     nullptr},
    {"com.apple.Displays-Settings.extension", "display", "kcm_kscreen", "xfce4-display-settings"},
    {"com.apple.Sound-Settings.extension", "sound", "kcm_pulseaudio", nullptr},
    {"com.apple.Keyboard-Settings.extension", "keyboard", "kcm_keyboard", "xfce4-keyboard-settings"},
    {"com.apple.Mouse-Settings.extension", "mouse", "kcm_mouse", "xfce4-mouse-settings"},
    {"com.apple.Trackpad-Settings.extension", "mouse", "kcm_touchpad", "xfce4-mouse-settings"},
    {"com.apple.Battery-Settings.extension", "power", "kcm_powerdevilprofilesconfig",
     "xfce4-power-manager-settings"},
    {"com.apple.Users-Groups-Settings.extension", "user-accounts", "kcm_users", nullptr},
    {"com.apple.Software-Update-Settings.extension", nullptr, "kcm_updates", nullptr},
    {"com.apple.LoginItems-Settings.extension", "applications", "kcm_autostart", "xfce4-session-settings"},
    {"com.apple.settings.PrivacySecurity.extension", "privacy", "kcm_firewall", nullptr},
    {"com.apple.preference.security", "privacy", "kcm_firewall", nullptr},
    {"com.apple.Print-Scan-Settings.extension", "printers", "kcm_printer_manager", nullptr},
    {"com.apple.Notifications-Settings.extension", "notifications", "kcm_notifications",
     "xfce4-notifyd-config"},
    {"com.apple.Accessibility-Settings.extension", "universal-access", "kcm_access",
     "xfce4-accessibility-settings"},
    {"com.apple.Date-Time-Settings.extension", "datetime", "kcm_clock", nullptr},
    {"com.apple.Appearance-Settings.extension", "background", "kcm_lookandfeel", "xfce4-appearance-settings"},
    {"com.apple.Wallpaper-Settings.extension", "background", "kcm_wallpaper", "xfdesktop-settings"},
    {"com.apple.settings.Storage", nullptr, nullptr, nullptr},
    {"com.apple.Localization-Settings.extension", "region", "kcm_regionandlang", nullptr},
    {"com.apple.Sharing-Settings.extension", "sharing", nullptr, nullptr},
    {"com.apple.SystemProfiler.AboutExtension", "info-overview", "kcm_about-distro", nullptr},
};
} // namespace

std::optional<QStringList> command(const QString& paneIdentifier, const QStringList& desktops) {
    // Deep links may carry an anchor after "?" (…security?Privacy_AllFiles); the pane is what precedes it.
    const QString pane = paneIdentifier.section(QLatin1Char('?'), 0, 0).trimmed();
    for (const Pane& entry : kPanes) {
        if (pane != QLatin1String(entry.pane)) continue;
        for (const QString& desktop : desktops) {
            if (desktop == QLatin1String("GNOME") && entry.gnome)
                return QStringList{QStringLiteral("gnome-control-center"), QString::fromLatin1(entry.gnome)};
            if (desktop == QLatin1String("KDE") && entry.kde)
                return QStringList{QStringLiteral("systemsettings"), QString::fromLatin1(entry.kde)};
            if (desktop == QLatin1String("XFCE") && entry.xfce)
                return QStringList{QString::fromLatin1(entry.xfce)};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zarvo::linux_::SettingsPanes
