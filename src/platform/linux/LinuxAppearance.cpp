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
#include <memory>
#include <optional>

namespace zarvo::linux_::LinuxAppearance {

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

namespace {
// $XDG_CONFIG_HOME first, then each of $XDG_CONFIG_DIRS, as the base directory rules order them.
QStringList configDirs() {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.config");
    QStringList dirs{home};
    QStringList system = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (system.isEmpty()) system << QStringLiteral("/etc/xdg");
    return dirs + system;
}

// The value of /Net/<name> in one xfconf channel file, or empty.
QString xfconfNetValue(const QString& path, const QString& name) {
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
        if (where == QStringList{QStringLiteral("Net"), name})
            return xml.attributes().value(QLatin1String("value")).toString().trimmed();
    }
    return {};
}

// Xfce's xsettings value as its settings file holds it (the running xfconfd tells changes itself).
QString xfceSetting(const QString& name) {
    for (const QString& dir : configDirs()) {
        const QString value =
            xfconfNetValue(dir + QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/xsettings.xml"), name);
        if (!value.isEmpty()) return value;
    }
    return {};
}

bool runsOn(const char* desktop) {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .toUpper()
        .split(QLatin1Char(':'))
        .contains(QLatin1String(desktop));
}

// A kdeglobals value, the user's file first, then the system's.
QVariant kdeValue(const QList<std::shared_ptr<QSettings>>& files, const QString& key) {
    for (const auto& file : files)
        if (const QVariant value = file->value(key); value.isValid()) return value;
    return {};
}

std::optional<QColor> kdeColor(const QList<std::shared_ptr<QSettings>>& files, const QString& key) {
    const QStringList rgb = kdeValue(files, key).toStringList();
    if (rgb.size() < 3) return std::nullopt;
    QColor color(rgb[0].trimmed().toInt(), rgb[1].trimmed().toInt(), rgb[2].trimmed().toInt());
    if (rgb.size() > 3) color.setAlpha(rgb[3].trimmed().toInt());
    return color.isValid() ? std::optional(color) : std::nullopt;
}

QList<std::shared_ptr<QSettings>> kdeGlobals() {
    QList<std::shared_ptr<QSettings>> files;
    for (const QString& dir : configDirs()) {
        const QString path = dir + QStringLiteral("/kdeglobals");
        if (QFile::exists(path)) files << std::make_shared<QSettings>(path, QSettings::IniFormat);
    }
    return files;
}

QString kdeIconTheme() {
    const QString name = kdeValue(kdeGlobals(), QStringLiteral("Icons/Theme")).toString().trimmed();
    if (!name.isEmpty()) return name;
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

bool prefersDark(const Known& known) {
    const QString gtkTheme = qEnvironmentVariable("GTK_THEME");
    if (gtkTheme.contains(QLatin1String(":dark"), Qt::CaseInsensitive) ||
        gtkTheme.contains(QLatin1String("HighContrastInverse"), Qt::CaseInsensitive))
        return true;
    if (!gtkTheme.isEmpty()) return gtkTheme.contains(QLatin1String("dark"), Qt::CaseInsensitive);
    // "No preference" leaves it to the desktop's own theme.
    const auto scheme = known.colorScheme ? known.colorScheme : portalColorScheme();
    if (scheme && *scheme != 0) return *scheme == 1;
    if (runsOn("XFCE"))
        return (known.gtkTheme ? *known.gtkTheme : xfceSetting(QStringLiteral("ThemeName")))
            .contains(QLatin1String("dark"), Qt::CaseInsensitive);
    if (runsOn("KDE")) {
        if (const auto palette = kdePalette()) return palette->color(QPalette::Window).lightnessF() < 0.5;
    }
    return false;
}

std::optional<QPalette> kdePalette() {
    if (!runsOn("KDE")) return std::nullopt;
    const auto files = kdeGlobals();
    const auto color = [&files](const char* group, const char* key) {
        return kdeColor(files, QStringLiteral("Colors:%1/%2").arg(QLatin1String(group), QLatin1String(key)));
    };
    const auto window = color("Window", "BackgroundNormal"), windowText = color("Window", "ForegroundNormal");
    const auto base = color("View", "BackgroundNormal"), text = color("View", "ForegroundNormal");
    if (!window || !windowText || !base || !text) return std::nullopt;
    QPalette palette(*windowText, *window);
    palette.setColor(QPalette::Base, *base);
    palette.setColor(QPalette::AlternateBase, color("View", "BackgroundAlternate").value_or(*base));
    palette.setColor(QPalette::Text, *text);
    palette.setColor(QPalette::Button, color("Button", "BackgroundNormal").value_or(*window));
    palette.setColor(QPalette::ButtonText, color("Button", "ForegroundNormal").value_or(*windowText));
    palette.setColor(QPalette::Highlight,
                     color("Selection", "BackgroundNormal").value_or(QColor(0x3D, 0xAE, 0xE9)));
    palette.setColor(QPalette::HighlightedText, color("Selection", "ForegroundNormal").value_or(*text));
    palette.setColor(QPalette::ToolTipBase, color("Tooltip", "BackgroundNormal").value_or(*window));
    palette.setColor(QPalette::ToolTipText, color("Tooltip", "ForegroundNormal").value_or(*windowText));
    // Breeze's link blues where the scheme names none: Qt's own default is unreadable on dark.
    const bool dark = window->lightnessF() < 0.5;
    palette.setColor(
        QPalette::Link,
        color("View", "ForegroundLink").value_or(dark ? QColor(29, 153, 243) : QColor(41, 128, 185)));
    if (const auto visited = color("View", "ForegroundVisited"))
        palette.setColor(QPalette::LinkVisited, *visited);
    const QColor inactive = color("View", "ForegroundInactive").value_or(*text);
    palette.setColor(QPalette::PlaceholderText, inactive);
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, inactive);
    return palette;
}

QString iconThemeName(const Known& known) {
    if (runsOn("XFCE")) {
        const QString name =
            known.iconTheme ? *known.iconTheme : xfceSetting(QStringLiteral("IconThemeName"));
        if (!name.isEmpty()) return name;
    }
    if (runsOn("KDE")) return kdeIconTheme();
    return gnomeIconTheme();
}

} // namespace zarvo::linux_::LinuxAppearance
