#include "platform/linux/LinuxAppearance.h"

#include "platform/linux/GioIncludes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QXmlStreamReader>
#include <optional>

namespace zarvo::linux_::LinuxAppearance {

namespace {
// 0 no preference, 1 dark, 2 light; none when no portal answers.
std::optional<uint> portalColorScheme() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    // A portal that is not running must not hold up the start.
    const QDBusMessage answer = QDBusConnection::sessionBus().call(call, QDBus::Block, 300);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return std::nullopt;
    QVariant value = answer.arguments().first();
    // The value comes wrapped in one or two variants, depending on the portal's version.
    for (int i = 0; i < 2 && value.canConvert<QDBusVariant>(); ++i)
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok) return std::nullopt;
    return scheme;
}

// $XDG_CONFIG_HOME first, then each of $XDG_CONFIG_DIRS, as the base directory rules order them.
QStringList configDirs() {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.config");
    QStringList dirs{home};
    QStringList system = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (system.isEmpty()) system << QStringLiteral("/etc/xdg");
    return dirs + system;
}

// The value of /Net/IconThemeName in one xfconf channel file, or empty.
QString xfconfIconTheme(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QXmlStreamReader xml(&file);
    QStringList where;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("property") &&
            !where.isEmpty())
            where.removeLast();
        if (token != QXmlStreamReader::StartElement || xml.name() != QLatin1String("property")) continue;
        where << xml.attributes().value(QLatin1String("name")).toString();
        if (where == QStringList{QStringLiteral("Net"), QStringLiteral("IconThemeName")})
            return xml.attributes().value(QLatin1String("value")).toString().trimmed();
    }
    return {};
}

QString xfceIconTheme() {
    for (const QString& dir : configDirs()) {
        const QString name =
            xfconfIconTheme(dir + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml"));
        if (!name.isEmpty()) return name;
    }
    return {};
}

QString kdeIconTheme() {
    for (const QString& dir : configDirs()) {
        const QString path = dir + QStringLiteral("/kdeglobals");
        if (!QFile::exists(path)) continue;
        const QSettings globals(path, QSettings::IniFormat);
        const QString name = globals.value(QStringLiteral("Icons/Theme")).toString().trimmed();
        if (!name.isEmpty()) return name;
    }
    // Plasma's own default when the user never chose one.
    return QStringLiteral("breeze");
}

QString gnomeIconTheme() {
    // Looked up first: GSettings aborts on a schema that is not installed.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source) return {};
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE);
    if (!schema) return {};
    const bool hasKey = g_settings_schema_has_key(schema, "icon-theme");
    g_settings_schema_unref(schema);
    if (!hasKey) return {};
    GSettings* settings = g_settings_new("org.gnome.desktop.interface");
    gchar* value = g_settings_get_string(settings, "icon-theme");
    const QString name = QString::fromUtf8(value).trimmed();
    g_free(value);
    g_object_unref(settings);
    return name;
}
// A GSettings value, when its schema and key are installed (GSettings aborts on unknown ones).
GVariant* gsettingsValue(const char* schemaId, const char* key) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source) return nullptr;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
    if (!schema) return nullptr;
    const bool hasKey = g_settings_schema_has_key(schema, key);
    g_settings_schema_unref(schema);
    if (!hasKey) return nullptr;
    GSettings* settings = g_settings_new(schemaId);
    GVariant* value = g_settings_get_value(settings, key);
    g_object_unref(settings);
    return value;
}
} // namespace

bool prefersHighContrast() {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (!gtkTheme.isEmpty()) return gtkTheme.contains(QLatin1String("HighContrast"), Qt::CaseInsensitive);
    bool on = false;
    if (GVariant* value = gsettingsValue("org.gnome.desktop.a11y.interface", "high-contrast")) {
        on = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
        g_variant_unref(value);
    }
    if (GVariant* value = gsettingsValue("org.gnome.desktop.interface", "gtk-theme")) {
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_STRING))
            on = on || QString::fromUtf8(g_variant_get_string(value, nullptr))
                           .startsWith(QLatin1String("HighContrast"));
        g_variant_unref(value);
    }
    return on;
}

bool prefersDark() {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (gtkTheme.contains(QLatin1String(":dark"), Qt::CaseInsensitive) ||
        gtkTheme.contains(QLatin1String("HighContrastInverse"), Qt::CaseInsensitive))
        return true;
    if (!gtkTheme.isEmpty()) return gtkTheme.contains(QLatin1String("dark"), Qt::CaseInsensitive);
    if (const auto scheme = portalColorScheme()) return *scheme == 1;
    return false;
}

QString iconThemeName() {
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper().split(QLatin1Char(':'));
    if (desktops.contains(QLatin1String("XFCE"))) {
        if (const QString name = xfceIconTheme(); !name.isEmpty()) return name;
    }
    if (desktops.contains(QLatin1String("KDE"))) return kdeIconTheme();
    return gnomeIconTheme();
}

} // namespace zarvo::linux_::LinuxAppearance
