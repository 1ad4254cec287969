#include "platform/linux/AppearanceWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>

namespace zarvo::linux_ {

namespace {
// A settings daemon writes several keys for one choice (theme, colours, icons): wait for the last.
constexpr int kSettleMs = 150;

QVariant unwrapped(QVariant value) {
    // Portals wrap values in one or two variants, depending on their version.
    for (int i = 0; i < 2 && value.canConvert<QDBusVariant>(); ++i)
        value = value.value<QDBusVariant>().variant();
    return value;
}

QString kdeGlobalsPath() {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.config");
    return home + QStringLiteral("/kdeglobals");
}
} // namespace

AppearanceWatch::AppearanceWatch(QObject* parent) : QObject(parent) {
    m_known.colorScheme = LinuxAppearance::portalColorScheme().value_or(0);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &AppearanceWatch::changed);
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(QString(), QStringLiteral("/org/freedesktop/portal/desktop"),
                QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"), this,
                SLOT(portalSettingChanged(QDBusMessage)));
    bus.connect(QString(), QStringLiteral("/KGlobalSettings"), QStringLiteral("org.kde.KGlobalSettings"),
                QStringLiteral("notifyChange"), this, SLOT(kdeSettingsChanged(int, int)));
    bus.connect(QString(), QStringLiteral("/org/xfce/Xfconf"), QStringLiteral("org.xfce.Xfconf"),
                QStringLiteral("PropertyChanged"), this, SLOT(xfconfPropertyChanged(QDBusMessage)));
    // KDE applications are told over D-Bus, but a colour scheme applied by a script may only rewrite
    // kdeglobals, which KConfig replaces by renaming: watch the folder as well as the file.
    if (qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("KDE"), Qt::CaseInsensitive)) {
        connect(&m_files, &QFileSystemWatcher::fileChanged, this, [this] {
            watchKdeGlobals();
            m_settle.start();
        });
        connect(&m_files, &QFileSystemWatcher::directoryChanged, this, [this] {
            const bool known = m_files.files().contains(kdeGlobalsPath());
            watchKdeGlobals();
            if (!known && m_files.files().contains(kdeGlobalsPath())) m_settle.start();
        });
        watchKdeGlobals();
    }
}

void AppearanceWatch::watchKdeGlobals() {
    const QString path = kdeGlobalsPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(folder) && !m_files.directories().contains(folder)) m_files.addPath(folder);
    if (QFileInfo::exists(path) && !m_files.files().contains(path)) m_files.addPath(path);
}

void AppearanceWatch::portalSettingChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 3) return;
    const QString group = arguments[0].toString(), key = arguments[1].toString();
    if (group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("color-scheme")) {
        bool ok = false;
        const uint scheme = unwrapped(arguments[2]).toUInt(&ok);
        if (ok) m_known.colorScheme = scheme;
        m_settle.start();
        return;
    }
    // GNOME's and KDE's own keys, as the portal passes them on: theme, colours, contrast, icons.
    static const QStringList looks{QStringLiteral("gtk-theme"),    QStringLiteral("icon-theme"),
                                   QStringLiteral("color-scheme"), QStringLiteral("high-contrast"),
                                   QStringLiteral("ColorScheme"),  QStringLiteral("Theme")};
    if ((group.startsWith(QLatin1String("org.gnome.desktop.")) ||
         group.startsWith(QLatin1String("org.kde.kdeglobals"))) &&
        looks.contains(key))
        m_settle.start();
}

void AppearanceWatch::kdeSettingsChanged(int type, int) {
    // KGlobalSettings: 0 the palette, 2 the style, 4 the icons.
    if (type == 0 || type == 2 || type == 4) m_settle.start();
}

void AppearanceWatch::xfconfPropertyChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 3 || arguments[0].toString() != QLatin1String("xsettings")) return;
    const QString property = arguments[1].toString();
    const QString text = unwrapped(arguments[2]).toString();
    if (property == QLatin1String("/Net/ThemeName"))
        m_known.gtkTheme = text;
    else if (property == QLatin1String("/Net/IconThemeName"))
        m_known.iconTheme = text;
    else
        return;
    m_settle.start();
}

} // namespace zarvo::linux_
